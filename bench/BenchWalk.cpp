// Walks the 1,000-row filtering database of qgsim with the request engine,
// asynchronously through the Qt event loop as a window does, and times
// net-snmp's snmptable on the same table from the same agent. Also walks it
// into a list view through the edits binding, the way a table window fills
// its list. Prints the medians and, last, "ratio X" (the request engine's
// time over snmptable's).
#include "KtSNMPRequest.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr int kRows = 1000;

const KtSNMPVarDef kFdb[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb Id", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FdbMacAddress", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "PortNumber", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", SyntaxInteger, AccessRead},
    {},
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

quint16 StartSimulator(QProcess &sim)
{
    sim.start(QStringLiteral(QG_BIN_DIR "/qgsim"), {"--listen", "127.0.0.1:0", "--scenario", "stack",
                                                    "--fdb-rows", QString::number(kRows), "--static-leds"});
    sim.waitForStarted();
    while (!sim.canReadLine() && sim.waitForReadyRead(10000)) {
    }
    return quint16(QString::fromLatin1(sim.readLine()).trimmed().section(':', -1).toUInt());
}

// One asynchronous walk; returns milliseconds and the row count.
double WalkOnce(quint16 port, int &rows)
{
    KtSNMPRequest request;
    request.Device = {"127.0.0.1", port};
    request.Security.Version = 0;
    request.Security.ReadCommunity = "public";
    request.Vars = KtSNMPVarList(kFdb, ListTable, 2);
    rows = 0;
    bool done = false;
    KtSNMPCallback step = [&](void *, const KtSNMPError &error, KtSNMPVarList &) {
        if (error.Code == 0 && !error.Finished) {
            ++rows;
            request.ReadAsync(step, nullptr, false);
        } else {
            done = true;
        }
    };
    QElapsedTimer clock;
    clock.start();
    request.ReadAsync(step, nullptr, true);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return double(clock.nsecsElapsed()) / 1e6;
}

// The same walk through a binding into a shown list view.
double ListViewWalkOnce(quint16 port, int &rows)
{
    QWidget window;
    auto *list = new QTreeWidget(&window);
    window.resize(600, 400);
    window.show();
    KtSNMPRequest2Edits binding(&window);
    binding.Request.Device = {"127.0.0.1", port};
    binding.Request.Security.Version = 0;
    binding.Request.Security.ReadCommunity = "public";
    binding.Request.Vars = KtSNMPVarList(kFdb, ListTable, 2);
    binding.AttachListView(list, true);
    QElapsedTimer clock;
    clock.start();
    binding.Get();
    while (binding.Busy)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    rows = list->topLevelItemCount();
    return double(clock.nsecsElapsed()) / 1e6;
}

double SnmptableOnce(quint16 port, int &lines)
{
    QProcess tool;
    QElapsedTimer clock;
    clock.start();
    tool.start("snmptable",
               {"-M", QStringLiteral(QG_SOURCE_DIR "/bench/mibs"), "-m", "QG-FDB-MIB", "-v1", "-c", "public",
                "-CB", "-Cf", ",", QStringLiteral("127.0.0.1:%1").arg(port), "dot1qTpFdbTable"});
    tool.waitForFinished(60000);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    lines = int(tool.readAllStandardOutput().count('\n'));
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QProcess sim;
    const quint16 port = StartSimulator(sim);
    if (port == 0) {
        std::fprintf(stderr, "bench-walk: qgsim did not start\n");
        return 1;
    }
    KtSession::Create();
    _SnmpEventProcessor::Instance().Start();

    std::vector<double> ours;
    std::vector<double> intoList;
    std::vector<double> theirs;
    int rows = 0;
    int listRows = 0;
    int lines = 0;
    for (int run = 0; run < kRuns; ++run) {
        ours.push_back(WalkOnce(port, rows));
        intoList.push_back(ListViewWalkOnce(port, listRows));
        theirs.push_back(SnmptableOnce(port, lines));
    }
    std::printf("rows walked            %d (list view %d, snmptable printed %d lines)\n", rows, listRows,
                lines);
    std::printf("request engine median  %.1f ms\n", Median(ours));
    std::printf("into a list view       %.1f ms (%.2f x the bare walk)\n", Median(intoList),
                Median(intoList) / Median(ours));
    std::printf("snmptable median       %.1f ms\n", Median(theirs));
    std::printf("ratio %.2f\n", Median(ours) / Median(theirs));
    sim.terminate();
    sim.waitForFinished(5000);
    return rows == kRows && listRows == kRows ? 0 : 1;
}
