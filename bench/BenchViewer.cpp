// The MIB viewer program against qgsim:
//  1. Opening the 1,000-row forwarding table (qgview started as a process,
//     from its start to the end of the first full paint, --exit-after-first-read)
//     against snmptable of the same table from the same agent, with get-next
//     as the viewer reads (-CB) and, for information, with GetBulk.
//  2. The IF Counters view of a 50-port switch refreshing every 5 s: CPU time
//     over a minute (as a share of one core) and resident memory.
// Prints medians with their spread over the runs and, for 1., "ratio X"
// (qgview's median over snmptable -CB's).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr int kRows = 1000;
constexpr int kCpuRuns = 3;
constexpr int kCpuSeconds = 60;

struct Spread
{
    double Median, Min, Max;
};

Spread Of(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

quint16 StartSimulator(QProcess &sim, const QStringList &arguments)
{
    sim.start(QStringLiteral(QG_BIN_DIR "/qgsim"), QStringList{"--listen", "127.0.0.1:0"} + arguments);
    sim.waitForStarted();
    while (!sim.canReadLine() && sim.waitForReadyRead(10000)) {
    }
    return quint16(QString::fromLatin1(sim.readLine()).trimmed().section(':', -1).toUInt());
}

// A registry stand-in and the per-device file with the agent's port.
void Install(const QTemporaryDir &dir, quint16 port)
{
    QFile registry(dir.filePath("registry.ini"));
    registry.open(QIODevice::WriteOnly);
    registry.write(
        QStringLiteral("[SOFTWARE\\Keltra\\Ovix5.1\\MibFile]\nPath=%1/\n").arg(dir.path()).toUtf8());
    QFile config(dir.filePath("127.0.0.1.cfg"));
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=3\n"
                                "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n")
                     .arg(port)
                     .toUtf8());
}

void Prepare(QProcess &viewer, const QTemporaryDir &dir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KELTRA_REGISTRY", dir.filePath("registry.ini"));
    environment.insert("XDG_CONFIG_HOME", dir.path()); // the viewer's settings of this run only
    if (!environment.contains("QT_QPA_PLATFORM"))
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    viewer.setProcessEnvironment(environment);
    viewer.setWorkingDirectory(dir.path());
}

double TimeProcess(QProcess &process, const QString &program, const QStringList &arguments, int &exitCode)
{
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    process.waitForFinished(120000);
    exitCode = process.exitCode();
    return double(clock.nsecsElapsed()) / 1e6;
}

double Snmptable(quint16 port, bool getNext, int &lines)
{
    QProcess tool;
    QStringList arguments{"-M",     QStringLiteral(QG_SOURCE_DIR "/bench/mibs"),
                          "-m",     "QG-BRIDGE-TP-MIB",
                          "-v2c",   "-c",
                          "public", "-Cf",
                          ","};
    if (getNext)
        arguments << "-CB";
    arguments << QStringLiteral("127.0.0.1:%1").arg(port) << "dot1dTpFdbTable";
    int exitCode = 0;
    const double ms = TimeProcess(tool, "snmptable", arguments, exitCode);
    lines = int(tool.readAllStandardOutput().count('\n'));
    return ms;
}

// utime + stime of a process, in seconds, and its resident set in MB.
double CpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = stat.readAll().split(')').value(1).trimmed().split(' ');
    // After the command: state is field 3, utime 14 and stime 15 (1-based).
    return double(fields.value(11).toLongLong() + fields.value(12).toLongLong()) /
           double(sysconf(_SC_CLK_TCK));
}

double StatusMegabytes(qint64 pid, const char *key)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    bool ok = true;

    // 1. First full paint of the 1,000-row forwarding table.
    {
        QProcess sim;
        const quint16 port = StartSimulator(sim, {"--fdb-rows", QString::number(kRows), "--static-leds"});
        if (port == 0) {
            std::fprintf(stderr, "bench-viewer: qgsim did not start\n");
            return 1;
        }
        Install(dir, port);
        std::vector<double> viewer, getNext, bulk;
        int lines = 0, bulkLines = 0;
        for (int run = 0; run < kRuns; ++run) {
            QProcess qgview;
            Prepare(qgview, dir);
            int exitCode = 0;
            viewer.push_back(TimeProcess(
                qgview, QG_BIN_DIR "/qgview",
                {"--exit-after-first-read", "/I127.0.0.1", "/Rpublic", "/Wprivate", "/TBridge_Forwarding"},
                exitCode));
            ok = ok && exitCode == 0;
            getNext.push_back(Snmptable(port, true, lines));
            bulk.push_back(Snmptable(port, false, bulkLines));
        }
        const Spread v = Of(viewer), n = Of(getNext), b = Of(bulk);
        std::printf("forwarding table, %d rows (snmptable printed %d lines), %d runs\n", kRows, lines, kRuns);
        std::printf("qgview to first full paint  median %.0f ms (%.0f..%.0f)\n", v.Median, v.Min, v.Max);
        std::printf("snmptable -CB (get-next)    median %.0f ms (%.0f..%.0f)\n", n.Median, n.Min, n.Max);
        std::printf("snmptable (GetBulk)         median %.0f ms (%.0f..%.0f)\n", b.Median, b.Min, b.Max);
        std::printf("ratio %.2f (goal <= 1.5), against GetBulk %.2f\n", v.Median / n.Median,
                    v.Median / b.Median);
        ok = ok && lines >= kRows;
        sim.terminate();
        sim.waitForFinished(5000);
    }

    // 2. A 50-port counters view refreshing every 5 s.
    {
        QFile scenario(dir.filePath("fifty.scenario"));
        scenario.open(QIODevice::WriteOnly);
        scenario.write("unit 1 QL2448\n");
        scenario.close();
        QProcess sim;
        const quint16 port = StartSimulator(sim, {"--scenario", scenario.fileName(), "--seed", "1"});
        Install(dir, port);
        std::vector<double> cpu, rss, peak;
        for (int run = 0; run < kCpuRuns; ++run) {
            QProcess qgview;
            Prepare(qgview, dir);
            qgview.start(QG_BIN_DIR "/qgview", {"/I127.0.0.1", "/Rpublic", "/Wprivate", "/TMIB_IFCounters"});
            qgview.waitForStarted();
            QThread::sleep(5); // start-up and the first read are not the steady state
            const qint64 pid = qgview.processId();
            const double before = CpuSeconds(pid);
            QElapsedTimer clock;
            clock.start();
            QThread::sleep(kCpuSeconds);
            const double used = CpuSeconds(pid) - before;
            cpu.push_back(100.0 * used / (double(clock.elapsed()) / 1000.0));
            rss.push_back(StatusMegabytes(pid, "VmRSS:"));
            peak.push_back(StatusMegabytes(pid, "VmHWM:"));
            qgview.terminate();
            qgview.waitForFinished(5000);
        }
        const Spread c = Of(cpu), r = Of(rss), p = Of(peak);
        std::printf("IF Counters, 50 ports, refresh every 5 s, %d runs of %d s\n", kCpuRuns, kCpuSeconds);
        std::printf("cpu of one core  median %.2f %% (%.2f..%.2f) (goal < 1 %%)\n", c.Median, c.Min, c.Max);
        std::printf("resident         median %.1f MB (%.1f..%.1f), peak %.1f MB (goal < 80 MB)\n", r.Median,
                    r.Min, r.Max, p.Max);
        sim.terminate();
        sim.waitForFinished(5000);
    }
    return ok ? 0 : 1;
}
