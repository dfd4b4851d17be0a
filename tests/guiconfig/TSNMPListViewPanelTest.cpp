// Table windows: the add, edit and delete dialogs around the borrowed editor
// rows, the row hint, and the whole round on the simulator's syslog server
// table, checked with snmpwalk after every step.
#include "TSNMPListViewPanel.h"
#include "KtException.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "QgSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"
#include "TestTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

using namespace guiconfig_test;

namespace {

// A shown list window on the syslog server table with Add and Delete, after
// its first read.
struct SysLogWindow
{
    TConfigForm Form;
    TSNMPListViewPanel *Panel = nullptr;

    SysLogWindow()
    {
        auto binding = std::make_unique<KtSNMPRequest2Edits>(&Form);
        binding->Request.Vars = KtSNMPVarList(kSysLogServers, ListTable, 1);
        Form.setWindowTitle("System Log Server");
        Panel =
            Form.SetListViewType(std::move(binding), kSysLogStatus, "createAndGo", kSysLogStatus, "destroy");
        Form.show();
    }
    bool Read()
    {
        return WaitUntil([this] { return Form.CurrentBinding && !Form.CurrentBinding->Busy; });
    }
    KtSNMPRequest2Edits *Binding() const { return Form.RequestList.front().get(); }
    QTreeWidget *List() const { return Panel->ListViewPanel->ListView; }
    TEditsPanel *Rows() const { return Panel->EditsPanel; }
    QTreeWidgetItem *RowWithIndex(const QString &index) const
    {
        for (int i = 0; i < List()->topLevelItemCount(); ++i)
            if (List()->topLevelItem(i)->text(0) == index)
                return List()->topLevelItem(i);
        return nullptr;
    }
    void Select(QTreeWidgetItem *item) const
    {
        const QRect place = List()->visualItemRect(item);
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, place.center());
    }
    // The dialog's button bar.
    static TCtrlBtnPanel *BarOf(QDialog *dialog) { return dialog->findChild<TCtrlBtnPanel *>(); }
};

QStringList ComboItems(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// The syslog rows the agent has: index -> UDP port, from snmpwalk.
QMap<QString, QString> AgentPorts(const QgSimProcess &sim)
{
    QMap<QString, QString> ports;
    const QString walk = Walk(sim, QStringLiteral("%1.4").arg(kSysLogColumns));
    static const QRegularExpression line(R"(\.(\d+) = INTEGER: (\d+))");
    for (auto match = line.globalMatch(walk); match.hasNext();) {
        const auto found = match.next();
        ports[found.captured(1)] = found.captured(2);
    }
    return ports;
}

class ListViewPanelTest : public QgSimSuite
{
};

} // namespace

TEST_F(ListViewPanelTest, AddDialogFixesTheIndexAndStatusRows)
{
    SysLogWindow window;
    ASSERT_TRUE(window.Read());
    bool seen = false;
    WhenModal("RowDialog", [&](QDialog *dialog) {
        seen = true;
        EXPECT_EQ(dialog->windowTitle(), "System Log Server (Add)");
        TEditsPanel *rows = window.Rows();
        EXPECT_EQ(rows->window(), dialog);
        QCheckBox *index = rows->Rows[0].CheckBox;
        EXPECT_TRUE(index->isChecked());
        EXPECT_FALSE(index->isEnabled());
        EXPECT_TRUE(index->isVisible());
        EXPECT_FALSE(rows->EditBox(0)->isReadOnly());
        QTest::mouseClick(index, Qt::LeftButton); // cannot be unchecked
        EXPECT_TRUE(index->isChecked());
        QComboBox *status = rows->ComboBox(kSysLogStatus);
        EXPECT_EQ(status->currentText(), "createAndGo");
        EXPECT_FALSE(status->isEnabled());
        EXPECT_TRUE(rows->Rows[kSysLogStatus].CheckBox->isChecked());
        EXPECT_FALSE(rows->Rows[kSysLogStatus].CheckBox->isEnabled());
        // The rows start empty, the Refresh button is gone.
        EXPECT_TRUE(rows->EditBox(3)->text().isEmpty());
        TCtrlBtnPanel *bar = SysLogWindow::BarOf(dialog);
        EXPECT_TRUE(bar->RefreshBtn->isHidden());
        EXPECT_FALSE(bar->SetCheckedBtn->isHidden());
        EXPECT_LE(dialog->width(), 800);

        // The index is empty: nothing is written and the dialog stays.
        QTest::mouseClick(bar->SetCheckedBtn, Qt::LeftButton);
        EXPECT_EQ(messages_, QStringList{"Some items are empty!"});
        EXPECT_TRUE(dialog->isVisible());
        QTest::mouseClick(bar->CloseBtn, Qt::LeftButton);
    });
    QTest::mouseClick(window.Panel->BtnPanel->AddBtn, Qt::LeftButton);
    EXPECT_TRUE(seen);
    // The rows are back, hidden, in the list window.
    EXPECT_EQ(window.Rows()->window(), &window.Form);
    EXPECT_TRUE(window.Rows()->isHidden());
    EXPECT_FALSE(window.List()->isHidden());
    ASSERT_TRUE(window.Read());
    EXPECT_EQ(AgentPorts(*sim_).keys(), QStringList{"1"});
}

TEST_F(ListViewPanelTest, EditDialogOffersNeitherTheCreatingNorTheDeletingLabel)
{
    SysLogWindow window;
    ASSERT_TRUE(window.Read());
    ASSERT_GE(window.List()->topLevelItemCount(), 1);
    window.Select(window.List()->topLevelItem(0));
    ASSERT_TRUE(window.Panel->BtnPanel->EditBtn->isEnabled());
    EXPECT_TRUE(window.Panel->BtnPanel->DeleteBtn->isEnabled());
    QComboBox *status = window.Rows()->ComboBox(kSysLogStatus);
    const QStringList all = kRowStatus.Names();
    EXPECT_EQ(ComboItems(status), all);

    bool seen = false;
    WhenModal("RowDialog", [&](QDialog *dialog) {
        seen = true;
        EXPECT_EQ(dialog->windowTitle(), "System Log Server");
        EXPECT_EQ(ComboItems(status), (QStringList{"active", "notInService", "notReady", "createAndWait"}));
        EXPECT_EQ(status->currentText(), "active");
        TEditsPanel *rows = window.Rows();
        EXPECT_EQ(rows->EditBox(3)->text(), "514");
        EXPECT_EQ(rows->EditBox(3)->width(), 200);
        EXPECT_TRUE(rows->EditBox(0)->isReadOnly());
        EXPECT_TRUE(rows->Rows[0].CheckBox->isHidden());
        EXPECT_FALSE(SysLogWindow::BarOf(dialog)->SetCheckedBtn->isEnabled());
        // Cancel (Close) writes nothing.
        QTest::mouseClick(SysLogWindow::BarOf(dialog)->CloseBtn, Qt::LeftButton);
    });
    QTest::mouseClick(window.Panel->BtnPanel->EditBtn, Qt::LeftButton);
    EXPECT_TRUE(seen);
    EXPECT_EQ(ComboItems(status), all);
    ASSERT_TRUE(window.Read());
    EXPECT_EQ(AgentPorts(*sim_), (QMap<QString, QString>{{"1", "514"}}));
}

TEST_F(ListViewPanelTest, EditDialogHidesAStatusRowLeftWithoutLabels)
{
    // valid/invalid: both labels go, and with them the row.
    constexpr KtOptionDef validityPairs[] = {{1, "valid"}, {2, "invalid"}, {}};
    const KtOptionList validity(validityPairs);
    const KtSNMPVarDef table[] = {
        {"1.3.6.1.4.1.47893.12.12.2.1.1", "Server ID", SyntaxInteger, AccessIndex},
        {"1.3.6.1.4.1.47893.12.12.2.1.4", "UDP Port", SyntaxInteger, AccessReadWrite},
        {"1.3.6.1.4.1.47893.12.12.2.1.6", "Validity", SyntaxInteger, AccessReadWrite, &validity},
        {},
    };
    TConfigForm form;
    auto binding = std::make_unique<KtSNMPRequest2Edits>(&form);
    binding->Request.Vars = KtSNMPVarList(table, ListTable, 1);
    TSNMPListViewPanel *panel = form.SetListViewType(std::move(binding), 2, "valid", 2, "invalid");
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return form.CurrentBinding && !form.CurrentBinding->Busy; }));
    QComboBox *status = panel->EditsPanel->ComboBox(2);
    bool seen = false;
    WhenModal("RowDialog", [&](QDialog *dialog) {
        seen = true;
        EXPECT_EQ(status->count(), 0);
        EXPECT_TRUE(status->isHidden());
        EXPECT_TRUE(panel->EditsPanel->IsHiddenRow(2));
        // Check All does not pick the hidden row, so Set is not refused.
        TCtrlBtnPanel *bar = SysLogWindow::BarOf(dialog);
        QTest::mouseClick(bar->CheckAllBtn, Qt::LeftButton);
        EXPECT_TRUE(panel->EditsPanel->Rows[1].CheckBox->isChecked());
        EXPECT_FALSE(panel->EditsPanel->Rows[2].CheckBox->isChecked());
        EXPECT_TRUE(bar->SetCheckedBtn->isEnabled());
        dialog->close();
    });
    panel->EditClick(panel->BtnPanel->EditBtn);
    EXPECT_TRUE(seen);
    EXPECT_EQ(ComboItems(status), (QStringList{"valid", "invalid"}));
    EXPECT_EQ(status->currentIndex(), -1);
    EXPECT_FALSE(panel->EditsPanel->IsHiddenRow(2));
}

TEST_F(ListViewPanelTest, CancelInTheDeleteConfirmationWritesNothing)
{
    SysLogWindow window;
    ASSERT_TRUE(window.Read());
    window.Select(window.RowWithIndex("1"));
    confirm_ = false;
    const QString memo = window.Panel->MessagePanel()->Memo->toPlainText();
    QTest::mouseClick(window.Panel->BtnPanel->DeleteBtn, Qt::LeftButton);
    EXPECT_EQ(messages_, QStringList{"Are you sure to delete?"});
    EXPECT_EQ(window.Panel->MessagePanel()->Memo->toPlainText(), memo);
    EXPECT_EQ(AgentPorts(*sim_).keys(), QStringList{"1"});
}

TEST_F(ListViewPanelTest, TheRealConfirmationBoxCancels)
{
    SysLogWindow window;
    ASSERT_TRUE(window.Read());
    window.Select(window.RowWithIndex("1"));
    capture_.ShowRealBoxes();
    QString text;
    WhenModal({}, [&](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        ASSERT_NE(box, nullptr);
        text = box->text();
        EXPECT_NE(box->button(QMessageBox::Ok), nullptr);
        box->button(QMessageBox::Cancel)->click();
    });
    QTest::mouseClick(window.Panel->BtnPanel->DeleteBtn, Qt::LeftButton);
    EXPECT_EQ(text, "Are you sure to delete?");
    EXPECT_EQ(AgentPorts(*sim_).keys(), QStringList{"1"});
}

TEST_F(ListViewPanelTest, RowHintListsEveryColumnPaddedWithTabs)
{
    // Three columns: the hint has three lines.
    const KtSNMPVarDef table[] = {
        {"1.3.6.1.2.1.2.2.1.1", "If", SyntaxInteger, AccessIndex},
        {"1.3.6.1.2.1.31.1.1.1.1", "Name", SyntaxDisplayString, AccessRead},
        {"1.3.6.1.2.1.2.2.1.2", "Descr.", SyntaxDisplayString, AccessRead},
        {},
    };
    {
        TConfigForm form;
        auto binding = std::make_unique<KtSNMPRequest2Edits>(&form);
        binding->Request.Vars = KtSNMPVarList(table, ListTable, 1);
        TSNMPListViewPanel *panel = form.SetListViewType(std::move(binding), -1, {}, -1, {});
        form.show();
        ASSERT_TRUE(WaitUntil([&] { return form.CurrentBinding && !form.CurrentBinding->Busy; }));
        QTreeWidget *ifList = panel->ListViewPanel->ListView;
        ASSERT_GT(ifList->topLevelItemCount(), 0);
        QTreeWidgetItem *first = ifList->topLevelItem(0);
        const QString expected = QStringLiteral("If\t\t\t\t  %1\nName\t\t  %2\nDescr.  %3\n")
                                     .arg(first->text(0), first->text(1), first->text(2));
        EXPECT_EQ(panel->RowHint(first), expected);
        // The columns fit their values, so the row may be wider than the
        // view: the mouse goes to its visible beginning.
        QTest::mouseMove(ifList->viewport(), QPoint(5, ifList->visualItemRect(first).center().y()));
        EXPECT_EQ(ifList->viewport()->toolTip(), expected);
        form.close();
    }

    // Moving the mouse over a row switches the hint on, beside the rows off.
    SysLogWindow window;
    ASSERT_TRUE(window.Read());
    QTreeWidget *list = window.List();
    QTreeWidgetItem *row = window.RowWithIndex("1");
    ASSERT_NE(row, nullptr);
    QTest::mouseMove(list->viewport(), list->visualItemRect(row).center());
    const QString hint = list->viewport()->toolTip();
    EXPECT_EQ(hint.count('\n'), 7);
    EXPECT_TRUE(hint.startsWith("Server ID\t\t\t\t\t\t\t\t  1\n")) << hint.toStdString();
    EXPECT_TRUE(hint.contains("\nServer IP Address  127.0.0.1\n")) << hint.toStdString();
    QTest::mouseMove(list->viewport(), QPoint(5, list->viewport()->height() - 5));
    EXPECT_TRUE(list->viewport()->toolTip().isEmpty());
}

TEST_F(ListViewPanelTest, RefreshIsSkippedWhileAReadRuns)
{
    TConfigForm form;
    auto binding = std::make_unique<KtSNMPRequest2Edits>(&form);
    binding->Request.Vars = KtSNMPVarList(kIfNames, ListTable, 1);
    TSNMPListViewPanel *panel = form.SetListViewType(std::move(binding), -1, {}, -1, {});
    KtSNMPRequest2Edits *edits = form.RequestList.front().get();
    int begins = 0;
    edits->OnGetDone = [&](KtSNMPRequest2Controls *, const KtSNMPError &) { ++begins; };
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return begins == 1; })); // the first read
    panel->RefreshClick();
    ASSERT_TRUE(edits->Busy);
    panel->RefreshClick(); // skipped: the running read shows the rows
    ASSERT_TRUE(WaitIdle(edits));
    EXPECT_EQ(begins, 2);
    const int rows = panel->ListViewPanel->ListView->topLevelItemCount();
    EXPECT_GT(rows, 0);
    EXPECT_EQ(panel->BtnPanel->CountText->text(), QString::number(rows));
    panel->RefreshClick();
    ASSERT_TRUE(WaitIdle(edits));
    EXPECT_EQ(begins, 3);
    EXPECT_EQ(panel->ListViewPanel->ListView->topLevelItemCount(), rows);
}

// The whole round on a fresh simulator: read, add, edit, delete.
TEST(SysLogRoundTest, AddEditAndDeleteAgreeWithTheAgent)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    PointEngineAt(sim.Port());
    QgMessageCapture capture; // questions answer OK
    const QStringList &messages = capture.Messages;

    SysLogWindow window;
    ASSERT_TRUE(window.Read());
    EXPECT_EQ(window.List()->topLevelItemCount(), 1);
    EXPECT_EQ(window.Panel->BtnPanel->CountText->text(), "1");
    EXPECT_EQ(AgentPorts(sim), (QMap<QString, QString>{{"1", "514"}}));
    QTreeWidgetItem *first = window.RowWithIndex("1");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(1), "local0");
    EXPECT_EQ(first->text(4), "127.0.0.1");
    EXPECT_EQ(first->text(6), "active");

    // Add: row 3 with createAndGo, facility local5, port 1514.
    WhenModal("RowDialog", [&](QDialog *dialog) {
        TEditsPanel *rows = window.Rows();
        QTest::keyClicks(rows->EditBox(0), "3");
        rows->ComboBox(1)->setCurrentText("local5");
        QTest::mouseClick(rows->Rows[1].CheckBox, Qt::LeftButton);
        QTest::keyClicks(rows->EditBox(3), "1514");
        QTest::mouseClick(rows->Rows[3].CheckBox, Qt::LeftButton);
        QTest::keyClicks(rows->EditBox(4), "10.0.0.9");
        QTest::mouseClick(rows->Rows[4].CheckBox, Qt::LeftButton);
        QTest::mouseClick(SysLogWindow::BarOf(dialog)->SetCheckedBtn, Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible()); // a dialog closes after its write
    });
    QTest::mouseClick(window.Panel->BtnPanel->AddBtn, Qt::LeftButton);
    ASSERT_TRUE(window.Read());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(AgentPorts(sim), (QMap<QString, QString>{{"1", "514"}, {"3", "1514"}}));
    QTreeWidgetItem *added = window.RowWithIndex("3");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->text(1), "local5");
    EXPECT_EQ(added->text(4), "10.0.0.9");
    EXPECT_EQ(added->text(6), "active");
    EXPECT_EQ(window.Panel->BtnPanel->CountText->text(), "2");
    EXPECT_TRUE(Walk(sim, QStringLiteral("%1.5.3").arg(kSysLogColumns)).contains("10.0.0.9"));

    // Edit: the port of row 3.
    window.Select(added);
    WhenModal("RowDialog", [&](QDialog *dialog) {
        TEditsPanel *rows = window.Rows();
        EXPECT_EQ(rows->EditBox(0)->text(), "3");
        rows->EditBox(3)->clear();
        QTest::keyClicks(rows->EditBox(3), "2514");
        QTest::mouseClick(rows->Rows[3].CheckBox, Qt::LeftButton);
        QTest::mouseClick(SysLogWindow::BarOf(dialog)->SetCheckedBtn, Qt::LeftButton);
    });
    QTest::mouseClick(window.Panel->BtnPanel->EditBtn, Qt::LeftButton);
    ASSERT_TRUE(window.Read());
    EXPECT_EQ(AgentPorts(sim), (QMap<QString, QString>{{"1", "514"}, {"3", "2514"}}));
    ASSERT_NE(window.RowWithIndex("3"), nullptr);
    EXPECT_EQ(window.RowWithIndex("3")->text(3), "2514");
    EXPECT_EQ(window.RowWithIndex("3")->text(1), "local5");

    // Delete row 3.
    window.Select(window.RowWithIndex("3"));
    QTest::mouseClick(window.Panel->BtnPanel->DeleteBtn, Qt::LeftButton);
    ASSERT_TRUE(window.Read());
    EXPECT_EQ(messages, QStringList{"Are you sure to delete?"});
    EXPECT_EQ(AgentPorts(sim), (QMap<QString, QString>{{"1", "514"}}));
    EXPECT_EQ(window.RowWithIndex("3"), nullptr);
    EXPECT_EQ(window.List()->topLevelItemCount(), 1);
    EXPECT_TRUE(window.Panel->MessagePanel()->Memo->toPlainText().contains("Set: (KtSNMP++) Ok!"));
}

// An address with a part above 255 is refused with the range it must lie in,
// nothing is sent (it used to go out as its low bits: 300 as 44), and the
// dialog keeps the input for correction.
TEST_F(ListViewPanelTest, AnAddressPartAbove255IsRefusedAndNothingIsSent)
{
    SysLogWindow window;
    ASSERT_TRUE(window.Read());
    sim_->Sets().Clear();
    for (const char *address : {"300.1.2.3", "10.1.1.300", "256.10.10.999"}) {
        SCOPED_TRACE(address);
        bool seen = false;
        WhenModal("RowDialog", [&](QDialog *dialog) {
            seen = true;
            TEditsPanel *rows = window.Rows();
            QTest::keyClicks(rows->EditBox(0), "3");
            QTest::keyClicks(rows->EditBox(4), address);
            rows->Rows[4].CheckBox->setChecked(true);
            QTest::mouseClick(SysLogWindow::BarOf(dialog)->SetCheckedBtn, Qt::LeftButton);
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(rows->EditBox(4)->text(), address);
            QTest::mouseClick(SysLogWindow::BarOf(dialog)->CloseBtn, Qt::LeftButton);
        });
        QTest::mouseClick(window.Panel->BtnPanel->AddBtn, Qt::LeftButton);
        ASSERT_TRUE(seen);
        ASSERT_TRUE(window.Read());
        EXPECT_TRUE(window.Panel->MessagePanel()->Memo->toPlainText().contains(
            QStringLiteral("Set: Server IP Address: '%1' is not an address of four numbers from 0 to 255")
                .arg(address)))
            << window.Panel->MessagePanel()->Memo->toPlainText().toStdString();
    }
    EXPECT_TRUE(sim_->Sets().Read().empty()) << sim_->Sets().Describe().toStdString();
    EXPECT_EQ(AgentPorts(*sim_).keys(), QStringList{"1"});
}

// An agent that never answers: the edit dialog waits a second for the
// running read, then opens anyway, and the read may go on afterwards.
TEST_F(ListViewPanelTest, EditDialogWaitsASecondForARunningRead)
{
    QgSimProcess silent({"--drop-every", "1"});
    ASSERT_TRUE(silent.Start());
    PointEngineAt(silent.Port());
    KtSNMPDefaults.TimeOut = 300;
    TConfigForm form;
    auto binding = std::make_unique<KtSNMPRequest2Edits>(&form);
    binding->Request.Vars = KtSNMPVarList(kSysLogServers, ListTable, 1);
    binding->Request.Retries = 0;
    KtSNMPRequest2Edits *edits = binding.get();
    TSNMPListViewPanel *panel =
        form.SetListViewType(std::move(binding), kSysLogStatus, "createAndGo", kSysLogStatus, "destroy");
    form.show();
    panel->RefreshClick();
    ASSERT_TRUE(edits->Busy);
    QElapsedTimer clock;
    qint64 openedAfter = -1;
    bool readStillRunning = false;
    WhenModal("RowDialog", [&](QDialog *dialog) {
        openedAfter = clock.elapsed();
        readStillRunning = edits->Busy;
        dialog->close();
    });
    clock.start();
    panel->EditClick(panel->BtnPanel->EditBtn);
    EXPECT_GE(openedAfter, 1000);
    EXPECT_TRUE(readStillRunning); // it did not wait for the read's time-out
    EXPECT_TRUE(edits->Request.Enabled);
    ASSERT_TRUE(WaitIdle(edits));
    EXPECT_TRUE(panel->MessagePanel()->Memo->toPlainText().contains("Get: ")); // the time-out's status line
    KtSNMPDefaults.TimeOut = 100;
}

TEST_F(ListViewPanelTest, AFailedWriteClosesTheDialogWithTheErrorInTheMemo)
{
    SysLogWindow window;
    ASSERT_TRUE(window.Read());
    bool closed = false;
    WhenModal("RowDialog", [&](QDialog *dialog) {
        TEditsPanel *rows = window.Rows();
        QTest::keyClicks(rows->EditBox(0), "4");
        QTest::keyClicks(rows->EditBox(3), "70000"); // beyond the agent's 1 to 65535
        QTest::mouseClick(rows->Rows[3].CheckBox, Qt::LeftButton);
        QTest::mouseClick(SysLogWindow::BarOf(dialog)->SetCheckedBtn, Qt::LeftButton);
        closed = !dialog->isVisible();
        if (!closed)
            dialog->close();
    });
    QTest::mouseClick(window.Panel->BtnPanel->AddBtn, Qt::LeftButton);
    EXPECT_TRUE(closed);
    const QString memo = window.Panel->MessagePanel()->Memo->toPlainText();
    EXPECT_TRUE(memo.contains("Set: ")) << memo.toStdString();
    EXPECT_FALSE(memo.contains("Set: (KtSNMP++) Ok!")) << memo.toStdString();
    ASSERT_TRUE(window.Read());
    EXPECT_EQ(AgentPorts(*sim_).keys(), QStringList{"1"});
    // Nothing stays excluded and the reads stay asynchronous.
    for (int i = 0; i < window.Binding()->Request.Vars.Count(); ++i)
        EXPECT_FALSE(window.Binding()->Request.Vars.Get(i).Access & AccessSkip) << i;
    EXPECT_TRUE(window.Binding()->Asynchronous);
}
