// The viewer window: filter, sort, copy and CSV, refresh interval and pause,
// status lines, rates and the charts, responsiveness during a slow read.
#include "TMibViewerForm.h"
#include "KtCatalogue.h"
#include "KtRateChart.h"
#include "KtSNMPEngine.h"
#include "KtTableText.h"
#include "KtViewModel.h"
#include "KtViewerLauncher.h"
#include "KtWindowPlacement.h"
#include "QgFiles.h"
#include "QgSimProcess.h"
#include "SnmpdProcess.h"
#include "ViewerTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QValueAxis>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>

namespace {

// Writes past `bytes` fail (EFBIG) as on a full disk, while it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

class TMibViewerFormTest : public ViewerTest
{
protected:
    static int ColumnOf(const QAbstractItemModel &model, const QString &header)
    {
        for (int c = 0; c < model.columnCount(); ++c)
            if (model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == header)
                return c;
        return -1;
    }

    static QStringList Column(const QTableView *table, int column)
    {
        QStringList texts;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            texts << table->model()->index(row, column).data().toString();
        return texts;
    }

    static void SelectRows(QTableView *table, const QList<int> &rows)
    {
        for (int row : rows)
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

TEST_F(TMibViewerFormTest, FilterSortCopyAndExport)
{
    QgSimProcess sim({"--static-leds", "--fdb-rows", "40"});
    ASSERT_TRUE(sim.Start());
    UseAgent(sim.Port());
    TMibViewerForm form(*FindView("Bridge_Forwarding"), 1);
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return form.ReadsDone() > 0; }, 30000));
    QTableView *table = form.Table(0);
    ASSERT_EQ(table->model()->rowCount(), 40);
    EXPECT_GT(table->columnWidth(0), table->fontMetrics().horizontalAdvance("00:1B:21:00:00") / 2);

    // Sorting by the port number, as numbers.
    table->sortByColumn(1, Qt::DescendingOrder);
    const QStringList ports = Column(table, 1);
    for (int i = 1; i < ports.size(); ++i)
        EXPECT_GE(ports[i - 1].toInt(), ports[i].toInt());

    // The filter keeps the rows with the text in any column.
    const QString port = ports.last();
    form.Filter(0)->setText(port);
    ASSERT_GT(table->model()->rowCount(), 0);
    EXPECT_LT(table->model()->rowCount(), 40);
    for (const QString &shown : Column(table, 1))
        EXPECT_TRUE(shown.contains(port));
    form.Filter(0)->clear();
    EXPECT_EQ(table->model()->rowCount(), 40);

    // Copy and CSV: the selection, or the whole table without one.
    EXPECT_EQ(form.CsvText(0).count("\r\n"), 41);
    SelectRows(table, {0, 2});
    table->setFocus();
    form.CopyRows();
    const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 3);
    EXPECT_EQ(copied[0], "dot1dTpFdbAddress\tdot1dTpFdbPort\tdot1dTpFdbStatus");
    EXPECT_EQ(copied[1], QStringList({table->model()->index(0, 0).data().toString(),
                                      table->model()->index(0, 1).data().toString(), "learned"})
                             .join('\t'));
    EXPECT_EQ(form.CsvText(0).count("\r\n"), 3);
}

TEST_F(TMibViewerFormTest, CsvQuotesWhatNeedsQuoting)
{
    QStandardItemModel model(2, 2);
    model.setHorizontalHeaderLabels({"Name", "Value"});
    model.setItem(0, 0, new QStandardItem("plain"));
    model.setItem(0, 1, new QStandardItem("a, b"));
    model.setItem(1, 0, new QStandardItem("say \"hi\""));
    model.setItem(1, 1, new QStandardItem("two\nlines"));
    EXPECT_EQ(KtTableText::Csv(model),
              "Name,Value\r\nplain,\"a, b\"\r\n\"say \"\"hi\"\"\",\"two\nlines\"\r\n");
    EXPECT_EQ(KtTableText::Tabbed(model, {1}), "Name\tValue\nsay \"hi\"\ttwo lines\n");
}

// Agent texts that a spreadsheet would evaluate are exported and copied as
// plain text; numbers, negative ones too, stay numbers.
TEST_F(TMibViewerFormTest, FormulaTextsAreNotEvaluatedNumbersStayNumbers)
{
    const std::pair<QString, QString> cells[] = {
        {"=HYPERLINK(\"http://x\",\"y\")", "'=HYPERLINK(\"http://x\",\"y\")"},
        {"+cmd", "'+cmd"},
        {"-cmd|' /C calc'!A0", "'-cmd|' /C calc'!A0"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\t=1", "'\t=1"},
        {"\r=1", "'\r=1"},
        {"-", "'-"},
        {"-5", "-5"},
        {"+1.5", "+1.5"},
        {"-2e3", "-2e3"},
        {"42", "42"},
        {"a=b", "a=b"},
        {"", ""},
    };
    for (const auto &[cell, safe] : cells)
        EXPECT_EQ(KtTableText::SpreadsheetSafe(cell), safe) << cell.toStdString();

    QStandardItemModel model(1, 3);
    model.setHorizontalHeaderLabels({"Name", "Count", "Alias"});
    model.setItem(0, 0, new QStandardItem("=1+2"));
    model.setItem(0, 1, new QStandardItem("-7"));
    model.setItem(0, 2, new QStandardItem("@x,y"));
    EXPECT_EQ(KtTableText::Csv(model), "Name,Count,Alias\r\n'=1+2,-7,\"'@x,y\"\r\n");
    EXPECT_EQ(KtTableText::Tabbed(model), "Name\tCount\tAlias\n'=1+2\t-7\t'@x,y\n");
}

// An export that cannot be written whole (here: the file-size limit of a
// full disk) leaves the old file as it was and says why.
TEST_F(TMibViewerFormTest, ExportIsWholeOrLeavesTheOldFile)
{
    QgSimProcess sim({"--static-leds", "--fdb-rows", "300"});
    ASSERT_TRUE(sim.Start());
    UseAgent(sim.Port());
    TMibViewerForm form(*FindView("Bridge_Forwarding"), 1);
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return form.ReadsDone() > 0; }, 30000));
    QTemporaryDir dir;
    const QString path = dir.filePath("fdb.csv");
    ASSERT_TRUE(form.ExportCsvTo(path, 0));
    EXPECT_EQ(ReadFile(path), form.CsvText(0).toUtf8());

    ASSERT_TRUE(WriteFile(path, "old export\r\n"));
    ASSERT_EQ(QFileInfo(path).size(), 12);
    bool saved = true;
    {
        const FileSizeLimit full(1024); // test output written meanwhile would be cut too
        saved = form.ExportCsvTo(path, 0);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(path), "old export\r\n");
    EXPECT_TRUE(form.statusBar()->currentMessage().startsWith("Cannot write " + path + ": "))
        << form.statusBar()->currentMessage().toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"fdb.csv"}) << "no temporary file left";

    // A directory that cannot be written: told, nothing left behind.
    EXPECT_FALSE(form.ExportCsvTo(dir.filePath("missing/fdb.csv"), 0));
    EXPECT_TRUE(form.statusBar()->currentMessage().startsWith("Cannot write "));
}

TEST_F(TMibViewerFormTest, RefreshIntervalPauseAndStatus)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    UseAgent(sim.Port());
    TMibViewerForm form(*FindView("MIB_Info"), 1);
    EXPECT_EQ(form.Interval()->value(), TMibViewerForm::DefaultIntervalSeconds);
    ASSERT_TRUE(WaitUntil([&] { return form.ReadsDone() > 0; }, 30000));
    EXPECT_TRUE(form.LastRefreshLabel()->text().startsWith("Last refresh "));
    EXPECT_TRUE(form.statusBar()->currentMessage().contains(KtErrorText(0)));
    // Both times read alike: "Receive at 04:45:39 PM." and "Last refresh 04:45:39 PM".
    const QString refreshed = form.LastRefreshLabel()->text().mid(QStringLiteral("Last refresh ").size());
    EXPECT_TRUE(form.statusBar()->currentMessage().contains(" at " + refreshed + "."))
        << form.statusBar()->currentMessage().toStdString() << " / " << refreshed.toStdString();
    EXPECT_EQ(form.Model(0)->RawValue(4, 0), "bldg-a-core"); // sysName

    // The new interval drives the refresh timer at once, and reads follow it.
    form.Interval()->setValue(1);
    const QList<QTimer *> timers = form.findChildren<QTimer *>();
    EXPECT_TRUE(std::any_of(timers.begin(), timers.end(), [](const QTimer *timer) {
        return timer->interval() == 1000 && timer->isActive();
    }));
    const int before = form.ReadsDone();
    ASSERT_TRUE(WaitUntil([&] { return form.ReadsDone() >= before + 2; }, 10000));

    form.PauseAction()->setChecked(true);
    for (QTimer *timer : form.findChildren<QTimer *>()) {
        if (timer->interval() == 1000) {
            EXPECT_FALSE(timer->isActive());
        }
    }
    form.PauseAction()->setChecked(false);
}

TEST_F(TMibViewerFormTest, TimeOutShowsTheCatalogueText)
{
    const SilentAgent silent;
    UseAgent(silent.Port());
    TMibViewerForm form(*FindView("MIB_Info"), 1);
    bool ok = true;
    QObject::connect(&form, &TMibViewerForm::ReadDone, [&](bool done) { ok = done; });
    ASSERT_TRUE(WaitUntil([&] { return form.ReadsDone() > 0; }, 30000));
    EXPECT_FALSE(ok);
    EXPECT_TRUE(form.statusBar()->currentMessage().contains(KtErrorText(-405)))
        << form.statusBar()->currentMessage().toStdString();
}

TEST_F(TMibViewerFormTest, StaysResponsiveDuringASlowRead)
{
    QgSimProcess sim({"--static-leds", "--scenario", "single", "--delay-ms", "200"});
    ASSERT_TRUE(sim.Start());
    UseAgent(sim.Port());
    TMibViewerForm form(*FindView("MIB_IFTable"), 1);
    ASSERT_TRUE(WaitUntil([&] { return form.Reading(); }, 5000));
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    ASSERT_TRUE(WaitUntil([&] { return ticks >= 5; }, 5000));
    EXPECT_TRUE(form.Reading()); // a 200 ms answer per row: the walk is still going
    ASSERT_TRUE(WaitUntil([&] { return form.ReadsDone() > 0; }, 120000));
}

TEST_F(TMibViewerFormTest, CounterRatesAndTheirChart)
{
    QgSimProcess sim({"--led-interval-ms", "500", "--seed", "3"});
    ASSERT_TRUE(sim.Start());
    UseAgent(sim.Port());
    TMibViewerForm form(*FindView("MIB_IFCounters"), 1);
    form.show();
    form.Interval()->setValue(1);
    ASSERT_TRUE(WaitUntil([&] { return form.ReadsDone() > 0; }, 30000));
    const KtViewModel *model = form.Model(0);
    const int descr = ColumnOf(*model, "ifDescr"), bits = ColumnOf(*model, "ifHCInOctets bit/s");
    ASSERT_GE(bits, 0);
    ASSERT_GE(ColumnOf(*model, "ifInErrors /s"), 0);
    // No rate before the second reading.
    for (int row = 0; row < model->rowCount(); ++row)
        EXPECT_EQ(model->index(row, bits).data().toString(), "");
    // Rates appear from the second reading on; a loaded machine may lose a
    // reading to a time-out, which leaves a gap and no negative rate.
    auto someRate = [&] {
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->index(row, bits).data(KtViewModel::SortRole).toDouble() > 0)
                return true;
        return false;
    };
    ASSERT_TRUE(WaitUntil(someRate, 60000));
    for (int row = 0; row < model->rowCount(); ++row)
        EXPECT_GE(model->index(row, bits).data(KtViewModel::SortRole).toDouble(), -1.0);

    // Without a selection the chart follows the first row shown, by name.
    QTableView *table = form.Table(0);
    form.Filter(0)->setText("port 3");
    const QString firstShown = table->model()->index(0, descr).data().toString();
    ASSERT_TRUE(firstShown.contains("port 3"));
    ASSERT_TRUE(WaitUntil([&] { return !form.Chart()->chart()->series().isEmpty(); }, 10000));
    EXPECT_EQ(form.Chart()->chart()->series().first()->name(), firstShown);
    form.Filter(0)->clear();

    SelectRows(table, {0, 1, 2});
    EXPECT_GE(form.Chart()->SeriesCount(), 1);
    EXPECT_LE(form.Chart()->SeriesCount(), 3);
    EXPECT_EQ(form.ChartColumn()->currentText(), "ifHCInOctets");
    EXPECT_TRUE(form.Chart()->ValueAxis()->titleText().endsWith("bit/s"));
    for (QAbstractSeries *series : form.Chart()->chart()->series())
        EXPECT_TRUE(series->name().startsWith("QG") || series->name().startsWith("QF"))
            << series->name().toStdString();

    // Each refresh keeps the two axes; the time axis spans the history
    // length chosen in the tool bar.
    QDateTimeAxis *time = form.Chart()->TimeAxis();
    const int before = form.ReadsDone();
    ASSERT_TRUE(WaitUntil([&] { return form.ReadsDone() >= before + 2; }, 30000));
    EXPECT_EQ(form.Chart()->chart()->axes().size(), 2);
    EXPECT_EQ(form.Chart()->TimeAxis(), time);
    EXPECT_EQ(form.HistoryLength()->currentText(), "10 min");
    EXPECT_EQ(time->min().msecsTo(time->max()), 10 * 60 * 1000);
    form.HistoryLength()->setCurrentIndex(form.HistoryLength()->findText("1 h"));
    EXPECT_EQ(time->min().msecsTo(time->max()), 60 * 60 * 1000);

    QTemporaryDir dir;
    ASSERT_TRUE(form.SaveChartTo(dir.filePath("chart.png")));
    EXPECT_GT(QImage(dir.filePath("chart.png")).width(), 100);
    EXPECT_FALSE(form.SaveChartTo(dir.filePath("missing/chart.png")));
    EXPECT_TRUE(form.statusBar()->currentMessage().startsWith("Cannot write "));
}

// The agent stops and starts again on the same port: no rate spans the
// restart, and none afterwards is a spike. Over SNMPv1 the 32-bit counters,
// which start again lower, would otherwise read as wrapped (about 4e9/s).
TEST_F(TMibViewerFormTest, NoRateAcrossAnAgentRestartAndNoSpikeAfterIt)
{
    constexpr int TickMs = 500;
    // qgsim adds at most 2,000,000 octets per port and tick; twice that per
    // second leaves room for a tick more or less in a reading's interval.
    constexpr double MostPerSecond = 2.0 * 2000000 * 1000 / TickMs;
    const QStringList options{"--led-interval-ms", QString::number(TickMs), "--seed", "5"};
    auto sim = std::make_unique<QgSimProcess>(options);
    ASSERT_TRUE(sim->Start());
    const quint16 port = sim->Port();
    UseAgent(port, 0);
    TMibViewerForm form(*FindView("MIB_IFCounters"), 0);
    form.Interval()->setValue(1);
    const KtViewModel *model = form.Model(0);
    struct Read
    {
        bool Ok;
        int Rates = 0;
        double Most = 0;
    };
    QList<Read> reads;
    QObject::connect(&form, &TMibViewerForm::ReadDone, [&](bool ok) {
        Read read{ok};
        for (int row = 0; row < model->rowCount(); ++row)
            for (int var : model->CounterVars())
                if (const auto &history = model->RateHistory(row, var);
                    !history.empty() && history.back().Rate) {
                    ++read.Rates;
                    read.Most = std::max(read.Most, *history.back().Rate);
                }
        reads << read;
    });
    auto ratesShown = [&] { return !reads.isEmpty() && reads.last().Ok && reads.last().Rates > 0; };
    // The first agent lives several seconds, as any agent does before it
    // restarts: an agent restarted within the uptime's tolerance of a read
    // (2 s) can answer with an uptime that passes for the old one's.
    ASSERT_TRUE(WaitUntil([&] { return reads.size() >= 8 && ratesShown(); }, 60000));

    // No read in flight while the agent goes: every read after this one
    // talks to the new agent.
    form.PauseAction()->setChecked(true);
    ASSERT_TRUE(WaitUntil([&] { return !form.Reading(); }, 30000));
    sim->Stop();
    sim = std::make_unique<QgSimProcess>(options +
                                         QStringList{"--listen", QStringLiteral("127.0.0.1:%1").arg(port)});
    ASSERT_TRUE(sim->Start()) << sim->StandardError().toStdString();
    const qsizetype restart = reads.size();
    form.PauseAction()->setChecked(false);
    ASSERT_TRUE(WaitUntil([&] { return reads.size() > restart + 2 && ratesShown(); }, 60000));

    const qsizetype firstAfter =
        std::find_if(reads.begin() + restart, reads.end(), [](const Read &r) { return r.Ok; }) -
        reads.begin();
    ASSERT_LT(firstAfter, reads.size());
    EXPECT_EQ(reads[firstAfter].Rates, 0) << "a rate across the restart";
    for (qsizetype i = 0; i < reads.size(); ++i)
        EXPECT_LE(reads[i].Most, MostPerSecond)
            << "read " << i << " of " << reads.size() << ", restart at " << restart;
}

// A scalar group shows its rows whole beside a table and the chart.
TEST_F(TMibViewerFormTest, ScalarGroupsShowTheirRows)
{
    UseAgent(SilentAgent().Port());
    for (const char *name : {"MIB_UDPCounters", "Layer3_DVMRP", "MIB_SNMPCounters"}) {
        TMibViewerForm form(*FindView(name), 1);
        form.show();
        QCoreApplication::processEvents();
        QTableView *table = form.Table(0);
        const int rows = std::min(form.Model(0)->rowCount(), int(TMibViewerForm::ScalarRowsShown));
        EXPECT_GE(table->viewport()->height(), rows * table->verticalHeader()->defaultSectionSize()) << name;
        if (form.Chart()) {
            EXPECT_GE(form.Chart()->height(), form.Chart()->minimumHeight()) << name;
        }
    }
}

// Interval, history length, sort order and size come back for the same view.
TEST_F(TMibViewerFormTest, RemembersItsSettingsPerView)
{
    UseAgent(SilentAgent().Port());
    {
        TMibViewerForm form(*FindView("MIB_IFCounters"), 1);
        form.resize(1000, 700);
        form.Interval()->setValue(17);
        form.HistoryLength()->setCurrentIndex(form.HistoryLength()->findText("1 h"));
        form.Table(0)->sortByColumn(5, Qt::DescendingOrder);
    }
    TMibViewerForm again(*FindView("MIB_IFCounters"), 1);
    EXPECT_EQ(again.Interval()->value(), 17);
    EXPECT_EQ(again.HistoryLength()->currentText(), "1 h");
    EXPECT_EQ(again.Table(0)->horizontalHeader()->sortIndicatorSection(), 5);
    EXPECT_EQ(again.Table(0)->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(again.size(), QSize(1000, 700));
    TMibViewerForm other(*FindView("MIB_IFTable"), 1);
    EXPECT_EQ(other.Interval()->value(), TMibViewerForm::DefaultIntervalSeconds);
}

// Started by the module, the viewer opens beside its main window, not over it.
TEST_F(TMibViewerFormTest, OpensBesideTheMainWindow)
{
    UseAgent(SilentAgent().Port());
    qputenv(KtViewerLauncher::MainWindowVariable, "10,20,300,200");
    TMibViewerForm form(*FindView("MIB_Info"), 1);
    qunsetenv(KtViewerLauncher::MainWindowVariable);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(form.pos(),
              KtWindowPlacement::Beside(QRect(10, 20, 300, 200), form.frameGeometry().size(), screen));
    if (screen.width() >= 310 + form.frameGeometry().width()) {
        EXPECT_FALSE(form.frameGeometry().intersects(QRect(10, 20, 300, 200)));
    }
}

TEST_F(TMibViewerFormTest, RmonHistoryBucketsFillOverTime)
{
    // One-second history intervals, so that buckets come quickly.
    QgSimProcess sim({"--led-interval-ms", "200"}, "include stack\nset 1.3.6.1.2.1.16.2.1.1.5.1 1\n");
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    UseAgent(sim.Port());
    TMibViewerForm form(*FindView("Rmon_History"), 1);
    form.show();
    form.Interval()->setValue(1);
    ASSERT_TRUE(WaitUntil([&] { return form.Model(1)->rowCount() >= 3; }, 30000));
    EXPECT_TRUE(form.Model(1)->RowKey(0).startsWith("1."));
    EXPECT_EQ(form.Chart()->SeriesCount(), 1);
    EXPECT_EQ(form.ChartColumn()->currentText(), "etherHistoryOctets");
}

} // namespace

namespace {

// The CSV rows of the "Interfaces" section of an IF Table view read from
// the agent on `port`, and the status line of its first read.
struct ViewRead
{
    QStringList rows;
    QString status;
};

class ViewerQuirksTest : public ViewerTest
{
protected:
    static ViewRead ReadIfTable(quint16 port, int version, qint32 rowLimit = KtSNMPDevice().MaxTableRows)
    {
        UseAgent(port, version);
        KtSNMPDefaults.Device.MaxTableRows = rowLimit;
        TMibViewerForm form(*FindView("MIB_IFTable"), version);
        EXPECT_TRUE(WaitUntil([&] { return form.ReadsDone() > 0; }, 120000));
        return {form.AllSectionsCsv().split("\r\n"), form.statusBar()->currentMessage()};
    }
};

// The viewer against each quirk of real agents, with get-next (SNMPv1) and
// GetBulk (SNMPv2c): the rows of the ideal agent with empty cells where the
// agent lacks them, or the rows read before a walk stopped and its reason.
TEST_F(ViewerQuirksTest, QuirkyAgentsGiveTheRowsOfTheTable)
{
    const QStringList ideal = [] {
        QgSimProcess sim({"--static-leds", "--seed", "7"});
        EXPECT_TRUE(sim.Start());
        return ReadIfTable(sim.Port(), 1).rows;
    }();
    // The title, the header, then one line per interface.
    ASSERT_GT(ideal.size(), 14);
    ASSERT_TRUE(ideal[11].startsWith("60,")) << ideal[11].toStdString();
    QStringList sparse = ideal;
    for (int line : {11, 12, 13}) {
        QStringList cells = sparse[line].split(',');
        cells[3].clear(); // ifMtu
        sparse[line] = cells.join(',');
    }
    const int rowsInView = int(ideal.indexOf(QString(), 2)) - 2;

    struct Case
    {
        const char *name;
        QStringList options;
        QStringList rows; // empty: compare only the count and the status
        int rowCount;
        const char *status;
    };
    const QStringList none;
    const Case cases[] = {
        {"sparse", {"--sparse", "1.3.6.1.2.1.2.2.1.4:60-62"}, sparse, rowsInView, "Ok"},
        {"short GetBulk answers", {"--bulk-max-bindings", "4"}, ideal, rowsInView, "Ok"},
        {"endOfMibView named with the request OID",
         {"--end-of-view-at", "1.3.6.1.2.1.2.2"},
         ideal,
         rowsInView,
         "Ok"},
        {"non-increasing OID",
         {"--non-increasing", "1.3.6.1.2.1.2.2.1.4"},
         none,
         3,
         "The agent returned an OID that does not increase"},
        {"endless table",
         {"--endless-table", "1.3.6.1.2.1.2.2.1"},
         none,
         500,
         "The table was cut at 500 rows"},
    };
    for (const Case &c : cases) {
        QgSimProcess sim(QStringList{"--static-leds", "--seed", "7"} + c.options);
        ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
        for (int version : {0, 1}) {
            const ViewRead read = ReadIfTable(sim.Port(), version, 500);
            const std::string label = std::string(c.name) + (version == 0 ? ", v1" : ", v2c");
            EXPECT_TRUE(read.status.contains(c.status)) << label << ": " << read.status.toStdString();
            EXPECT_EQ(read.rows.indexOf(QString(), 2) - 2, c.rowCount) << label;
            if (!c.rows.isEmpty()) {
                EXPECT_EQ(read.rows, c.rows) << label;
            }
        }
    }
    KtSNMPDefaults.Device = KtSNMPDevice();
}

} // namespace
