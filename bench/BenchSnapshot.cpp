// bench-snapshot: a full configuration snapshot (qgsnap save) of qgsim's
// stack scenario, against the sum of net-snmp's snmpbulkwalk runs over the
// same subtrees: for every window the snapshot reads, the smallest subtree
// that holds its settings (a table's entry, a scalar group), one run per
// window as the snapshot reads one window after the other. Both sides are
// whole programs started afresh, both over SNMPv2c with GetBulk.
// The peer pays a program start per window; a third figure, snmpget of
// sysDescr started as many times, shows that share. Every figure is the
// median of several interleaved runs with its spread [min-max]; the last
// line, for scripts:
//   snapshot-ratio X net-ratio Y    qgsnap save / the snmpbulkwalk runs, and
//                                   the same with the peer's starts taken off

#include "BenchFigure.h"
#include "KtSnapshotWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;

void Print(const char *label, const BenchFigure &figure)
{
    std::printf("  %-44s %9.1f ms  [%.1f-%.1f, %zu runs]\n", label, figure.Median(), figure.Min(),
                figure.Max(), figure.runs.size());
}

// The longest common prefix of a window's settings, dotted.
QString SettingsSubtree(const KtSnapshotWindow &window)
{
    QStringList prefix;
    bool first = true;
    for (int i = 0; window.Vars[i].Oid; ++i) {
        if (!window.IsSetting(i))
            continue;
        const QStringList ids = QString::fromLatin1(window.Vars[i].Oid).split('.');
        if (first) {
            prefix = ids;
            first = false;
            continue;
        }
        int same = 0;
        while (same < prefix.size() && same < ids.size() && prefix[same] == ids[same])
            ++same;
        prefix = prefix.mid(0, same);
    }
    return prefix.join('.');
}

// Runs a program to its end; milliseconds, or -1 when it failed.
double Time(const QString &program, const QStringList &arguments, const QString &workDir)
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    process.waitForFinished(600000);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? ms : -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QProcess sim;
    sim.start(QStringLiteral(QG_BIN_DIR "/qgsim"),
              {"--listen", "127.0.0.1:0", "--scenario", "stack", "--static-leds"});
    sim.waitForStarted();
    while (!sim.canReadLine() && sim.waitForReadyRead(60000)) {
    }
    const QString port = QString::fromLatin1(sim.readLine()).trimmed().section(':', -1);
    if (port.toUInt() == 0) {
        std::printf("qgsim did not start\n");
        return 1;
    }
    QTemporaryDir dir;
    qputenv("KELTRA_REGISTRY", dir.filePath("no-registry.ini").toLocal8Bit());

    QStringList subtrees;
    for (const KtSnapshotWindow &window : KtSnapshotWindow::All())
        subtrees << SettingsSubtree(window);
    const QStringList snapshot = {"save",        "-o",        dir.filePath("bench.snap"),
                                  "/I127.0.0.1", "/Rpublic",  "/Wprivate",
                                  "/v3",         "/t" + port, "/v1"};
    std::printf("bench-snapshot: qgsim stack scenario, %lld windows, SNMPv2c\n", qlonglong(subtrees.size()));

    BenchFigure qgsnap;
    BenchFigure walks;
    BenchFigure starts;
    bool failed = false;
    for (int run = 0; run < kRuns; ++run) {
        const double snap = Time(QStringLiteral(QG_BIN_DIR "/qgsnap"), snapshot, dir.path());
        failed |= snap < 0;
        qgsnap.runs.push_back(snap);
        double sum = 0;
        for (const QString &subtree : subtrees) {
            const double walk = Time(
                "snmpbulkwalk", {"-v2c", "-c", "public", "-On", "127.0.0.1:" + port, subtree}, dir.path());
            failed |= walk < 0;
            sum += walk;
        }
        walks.runs.push_back(sum);
        double startSum = 0;
        for (qsizetype i = 0; i < subtrees.size(); ++i)
            startSum += Time("snmpget", {"-v2c", "-c", "public", "127.0.0.1:" + port, "1.3.6.1.2.1.1.1.0"},
                             dir.path());
        starts.runs.push_back(startSum);
    }
    Print("qgsnap save (whole program)", qgsnap);
    Print("snmpbulkwalk, one run per window (sum)", walks);
    Print("snmpget of sysDescr as many times (sum)", starts);
    if (failed)
        std::printf("WARNING: a run failed\n");
    sim.terminate();
    sim.waitForFinished(5000);
    std::printf("snapshot-ratio %.2f net-ratio %.2f\n", qgsnap.Median() / walks.Median(),
                qgsnap.Median() / (walks.Median() - starts.Median()));
    return failed ? 1 : 0;
}
