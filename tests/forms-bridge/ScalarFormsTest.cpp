// The scalar bridge windows against the simulator: what they show after
// opening, and Set writing the one writable object of each.
#include "BridgeFixture.h"
#include "KtSNMPRequest2Edits.h"
#include "TPBridgeConfigForm.h"
#include "TVLanGeneralInfoForm.h"

#include <QComboBox>
#include <QLabel>

using namespace bridge_test;

namespace {

class ScalarFormsTest : public BridgeSimTest
{
};

const QString kTrafficClasses = QStringLiteral("1.3.6.1.2.1.17.6.1.1.2.0");
const QString kGvrpStatus = QStringLiteral("1.3.6.1.2.1.17.7.1.1.5.0");

} // namespace

TEST_F(ScalarFormsTest, PBridgeShowsCapabilitiesAndWritesTrafficClasses)
{
    Set(*sim_, {kTrafficClasses, "i", "1"});
    TPBridgeConfigForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.CapabilitiesBinding));
    ASSERT_TRUE(WaitIdle(form.TrafficClassesBinding));
    EXPECT_EQ(form.windowTitle(), "802.1P Basic Configure");
    EXPECT_FALSE(form.Edit_DeviceCapabilities->text().isEmpty());
    EXPECT_EQ(form.TrafficClassesState->currentText(), "true");
    EXPECT_FALSE(form.GmrpStatus->isVisible());

    form.TrafficClassesState->setCurrentText(QStringLiteral("false"));
    form.SetBtnClick();
    ASSERT_TRUE(WaitIdle(form.TrafficClassesBinding));
    EXPECT_EQ(GetValue(*sim_, kTrafficClasses), "2");
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
}

TEST_F(ScalarFormsTest, QBridgeShowsLimitsAndWritesGvrpStatus)
{
    Set(*sim_, {kGvrpStatus, "i", "2"});
    TVLanGeneralInfoForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.ScalarBinding));
    EXPECT_EQ(form.windowTitle(), "802.1Q Basic Configure");
    EXPECT_EQ(form.MaxVlanId->text(), "4094");
    EXPECT_EQ(form.MaxSupportedVlans->text(), "256");
    EXPECT_EQ(form.GvrpStatus->currentText(), "disabled");

    form.GvrpStatus->setCurrentText(QStringLiteral("enabled"));
    form.SetBtnClick();
    ASSERT_TRUE(WaitIdle(form.ScalarBinding));
    EXPECT_EQ(GetValue(*sim_, kGvrpStatus), "1");
    Set(*sim_, {kGvrpStatus, "i", "2"});
}

TEST_F(ScalarFormsTest, AFailedReadIsAStatusLineAndTheWindowStaysUsable)
{
    KtSNMPDefaults.Security.ReadCommunity = QStringLiteral("wrong");
    KtSNMPDefaults.TimeOut = 30;
    TVLanGeneralInfoForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.ScalarBinding));
    EXPECT_GE(MemoLines(form), 1);
    EXPECT_TRUE(form.MaxVlanId->text().isEmpty());
    form.ScalarBinding->Request.Security.ReadCommunity = QStringLiteral("public");
    form.RefreshBtnClick();
    ASSERT_TRUE(WaitIdle(form.ScalarBinding));
    EXPECT_EQ(form.MaxVlanId->text(), "4094");
}
