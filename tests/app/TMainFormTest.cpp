// The main window against the switch simulator, without front panels.
#include "TMainForm.h"
#include "CreateUnitPanel.h"
#include "KtCatalogue.h"
#include "KtDedicatedWindows.h"
#include "KtDeviceState.h"
#include "KtMenuCatalogue.h"
#include "KtMenuWindowOpener.h"
#include "KtPortButton.h"
#include "KtSNMPRequest2Edits.h"
#include "QgMainFormOpener.h"
#include "QgMessageCapture.h"
#include "QgSimProcess.h"
#include "QgWait.h"
#include "ScriptedAgent.h"
#include "SnmpTool.h"
#include "SnmpdProcess.h"
#include "TAboutForm.h"
#include "TConfigForm.h"
#include "THelpViewer.h"
#include "TPanelForm.h"
#include "TProgressForm.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// Every status line, also those a later line (the LED poll's) replaces.
struct StatusLines : QObject
{
    QStringList Lines;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ToolTipChange)
            Lines << static_cast<QWidget *>(watched)->toolTip();
        return false;
    }
};

// The main window opened for an agent, its questions answered by the
// message capture.
class MainFormTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        KtMenuWindowOpener::ShowHook = nullptr;
        opener_.Close();
    }

    TMainForm &Open(quint16 port, const QStringList &extra = {}) { return opener_.Open(port, extra); }

    static void Snmpset(const QgSimProcess &sim, const QString &oid, const QString &value)
    {
        const SnmpToolResult set =
            RunSnmpTool("snmpset", {"-v2c", "-c", "private", sim.Address(), oid, "i", value});
        ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    }

    QgMessageCapture capture_;
    QgMainFormOpener opener_;
};

TEST_F(MainFormTest, FirstBuildReadsTheTablesAndSizesTheWindow)
{
    struct Case
    {
        QString scenario;
        int units;
        bool scrolls;
    };
    const Case cases[] = {{"stack", 3, false}, {"big", 12, true}};
    for (const Case &c : cases) {
        QgSimProcess sim({"--scenario", c.scenario, "--static-leds"});
        ASSERT_TRUE(sim.Start());
        TMainForm &form = Open(sim.Port());
        EXPECT_EQ(form.windowTitle(), "127.0.0.1");
        EXPECT_FALSE(form.VACM1->menuAction()->isEnabled());
        form.show();
        form.FirstActivation();
        EXPECT_EQ(form.DeviceState->UnitRows().size(), c.units) << c.scenario.toStdString();
        EXPECT_GT(form.DeviceState->PortRows().size(), c.units);
        if (c.scenario == "stack") {
            EXPECT_EQ(form.DeviceState->UnitRows()[0].value(0), "1");
            EXPECT_EQ(form.DeviceState->UnitRows()[0].value(8), "QG2312");
        }
        if (c.scrolls) {
            EXPECT_EQ(form.pos().y(), 100);
            EXPECT_EQ(form.ScrollBox1->height(), 430);
            // The status bar follows the panel area without a gap.
            EXPECT_EQ(form.ScrollBox1->geometry().bottom() + 1, form.statusBar()->geometry().top());
        }
        opener_.Close();
    }
}

TEST_F(MainFormTest, AgentWithoutUnitsGetsNoPanel)
{
    SnmpdProcess agent; // a standard agent: no unit table at all
    ASSERT_TRUE(agent.Start());
    TMainForm &form = Open(agent.Port());
    form.FirstActivation();
    EXPECT_EQ(form.DeviceState->UnitRows().size(), 0);
    EXPECT_TRUE(form.PanelWindows.isEmpty());
    EXPECT_LT(form.height(), 500);
    EXPECT_EQ(form.StatusPanel0->text(), "No Keltra units found at 127.0.0.1");
}

TEST_F(MainFormTest, UnitTableThatFailsKeepsItsErrorInsteadOfNoUnits)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    const quint16 port = sim.Port();
    sim.Stop(); // nobody answers: the read times out
    TMainForm &form = Open(port);
    form.FirstActivation();
    EXPECT_TRUE(form.PanelWindows.isEmpty());
    EXPECT_FALSE(form.StatusPanel0->text().startsWith("No Keltra units"));
}

// A script for ScriptedAgent: unit-table rows (unit, start port, port range
// as "TYPE VALUE" of the script, model "XYZ": a generic panel, no LEDs), a
// port row per unit, the RMON state, and any further lines.
QByteArray UnitScript(const QList<std::tuple<int, QByteArray, QByteArray>> &units,
                      const QByteArray &more = {})
{
    const QByteArray unitEntry = "1.3.6.1.4.1.47893.12.11.1.9.4.1.";
    const QByteArray portEntry = "1.3.6.1.4.1.47893.11.55.2.2.3.1.1.";
    QByteArray script = "1.3.6.1.4.1.47893.11.55.2.2.1.2.3.0 i 3\n" + more;
    for (const auto &[unit, start, range] : units) {
        const QByteArray u = QByteArray::number(unit);
        script += unitEntry + "1." + u + " i " + u + "\n";
        script += unitEntry + "2." + u + " x 00112233440" + u + "\n";
        script += unitEntry + "3." + u + " " + start + "\n";
        script += unitEntry + "4." + u + " " + range + "\n";
        script += unitEntry + "9." + u + " s XYZ\n";
        const QByteArray port = QByteArray::number(unit * 50 + 1);
        for (int column = 1; column <= 6; ++column)
            script += portEntry + QByteArray::number(column) + "." + port + " i " +
                      (column == 1   ? port
                       : column == 2 ? u
                                     : QByteArray("1")) +
                      "\n";
    }
    return script;
}

// Both table walks run at once: the error of either is what status panel 0
// shows after the build, never the Ok of the walk that ended last.
TEST_F(MainFormTest, ATableWalkErrorIsWhatTheStatusPanelShows)
{
    const QString tooBig = KtErrorText(-101);
    struct Case
    {
        const char *table;
        QByteArray subtree;
        int panels;
    };
    const Case cases[] = {
        {"unit table", "1.3.6.1.4.1.47893.12.11.1.9.4", 0},
        {"port table", "1.3.6.1.4.1.47893.11.55.2.2.3", 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.table);
        ScriptedAgent agent(UnitScript({{1, "i 1", "i 8"}, {2, "i 1", "i 8"}}, "toobig " + c.subtree + "\n"));
        ASSERT_TRUE(agent.Start()) << agent.StandardError().toStdString();
        TMainForm &form = Open(agent.Port());
        form.FirstActivation();
        EXPECT_EQ(form.PanelWindows.size(), c.panels);
        EXPECT_TRUE(form.StatusPanel0->text().contains(tooBig)) << form.StatusPanel0->text().toStdString();
        EXPECT_FALSE(form.StatusPanel0->text().contains(KtErrorText(0)));
        opener_.Close();
    }
}

// Start port and port range of another type than INTEGER (or none) skip
// their row, as out-of-range numbers do; they never count as 0.
TEST_F(MainFormTest, UnitRowsWithValuesOfTheWrongTypeAreSkipped)
{
    ScriptedAgent agent(UnitScript(
        {{1, "i 1", "i 8"}, {2, "s 1", "i 8"}, {3, "i 1", "o 1.3.6.1"}, {4, "e", "i 8"}, {5, "i 1", "n"}}));
    ASSERT_TRUE(agent.Start()) << agent.StandardError().toStdString();
    TMainForm &form = Open(agent.Port());
    QStringList lines;
    struct StatusLines : QObject
    {
        QStringList *Lines;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::ToolTipChange)
                *Lines << static_cast<QWidget *>(watched)->toolTip();
            return false;
        }
    } status;
    status.Lines = &lines;
    form.StatusPanel0->installEventFilter(&status);
    form.FirstActivation();
    ASSERT_EQ(form.DeviceState->UnitRows().size(), 5);
    ASSERT_EQ(form.PanelWindows.size(), 1);
    EXPECT_EQ(dynamic_cast<TPanelForm *>(form.PanelWindows[0])->Unit, 1);
    for (const char *line : {"Unit table row 2 skipped: swUnitMgmtStartPort holds no number",
                             "Unit table row 3 skipped: swUnitMgmtPortRange holds no number",
                             "Unit table row 4 skipped: swUnitMgmtStartPort holds no number",
                             "Unit table row 5 skipped: swUnitMgmtPortRange holds no number"})
        EXPECT_TRUE(lines.contains(line)) << line << "\n" << lines.join('\n').toStdString();
}

// Swallows the main window's activation, as a bare X server does, or only
// notes that it came.
class ActivationFilter : public QObject
{
public:
    explicit ActivationFilter(bool swallow) : swallow_(swallow) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ActivationChange && event->type() != QEvent::WindowActivate)
            return false;
        came = came || static_cast<QWidget *>(watched)->isActiveWindow();
        return swallow_;
    }
    bool came = false;

private:
    bool swallow_;
};

TEST_F(MainFormTest, PanelsAreBuiltOnceWithOrWithoutActivation)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    for (const bool activation : {false, true}) {
        SCOPED_TRACE(activation ? "activation comes" : "no activation ever");
        TMainForm &form = Open(sim.Port());
        ActivationFilter filter(!activation);
        form.installEventFilter(&filter);
        form.show();
        // Armed after the window's own fallback timer with the same time, so
        // it fires once the fallback has run.
        bool pastFallback = false;
        QTimer::singleShot(TMainForm::ActivationWaitMs, &form, [&] { pastFallback = true; });
        if (activation)
            form.activateWindow();
        ASSERT_TRUE(WaitUntil([&] { return form.PanelWindows.size() == 3; }, 30000));
        if (activation) {
            EXPECT_TRUE(filter.came);
        }
        // Past the fallback, which would start a build of its own: still one
        // set of panels, not two.
        ASSERT_TRUE(WaitUntil([&] { return pastFallback; }, 10000));
        EXPECT_EQ(form.PanelWindows.size(), 3);
        EXPECT_EQ(form.PortButtons.size(),
                  QSet<QAbstractButton *>(form.PortButtons.begin(), form.PortButtons.end()).size());
        opener_.Close();
    }
}

TEST_F(MainFormTest, MainWindowIsCentredAndStaysOnTheScreen)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    TMainForm &form = Open(sim.Port());
    const QRect area = form.screen()->availableGeometry();
    // Centred at start, however wide the menu bar makes it.
    EXPECT_LE(std::abs(form.geometry().center().y() - area.center().y()), 1);
    if (form.width() <= area.width()) {
        EXPECT_LE(std::abs(form.geometry().center().x() - area.center().x()), 1);
    }
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return form.PanelWindows.size() == 3; }, 30000));
    const QRect frame = form.frameGeometry();
    EXPECT_GE(frame.top(), area.top());
    EXPECT_GE(frame.left(), area.left());
    if (frame.height() <= area.height()) {
        EXPECT_LE(frame.bottom(), area.bottom());
    }
    // The whole menu bar fits: no top-level menu behind an overflow arrow.
    EXPECT_GE(form.width(), form.menuBar()->sizeHint().width());
}

// Unit rows whose numbers no stack can hold are skipped with a status line;
// the port count is never computed from them (a start port of -2^31 would
// overflow it).
TEST_F(MainFormTest, UnitRowsWithImpossibleNumbersAreSkipped)
{
    QgSimProcess sim({"--static-leds"}, "include stack\n"
                                        "set 1.3.6.1.4.1.47893.12.11.1.9.4.1.3.2 -2147483648\n"
                                        "set 1.3.6.1.4.1.47893.12.11.1.9.4.1.4.3 2147483647\n");
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    TMainForm &form = Open(sim.Port());
    StatusLines status;
    form.StatusPanel0->installEventFilter(&status);
    form.FirstActivation();
    ASSERT_EQ(form.DeviceState->UnitRows().size(), 3);
    ASSERT_EQ(form.PanelWindows.size(), 1);
    EXPECT_EQ(dynamic_cast<TPanelForm *>(form.PanelWindows[0])->Unit, 1);
    EXPECT_TRUE(
        status.Lines.contains("Unit table row 2 skipped: swUnitMgmtStartPort -2147483648 is out of range"))
        << status.Lines.join('\n').toStdString();
    EXPECT_TRUE(
        status.Lines.contains("Unit table row 3 skipped: swUnitMgmtPortRange 2147483647 is out of range"));

    QString problem;
    EXPECT_FALSE(UnitRowPortCount("3", "1", "2147483647", problem));
    EXPECT_EQ(problem, "swUnitMgmtPortRange 2147483647 is out of range");
    EXPECT_FALSE(UnitRowPortCount("16", "1", "24", problem));
    EXPECT_FALSE(UnitRowPortCount("1", "1", "51", problem));
    EXPECT_EQ(problem, "port count 51 is out of range");
    // Values of another type than INTEGER read "(NULL)"; no text counts as 0.
    for (const auto &[start, range] :
         {std::pair<QString, QString>{"(NULL)", "24"}, {"1", "(NULL)"}, {"", "0"}}) {
        EXPECT_FALSE(UnitRowPortCount("1", start, range, problem))
            << start.toStdString() << range.toStdString();
        EXPECT_TRUE(problem.endsWith(start.isEmpty() ? " holds no number" : " is not a number"))
            << problem.toStdString();
    }
    EXPECT_FALSE(UnitRowPortCount("1", "30", "10", problem));
    EXPECT_EQ(UnitRowPortCount("1", "1", "50", problem), 50);
    EXPECT_EQ(UnitRowPortCount("15", "1", "0", problem), 0);
}

TEST_F(MainFormTest, PanelsAreStackedBottomUpAndRebuiltOnRefresh)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    TMainForm &form = Open(sim.Port());
    form.FirstActivation();
    ASSERT_EQ(form.PanelWindows.size(), 3);
    // Created from the last unit row to the first: unit 3 at the top.
    const auto *unit3 = dynamic_cast<TPanelForm *>(form.PanelWindows[0]);
    const auto *unit2 = dynamic_cast<TPanelForm *>(form.PanelWindows[1]);
    const auto *unit1 = dynamic_cast<TPanelForm *>(form.PanelWindows[2]);
    ASSERT_TRUE(unit1 && unit2 && unit3);
    EXPECT_EQ(unit3->Unit, 3);
    EXPECT_EQ(unit3->y(), 0);
    EXPECT_EQ(unit2->y(), unit3->y() + unit3->height() + 2);
    EXPECT_EQ(unit1->y(), unit2->y() + unit2->height() + 2);
    EXPECT_EQ(unit1->Unit, 1);

    // A click on one unit's port releases a pressed port of another unit.
    // (Toggle buttons stay pressed after a click, plain ones spring back.)
    auto firstToggle = [](const TPanelForm *panel) -> KtPortButton * {
        for (QAbstractButton *button : panel->PortButtons())
            if (button->isCheckable())
                return dynamic_cast<KtPortButton *>(button);
        return nullptr;
    };
    KtPortButton *mine = firstToggle(unit1);
    KtPortButton *other = firstToggle(unit2) ? firstToggle(unit2) : firstToggle(unit3);
    ASSERT_TRUE(mine && other);
    other->click();
    ASSERT_TRUE(other->IsPressed());
    mine->click();
    EXPECT_TRUE(mine->IsPressed());
    EXPECT_FALSE(other->IsPressed());

    // A refresh frees the old panels and their buttons.
    const int buttons = form.PortButtons.size();
    QPointer<QWidget> old = form.PanelWindows.first();
    QPointer<QAbstractButton> oldButton = form.PortButtons.first();
    form.RefreshPanel(); // the capture answers OK
    EXPECT_TRUE(old.isNull());
    EXPECT_TRUE(oldButton.isNull());
    EXPECT_EQ(form.PanelWindows.size(), 3);
    EXPECT_EQ(form.PortButtons.size(), buttons);
    EXPECT_EQ(form.pos().y(), 100);
}

TEST_F(MainFormTest, RmonEntriesFollowTheRmonState)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    TMainForm &form = Open(sim.Port());
    form.FirstActivation();
    QAction *history = form.MenuAction("History1");
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(form.DeviceState->RmonState(), "enabled");

    const QString rmonState = "1.3.6.1.4.1.47893.11.55.2.2.1.2.3.0";
    Snmpset(sim, rmonState, "2");
    form.RefreshRmonMenu();
    EXPECT_EQ(form.DeviceState->RmonState(), "disabled");
    for (const char *name : {"Statistics1", "History1", "AlarmEvent1"})
        EXPECT_FALSE(form.MenuAction(name)->isEnabled()) << name;
    Snmpset(sim, rmonState, "3");
    form.RefreshRmonMenu();
    EXPECT_TRUE(history->isEnabled());
}

TEST_F(MainFormTest, RefreshPanelAskedAndCancelled)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    TMainForm &form = Open(sim.Port());
    form.FirstActivation();
    capture_.ConfirmAnswer = false;
    const QRect before = form.geometry();
    form.RefreshPanel();
    EXPECT_EQ(capture_.Messages.value(capture_.Messages.size() - 1),
              "Refresh panel may take a long time. Are you sure?");
    EXPECT_TRUE(form.FirstBuild);
    EXPECT_EQ(form.geometry(), before);

    capture_.ConfirmAnswer = true;
    form.RefreshPanel();
    EXPECT_FALSE(form.FirstBuild);
    EXPECT_EQ(form.DeviceState->UnitRows().size(), 3);
}

// A desktop without title bars closes a dedicated window only by a button:
// one without its own gets "Close" at the end of its bottom button row.
TEST_F(MainFormTest, ADedicatedWindowWithoutACloseButtonGetsOneBesideItsButtons)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    TMainForm &form = Open(sim.Port());
    form.FirstActivation();
    bool inspected = false;
    WhenModal({}, [&](QDialog *window) {
        QPushButton *close = nullptr;
        QPushButton *set = nullptr;
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            if (button->text() == "Close")
                close = button;
            else if (button->text() == "Set")
                set = button;
        }
        inspected = true;
        if (!close || !set) {
            ADD_FAILURE() << "no Close or no Set button";
            window->reject();
            return;
        }
        EXPECT_EQ(close->y(), set->y());
        EXPECT_GT(close->x(), set->x());
        close->click();
    });
    form.MenuAction("PortMirrorTable1")->trigger();
    EXPECT_TRUE(inspected);
}

TEST_F(MainFormTest, MenuFromTheCatalogue)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    TMainForm &form = Open(sim.Port(), {"/v3"});
    EXPECT_TRUE(form.VACM1->menuAction()->isEnabled());
    EXPECT_EQ(form.VACM1->title(), "SNMP V3");
    QStringList tops;
    for (QAction *action : form.menuBar()->actions())
        tops << action->text();
    EXPECT_EQ(tops,
              (QStringList{"Basic Configuration", "RMON", "Bridge", "VLAN", "SNMP V3", "Security Management",
                           "Layer 2 Management", "Layer 3 Management", "Single IP", "Tools", "Help"}));
    for (const char *visible : {"RefreshPanel1", "About1", "UnitTable1"})
        ASSERT_NE(form.MenuAction(visible), nullptr) << visible;
    EXPECT_TRUE(form.MenuAction("RefreshPanel1")->isVisible());
    // Items the catalogue hides stay hidden.
    int hidden = 0;
    for (QAction *action : form.findChildren<QAction *>())
        if (action->text() == "Save Changes" || action->text() == "Test")
            hidden += action->isVisible() ? 0 : 1;
    EXPECT_EQ(hidden, 2);
}

TEST_F(MainFormTest, BridgeMenuFollowsTheSpanningTreeVersion)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    TMainForm &form = Open(sim.Port());
    auto *bridge = form.findChild<QMenu *>("Bridge1");
    ASSERT_NE(bridge, nullptr);
    const QString stpVersion = "1.3.6.1.4.1.47893.12.15.1.2.0";
    const char *mstpEntries[] = {"ConfigurationIdentification1", "InstanceInformation1",
                                 "PortStateInformation1", "PortMSTPInformation1"};
    for (const char *version : {"2", "0", "2"}) {
        Snmpset(sim, stpVersion, version);
        emit bridge->aboutToShow();
        const bool mstp = QString(version) == "2";
        EXPECT_EQ(form.DeviceState->StpVersion(), mstp ? "mstp" : "stp");
        for (const char *name : mstpEntries)
            EXPECT_EQ(form.MenuAction(name)->isVisible(), mstp) << name;
        EXPECT_EQ(form.MenuAction("PortTable")->isVisible(), !mstp);
    }
}

// Shows a generic window, lets its first read finish and returns the last
// status line of its message memo.
QString FirstReadStatus(TConfigForm &window)
{
    window.show();
    WaitUntil([&] { return window.CurrentBinding && !window.CurrentBinding->Busy; });
    const auto *memo = window.findChild<QPlainTextEdit *>();
    const QStringList lines = memo ? memo->toPlainText().split('\n') : QStringList();
    window.close();
    return lines.isEmpty() ? QString() : lines.last();
}

void CollectGenericItems(const KtMenuItem *items, std::vector<const KtMenuItem *> &out)
{
    for (const KtMenuItem *item = items; item->Caption; ++item) {
        if (item->Children)
            CollectGenericItems(item->Children, out);
        if (item->OpensGenericWindow() && item->Vars)
            out.push_back(item);
    }
}

TEST_F(MainFormTest, EveryGenericWindowOfTheMenuReadsWithoutError)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    TMainForm &form = Open(sim.Port());
    std::vector<const KtMenuItem *> items;
    CollectGenericItems(MainMenu1, items);
    ASSERT_GT(items.size(), 100u);
    QElapsedTimer clock;
    clock.start();
    for (const KtMenuItem *item : items) {
        QString status;
        QString caption;
        KtMenuWindowOpener::ShowHook = [&](TConfigForm &window) {
            caption = window.windowTitle();
            status = FirstReadStatus(window);
        };
        form.OpenMenuWindow(*item, -1);
        EXPECT_EQ(caption, QString::fromUtf8(item->Window));
        EXPECT_TRUE(status.startsWith("Get: (KtSNMP++) Ok!"))
            << item->Caption << ": " << status.toStdString();
    }
    for (const KtMenuItem *item = PortInfoPopupMenu; item->Caption; ++item) {
        QString status;
        QString caption;
        KtMenuWindowOpener::ShowHook = [&](TConfigForm &window) {
            caption = window.windowTitle();
            status = FirstReadStatus(window);
        };
        form.OpenMenuWindow(*item, 52);
        EXPECT_TRUE(caption.endsWith(":52")) << caption.toStdString();
        EXPECT_TRUE(status.startsWith("Get: (KtSNMP++) Ok!"))
            << item->Caption << ": " << status.toStdString();
    }
    std::printf("opened %zu generic windows and the two port windows in %lld ms\n", items.size(),
                static_cast<long long>(clock.elapsed()));
}

TEST_F(MainFormTest, IfXTableReadsWithSnmpV2cAndSizesFollowTheScaleFactor)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    TMainForm &form = Open(sim.Port(), {"/v0"});
    auto find = [](const char *name) {
        std::vector<const KtMenuItem *> items;
        CollectGenericItems(MainMenu1, items);
        for (const KtMenuItem *item : items)
            if (qstrcmp(item->Name, name) == 0)
                return item;
        return static_cast<const KtMenuItem *>(nullptr);
    };
    const KtMenuItem *ifx = find("IFXTable1");
    ASSERT_NE(ifx, nullptr);
    int versionInside = -1;
    KtMenuWindowOpener::ShowHook = [&](TConfigForm &window) {
        versionInside = window.RequestList.front()->Request.Security.Version;
    };
    form.OpenMenuWindow(*ifx, -1);
    EXPECT_EQ(versionInside, 1);
    EXPECT_EQ(KtSNMPDefaults.Security.Version, 0);

    const KtMenuItem *units = find("UnitTable1");
    ASSERT_NE(units, nullptr);
    for (const auto &[scale, height] : {std::pair{1.0f, 450}, std::pair{1.25f, 562}}) {
        form.ScaleFactor = scale;
        int windowHeight = 0;
        KtMenuWindowOpener::ShowHook = [&](TConfigForm &window) { windowHeight = window.height(); };
        form.OpenMenuWindow(*units, -1);
        EXPECT_EQ(windowHeight, height);
    }
}

TEST_F(MainFormTest, ClosingTheRmonStateWindowsRefreshesTheRmonEntries)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    TMainForm &form = Open(sim.Port());
    const QString rmonState = "1.3.6.1.4.1.47893.11.55.2.2.1.2.3.0";
    Snmpset(sim, rmonState, "2");
    form.RefreshRmonMenu();
    ASSERT_FALSE(form.MenuAction("History1")->isEnabled());

    std::vector<const KtMenuItem *> items;
    CollectGenericItems(MainMenu1, items);
    int closed = 0;
    for (const KtMenuItem *item : items) {
        if (!item->Has(HookRefreshRmonOnClose))
            continue;
        const bool enable = closed % 2 == 0;
        // The user writes the RMON state in the window, then closes it.
        KtMenuWindowOpener::ShowHook = [&](TConfigForm &) { Snmpset(sim, rmonState, enable ? "3" : "2"); };
        form.OpenMenuWindow(*item, -1);
        EXPECT_EQ(form.MenuAction("History1")->isEnabled(), enable) << item->Caption;
        ++closed;
    }
    EXPECT_EQ(closed, 2); // "RMON Control" and "Layer2 Control"
}

void CollectDedicatedItems(const KtMenuItem *items, std::vector<const KtMenuItem *> &out)
{
    for (const KtMenuItem *item = items; item->Caption; ++item) {
        if (item->Children)
            CollectDedicatedItems(item->Children, out);
        if (item->Action == KtMenuAction::Dedicated)
            out.push_back(item);
    }
}

TEST_F(MainFormTest, DedicatedWindowsThatExistOpenFromTheMenu)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    TMainForm &form = Open(sim.Port());
    std::vector<const KtMenuItem *> items;
    CollectDedicatedItems(MainMenu1, items);
    int opened = 0;
    for (const KtMenuItem *item : items) {
        const KtDedicatedWindowDef *maker = KtFindDedicatedWindow(item->ClassName);
        QAction *action = form.MenuAction(item->Name);
        ASSERT_NE(action, nullptr) << item->Caption;
        if (!maker)
            continue;
        if (!item->Hidden) { // hidden actions are never enabled
            EXPECT_TRUE(action->isEnabled()) << item->Caption;
        }
        // Opened, left to read for a moment, closed and freed: no crash, no hang.
        std::unique_ptr<QDialog> window(maker->Create(&form, *form.DeviceState));
        window->show();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 300)
            KtProcessEventsBriefly();
        window->close();
        window.reset();
        ++opened;
    }
    EXPECT_GE(opened, 11);
}

TEST(AboutFormTest, VersionChangesOnlyWithShiftAltF3)
{
    TAboutForm about(nullptr);
    EXPECT_EQ(about.windowTitle(), "About QG-2312 Module");
    EXPECT_EQ(about.AboutLabel->text(), "Keltra QG-2312 Management Module");
    const QString release = "Release Version 3.01 (Build 2005/1/11)";
    EXPECT_EQ(about.VersionLabel->text(), release);
    QTest::keyClick(about.BT_Ok, Qt::Key_F3, Qt::ShiftModifier);
    QTest::keyClick(about.BT_Ok, Qt::Key_F3, Qt::AltModifier);
    QTest::keyClick(about.BT_Ok, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
    EXPECT_EQ(about.VersionLabel->text(), release);
    QTest::keyClick(about.BT_Ok, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(about.VersionLabel->text(), "Release Version 3.01.B23 (Build 2005/1/11)");
}

TEST(AboutFormTest, EveryLineShowsWholeAboveTheButton)
{
    TAboutForm about(nullptr);
    QTest::keyClick(about.BT_Ok, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier); // the longer version
    for (const QLabel *label : {about.AboutLabel, about.VersionLabel, about.NoticeLabel}) {
        const QRect needed =
            QFontMetrics(label->font())
                .boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.width(), label->width()) << label->text().toStdString();
        EXPECT_LE(needed.height(), label->height()) << label->text().toStdString();
        EXPECT_LE(label->geometry().right(), about.width());
        EXPECT_LT(label->geometry().bottom(), about.BT_Ok->geometry().top());
    }
    EXPECT_LE(about.BT_Ok->geometry().bottom(), about.height());
    EXPECT_EQ(about.width(), 323);
}

TEST(ProgressFormTest, ClosesItselfOnThe31stTick)
{
    QWidget host;
    bool wrote = false;
    TProgressForm progress(
        &host, "Spanning Tree", "Please wait", [&] { wrote = true; }, nullptr);
    progress.show();
    EXPECT_TRUE(wrote);
    EXPECT_EQ(progress.ProgressTimer->interval(), 1000);
    EXPECT_TRUE(progress.ProgressTimer->isActive());
    for (int tick = 1; tick <= 30; ++tick)
        progress.Tick();
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.ProgressBar->value(), 30);
    progress.Tick();
    EXPECT_FALSE(progress.isVisible());
    EXPECT_FALSE(progress.ProgressTimer->isActive());
}

} // namespace

TEST(HelpViewerTest, ClosesByItsOwnButton)
{
    THelpViewer viewer(nullptr);
    viewer.show();
    QPushButton *close = nullptr;
    for (QPushButton *button : viewer.findChildren<QPushButton *>())
        if (button->text().remove('&') == "Close")
            close = button;
    ASSERT_NE(close, nullptr);
    close->click();
    EXPECT_FALSE(viewer.isVisible());
}

namespace {

constexpr const char *kUnitEntry = "1.3.6.1.4.1.47893.12.11.1.9.4.1";
constexpr const char *kPortEntry = "1.3.6.1.4.1.47893.11.55.2.2.3.1.1";

// An agent that offers unit rows without end: the start-up reads the units
// a stack holds, builds their panels and says that there was more.
TEST_F(MainFormTest, EndlessUnitTableStopsAtWhatAStackHolds)
{
    for (const char *entry : {kUnitEntry, kPortEntry}) {
        QgSimProcess sim({"--static-leds", "--endless-table", entry});
        ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
        TMainForm &form = Open(sim.Port());
        StatusLines status;
        form.StatusPanel0->installEventFilter(&status);
        QElapsedTimer clock;
        clock.start();
        form.FirstActivation();
        EXPECT_LT(clock.elapsed(), 60000) << entry;
        EXPECT_LE(form.DeviceState->UnitRows().size(), MaxStackUnits) << entry;
        EXPECT_LE(form.DeviceState->PortRows().size(), MaxStackUnits * TPanelForm::MaxPortsPerUnit) << entry;
        EXPECT_TRUE(status.Lines.contains(
            "The agent offers more than a stack holds: only 15 units and their ports were read."))
            << entry << status.Lines.join('\n').toStdString();
        opener_.Close();
    }
}

// Closing "Initializing Panel", or the main window, while the tables are
// read (slowly here, and without end) stops the walks and the start-up at
// once; closing the main window leaves no window open, so the program ends.
TEST_F(MainFormTest, ClosingDuringTheStartUpWalkStopsItAtOnce)
{
    QgSimProcess sim({"--static-leds", "--delay-ms", "100", "--endless-table", kPortEntry});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    for (const bool mainWindow : {false, true}) {
        TMainForm &form = Open(sim.Port());
        form.show();
        QElapsedTimer clock;
        qint64 closedAt = -1;
        QTimer::singleShot(1500, &form, [&] {
            auto *waiting = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(waiting, nullptr);
            EXPECT_EQ(waiting->windowTitle(), "Initializing Panel");
            closedAt = clock.elapsed();
            if (mainWindow)
                form.close();
            else
                waiting->close();
        });
        clock.start();
        form.FirstActivation();
        ASSERT_GE(closedAt, 0) << mainWindow;
        EXPECT_LT(clock.elapsed() - closedAt, 1000) << mainWindow;
        EXPECT_TRUE(form.PanelWindows.isEmpty()) << mainWindow;
        if (mainWindow) {
            EXPECT_FALSE(form.isVisible());
            for (QWidget *window : QApplication::topLevelWidgets())
                EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
        } else {
            EXPECT_TRUE(form.isVisible());
            EXPECT_EQ(form.StatusPanel0->text(),
                      "The panel build was stopped before the unit and port tables were read.");
        }
        opener_.Close();
    }
}

} // namespace
