// Walks qgsim's filtering database with the request engine, asynchronously
// through the Qt event loop as a window does, and times net-snmp's snmptable
// on the same table from the same agent:
//   - 1,000 rows with no added delay and with 20 ms added per request
//     (qgsim --delay-ms 20, a WAN round trip): the module's get-next walk
//     (SNMPv1), its GetBulk walk (SNMPv2c), snmptable -v2c (GetBulk) and
//     snmptable -v1 -CB (get-next);
//   - 1,000 rows into a shown list view through the edits binding, against
//     the bare walk;
//   - 100,000 rows into a shown list view, against the bare walk, with the
//     longest time the event loop did not run and the peak resident memory;
//     then the longest stall of sorting that list (by MAC address and by
//     port, both ways, and back to the agent's order) and of filtering it
//     (a filter typed key by key, then cleared).
// Every figure is the median of several runs with its spread [min-max]. The
// last five lines are for scripts:
//   getnext-ratio X                    module v1 walk / snmptable -v1 -CB, 0 ms
//   bulk-ratio X                       module v2c walk / snmptable -v2c, 20 ms
//   list-ratio X                       1,000 rows into a list / bare walk, worst run
//   big-list-ratio X stall-ms Y rss-mb Z  100,000 rows into a list
//   sort-ms X filter-ms Y              longest stall of a sort and of a filter step
#include "BenchFigure.h"
#include "KtListViewTools.h"
#include "KtSNMPRequest.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr int kDelayedRuns = 3;
constexpr int kBigRuns = 3;
constexpr int kRows = 1000;
constexpr int kBigRows = 100000;
constexpr int kDelayMs = 20;
constexpr quint8 kV1 = 0;
constexpr quint8 kV2c = 1;

const KtSNMPVarDef kFdb[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb Id", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FdbMacAddress", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "PortNumber", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", SyntaxInteger, AccessRead},
    {},
};

void Print(const char *label, const BenchFigure &figure, const char *unit = "ms")
{
    std::printf("  %-44s %9.1f %s  [%.1f-%.1f, %zu runs]\n", label, figure.Median(), unit, figure.Min(),
                figure.Max(), figure.runs.size());
}

class Simulator
{
public:
    Simulator(int rows, int delayMs)
    {
        process_.start(QStringLiteral(QG_BIN_DIR "/qgsim"),
                       {"--listen", "127.0.0.1:0", "--scenario", "stack", "--fdb-rows", QString::number(rows),
                        "--delay-ms", QString::number(delayMs), "--static-leds"});
        process_.waitForStarted();
        while (!process_.canReadLine() && process_.waitForReadyRead(60000)) {
        }
        port_ = quint16(QString::fromLatin1(process_.readLine()).trimmed().section(':', -1).toUInt());
    }
    ~Simulator()
    {
        process_.terminate();
        process_.waitForFinished(5000);
    }
    quint16 Port() const { return port_; }

private:
    QProcess process_;
    quint16 port_ = 0;
};

void Configure(KtSNMPRequest &request, quint16 port, quint8 version)
{
    request.Device = {"127.0.0.1", port};
    request.Security.Version = version;
    request.Security.ReadCommunity = "public";
    request.TimeOut = 500;
    request.Vars = KtSNMPVarList(kFdb, ListTable, 2);
}

void WaitWhile(const std::function<bool()> &busy)
{
    while (busy())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

// One asynchronous walk; returns milliseconds and the row count.
double WalkOnce(quint16 port, quint8 version, int &rows)
{
    KtSNMPRequest request;
    Configure(request, port, version);
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
    WaitWhile([&] { return !done; });
    return double(clock.nsecsElapsed()) / 1e6;
}

// The longest time between two turns of the event loop while it runs.
class StallMeter
{
public:
    StallMeter()
    {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
        clock_.start();
    }
    double LongestMs() const { return double(longest_) / 1e6; }

private:
    void Tick()
    {
        const qint64 now = clock_.nsecsElapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

struct SortFilterStalls
{
    double SortMs = 0.0;
    double FilterMs = 0.0;
};

// Milliseconds of one step and the repaint after it.
double StepMs(const std::function<void()> &step)
{
    QElapsedTimer clock;
    clock.start();
    step();
    QCoreApplication::processEvents();
    return double(clock.nsecsElapsed()) / 1e6;
}

// Sorts and filters the filled list as a user would, step by step.
SortFilterStalls SortAndFilter(QTreeWidget *list)
{
    SortFilterStalls stalls;
    KtListViewTools *tools = KtListViewTools::Of(list);
    for (int column : {1, 2})
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder})
            stalls.SortMs = std::max(stalls.SortMs, StepMs([&] { tools->SortBy(column, order); }));
    stalls.SortMs = std::max(stalls.SortMs, StepMs([&] { tools->SortBy(-1); }));
    tools->ShowFilter();
    const QString typed = QStringLiteral("001b2100ff");
    for (qsizetype keys = 1; keys <= typed.size(); ++keys)
        stalls.FilterMs = std::max(stalls.FilterMs, StepMs([&] { tools->SetFilterText(typed.left(keys)); }));
    stalls.FilterMs = std::max(stalls.FilterMs, StepMs([&] { tools->SetFilterText(QString()); }));
    return stalls;
}

// The same walk through a binding into a shown list view.
double ListViewWalkOnce(quint16 port, quint8 version, int &rows, double *stallMs = nullptr,
                        SortFilterStalls *sortFilter = nullptr)
{
    QWidget window;
    auto *list = new QTreeWidget(&window);
    window.resize(600, 400);
    list->resize(600, 400);
    window.show();
    QCoreApplication::processEvents();
    KtSNMPRequest2Edits binding(&window);
    Configure(binding.Request, port, version);
    binding.AttachListView(list, true);
    QElapsedTimer clock;
    clock.start();
    StallMeter stalls;
    binding.Get();
    WaitWhile([&] { return binding.Busy; });
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    if (stallMs)
        *stallMs = stalls.LongestMs();
    rows = list->topLevelItemCount();
    if (sortFilter)
        *sortFilter = SortAndFilter(list);
    return ms;
}

double SnmptableOnce(quint16 port, quint8 version, int &lines)
{
    QProcess tool;
    // -Ob: the MAC index as numbers. Printed as text every row's index looks
    // alike, and snmptable's GetBulk walk stops with "OID not increasing".
    QStringList arguments{"-M", QStringLiteral(QG_SOURCE_DIR "/bench/mibs"), "-m", "QG-FDB-MIB", "-Ob"};
    arguments << QStringList{"-c", "public", "-Cf", ",", "-t", "5"};
    arguments << (version == kV1 ? QStringList{"-v1", "-CB"} : QStringList{"-v2c"});
    arguments << QStringLiteral("127.0.0.1:%1").arg(port) << "dot1qTpFdbTable";
    QElapsedTimer clock;
    clock.start();
    tool.start("snmptable", arguments);
    tool.waitForFinished(300000);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    lines = int(tool.readAllStandardOutput().count('\n'));
    return ms;
}

// qgsim's answer time for one PDU, from net-snmp's snmpwalk (one get-next
// per row) or snmpbulkwalk (50 rows per GetBulk) over one column of the
// table: the whole walk's time over its PDUs, so an upper bound.
double MicrosecondsPerPdu(quint16 port, bool bulk)
{
    constexpr int kRepetitions = 50;
    QProcess tool;
    QStringList arguments{"-v2c", "-c", "public", "-Oqn", "-t", "5"};
    if (bulk)
        arguments << QStringLiteral("-Cr%1").arg(kRepetitions);
    arguments << QStringLiteral("127.0.0.1:%1").arg(port) << "1.3.6.1.2.1.17.7.1.2.2.1.2";
    QElapsedTimer clock;
    clock.start();
    tool.start(bulk ? "snmpbulkwalk" : "snmpwalk", arguments);
    tool.waitForFinished(300000);
    const double us = double(clock.nsecsElapsed()) / 1e3;
    const qsizetype lines = tool.readAllStandardOutput().count('\n');
    const double pdus = bulk ? double(lines / kRepetitions + 1) : double(lines + 1);
    return us / pdus;
}

double PeakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// The walks of one agent: the module's get-next and GetBulk walks and
// snmptable's two, each `runs` times, interleaved.
struct WalkFigures
{
    BenchFigure getNext, bulk, tableV1, tableV2c;
};

WalkFigures WalkAll(quint16 port, int runs, int getNextRuns, bool &complete)
{
    WalkFigures figures;
    int rows = 0;
    int lines = 0;
    for (int run = 0; run < runs; ++run) {
        if (run < getNextRuns) {
            figures.getNext.runs.push_back(WalkOnce(port, kV1, rows));
            complete = complete && rows == kRows;
            figures.tableV1.runs.push_back(SnmptableOnce(port, kV1, lines));
            complete = complete && lines > kRows;
        }
        figures.bulk.runs.push_back(WalkOnce(port, kV2c, rows));
        complete = complete && rows == kRows;
        figures.tableV2c.runs.push_back(SnmptableOnce(port, kV2c, lines));
        complete = complete && lines > kRows;
    }
    return figures;
}

void PrintWalks(const char *title, const WalkFigures &figures)
{
    std::printf("%s\n", title);
    Print("module get-next walk (SNMPv1)", figures.getNext);
    Print("snmptable -v1 -CB (get-next)", figures.tableV1);
    Print("module GetBulk walk (SNMPv2c)", figures.bulk);
    Print("snmptable -v2c (GetBulk)", figures.tableV2c);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Simulator near(kRows, 0);
    Simulator far(kRows, kDelayMs);
    if (near.Port() == 0 || far.Port() == 0) {
        std::fprintf(stderr, "bench-walk: qgsim did not start\n");
        return 1;
    }
    KtSession::Create();
    _SnmpEventProcessor::Instance().Start();
    bool complete = true;

    const WalkFigures nearWalks = WalkAll(near.Port(), kRuns, kRuns, complete);
    PrintWalks("1,000 rows, no added delay", nearWalks);
    // At 20 ms a get-next walk of 1,000 rows takes over 20 s: one run each.
    const WalkFigures farWalks = WalkAll(far.Port(), kDelayedRuns, 1, complete);
    PrintWalks("1,000 rows, 20 ms added per request", farWalks);

    BenchFigure bare;
    BenchFigure intoList;
    double worstListRatio = 0.0;
    for (int run = 0; run < kRuns; ++run) {
        int rows = 0;
        const double walk = WalkOnce(near.Port(), kV1, rows);
        const double list = ListViewWalkOnce(near.Port(), kV1, rows);
        complete = complete && rows == kRows;
        bare.runs.push_back(walk);
        intoList.runs.push_back(list);
        worstListRatio = std::max(worstListRatio, list / walk);
    }
    std::printf("1,000 rows into a shown list view (SNMPv1)\n");
    Print("bare walk", bare);
    Print("into the list view", intoList);

    Simulator big(kBigRows, 0);
    BenchFigure bigBare;
    BenchFigure bigList;
    BenchFigure bigStall;
    BenchFigure sortStall;
    BenchFigure filterStall;
    for (int run = 0; run < kBigRuns; ++run) {
        int rows = 0;
        bigBare.runs.push_back(WalkOnce(big.Port(), kV2c, rows));
        complete = complete && rows == kBigRows;
        double stall = 0.0;
        SortFilterStalls sortFilter;
        bigList.runs.push_back(ListViewWalkOnce(big.Port(), kV2c, rows, &stall, &sortFilter));
        complete = complete && rows == kBigRows;
        bigStall.runs.push_back(stall);
        sortStall.runs.push_back(sortFilter.SortMs);
        filterStall.runs.push_back(sortFilter.FilterMs);
    }
    const double rssMiB = PeakResidentMiB();
    BenchFigure perGetNext;
    BenchFigure perBulk;
    for (int run = 0; run < kBigRuns; ++run) {
        perGetNext.runs.push_back(MicrosecondsPerPdu(big.Port(), false));
        perBulk.runs.push_back(MicrosecondsPerPdu(big.Port(), true));
    }
    std::printf("100,000 rows into a shown list view (SNMPv2c)\n");
    Print("bare walk", bigBare);
    Print("into the list view", bigList);
    Print("longest event-loop stall in the list walk", bigStall);
    Print("longest stall of a sort", sortStall);
    Print("longest stall of a filter step", filterStall);
    std::printf("  %-44s %9.1f MB\n", "peak resident memory", rssMiB);
    std::printf("qgsim with 100,000 rows, per PDU (whole snmpwalk / snmpbulkwalk over its PDUs)\n");
    Print("get-next", perGetNext, "us");
    Print("GetBulk of 50 rows", perBulk, "us");
    if (!complete)
        std::printf("WARNING: a walk (or snmptable) did not deliver every row\n");

    std::printf("getnext-ratio %.2f\n", nearWalks.getNext.Median() / nearWalks.tableV1.Median());
    std::printf("bulk-ratio %.2f\n", farWalks.bulk.Median() / farWalks.tableV2c.Median());
    std::printf("list-ratio %.2f\n", worstListRatio);
    std::printf("big-list-ratio %.2f stall-ms %.0f rss-mb %.0f\n", bigList.Median() / bigBare.Median(),
                bigStall.Max(), rssMiB);
    std::printf("sort-ms %.0f filter-ms %.0f\n", sortStall.Max(), filterStall.Max());
    return complete ? 0 : 1;
}
