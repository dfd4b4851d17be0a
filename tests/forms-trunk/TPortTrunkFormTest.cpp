// The trunk window against the simulator: switch-wide port numbers, a row's
// master port split into unit and port, trunks created, changed and
// destroyed through the state column, and input the window refuses.
#include "TPortTrunkForm.h"
#include "KtCatalogue.h"
#include "KtException.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarList.h"
#include "TrunkFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace trunk_test;

namespace {

const QString kTrunk = QStringLiteral("1.3.6.1.4.1.47893.11.55.2.2.9.3.1");

struct PortNumberCase
{
    int Unit;
    int Port;
    int Number;
};

TEST(PortNumbers, UnitAndPortToSwitchWideNumber)
{
    const PortNumberCase cases[] = {{15, 7, 7}, {3, 7, 157},  {2, 3, 103},
                                    {15, 3, 3}, {1, 50, 100}, {4, 8, 208}};
    for (const PortNumberCase &c : cases)
        EXPECT_EQ(TPortTrunkForm::PortNumberOf(c.Unit, c.Port), c.Number) << c.Unit << "/" << c.Port;
}

TEST(PortNumbers, SwitchWideNumberToUnitAndPort)
{
    const PortNumberCase cases[] = {{1, 50, 100}, {15, 7, 7}, {15, 50, 50},
                                    {2, 50, 150}, {1, 7, 57}, {1, 1, 51}};
    for (const PortNumberCase &c : cases) {
        int unit = -1;
        int port = -1;
        TPortTrunkForm::UnitPortOf(c.Number, unit, port);
        EXPECT_EQ(unit, c.Unit) << c.Number;
        EXPECT_EQ(port, c.Port) << c.Number;
    }
}

TEST(PortNumbers, TextsThatNameNoPortAreRefused)
{
    const char *refused[][2] = {{"x", "1"}, {"1", ""},  {"15", "0"},   {"1", "51"},  {"13", "1"},
                                {"4", "9"}, {"0", "5"}, {"1", "5abc"}, {"1 5", "1"}, {"0x1", "1"}};
    for (const auto &texts : refused)
        EXPECT_THROW(
            TPortTrunkForm::PortNumberOfTexts(QString::fromLatin1(texts[0]), QString::fromLatin1(texts[1])),
            KtException)
            << texts[0] << "/" << texts[1];
    EXPECT_EQ(TPortTrunkForm::PortNumberOfTexts(QStringLiteral("15"), QStringLiteral("12")), 12);
}

class PortTrunkFormTest : public TrunkSimTest
{
protected:
    void SetUp() override
    {
        TrunkSimTest::SetUp();
        // Each test starts from trunk 1 alone, as the data file has it.
        for (const char *index : {"2", "3", "4", "5", "6"})
            Set(*sim_, {kTrunk + ".7." + index, "i", "6"});
    }

    std::unique_ptr<TPortTrunkForm> Open()
    {
        auto form = std::make_unique<TPortTrunkForm>(nullptr, &state_);
        form->show();
        return form;
    }

    static bool SelectTrunk(TPortTrunkForm &form, const QString &index)
    {
        return SelectRow(form.LV_PortTrunk, index);
    }

    static QStringList Indexes(const TPortTrunkForm &form) { return Captions(form.LV_PortTrunk); }

    QString Column(int column, const QString &index) const
    {
        return GetValue(*sim_, kTrunk + "." + QString::number(column) + "." + index);
    }
};

} // namespace

TEST_F(PortTrunkFormTest, OpensWithTheTableAndAnUnlockedEmptyIndex)
{
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "Port Trunk Table :127.0.0.1");
    EXPECT_EQ(Indexes(*form), QStringList({"1"}));
    EXPECT_TRUE(form->ED_Index->isEnabled());
    EXPECT_TRUE(form->ED_Index->text().isEmpty());
    EXPECT_TRUE(form->UnitEdit->text().isEmpty());
    EXPECT_TRUE(CheckedBoxes(form->PortGrid).isEmpty());
    EXPECT_TRUE(form->ED_MasterPort->isHidden());
    EXPECT_TRUE(form->Combo_State->isHidden());
    EXPECT_EQ(form->Binding->Request.TimeOut, 300);
    EXPECT_FALSE(form->Binding->Asynchronous);
    EXPECT_TRUE(form->StatusPanel0->text().startsWith("Get:")) << form->StatusPanel0->text().toStdString();
}

TEST_F(PortTrunkFormTest, SelectingARowSplitsItsMasterPortAndLocksTheIndex)
{
    struct Case
    {
        const char *Master;
        const char *Unit;
        const char *Port;
    };
    const Case cases[] = {{"51", "1", "1"}, {"100", "1", "50"}, {"7", "15", "7"}, {"157", "3", "7"}};
    for (const Case &c : cases) {
        ASSERT_TRUE(Set(*sim_, {kTrunk + ".3.1", "i", c.Master}).contains("INTEGER"));
        auto form = Open();
        ASSERT_TRUE(SelectTrunk(*form, "1"));
        EXPECT_EQ(form->UnitEdit->text(), c.Unit) << c.Master;
        EXPECT_EQ(form->PortEdit->text(), c.Port) << c.Master;
        EXPECT_EQ(form->ED_Index->text(), "1");
        EXPECT_FALSE(form->ED_Index->isEnabled());
        EXPECT_EQ(form->ComboBox1->currentText(), "enable");
        EXPECT_EQ(form->Combo_Type->currentText(), "static");
        EXPECT_EQ(form->ST_FloodingPort->text(), "51");
        // Unit 1 ports 1 and 2.
        EXPECT_EQ(CheckedBoxes(form->PortGrid), QList<int>({56, 57}));
    }
    Set(*sim_, {kTrunk + ".3.1", "i", "51"});
}

TEST_F(PortTrunkFormTest, AddWritesTheSwitchWideMasterPortAndCreatesTheRow)
{
    struct Case
    {
        const char *Index;
        const char *Unit;
        const char *Port;
        const char *Master;
    };
    const Case cases[] = {{"2", "15", "7", "7"}, {"3", "3", "7", "157"}};
    for (const Case &c : cases) {
        auto form = Open();
        form->ED_Index->setText(c.Index);
        form->UnitEdit->setText(c.Unit);
        form->PortEdit->setText(c.Port);
        form->Combo_Type->setCurrentIndex(1);
        // Unit 3 ports 7 and 8.
        form->PortGrid->PortBoxes[3 * 56 + 6]->setChecked(true);
        form->PortGrid->PortBoxes[3 * 56 + 7]->setChecked(true);
        form->BT_Set->click();
        EXPECT_EQ(Column(3, c.Index), c.Master);
        EXPECT_EQ(Column(7, c.Index), "1") << "createAndGo leaves an active (enabled) trunk";
        EXPECT_EQ(Column(6, c.Index), "3");
        EXPECT_EQ(GetHex(*sim_, kTrunk + ".4." + c.Index), PortListHex({174, 175}));
        // The table is read again after the write.
        EXPECT_TRUE(Indexes(*form).contains(c.Index));
    }
}

TEST_F(PortTrunkFormTest, AddWithAMasterPortThatIsNoNumberSendsNothing)
{
    const char *bad[][2] = {{"", "7"}, {"1", "x"}, {"15", "0"}, {"2", "51"}};
    for (const auto &texts : bad) {
        auto form = Open();
        form->ED_Index->setText("4");
        form->UnitEdit->setText(QString::fromLatin1(texts[0]));
        form->PortEdit->setText(QString::fromLatin1(texts[1]));
        form->BT_Set->click();
        EXPECT_FALSE(form->StatusPanel0->text().isEmpty());
        EXPECT_FALSE(form->StatusPanel0->text().startsWith("Set:"))
            << form->StatusPanel0->text().toStdString();
        EXPECT_TRUE(Column(7, "4").contains("No Such Instance")) << texts[0] << "/" << texts[1];
    }
}

TEST_F(PortTrunkFormTest, SetWithAnEmptyUnitOrPortSaysSoAndSendsNothing)
{
    struct Case
    {
        const char *Unit;
        const char *Port;
        const char *Message;
    };
    const Case cases[] = {{"", "9", "The Unit Edit should not be empty"},
                          {"1", "", "The Port Edit should not be empty"}};
    for (const Case &c : cases) {
        messages_.clear();
        auto form = Open();
        ASSERT_TRUE(SelectTrunk(*form, "1"));
        form->UnitEdit->setText(c.Unit);
        form->PortEdit->setText(c.Port);
        form->ComboBox1->setCurrentIndex(1);
        form->SetBtn->click();
        EXPECT_EQ(messages_, QStringList({c.Message}));
        EXPECT_EQ(Column(3, "1"), "51");
        EXPECT_EQ(Column(7, "1"), "1");
    }
}

TEST_F(PortTrunkFormTest, SetWritesTheStateAndMasterPortOfTheSelectedTrunk)
{
    auto form = Open();
    ASSERT_TRUE(SelectTrunk(*form, "1"));
    form->PortEdit->setText("3");
    form->ComboBox1->setCurrentIndex(1);
    form->SetBtn->click();
    EXPECT_EQ(Column(3, "1"), "53");
    EXPECT_EQ(Column(7, "1"), "2");
    // One read after the write, each row once.
    EXPECT_EQ(Indexes(*form), QStringList({"1"}));
    EXPECT_TRUE(form->ED_Index->isEnabled());
    EXPECT_TRUE(form->ED_Index->text().isEmpty());
    // The new state shows when the row is selected again.
    ASSERT_TRUE(SelectTrunk(*form, "1"));
    EXPECT_EQ(form->ComboBox1->currentText(), "disable");
    EXPECT_EQ(form->PortEdit->text(), "3");

    form->PortEdit->setText("1");
    form->ComboBox1->setCurrentIndex(0);
    form->SetBtn->click();
    EXPECT_EQ(Column(3, "1"), "51");
    EXPECT_EQ(Column(7, "1"), "1");
}

TEST_F(PortTrunkFormTest, DeleteSendsOnlyTheStateAndLeavesEveryColumnAsBefore)
{
    ASSERT_TRUE(Set(*sim_, {kTrunk + ".7.5", "i", "4", kTrunk + ".3.5", "i", "60"}).contains("INTEGER"));
    auto form = Open();
    std::vector<int> before;
    for (int i = 0; i < form->Binding->Request.Vars.Count(); ++i)
        before.push_back(form->Binding->Request.Vars.Get(i).Access);
    ASSERT_TRUE(SelectTrunk(*form, "5"));
    // A master port the agent refuses: were it sent, the whole write would
    // fail and the trunk would stay.
    form->ED_MasterPort->setText("209");
    form->BT_Delete->click();
    EXPECT_TRUE(Column(7, "5").contains("No Such Instance")) << Column(7, "5").toStdString();
    EXPECT_EQ(Indexes(*form), QStringList({"1"}));
    std::vector<int> after;
    for (int i = 0; i < form->Binding->Request.Vars.Count(); ++i)
        after.push_back(form->Binding->Request.Vars.Get(i).Access);
    EXPECT_EQ(after, before);

    // Afterwards the other columns are written again.
    form->ED_Index->setText("6");
    form->UnitEdit->setText("2");
    form->PortEdit->setText("4");
    form->BT_Set->click();
    EXPECT_EQ(Column(3, "6"), "104");
}

TEST_F(PortTrunkFormTest, UnitAndPortEditsTakeDigitsAndBackspaceOnly)
{
    auto form = Open();
    for (QLineEdit *edit : {form->UnitEdit, form->PortEdit}) {
        edit->setFocus();
        QTest::keyClicks(edit, "1a-2 3");
        EXPECT_EQ(edit->text(), "123");
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), "12");
    }
}

TEST_F(PortTrunkFormTest, ClosingSwitchesTheRequestOffAndFreesTheBinding)
{
    auto form = Open();
    form->reject();
    EXPECT_EQ(form->Binding, nullptr);
    form->RefreshClick();
    form->SetClick();
}

TEST_F(PortTrunkFormTest, AddWithAnIndexOutsideOneToSixSendsNothing)
{
    for (const char *index : {"", "0", "7", "x"}) {
        auto form = Open();
        form->ED_Index->setText(index);
        form->UnitEdit->setText("2");
        form->PortEdit->setText("4");
        form->BT_Set->click();
        EXPECT_FALSE(form->StatusPanel0->text().startsWith("Set:"))
            << index << form->StatusPanel0->text().toStdString();
        EXPECT_EQ(Indexes(*form), QStringList({"1"})) << index;
    }
}

// The index names the row written: Add and Set check it before anything is
// sent, also when the box never had the focus, instead of writing under
// instance 0 or another index the agent refuses.
TEST_F(PortTrunkFormTest, AddAndSetCheckTheIndexBeforeWriting)
{
    const QString empty = "Index: " + CommonErr.Text(3);
    const QString range = "Index: " + CommonErr.Text(8).replace("[MIN]", "1").replace("[MAX]", "6");
    const struct
    {
        const char *Index;
        QString Message;
    } cases[] = {{"", empty}, {"x", empty}, {"0", range}, {"7", range}};
    for (const auto &c : cases)
        for (const bool add : {true, false}) {
            SCOPED_TRACE(std::string(c.Index) + (add ? " Add" : " Set"));
            auto form = Open();
            sim_->Sets().Clear();
            form->ED_Index->setText(c.Index);
            form->UnitEdit->setText("2");
            form->PortEdit->setText("4");
            (add ? form->BT_Set : form->SetBtn)->click();
            EXPECT_TRUE(sim_->Sets().Read().empty()) << sim_->Sets().Describe().toStdString();
            EXPECT_EQ(form->StatusPanel0->text(), c.Message);
            EXPECT_EQ(Indexes(*form), QStringList({"1"}));
        }
}

TEST_F(PortTrunkFormTest, DeselectingTheRowReadsTheTableAgainAndUnlocksTheIndex)
{
    auto form = Open();
    ASSERT_TRUE(SelectTrunk(*form, "1"));
    ASSERT_FALSE(form->ED_Index->isEnabled());
    ASSERT_TRUE(Set(*sim_, {kTrunk + ".7.2", "i", "4", kTrunk + ".3.2", "i", "101"}).contains("INTEGER"));
    form->LV_PortTrunk->clearSelection();
    EXPECT_EQ(Indexes(*form), QStringList({"1", "2"}));
    EXPECT_TRUE(form->ED_Index->isEnabled());
    EXPECT_TRUE(form->ED_Index->text().isEmpty());
    EXPECT_TRUE(form->UnitEdit->text().isEmpty());
    EXPECT_TRUE(CheckedBoxes(form->PortGrid).isEmpty());
}
