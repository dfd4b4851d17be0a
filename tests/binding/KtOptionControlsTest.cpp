// The combo boxes and radio groups that show an enumeration.
#include "KtOptionControls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <gtest/gtest.h>

namespace {

constexpr KtOptionDef FdbStatusPairs[] = {{1, "other"}, {2, "invalid"}, {3, "learned"},
                                          {4, "self"},  {5, "mgmt"},    {}};
const KtOptionList FdbStatus(FdbStatusPairs);

TEST(KtOptionControls, ComboBoxSelectsByNameThenByValue)
{
    QComboBox combo;
    combo.addItem("stale");
    KtOptionControls::FillItems(FdbStatus, &combo);
    ASSERT_EQ(combo.count(), 5);
    EXPECT_EQ(combo.itemText(0), "other");
    // No choice until a value is shown: nothing read, nothing to write.
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_TRUE(combo.currentText().isEmpty());

    KtOptionControls::Select(FdbStatus, &combo, "2"); // no name equals 2, the value 2 does
    EXPECT_EQ(combo.currentText(), "invalid");
    KtOptionControls::Select(FdbStatus, &combo, "Self");
    EXPECT_EQ(combo.currentIndex(), 3);
    KtOptionControls::Select(FdbStatus, &combo, "9");
    EXPECT_EQ(combo.currentIndex(), -1);
}

TEST(KtOptionControls, RadioGroupButtonsFollowTheEntries)
{
    QGroupBox box;
    KtOptionControls::FillItems(FdbStatus, &box);
    KtOptionControls::FillItems(FdbStatus, &box); // refilling replaces the buttons
    auto *group = box.findChild<QButtonGroup *>();
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->buttons().size(), 5);

    KtOptionControls::Select(FdbStatus, &box, "4");
    EXPECT_EQ(group->checkedId(), 3);
    EXPECT_EQ(group->checkedButton()->text(), "self");
    KtOptionControls::Select(FdbStatus, &box, "(NULL)");
    EXPECT_EQ(group->checkedId(), -1);
}

} // namespace
