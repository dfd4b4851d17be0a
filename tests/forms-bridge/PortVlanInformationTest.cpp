// The port VLAN window against the simulator: its table, the refusal to
// start while a request runs, and Set keeping the written port selected.
#include "BridgeFixture.h"
#include "KtSNMPRequest2Edits.h"
#include "TVLanPortInfomationForm.h"

#include <QComboBox>
#include <QLineEdit>

using namespace bridge_test;

namespace {

class PortVlanInformationTest : public BridgeSimTest
{
};

const QString kPvid = QStringLiteral("1.3.6.1.2.1.17.7.1.4.5.1.1");

} // namespace

TEST_F(PortVlanInformationTest, RefreshAndSetWhileTheReadRunsShowRefreshNotComplete)
{
    TVLanPortInfomationForm form;
    form.show();
    EXPECT_EQ(form.windowTitle(), "VLAN Port Information Form");
    ASSERT_TRUE(form.TableBinding->Busy);
    form.SetBtnClick();
    form.RefreshBtnClick();
    EXPECT_EQ(messages_, QStringList({"Refresh Not Complete", "Refresh Not Complete"}));
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    EXPECT_EQ(Captions(form.LV_dot1qPortVlanEntry), StackBridgePorts());
    EXPECT_EQ(form.ST_Count->text(), "88");
    // Nothing was written.
    EXPECT_EQ(GetValue(*sim_, kPvid + ".51"), "1");
}

TEST_F(PortVlanInformationTest, SetWritesThePortAndSelectsItAgain)
{
    TVLanPortInfomationForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    ASSERT_TRUE(SelectRow(form.LV_dot1qPortVlanEntry, "53"));
    form.PortVLanID->setText(QStringLiteral("7"));
    form.IngressFiltering->setCurrentText(QStringLiteral("true"));
    form.SetBtnClick();
    ASSERT_TRUE(
        WaitUntil([&] { return !form.TableBinding->Busy && form.LV_dot1qPortVlanEntry->currentItem(); }));
    EXPECT_EQ(GetValue(*sim_, kPvid + ".53"), "7");
    EXPECT_EQ(GetValue(*sim_, "1.3.6.1.2.1.17.7.1.4.5.1.3.53"), "1");
    EXPECT_EQ(GetValue(*sim_, kPvid + ".51"), "1");
    EXPECT_EQ(form.LV_dot1qPortVlanEntry->currentItem()->text(0), "53");
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    Set(*sim_, {kPvid + ".53", "u", "1", "1.3.6.1.2.1.17.7.1.4.5.1.3.53", "i", "2"});
}
