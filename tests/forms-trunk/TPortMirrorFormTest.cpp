// The mirror window against the simulator: the target port split into unit
// and port, the status check box, the two source grids, and writes with
// empty grids or a target that names no port.
#include "TPortMirrorForm.h"
#include "KtSNMPRequest2Edits.h"
#include "TrunkFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace trunk_test;

namespace {

const QString kMirror = QStringLiteral("1.3.6.1.4.1.47893.11.55.2.2.10");

class PortMirrorFormTest : public TrunkSimTest
{
protected:
    void SetUp() override
    {
        TrunkSimTest::SetUp();
        Reset();
    }
    void TearDown() override
    {
        Reset();
        TrunkSimTest::TearDown();
    }

    static void Reset()
    {
        const QString zeros = PortListHex({}).remove(QLatin1Char(' '));
        Set(*sim_, {kMirror + ".1.0", "i", "0", kMirror + ".2.0", "x", zeros, kMirror + ".3.0", "x", zeros,
                    kMirror + ".4.0", "i", "2"});
    }

    std::unique_ptr<TPortMirrorForm> Open()
    {
        auto form = std::make_unique<TPortMirrorForm>(nullptr, &state_);
        form->show();
        return form;
    }
};

} // namespace

TEST_F(PortMirrorFormTest, OpensWithTheCaptionAndTheFourScalars)
{
    Set(*sim_, {kMirror + ".1.0", "i", "157", kMirror + ".2.0", "x", PortListHex({56, 57}).remove(' '),
                kMirror + ".3.0", "x", PortListHex({170}).remove(' ')});
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "Port Mirror Table:127.0.0.1");
    EXPECT_EQ(form->UnitEdit->text(), "3");
    EXPECT_EQ(form->PortEdit->text(), "7");
    EXPECT_EQ(CheckedBoxes(form->IngressGrid), QList<int>({56, 57}));
    EXPECT_EQ(CheckedBoxes(form->EgressGrid), QList<int>({170}));
    EXPECT_FALSE(form->Binding->Asynchronous);
    EXPECT_TRUE(form->StatusPanel0->text().startsWith("Get:")) << form->StatusPanel0->text().toStdString();
}

TEST_F(PortMirrorFormTest, TheTargetPortIsSplitIntoUnitAndPortAfterEveryGet)
{
    struct Case
    {
        const char *Target;
        const char *Unit;
        const char *Port;
    };
    const Case cases[] = {
        {"7", "15", "7"}, {"50", "15", "50"}, {"100", "1", "50"}, {"150", "2", "50"}, {"0", "", ""}};
    auto form = Open();
    for (const Case &c : cases) {
        Set(*sim_, {kMirror + ".1.0", "i", c.Target});
        form->BT_Refresh->click();
        EXPECT_EQ(form->UnitEdit->text(), c.Unit) << c.Target;
        EXPECT_EQ(form->PortEdit->text(), c.Port) << c.Target;
    }
}

TEST_F(PortMirrorFormTest, TheStatusCheckBoxFollowsTheState)
{
    auto form = Open();
    const struct
    {
        const char *State;
        bool Checked;
    } cases[] = {{"3", true}, {"2", false}};
    for (const auto &c : cases) {
        Set(*sim_, {kMirror + ".4.0", "i", c.State});
        form->BT_Refresh->click();
        EXPECT_EQ(form->CK_Status->isChecked(), c.Checked) << c.State;
    }
    for (bool checked : {true, false}) {
        form->UnitEdit->setText("1");
        form->PortEdit->setText("2");
        form->CK_Status->setChecked(checked);
        form->BT_Set->click();
        EXPECT_EQ(GetValue(*sim_, kMirror + ".4.0"), checked ? "3" : "2");
    }
}

TEST_F(PortMirrorFormTest, SetWritesTheTargetPortAndBothGrids)
{
    auto form = Open();
    form->UnitEdit->setText("2");
    form->PortEdit->setText("5");
    form->IngressGrid->PortBoxes[56]->setChecked(true);
    form->EgressGrid->PortBoxes[2 * 56 + 3]->setChecked(true);
    form->CK_Status->setChecked(true);
    form->BT_Set->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    EXPECT_EQ(GetValue(*sim_, kMirror + ".1.0"), "105");
    EXPECT_EQ(GetHex(*sim_, kMirror + ".2.0"), PortListHex({56}));
    EXPECT_EQ(GetHex(*sim_, kMirror + ".3.0"), PortListHex({115}));
    EXPECT_EQ(GetValue(*sim_, kMirror + ".4.0"), "3");
}

TEST_F(PortMirrorFormTest, SetWithBothGridsEmptyWarnsAndStillWrites)
{
    auto form = Open();
    form->UnitEdit->setText("15");
    form->PortEdit->setText("9");
    form->CK_Status->setChecked(true);
    form->BT_Set->click();
    EXPECT_EQ(messages_, QStringList({"Ingress Ports and Egress Ports can not be empty."}));
    EXPECT_EQ(GetValue(*sim_, kMirror + ".1.0"), "9");
    EXPECT_EQ(GetValue(*sim_, kMirror + ".4.0"), "3");
}

// A refused write reads as one: "Set:", the field and what it takes.
TEST_F(PortMirrorFormTest, SetWithATargetThatNamesNoPortSendsNothing)
{
    struct Case
    {
        const char *Unit;
        const char *Port;
        const char *Status;
    };
    const Case bad[] = {
        {"", "", "Set: Unit: '' is not a whole number from 1 to 15."},
        {"15", "0", "Set: Port: '0' is not a whole number from 1 to 50."},
        {"1", "77", "Set: Port: '77' is not a whole number from 1 to 50."},
        {"0", "5", "Set: Unit: '0' is not a whole number from 1 to 15."},
        {"14", "1", "Set: Unit 14 Port 1 is no port of the switch"},
    };
    sim_->Sets().Clear();
    for (const Case &texts : bad) {
        auto form = Open();
        form->UnitEdit->setText(QString::fromLatin1(texts.Unit));
        form->PortEdit->setText(QString::fromLatin1(texts.Port));
        form->CK_Status->setChecked(true);
        form->IngressGrid->PortBoxes[56]->setChecked(true);
        form->BT_Set->click();
        EXPECT_TRUE(form->StatusPanel0->text().startsWith(QString::fromLatin1(texts.Status)))
            << form->StatusPanel0->text().toStdString();
        ASSERT_TRUE(sim_->WaitForSets());
        EXPECT_TRUE(sim_->Sets().Read().empty()) << sim_->Sets().Describe().toStdString();
        EXPECT_EQ(GetValue(*sim_, kMirror + ".4.0"), "2") << texts.Unit << "/" << texts.Port;
        EXPECT_EQ(GetValue(*sim_, kMirror + ".1.0"), "0");
    }
}

TEST_F(PortMirrorFormTest, UnitAndPortEditsTakeDigitsOnly)
{
    auto form = Open();
    for (QLineEdit *edit : {form->UnitEdit, form->PortEdit}) {
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, "1a-2 3");
        EXPECT_EQ(edit->text(), "123");
        // Backspace is dropped as well.
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), "123");
    }
}

TEST_F(PortMirrorFormTest, RefreshShowsTheTargetReadEvenWhenItHasNotChanged)
{
    Set(*sim_, {kMirror + ".1.0", "i", "57"});
    auto form = Open();
    form->UnitEdit->setText("9");
    form->PortEdit->setText("9");
    form->BT_Refresh->click();
    EXPECT_EQ(form->UnitEdit->text(), "1");
    EXPECT_EQ(form->PortEdit->text(), "7");
}

TEST_F(PortMirrorFormTest, BothGridsShowWholeUnitPagesWithoutScrollBars)
{
    // With the unit list known, and with it read from the switch while the
    // window is being built (the window then lays out before its grids are full).
    for (const bool known : {true, false}) {
        SCOPED_TRACE(known);
        if (!known)
            state_.SetUnitRows({});
        auto form = Open();
        QCoreApplication::processEvents();
        for (TStackingPortUitForm *grid : {form->IngressGrid, form->EgressGrid}) {
            // The twelfth box closes the first row of every page.
            for (int page = 0; page < 3; ++page)
                ExpectWholeUnitPage(grid, page, {page * TStackingPortUitForm::PortsPerUnit + 11});
        }
    }
}
