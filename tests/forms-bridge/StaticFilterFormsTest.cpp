// The static filtering windows against the simulator: deleting a unicast
// entry through its status alone, the note about a missing unit list, and
// the multicast window's Refresh that empties its editors.
#include "BridgeFixture.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVar.h"
#include "KtSNMPVarDef.h"
#include "TMulticastFilterInformationForm.h"
#include "TUnicastFilterInformationForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace bridge_test;

namespace {

class StaticFilterFormsTest : public BridgeSimTest
{
};

const QString kUnicast = QStringLiteral("1.3.6.1.2.1.17.7.1.3.1.1");

} // namespace

TEST_F(StaticFilterFormsTest, DeleteSendsOnlyTheInvalidStatusAndReadsTheTableAgain)
{
    const QString instance = QStringLiteral(".1.0.1.2.3.4.5.0");
    TUnicastFilterInformationForm form(nullptr, &state_);
    form.show();
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    EXPECT_EQ(form.windowTitle(), "UnicastFilterInformationForm");
    EXPECT_FALSE(form.SetBtn->isVisible());
    ASSERT_EQ(form.LV_dot1qStaticUnicastEntry->topLevelItemCount(), 2);
    EXPECT_EQ(form.ST_Count->text(), "2");
    form.LV_dot1qStaticUnicastEntry->setCurrentItem(form.LV_dot1qStaticUnicastEntry->topLevelItem(0));
    EXPECT_EQ(CheckedBoxes(form.AllowedGrid), QList<int>({57}));
    // A changed grid plays no part: only the status goes out.
    form.AllowedGrid->PortBoxes[63]->setChecked(true);

    form.DeleteBtnClick();
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    EXPECT_TRUE(GetValue(*sim_, kUnicast + ".4" + instance).contains("No Such Instance"))
        << GetValue(*sim_, kUnicast + ".4" + instance).toStdString();
    EXPECT_EQ(GetValue(*sim_, kUnicast + ".4.1.0.1.2.3.4.6.0"), "3");
    EXPECT_EQ(form.LV_dot1qStaticUnicastEntry->topLevelItemCount(), 1);
    EXPECT_EQ(form.ST_Count->text(), "1");
    EXPECT_EQ(form.TableBinding->Request.Vars.Get(3).Access, int(AccessReadWrite));
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    Set(*sim_, {kUnicast + ".4" + instance, "i", "3"});
}

TEST_F(StaticFilterFormsTest, DeleteWithoutASelectedEntrySendsNothing)
{
    TUnicastFilterInformationForm form(nullptr, &state_);
    form.show();
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    const int rows = form.LV_dot1qStaticUnicastEntry->topLevelItemCount();
    form.DeleteBtnClick();
    EXPECT_FALSE(form.TableBinding->Busy);
    EXPECT_EQ(form.LV_dot1qStaticUnicastEntry->topLevelItemCount(), rows);
}

TEST_F(StaticFilterFormsTest, AnEmptyUnitListIsNotedInTheMemo)
{
    state_.SetUnitRows({});
    // The unit table read the grid asks for finds nothing either.
    state_.ReadUnitTable = nullptr;
    TUnicastFilterInformationForm form(nullptr, &state_);
    EXPECT_TRUE(form.Memo1->toPlainText().contains("no device unit information"));
    ASSERT_TRUE(WaitIdle(form.TableBinding));
}

TEST_F(StaticFilterFormsTest, MulticastRefreshEmptiesTheEditors)
{
    TMulticastFilterInformationForm form(nullptr, &state_);
    form.show();
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    EXPECT_EQ(form.windowTitle(), "MulticastFilterInformationForm");
    ASSERT_EQ(form.LV_dot1qStaticMulticastEntry->topLevelItemCount(), 1);
    form.LV_dot1qStaticMulticastEntry->setCurrentItem(form.LV_dot1qStaticMulticastEntry->topLevelItem(0));
    EXPECT_EQ(form.ED_MulticastVID->text(), "1");
    EXPECT_EQ(CheckedBoxes(form.EgressGrid), QList<int>({56}));
    EXPECT_EQ(form.Status->currentText(), "permanent");
    form.RefreshBtnClick();
    EXPECT_TRUE(form.ED_MulticastVID->text().isEmpty());
    EXPECT_TRUE(form.ED_MACAddress->text().isEmpty());
    EXPECT_TRUE(form.Status->currentText().isEmpty());
    EXPECT_TRUE(CheckedBoxes(form.EgressGrid).isEmpty());
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    EXPECT_EQ(form.ST_Count->text(), "1");
}

TEST_F(StaticFilterFormsTest, ARefusedDeleteIsAStatusLineAndTheListIsReadAgain)
{
    TUnicastFilterInformationForm form(nullptr, &state_);
    form.show();
    ASSERT_TRUE(WaitIdle(form.TableBinding));
    form.LV_dot1qStaticUnicastEntry->setCurrentItem(form.LV_dot1qStaticUnicastEntry->topLevelItem(1));
    // The entry goes away behind the window's back: the agent refuses the
    // write to a row it no longer has.
    Set(*sim_, {kUnicast + ".4.1.0.1.2.3.4.6.0", "i", "2"});
    form.Memo1->clear();
    form.DeleteBtnClick();
    ASSERT_TRUE(WaitUntil([&] { return MemoLines(form) >= 2 && !form.TableBinding->Busy; }));
    EXPECT_TRUE(form.Memo1->toPlainText().startsWith("Set:")) << form.Memo1->toPlainText().toStdString();
    EXPECT_EQ(form.LV_dot1qStaticUnicastEntry->topLevelItemCount(), 1);
    EXPECT_EQ(form.TableBinding->Request.Vars.Get(3).Access, int(AccessReadWrite));
    Set(*sim_, {kUnicast + ".3.1.0.1.2.3.4.6.0", "x",
                QString(QStringLiteral("00")).repeated(7) + "20" + QString(QStringLiteral("00")).repeated(83),
                kUnicast + ".4.1.0.1.2.3.4.6.0", "i", "3"});
}
