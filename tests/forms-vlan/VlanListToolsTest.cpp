// The list tools in a dedicated window, the static VLAN table: port lists
// read as unit:port ranges, and Set and Delete after a sort or a filter
// write the VLAN shown selected, whatever stood in its place before.
#include "KtListViewTools.h"
#include "KtSNMPRequest2Edits.h"
#include "TVlanStaticForm.h"
#include "VlanFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vlan_test;

namespace {

const QString kStatic = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1");
constexpr int kVlanId = 0;
constexpr int kEgress = 2;
constexpr int kForbidden = 3;

class VlanListToolsTest : public VlanSimTest
{
protected:
    void SetUp() override
    {
        VlanSimTest::SetUp();
        SetUnits(QgSimStack);
        StartOwnSim();
        // VLANs 20, 3 and 100 after the default VLAN 1; 20 egresses on unit 1 ports 1 and 2.
        ASSERT_TRUE(Set(*own_, {kStatic + ".5.20", "i", "4", kStatic + ".1.20", "s", "twenty",
                                kStatic + ".2.20", "x", Compact(PortListHex({56, 57}))})
                        .contains("INTEGER"));
        for (const char *vlan : {"3", "100"})
            ASSERT_TRUE(Set(*own_, {kStatic + ".5." + vlan, "i", "4"}).contains("INTEGER"));
        own_->Sets().Clear();
    }

    static QString Compact(QString hex) { return hex.remove(' ').remove('\n'); }

    std::unique_ptr<TVlanStaticForm> Open()
    {
        auto form = std::make_unique<TVlanStaticForm>(nullptr, &state_);
        form->show();
        EXPECT_TRUE(WaitIdle(form->TableBinding.get()));
        return form;
    }
    static QTreeWidget *List(const TVlanStaticForm &form) { return form.LV_dot1qVlanStaticEntry; }
    static KtListViewTools *Tools(const TVlanStaticForm &form) { return KtListViewTools::Of(List(form)); }
    static QTreeWidgetItem *Row(const TVlanStaticForm &form, const QString &vlan)
    {
        return List(form)->findItems(vlan, Qt::MatchExactly, kVlanId).value(0);
    }
    static QStringList ShownVlans(const TVlanStaticForm &form)
    {
        QStringList vlans;
        for (int row : Tools(form)->ShownRows())
            vlans << List(form)->topLevelItem(row)->text(kVlanId);
        return vlans;
    }
    static void ClickShownRow(const TVlanStaticForm &form, int n)
    {
        QTreeWidgetItem *item = List(form)->topLevelItem(Tools(form)->ShownRows().value(n));
        List(form)->scrollToItem(item);
        QTest::mouseClick(List(form)->viewport(), Qt::LeftButton, {},
                          QPoint(8, List(form)->visualItemRect(item).center().y()));
    }
    // The OIDs' instances and the bindings of every SET since the last look.
    QStringList Written() const
    {
        EXPECT_TRUE(own_->WaitForSets());
        QStringList written;
        for (const QgSetPdu &pdu : own_->Sets().Read())
            for (const QgSetBinding &binding : pdu.Bindings)
                written << binding.Oid.mid(kStatic.size() + 1) + '=' + binding.Value;
        own_->Sets().Clear();
        return written;
    }
};

} // namespace

TEST_F(VlanListToolsTest, PortListsReadAsUnitPortRangesWithTheValueInTheTip)
{
    auto form = Open();
    const QTreeWidgetItem *vlan1 = Row(*form, "1");
    ASSERT_NE(vlan1, nullptr);
    EXPECT_EQ(vlan1->text(kEgress), "1:1-12, 2:1-26, 3:1-50");
    EXPECT_EQ(vlan1->toolTip(kEgress), Compact(PortListHex({}, true)));
    EXPECT_EQ(vlan1->text(kForbidden), "");
    EXPECT_EQ(Row(*form, "20")->text(kEgress), "1:1-2");
    // The grids still get the value itself.
    ASSERT_TRUE(SelectRow(List(*form), "20"));
    EXPECT_EQ(CheckedBoxes(form->EgressGrid), (QList<int>{56, 57}));
    // The filter finds ports as the cells show them.
    Tools(*form)->SetFilterText("1:1-2");
    EXPECT_EQ(ShownVlans(*form), QStringList{"20"});
}

TEST_F(VlanListToolsTest, SetAndDeleteAfterSortAndFilterWriteTheVlanShownSelected)
{
    auto form = Open();
    ASSERT_EQ(ShownVlans(*form), (QStringList{"1", "3", "20", "100"}));
    ASSERT_TRUE(SelectRow(List(*form), "1"));
    Tools(*form)->SortBy(kVlanId, Qt::DescendingOrder);
    ASSERT_EQ(ShownVlans(*form), (QStringList{"100", "20", "3", "1"}));
    EXPECT_EQ(form->ED_VLANID->text(), "1"); // still the row selected before

    ClickShownRow(*form, 0);
    ASSERT_EQ(form->ED_VLANID->text(), "100");
    form->ED_VLANName->setText("hundred");
    QTest::mouseClick(form->SetBtn, Qt::LeftButton);
    ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
    const QString none = Compact(PortListHex({}));
    EXPECT_EQ(Written(), (QStringList{"1.100=" + QString(QByteArray("hundred").toHex().toUpper()),
                                      "2.100=" + none, "3.100=" + none, "4.100=" + none, "5.100=1"}));
    EXPECT_EQ(ShownVlans(*form), (QStringList{"100", "20", "3", "1"}));

    Tools(*form)->SetFilterText("twenty");
    ASSERT_EQ(ShownVlans(*form), QStringList{"20"});
    ClickShownRow(*form, 0);
    ASSERT_TRUE(form->DeleteBtn->isEnabled());
    QTest::mouseClick(form->DeleteBtn, Qt::LeftButton);
    ASSERT_TRUE(WaitIdle(form->TableBinding.get()));
    EXPECT_EQ(Written(), (QStringList{"1.20=" + QString(QByteArray("twenty").toHex().toUpper()),
                                      "2.20=" + Compact(PortListHex({56, 57})), "3.20=" + none,
                                      "4.20=" + none, "5.20=6"}));
    EXPECT_TRUE(WaitUntil([&] { return !Row(*form, "20"); }));
    Tools(*form)->SetFilterText(QString());
    EXPECT_EQ(ShownVlans(*form), (QStringList{"100", "3", "1"}));
}
