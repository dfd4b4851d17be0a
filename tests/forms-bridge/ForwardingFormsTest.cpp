// The group forwarding windows against the simulator: each port-list column
// on its own page, Set writing the static and forbidden ports of the
// selected VLAN, and Refresh leaving the unregistered grids empty.
#include "BridgeFixture.h"
#include "KtSNMPRequest2Edits.h"
#include "TForwardUnregisteredInformationForm.h"
#include "TMulticastForwardingInformationForm.h"
#include "TTpGroupDestinationForwardedForm.h"

#include <QTabWidget>

using namespace bridge_test;

namespace {

class ForwardingFormsTest : public BridgeSimTest
{
};

QStringList PageTitles(const QTabWidget *pages)
{
    QStringList titles;
    for (int i = 0; i < pages->count(); ++i)
        titles << pages->tabText(i);
    return titles;
}

} // namespace

TEST_F(ForwardingFormsTest, EveryPageShowsItsOwnColumn)
{
    {
        TMulticastForwardingInformationForm form(nullptr, &state_);
        form.show();
        ASSERT_TRUE(WaitIdle(form.TableBinding));
        EXPECT_EQ(form.windowTitle(), "MulticastForwardingInformationForm");
        EXPECT_EQ(PageTitles(form.PortPageControl),
                  QStringList({"All Forwarded Ports", "All Static Ports", "All Forbiden Ports"}));
        ASSERT_TRUE(SelectRow(form.LV_dot1qForwardAllEntry, "1"));
        EXPECT_EQ(CheckedBoxes(form.AllGrid), QList<int>({56, 57, 58}));
        EXPECT_EQ(CheckedBoxes(form.StaticGrid), QList<int>({56}));
        EXPECT_EQ(CheckedBoxes(form.ForbiddenGrid), QList<int>({59}));
        EXPECT_EQ(form.ST_Count->text(), "1");
    }
    {
        TForwardUnregisteredInformationForm form(nullptr, &state_);
        form.show();
        ASSERT_TRUE(WaitIdle(form.TableBinding));
        EXPECT_EQ(form.windowTitle(), "Forward Unregistered Information");
        EXPECT_EQ(PageTitles(form.PortPageControl),
                  QStringList(
                      {"Unregistered Ports", "Unregisteried Static Ports", "Unregistered Forbidden Ports"}));
        ASSERT_TRUE(SelectRow(form.LV_dot1qForwardUnregisteredEntry, "1"));
        EXPECT_EQ(CheckedBoxes(form.AllGrid), QList<int>({56, 57, 58, 59}));
        EXPECT_EQ(CheckedBoxes(form.StaticGrid), QList<int>({58}));
        EXPECT_EQ(CheckedBoxes(form.ForbiddenGrid), QList<int>({61}));
        // Refresh leaves no row selected and the grids empty.
        form.RefreshBtnClick();
        EXPECT_TRUE(CheckedBoxes(form.AllGrid).isEmpty());
        EXPECT_TRUE(CheckedBoxes(form.StaticGrid).isEmpty());
        EXPECT_TRUE(CheckedBoxes(form.ForbiddenGrid).isEmpty());
        ASSERT_TRUE(WaitIdle(form.TableBinding));
        EXPECT_EQ(form.ST_Count->text(), "1");
    }
    TTpGroupDestinationForwardedForm form(nullptr, &state_);
    form.show();
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    EXPECT_EQ(form.windowTitle(), "Tp Group Destination Forwarded");
    EXPECT_EQ(PageTitles(form.PortPageControl), QStringList({"Egress Ports", "GMRP Learn Port"}));
    ASSERT_EQ(form.LV_dot1qTpGroupEntry->topLevelItemCount(), 1);
    form.LV_dot1qTpGroupEntry->setCurrentItem(form.LV_dot1qTpGroupEntry->topLevelItem(0));
    EXPECT_EQ(CheckedBoxes(form.EgressGrid), QList<int>({56, 57}));
    EXPECT_EQ(CheckedBoxes(form.LearntGrid), QList<int>({57}));
}

// Set without a row chosen sends nothing and says so as a failed write.
TEST_F(ForwardingFormsTest, SetWithNoRowSelectedIsAFailedSetAndSendsNothing)
{
    TMulticastForwardingInformationForm form(nullptr, &state_);
    form.show();
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    sim_->Sets().Clear();
    form.Memo1->clear();
    form.SetBtnClick();
    EXPECT_TRUE(form.Memo1->toPlainText().startsWith("Set: No row is selected."))
        << form.Memo1->toPlainText().toStdString();
    ASSERT_TRUE(sim_->WaitForSets());
    EXPECT_TRUE(sim_->Sets().Read().empty()) << sim_->Sets().Describe().toStdString();
}

TEST_F(ForwardingFormsTest, SetWritesTheStaticAndForbiddenPortsOfTheSelectedVlan)
{
    const QString staticPorts = QStringLiteral("1.3.6.1.2.1.17.7.1.2.4.1.2.1");
    const QString forbiddenPorts = QStringLiteral("1.3.6.1.2.1.17.7.1.2.4.1.3.1");
    TMulticastForwardingInformationForm form(nullptr, &state_);
    form.show();
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    ASSERT_TRUE(SelectRow(form.LV_dot1qForwardAllEntry, "1"));
    form.StaticGrid->PortBoxes[57]->setChecked(true);
    form.ForbiddenGrid->PortBoxes[59]->setChecked(false);
    form.SetBtnClick();
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    // Ports 1 and 2 of unit 1: the first octet of unit 1's page.
    EXPECT_TRUE(GetValue(*sim_, staticPorts).startsWith("00 00 00 00 00 00 00 C0 "))
        << GetValue(*sim_, staticPorts).toStdString();
    EXPECT_TRUE(GetValue(*sim_, forbiddenPorts).startsWith("00 00 00 00 00 00 00 00 00"))
        << GetValue(*sim_, forbiddenPorts).toStdString();
    EXPECT_EQ(form.ST_Count->text(), "1");
    const QString zeros = QString(QStringLiteral("00")).repeated(83);
    Set(*sim_, {staticPorts, "x", QString(QStringLiteral("00")).repeated(7) + "80" + zeros, forbiddenPorts,
                "x", QString(QStringLiteral("00")).repeated(7) + "10" + zeros});
}
