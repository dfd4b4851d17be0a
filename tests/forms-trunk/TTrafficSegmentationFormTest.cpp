// The traffic segmentation window against the simulator: the asynchronous
// walk with its guard against overlapping requests, Stop, a row's port as
// unit and port, and writing the forward ports of one row.
#include "TTrafficSegmentationForm.h"
#include "KtSNMPRequest2Edits.h"
#include "TrunkFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QTimer>
#include <QTreeWidget>

using namespace trunk_test;

namespace {

const QString kSeg = QStringLiteral("1.3.6.1.4.1.47893.11.55.2.2.14.1.1");
// One row per port of the simulator's stack: units 1, 2 and 3 with 12, 26
// and 50 ports.
constexpr int kStackPorts = 12 + 26 + 50;

QList<int> StackBits()
{
    QList<int> bits;
    for (int i = 0; i < 12; ++i)
        bits << 56 + i;
    for (int i = 0; i < 26; ++i)
        bits << 112 + i;
    for (int i = 0; i < 50; ++i)
        bits << 168 + i;
    return bits;
}

TEST(TrafficSegmentationPorts, APortNumberShowsAsUnitAndPort)
{
    const struct
    {
        int Number;
        const char *Unit;
        const char *Port;
    } cases[] = {{100, "1", "50"}, {7, "15", "7"},  {57, "1", "7"},
                 {50, "15", "50"}, {151, "3", "1"}, {208, "4", "8"}};
    for (const auto &c : cases) {
        QString unit;
        QString port;
        TTrafficSegmentationForm::UnitPortTexts(c.Number, unit, port);
        EXPECT_EQ(unit, c.Unit) << c.Number;
        EXPECT_EQ(port, c.Port) << c.Number;
    }
}

class TrafficSegmentationFormTest : public TrunkSimTest
{
protected:
    std::unique_ptr<TTrafficSegmentationForm> Open()
    {
        auto form = std::make_unique<TTrafficSegmentationForm>(nullptr, &state_);
        form->show();
        return form;
    }

    static bool WaitReady(const TTrafficSegmentationForm &form)
    {
        return WaitUntil([&form] { return form.Ready() && !form.Binding->Busy; });
    }

    static QStringList Ports(const TTrafficSegmentationForm &form)
    {
        return Captions(form.LV_TrafficForward);
    }

    static bool SelectPort(TTrafficSegmentationForm &form, const QString &port)
    {
        return SelectRow(form.LV_TrafficForward, port);
    }
};

} // namespace

TEST_F(TrafficSegmentationFormTest, OpensWithEveryPortsRowAndTheRowCount)
{
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "Traffic Segmentation Table:127.0.0.1");
    EXPECT_TRUE(form->Binding->Asynchronous);
    EXPECT_FALSE(form->Ready());
    ASSERT_TRUE(WaitReady(*form));
    EXPECT_EQ(Ports(*form).size(), kStackPorts);
    EXPECT_EQ(form->StaticText1->text(), QString::number(kStackPorts));
    EXPECT_TRUE(form->Combo_Unit->isReadOnly());
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
}

TEST_F(TrafficSegmentationFormTest, SelectingARowShowsItsUnitAndPortAndForwardPorts)
{
    auto form = Open();
    ASSERT_TRUE(WaitReady(*form));
    const struct
    {
        const char *Port;
        const char *Unit;
        const char *UnitPort;
    } cases[] = {{"51", "1", "1"}, {"62", "1", "12"}, {"151", "3", "1"}, {"200", "3", "50"}};
    for (const auto &c : cases) {
        ASSERT_TRUE(SelectPort(*form, c.Port)) << c.Port;
        EXPECT_EQ(form->Combo_Unit->text(), c.Unit) << c.Port;
        EXPECT_EQ(form->Combo_Port->text(), c.UnitPort) << c.Port;
        EXPECT_EQ(CheckedBoxes(form->PortGrid), StackBits());
    }
    form->LV_TrafficForward->clearSelection();
    EXPECT_TRUE(form->Combo_Unit->text().isEmpty());
    EXPECT_TRUE(form->Combo_Port->text().isEmpty());
}

TEST_F(TrafficSegmentationFormTest, ASecondRefreshDuringAWalkIsRefused)
{
    auto form = Open();
    ASSERT_TRUE(WaitReady(*form));
    form->BT_Get->click();
    form->BT_Get->click();
    form->BT_Set->click();
    EXPECT_EQ(messages_, QStringList({"Refresh not complete", "Refresh not complete"}));
    ASSERT_TRUE(WaitReady(*form));
    messages_.clear();
    form->BT_Get->click();
    EXPECT_TRUE(messages_.isEmpty());
    ASSERT_TRUE(WaitReady(*form));
    EXPECT_EQ(Ports(*form).size(), kStackPorts);
}

TEST_F(TrafficSegmentationFormTest, StopKeepsTheRowsReadSoFarAndAllowsTheNextRefreshAtOnce)
{
    // One row per response, so that Stop lands in the middle of the walk: a
    // GetBulk walk brings this short table in before Stop can be pressed.
    KtSNMPDefaults.Device.UseGetBulk = false;
    const auto restore = qScopeGuard([] { KtSNMPDefaults.Device.UseGetBulk = true; });
    auto form = Open();
    ASSERT_TRUE(WaitReady(*form));
    form->BT_Get->click();
    ASSERT_TRUE(WaitUntil([&] { return form->LV_TrafficForward->topLevelItemCount() >= 3; }));
    form->StopBtn->click();
    EXPECT_TRUE(form->Ready());
    ASSERT_TRUE(WaitIdle(form->Binding.get()));
    const int kept = form->LV_TrafficForward->topLevelItemCount();
    EXPECT_GE(kept, 3);
    EXPECT_LT(kept, kStackPorts);

    // Stop, then Refresh straight away: one whole walk, no row twice.
    form->BT_Get->click();
    ASSERT_TRUE(WaitUntil([&] { return form->LV_TrafficForward->topLevelItemCount() >= 2; }));
    form->StopBtn->click();
    form->BT_Get->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    ASSERT_TRUE(WaitReady(*form));
    const QStringList ports = Ports(*form);
    EXPECT_EQ(ports.size(), kStackPorts);
    EXPECT_EQ(QSet<QString>(ports.begin(), ports.end()).size(), kStackPorts);
}

TEST_F(TrafficSegmentationFormTest, SetWritesTheForwardPortsOfTheSelectedRow)
{
    auto form = Open();
    ASSERT_TRUE(WaitReady(*form));
    ASSERT_TRUE(SelectPort(*form, "52"));
    form->PortGrid->ClearBoxes();
    form->PortGrid->PortBoxes[56]->setChecked(true);
    form->PortGrid->PortBoxes[170]->setChecked(true);
    form->BT_Set->click();
    ASSERT_TRUE(WaitReady(*form));
    EXPECT_EQ(GetHex(*sim_, kSeg + ".2.52"), PortListHex({56, 170}));
    EXPECT_EQ(GetHex(*sim_, kSeg + ".2.51"), PortListHex(StackBits()));
    EXPECT_EQ(Ports(*form).size(), kStackPorts);
    Set(*sim_, {kSeg + ".2.52", "x", PortListHex(StackBits()).remove(' ')});
}

TEST_F(TrafficSegmentationFormTest, ClosingDuringAWalkSwitchesTheRequestOffAndWaits)
{
    auto form = Open();
    form->reject();
    EXPECT_EQ(form->Binding, nullptr);
    form->BT_Get->click();
    form->StopBtn->click();
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(TrafficSegmentationFormTest, RunsModallyOverItsOwnerAndClosesDuringAWalk)
{
    QWidget owner;
    auto form = std::make_unique<TTrafficSegmentationForm>(&owner, &state_);
    int rowsWhenClosed = -1;
    QTimer::singleShot(0, form.get(), [&] {
        // Close while the first walk is still running.
        WaitUntil([&] { return form->LV_TrafficForward->topLevelItemCount() >= 2; });
        rowsWhenClosed = form->LV_TrafficForward->topLevelItemCount();
        form->reject();
    });
    EXPECT_EQ(form->exec(), QDialog::Rejected);
    EXPECT_GE(rowsWhenClosed, 2);
    EXPECT_EQ(form->Binding, nullptr);
    // Nothing arrives for the closed window any more.
    const int rows = form->LV_TrafficForward->topLevelItemCount();
    RunQueuedEvents();
    EXPECT_EQ(form->LV_TrafficForward->topLevelItemCount(), rows);
}

// Set acts on the port shown selected, or on nothing: with no row selected
// (at first, and after a refresh took the selection away while the port label
// still names the port selected before) nothing is sent and the status line
// says why.
TEST_F(TrafficSegmentationFormTest, SetWithNoRowSelectedWritesNoRow)
{
    auto form = Open();
    ASSERT_TRUE(WaitReady(*form));
    sim_->Sets().Clear();
    form->PortGrid->ClearBoxes();
    form->BT_Set->click();
    ASSERT_TRUE(WaitReady(*form));
    EXPECT_EQ(form->StatusPanel0->text(), "No row is selected.");

    form->LV_TrafficForward->setCurrentItem(form->LV_TrafficForward->topLevelItem(0));
    ASSERT_FALSE(form->ST_Port->text().isEmpty());
    form->LV_TrafficForward->clearSelection();
    form->PortGrid->ClearBoxes();
    form->BT_Set->click();
    ASSERT_TRUE(WaitReady(*form));
    EXPECT_EQ(form->StatusPanel0->text(), "No row is selected.");
    EXPECT_TRUE(sim_->Sets().Read().empty()) << sim_->Sets().Describe().toStdString();
    for (const char *port : {"51", "62", "151", "200"})
        EXPECT_EQ(GetHex(*sim_, kSeg + ".2." + port), PortListHex(StackBits())) << port;
}
