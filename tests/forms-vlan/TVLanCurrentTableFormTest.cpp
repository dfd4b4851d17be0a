// The current VLAN window against the simulator: the first read, a selected
// row on the grids, refreshing after the static table changed, and closing
// while a read is still on its way.
#include "TVLanCurrentTableForm.h"
#include "KtSNMPRequest2Edits.h"
#include "VlanFixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace vlan_test;

namespace {

const QString kStatic = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1");
const QString kDeletes = QStringLiteral("1.3.6.1.2.1.17.7.1.4.1.0");

class VlanCurrentTableFormTest : public VlanSimTest
{
protected:
    void SetUp() override
    {
        VlanSimTest::SetUp();
        SetUnits({{"1", "12", "QG2312"}, {"2", "26", "QF1824"}, {"3", "50", "QL2448"}});
    }

    std::unique_ptr<TVLanCurrentTableForm> Open()
    {
        auto form = std::make_unique<TVLanCurrentTableForm>(nullptr, &state_);
        form->show();
        EXPECT_TRUE(WaitIdle(form->TableBinding.get()));
        EXPECT_TRUE(WaitIdle(form->DeletesBinding.get()));
        return form;
    }

    // The VLAN index column of every row.
    static QStringList VlanIndexes(const TVLanCurrentTableForm &form)
    {
        QStringList indexes;
        for (int row = 0; row < form.LV_dot1qVlanCurrentEntry->topLevelItemCount(); ++row)
            indexes << form.LV_dot1qVlanCurrentEntry->topLevelItem(row)->text(1);
        return indexes;
    }
};

} // namespace

TEST_F(VlanCurrentTableFormTest, OpensWithTheCurrentTableAndTheDeleteCount)
{
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "VLAN Current Table");
    EXPECT_EQ(VlanIndexes(*form), QStringList({"1"}));
    EXPECT_EQ(form->ST_Count2->text(), "1");
    EXPECT_EQ(form->VlanNumDeletes->text(), GetValue(*sim_, kDeletes));
    EXPECT_TRUE(form->StaticText1->text().isEmpty());
    EXPECT_TRUE(form->SetBtn->isHidden());
    // Columns without a control are in the list all the same.
    EXPECT_EQ(form->LV_dot1qVlanCurrentEntry->columnCount(), 7);
    EXPECT_EQ(form->LV_dot1qVlanCurrentEntry->topLevelItem(0)->text(5), "permanent");
    EXPECT_EQ(form->PortPageControl->tabText(0), "Egress Port");
    EXPECT_EQ(form->PortPageControl->tabText(1), "Untagged Port");
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
}

TEST_F(VlanCurrentTableFormTest, ASelectedRowShowsItsIndexAndPortsAndDeselectingClearsThem)
{
    ASSERT_TRUE(Set(*sim_, {kStatic + ".5.50", "i", "4", kStatic + ".2.50", "x",
                            PortListHex({56, 120, 217}).remove(' '), kStatic + ".4.50", "x",
                            PortListHex({120}).remove(' ')})
                    .contains("INTEGER"));
    auto form = Open();
    const QList<QTreeWidgetItem *> rows =
        form->LV_dot1qVlanCurrentEntry->findItems(QStringLiteral("50"), Qt::MatchExactly, 1);
    ASSERT_EQ(rows.size(), 1);
    form->LV_dot1qVlanCurrentEntry->setCurrentItem(rows.first());
    EXPECT_EQ(form->StaticText1->text(), "50");
    EXPECT_EQ(CheckedBoxes(form->EgressGrid), QList<int>({56, 120, 217}));
    EXPECT_EQ(CheckedBoxes(form->UntaggedGrid), QList<int>({120}));

    form->LV_dot1qVlanCurrentEntry->clearSelection();
    EXPECT_TRUE(form->StaticText1->text().isEmpty());
    EXPECT_TRUE(CheckedBoxes(form->EgressGrid).isEmpty());
    EXPECT_TRUE(CheckedBoxes(form->UntaggedGrid).isEmpty());
    Set(*sim_, {kStatic + ".5.50", "i", "6"});
}

TEST_F(VlanCurrentTableFormTest, RefreshShowsVlansCreatedAndDestroyedSinceTheWindowOpened)
{
    auto form = Open();
    const int deletes = form->VlanNumDeletes->text().toInt();
    ASSERT_TRUE(Set(*sim_, {kStatic + ".5.60", "i", "4"}).contains("INTEGER"));
    form->RefreshBtnClick();
    ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
    EXPECT_EQ(VlanIndexes(*form), QStringList({"1", "60"}));
    EXPECT_EQ(form->ST_Count2->text(), "2");

    form->LV_dot1qVlanCurrentEntry->setCurrentItem(form->LV_dot1qVlanCurrentEntry->topLevelItem(1));
    ASSERT_EQ(form->StaticText1->text(), "60");
    ASSERT_TRUE(Set(*sim_, {kStatic + ".5.60", "i", "6"}).contains("INTEGER"));
    QTest::mouseClick(form->RefreshBtn, Qt::LeftButton);
    ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
    ASSERT_TRUE(WaitIdle(form->DeletesBinding.get()));
    EXPECT_EQ(VlanIndexes(*form), QStringList({"1"}));
    EXPECT_EQ(form->ST_Count2->text(), "1");
    EXPECT_EQ(form->VlanNumDeletes->text().toInt(), deletes + 1);
    EXPECT_TRUE(form->StaticText1->text().isEmpty());
    EXPECT_TRUE(CheckedBoxes(form->EgressGrid).isEmpty());
}

// A switch that answers late: the window closes with its reads on the way.
class VlanCurrentTableSlowTest : public VlanCurrentTableFormTest
{
protected:
    static void SetUpTestSuite() { StartSim({"--static-leds", "--delay-ms", "150"}); }
};

TEST_F(VlanCurrentTableSlowTest, ClosingWhileReadingLetsNoAnswerReachTheWindow)
{
    KtSNMPDefaults.TimeOut = 100;
    auto form = std::make_unique<TVLanCurrentTableForm>(nullptr, &state_);
    form->show();
    ASSERT_TRUE(form->TableBinding->Busy);
    form->done(QDialog::Rejected);
    EXPECT_FALSE(form->TableBinding);
    EXPECT_FALSE(form->DeletesBinding);
    // The answer already on its way when the window closed is the last one.
    EXPECT_LE(form->LV_dot1qVlanCurrentEntry->topLevelItemCount(), 1);
    // Closing waited for the answers on their way; what they queued runs now
    // and finds nothing to write into.
    form.reset();
    RunQueuedEvents();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
}
