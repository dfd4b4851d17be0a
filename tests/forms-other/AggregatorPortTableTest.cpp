// The aggregator port table: rows counted in the samples label, the four
// LACP state octets of the selected row as check boxes, and Refresh.
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "QgSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TAggregatorPortTableForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class AggregatorPortTableTest : public QgSimSuite
{
protected:
    // The captions of the checked boxes on one page (0 to 3).
    static QStringList Checked(const TAggregatorPortTableForm &form, int page)
    {
        QStringList names;
        for (QCheckBox *box : form.StateCheckBoxes().mid(page * 8, 8))
            if (box->isChecked())
                names << box->text();
        return names;
    }
    static bool AllEnabledAndClear(const TAggregatorPortTableForm &form)
    {
        for (QCheckBox *box : form.StateCheckBoxes())
            if (!box->isEnabled() || box->isChecked())
                return false;
        return true;
    }
};

TEST_F(AggregatorPortTableTest, SelectingARowShowsItsFourStateOctets)
{
    TAggregatorPortTableForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    ASSERT_EQ(form.ListView1->topLevelItemCount(), 3);
    EXPECT_EQ(form.StaticText1->text(), "3");
    EXPECT_TRUE(AllEnabledAndClear(form));
    ASSERT_EQ(form.findChild<QCheckBox *>("CheckBox32"), form.StateCheckBoxes().last());

    const QStringList all = {"lacpActivity", "lacpTimeout",  "aggregation", "synchronisation",
                             "collecting",   "distributing", "defaulted",   "expired"};
    const struct
    {
        int row;
        QList<QStringList> pages;
    } cases[] = {
        // 0x80, 0xBC, 0x01, 0x3D
        {0,
         {{"lacpActivity"},
          {"lacpActivity", "aggregation", "synchronisation", "collecting", "distributing"},
          {"expired"},
          {"aggregation", "synchronisation", "collecting", "distributing", "expired"}}},
        // 0xC0, 0x00, 0xFF, 0x02
        {1, {{"lacpActivity", "lacpTimeout"}, {}, all, {"defaulted"}}},
        {2, {{}, {}, {}, {}}},
    };
    for (const auto &test : cases) {
        form.ListView1->setCurrentItem(form.ListView1->topLevelItem(test.row));
        for (int page = 0; page < 4; ++page)
            EXPECT_EQ(Checked(form, page), test.pages[page]) << "row " << test.row << " page " << page;
    }
}

TEST_F(AggregatorPortTableTest, RefreshClearsTheBoxesAndCountsTheRowsAgain)
{
    TAggregatorPortTableForm form;
    form.show();
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    form.ListView1->setCurrentItem(form.ListView1->topLevelItem(1));
    ASSERT_FALSE(Checked(form, 2).isEmpty());
    form.StaticText1->clear();

    form.GetBtn->click();
    for (QCheckBox *box : form.StateCheckBoxes())
        EXPECT_FALSE(box->isChecked());
    ASSERT_TRUE(WaitIdle(form.Binding.get()));
    EXPECT_TRUE(AllEnabledAndClear(form));
    EXPECT_EQ(form.StaticText1->text(), "3");
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 3);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
}

TEST_F(AggregatorPortTableTest, ClosingDuringAWalkLetsItEndFirst)
{
    auto *form = new TAggregatorPortTableForm;
    form->show();
    ASSERT_TRUE(form->Binding->Busy);
    form->reject();
    EXPECT_EQ(form->Binding, nullptr);
    delete form;
    QCoreApplication::processEvents();
}

} // namespace
