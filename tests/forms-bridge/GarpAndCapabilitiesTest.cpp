// The GARP and port-capability windows against the simulator: their tables,
// and the ready flags that keep a Refresh from starting beside a read still
// running in either window.
#include "BridgeFixture.h"
#include "KtSNMPRequest2Edits.h"
#include "TGARPForm.h"
#include "TPortCapabilities8021dForm.h"

#include <QLineEdit>

using namespace bridge_test;

namespace {

class GarpAndCapabilitiesTest : public BridgeSimTest
{
};

} // namespace

TEST_F(GarpAndCapabilitiesTest, BothWindowsListEveryBridgePortAndFreeTheFlags)
{
    {
        TGARPForm garp;
        garp.show();
        EXPECT_FALSE(TBridgeInfoForm::RefreshIdle);
        ASSERT_TRUE(WaitIdle(garp.TableBinding));
        EXPECT_EQ(garp.windowTitle(), "GARP Form");
        EXPECT_EQ(Captions(garp.LV_dot1dPortGarpEntry), StackBridgePorts());
        EXPECT_EQ(garp.ST_Count->text(), "88");
        EXPECT_FALSE(garp.TimerPanel->isVisible());
        EXPECT_FALSE(garp.SetBtn->isVisible());
        EXPECT_TRUE(TBridgeInfoForm::RefreshIdle && TBridgeInfoForm::SetIdle);
    }
    TPortCapabilities8021dForm capabilities;
    capabilities.show();
    ASSERT_TRUE(WaitIdle(capabilities.TableBinding));
    EXPECT_EQ(capabilities.windowTitle(), "Port Capability Form");
    EXPECT_EQ(Captions(capabilities.LV_dot1dPortCapabilitiesEntry), StackBridgePorts());
    EXPECT_TRUE(TBridgeInfoForm::RefreshIdle && TBridgeInfoForm::SetIdle);
}

// A Refresh while a read runs starts nothing: the memo gets only the one
// status line of the read already under way.
TEST_F(GarpAndCapabilitiesTest, RefreshWhileAReadRunsDoesNothingSilently)
{
    struct Case
    {
        const char *name;
        bool readInOtherWindow;
    };
    for (const Case &c : {Case{"own read", false}, Case{"port-capability read", true}}) {
        SCOPED_TRACE(c.name);
        TBridgeInfoForm::ResetReadyFlags();
        TGARPForm garp;
        garp.show();
        std::unique_ptr<TPortCapabilities8021dForm> other;
        if (c.readInOtherWindow) {
            ASSERT_TRUE(WaitIdle(garp.TableBinding));
            garp.Memo1->clear();
            other = std::make_unique<TPortCapabilities8021dForm>();
            other->show();
            ASSERT_TRUE(other->TableBinding->Busy);
        } else {
            ASSERT_TRUE(garp.TableBinding->Busy);
        }
        garp.RefreshBtnClick();
        if (other) {
            ASSERT_TRUE(WaitIdle(other->TableBinding));
        }
        ASSERT_TRUE(WaitIdle(garp.TableBinding));
        RunQueuedEvents();
        EXPECT_EQ(MemoLines(garp), c.readInOtherWindow ? 0 : 1) << garp.Memo1->toPlainText().toStdString();
        EXPECT_EQ(garp.ST_Count->text(), "88");
        EXPECT_TRUE(messages_.isEmpty());
        EXPECT_TRUE(TBridgeInfoForm::RefreshIdle && TBridgeInfoForm::SetIdle);
        // With the flags free again, Refresh reads.
        garp.RefreshBtnClick();
        EXPECT_TRUE(garp.TableBinding->Busy);
        ASSERT_TRUE(WaitIdle(garp.TableBinding));
    }
}

TEST_F(GarpAndCapabilitiesTest, AFailedReadFreesTheFlagsForTheNextOne)
{
    KtSNMPDefaults.Security.ReadCommunity = QStringLiteral("wrong");
    KtSNMPDefaults.TimeOut = 30;
    TGARPForm garp;
    garp.show();
    ASSERT_TRUE(WaitIdle(garp.TableBinding));
    EXPECT_GE(MemoLines(garp), 1);
    EXPECT_TRUE(TBridgeInfoForm::RefreshIdle && TBridgeInfoForm::SetIdle);
    garp.TableBinding->Request.Security.ReadCommunity = QStringLiteral("public");
    garp.RefreshBtnClick();
    ASSERT_TRUE(WaitIdle(garp.TableBinding));
    EXPECT_EQ(garp.ST_Count->text(), "88");
}

TEST_F(GarpAndCapabilitiesTest, TheHiddenSetWritesTheSelectedPortsTimers)
{
    const QString join2 = QStringLiteral("1.3.6.1.2.1.17.6.1.3.1.1.1.52");
    TGARPForm garp;
    garp.show();
    ASSERT_TRUE(WaitIdle(garp.TableBinding));
    ASSERT_TRUE(SelectRow(garp.LV_dot1dPortGarpEntry, "52"));
    garp.GarpJoinTime->setText(QStringLiteral("35"));
    garp.SetBtnClick();
    ASSERT_TRUE(WaitUntil([&] { return TBridgeInfoForm::RefreshIdle && TBridgeInfoForm::SetIdle; }));
    ASSERT_TRUE(WaitIdle(garp.TableBinding));
    EXPECT_EQ(GetValue(*sim_, join2), "35");
    Set(*sim_, {join2, "i", "20"});
}
