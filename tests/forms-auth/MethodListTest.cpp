// The login and enable method-list windows against the simulator: which
// lists are refused, which columns a write carries, and what Delete leaves.
#include "AuthFixture.h"
#include "KtAuthRules.h"
#include "TEnableMethodForm.h"
#include "TLoginMethodListForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

using namespace auth_test;

namespace {

const QString kLogin = QStringLiteral("1.3.6.1.4.1.47893.12.5.3.1.");
const QString kEnable = QStringLiteral("1.3.6.1.4.1.47893.12.5.4.1.");

// Type items.
constexpr int kTacacs = 0;
constexpr int kTacacsPlus = 2;
constexpr int kRadius = 3;
constexpr int kServerGroup = 4;
constexpr int kLocal = 5;
constexpr int kNone = 6;

TEST(AuthRulesTest, MethodOrderRules)
{
    const struct
    {
        KtAuthRules::MethodItems items;
        KtAuthRules::MethodChecks checked;
        bool distinct;
        bool nothingAfterLocal;
    } cases[] = {
        {{kTacacs, kLocal, kRadius, kNone}, {true, true, true, false}, true, false},
        {{kTacacs, kLocal, kRadius, kNone}, {true, true, false, false}, true, true},
        {{kTacacs, kNone, kNone, kNone}, {true, true, false, false}, true, true},
        {{kNone, kTacacs, kTacacs, kNone}, {true, false, false, false}, true, true},
        {{kNone, kTacacs, kTacacs, kNone}, {true, false, false, true}, false, false},
        {{kRadius, kTacacs, kRadius, kLocal}, {true, true, true, true}, false, true},
        {{kRadius, kTacacs, kRadius, kLocal}, {false, true, true, true}, true, true},
        {{kServerGroup, kServerGroup, kLocal, kNone}, {true, true, false, false}, false, true},
        {{kRadius, kRadius, kRadius, kRadius}, {false, false, false, false}, true, true},
    };
    for (const auto &test : cases) {
        EXPECT_EQ(KtAuthRules::DistinctMethods(test.items, test.checked), test.distinct);
        EXPECT_EQ(KtAuthRules::NothingAfterLocal(test.items, test.checked), test.nothingAfterLocal);
    }
}

TEST(AuthRulesTest, BuiltInNames)
{
    for (const char *name : {"default", "DEFAULT", "Default"})
        EXPECT_TRUE(KtAuthRules::IsDefaultMethodList(name)) << name;
    for (const char *name : {"", "default1", "defaul", "console"})
        EXPECT_FALSE(KtAuthRules::IsDefaultMethodList(name)) << name;
    for (const char *name : {"tacacs", "XTACACS", "TACACS+", "Tacacs-Plus", "radius"})
        EXPECT_TRUE(KtAuthRules::IsDefaultServerGroup(name)) << name;
    for (const char *name : {"", "rad", "tacacs ", "radius2"})
        EXPECT_FALSE(KtAuthRules::IsDefaultServerGroup(name)) << name;
}

TEST(AuthRulesTest, AddressTexts)
{
    for (const char *text : {"0.0.0.0", "10.1.1.2", "255.255.255.255", "192.168.001.1"})
        EXPECT_TRUE(KtAuthRules::IsAddressText(text)) << text;
    for (const char *text : {"", "300.1.2.3", "1.2.3", "1.2.3.4.5", "1..2.3", "a.b.c.d", "1.2.3.-4",
                             " 1.2.3.4", "1.2.3.4 ", "1000.1.1.1"})
        EXPECT_FALSE(KtAuthRules::IsAddressText(text)) << text;
}

class MethodListTest : public AuthTest
{
protected:
    // Fills the editors for a new list; methods as {item, checked}.
    static void Prepare(TAuthMethodListForm &form, const QString &name,
                        std::initializer_list<std::pair<int, bool>> methods)
    {
        form.NameEdit->setText(name);
        int k = 1;
        for (const auto &[item, checked] : methods) {
            form.TypeCombo[k - 1]->setCurrentIndex(item);
            form.BoxOf(TAuthMethodListForm::TypeColumn(k))->setChecked(checked);
            ++k;
        }
        form.RowComboBox->setCurrentIndex(TAuthMethodListForm::CreateAndGoItem);
        form.BoxOf(TAuthMethodListForm::ColumnRowStatus)->setChecked(true);
    }
};

TEST_F(MethodListTest, BothWindowsNameTheirControlsAndReadTheirTables)
{
    {
        TLoginMethodListForm form;
        form.show();
        EXPECT_EQ(form.windowTitle(), "Login Method List");
        EXPECT_EQ(Captions(form.ListView1), (QStringList{"console", "default"}));
        EXPECT_EQ(form.StaticText1->text(), "2");
        EXPECT_EQ(form.NameEdit->objectName(), "ListnameEdit");
        EXPECT_EQ(form.TypeCombo[0]->objectName(), "ComboBoxType1");
        EXPECT_EQ(form.BoxOf(1)->objectName(), "CheckBox0");
        EXPECT_EQ(form.BoxOf(9)->objectName(), "CheckBox8");
        EXPECT_EQ(form.TypeCombo[0]->count(), 7);
        EXPECT_EQ(form.TypeCombo[0]->itemText(kLocal), "local");
    }
    {
        TEnableMethodForm form;
        form.show();
        EXPECT_EQ(form.windowTitle(), "Enable Method List");
        EXPECT_EQ(Captions(form.ListView1), QStringList{"default"});
        EXPECT_EQ(form.NameEdit->objectName(), "NameEdit");
        EXPECT_EQ(form.GroupEdit[3]->objectName(), "ServerGroupEdit4");
        EXPECT_EQ(form.BoxOf(1)->objectName(), "CheckBox1");
        EXPECT_EQ(form.BoxOf(9)->objectName(), "CheckBox9");
        EXPECT_EQ(form.TypeCombo[0]->itemText(kLocal), "local-enable");
    }
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
}

TEST_F(MethodListTest, RowClicksSwitchButtonsAndGroupFieldsFollowTheType)
{
    TLoginMethodListForm form;
    form.show();
    EXPECT_FALSE(form.EditButton->isEnabled());
    EXPECT_FALSE(form.DeleteButton->isEnabled());
    EXPECT_TRUE(form.AddButton->isEnabled());
    EXPECT_TRUE(form.NameEdit->isEnabled());

    Select(form.ListView1, "console");
    EXPECT_TRUE(form.EditButton->isEnabled());
    EXPECT_TRUE(form.DeleteButton->isEnabled());
    EXPECT_FALSE(form.AddButton->isEnabled());
    EXPECT_FALSE(form.NameEdit->isEnabled());
    EXPECT_EQ(form.NameEdit->text(), "console");
    EXPECT_EQ(form.TypeCombo[0]->currentText(), "server-group");
    EXPECT_EQ(form.GroupEdit[0]->text(), "rad");
    EXPECT_TRUE(form.GroupEdit[0]->isEnabled());
    EXPECT_TRUE(form.BoxOf(2)->isEnabled());
    EXPECT_FALSE(form.GroupEdit[1]->isEnabled());
    EXPECT_FALSE(form.BoxOf(4)->isEnabled());

    form.TypeCombo[1]->setCurrentIndex(kServerGroup);
    EXPECT_TRUE(form.GroupEdit[1]->isEnabled());
    form.AddCheckButton->click();
    for (int column = 1; column <= 9; ++column)
        EXPECT_TRUE(form.BoxOf(column)->isChecked()) << column;
    form.CleanCheButton->click();
    for (int column = 1; column <= 9; ++column)
        EXPECT_FALSE(form.BoxOf(column)->isChecked()) << column;
}

TEST_F(MethodListTest, AddRefusesBadListsAndSendsNothing)
{
    const struct
    {
        const char *what;
        std::initializer_list<std::pair<int, bool>> methods;
        QString message;
    } cases[] = {
        {"method after local",
         {{kTacacs, true}, {kLocal, true}, {kRadius, true}},
         TAuthMethodListForm::MethodsAfterFinal},
        {"method after none",
         {{kNone, true}, {kLocal, false}, {kRadius, true}},
         TAuthMethodListForm::MethodsAfterFinal},
        {"same type twice",
         {{kRadius, true}, {kTacacs, false}, {kRadius, true}},
         QString::fromUtf8(TLoginMethodListForm::Texts.SameMethod)},
    };
    TLoginMethodListForm form;
    form.show();
    for (const auto &test : cases) {
        messages_.clear();
        Prepare(form, "vty", test.methods);
        form.AddButton->click();
        EXPECT_EQ(messages_, QStringList{test.message}) << test.what;
        EXPECT_FALSE(RowExists(kLogin + "10." + TextIndex("vty"))) << test.what;
    }

    // The checks before the methods, in their order.
    messages_.clear();
    Prepare(form, "", {});
    form.AddButton->click();
    Prepare(form, "default", {});
    form.AddButton->click();
    Prepare(form, "vty", {});
    form.BoxOf(9)->setChecked(false);
    form.AddButton->click();
    Prepare(form, "vty", {});
    form.RowComboBox->setCurrentIndex(TAuthMethodListForm::DestroyItem);
    form.AddButton->click();
    EXPECT_EQ(messages_,
              (QStringList{QString::fromUtf8(TLoginMethodListForm::Texts.NameMissing),
                           QString::fromUtf8(TLoginMethodListForm::Texts.NameTaken),
                           TAuthMethodListForm::RowStateNotAdded, TAuthMethodListForm::RowStateNotCreate}));
    EXPECT_FALSE(RowExists(kLogin + "10." + TextIndex("vty")));
}

TEST_F(MethodListTest, AddSendsOnlyCheckedMethods)
{
    TLoginMethodListForm form;
    form.show();
    // The third method after "local" is not sent, so the list is accepted;
    // the unchecked fourth repeats the first type and is not sent either.
    Prepare(form, "vty", {{kTacacs, true}, {kLocal, true}, {kRadius, false}, {kTacacs, false}});
    form.AddButton->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    const QString row = "." + TextIndex("vty");
    EXPECT_EQ(Cell(kLogin + "10" + row), "1");
    EXPECT_EQ(Cell(kLogin + "2" + row), "1");
    EXPECT_EQ(Cell(kLogin + "4" + row), "6");
    EXPECT_EQ(Cell(kLogin + "6" + row), "8"); // the agent's own default
    EXPECT_EQ(Cell(kLogin + "8" + row), "8");
    // Text indexes sort by length first.
    EXPECT_EQ(Captions(form.ListView1), (QStringList{"vty", "console", "default"}));
    EXPECT_EQ(form.StaticText1->text(), "3");
    EXPECT_TRUE(form.NameEdit->text().isEmpty());
    EXPECT_FALSE(form.BoxOf(1)->isChecked());
    EXPECT_TRUE(form.StatusBar1->currentMessage().contains("Ok!"))
        << form.StatusBar1->currentMessage().toStdString();
}

TEST_F(MethodListTest, ServerGroupMethodsNeedTheirGroupName)
{
    const QString row = "." + TextIndex("console");
    const struct
    {
        const char *what;
        int type;
        QString group;
        bool groupBox;
        QString sentType;  // method 2's type afterwards
        QString sentGroup; // method 2's group afterwards
        bool sent;         // anything left to write
    } cases[] = {
        {"server-group, empty name, box checked", kServerGroup, "", true, "6", "", false},
        {"server-group, name, box unchecked", kServerGroup, "tac", false, "6", "", false},
        {"server-group with its name", kServerGroup, "tac", true, "5", "tac", true},
        // A type that needs no group is sent even when the empty group's box
        // is checked (as after Check All); only the group is left out.
        {"radius, empty name, box checked", kRadius, "", true, "4", "", true},
    };
    for (const auto &test : cases) {
        AuthTest::TearDown();
        AuthTest::SetUp();
        TLoginMethodListForm form;
        form.show();
        Select(form.ListView1, "console");
        form.TypeCombo[1]->setCurrentIndex(test.type);
        form.GroupEdit[1]->setText(test.group);
        form.BoxOf(3)->setChecked(true);
        form.BoxOf(4)->setChecked(test.groupBox);
        form.EditButton->click();
        EXPECT_TRUE(messages_.isEmpty()) << test.what;
        EXPECT_EQ(Cell(kLogin + "4" + row), test.sentType) << test.what;
        EXPECT_EQ(Cell(kLogin + "5" + row), test.sentGroup) << test.what;
        EXPECT_EQ(Cell(kLogin + "2" + row), "5") << test.what; // unchecked, untouched
        EXPECT_EQ(Cell(kLogin + "3" + row), "rad") << test.what;
        // With the method left out nothing is sent, and the status says so
        // instead of "Ok".
        if (test.sent) {
            EXPECT_TRUE(form.StatusBar1->currentMessage().contains("Ok!")) << test.what;
        } else {
            EXPECT_TRUE(form.StatusBar1->currentMessage().contains("Nothing to write: no value is chosen.") &&
                        !form.StatusBar1->currentMessage().contains("Ok!"))
                << test.what << form.StatusBar1->currentMessage().toStdString();
            EXPECT_TRUE(own_->Sets().Read().empty()) << test.what << own_->Sets().Describe().toStdString();
        }
    }
}

TEST_F(MethodListTest, DeleteKeepsTheDefaultListAndDestroysOthers)
{
    TLoginMethodListForm form;
    form.show();
    for (const char *name : {"DEFAULT", "default"}) {
        messages_.clear();
        Select(form.ListView1, "default");
        form.NameEdit->setText(name);
        form.DeleteButton->click();
        EXPECT_EQ(messages_, QStringList{TAuthMethodListForm::DefaultNotDeleted}) << name;
    }
    EXPECT_TRUE(RowExists(kLogin + "10." + TextIndex("default")));

    messages_.clear();
    Select(form.ListView1, "console");
    form.DeleteButton->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    EXPECT_FALSE(RowExists(kLogin + "10." + TextIndex("console")));
    EXPECT_EQ(Captions(form.ListView1), QStringList{"default"});
    EXPECT_FALSE(form.DeleteButton->isEnabled());
    EXPECT_EQ(form.StaticText1->text(), "1");
}

TEST_F(MethodListTest, EnableListEditAndDestroyThroughEdit)
{
    TEnableMethodForm form;
    form.show();
    Prepare(form, "admin", {{kRadius, true}, {kLocal, true}});
    form.AddButton->click();
    const QString row = "." + TextIndex("admin");
    ASSERT_EQ(Cell(kEnable + "2" + row), "4");
    EXPECT_EQ(Cell(kEnable + "4" + row), "7");

    Select(form.ListView1, "admin");
    form.TypeCombo[0]->setCurrentIndex(kTacacsPlus);
    form.BoxOf(1)->setChecked(true);
    // Not sent: Edit never writes the row status.
    form.RowComboBox->setCurrentIndex(0);
    form.BoxOf(9)->setChecked(true);
    form.EditButton->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    EXPECT_EQ(Cell(kEnable + "2" + row), "3");
    EXPECT_EQ(Cell(kEnable + "4" + row), "7");

    Select(form.ListView1, "admin");
    form.RowComboBox->setCurrentIndex(TAuthMethodListForm::DestroyItem);
    form.BoxOf(9)->setChecked(true);
    form.EditButton->click();
    EXPECT_FALSE(RowExists(kEnable + "10" + row));
    EXPECT_EQ(Captions(form.ListView1), QStringList{"default"});
}

TEST_F(MethodListTest, FailedWriteIsReportedAndLeavesTheColumnsWhole)
{
    TLoginMethodListForm form;
    form.show();
    // The agent refuses a group name longer than its fifteen characters.
    std::vector<int> before;
    for (int i = 0; i < form.Binding->Request.Vars.Count(); ++i)
        before.push_back(form.Binding->Request.Vars.Get(i).Access);
    Select(form.ListView1, "console");
    form.GroupEdit[0]->setMaxLength(32767);
    form.GroupEdit[0]->setText("a-group-name-that-is-too-long");
    form.BoxOf(2)->setChecked(true);
    form.EditButton->click();
    EXPECT_EQ(Cell(kLogin + "3." + TextIndex("console")), "rad");
    EXPECT_FALSE(form.StatusBar1->currentMessage().isEmpty());
    EXPECT_FALSE(form.StatusBar1->currentMessage().contains("Ok!"))
        << form.StatusBar1->currentMessage().toStdString();
    for (int i = 0; i < form.Binding->Request.Vars.Count(); ++i)
        EXPECT_EQ(form.Binding->Request.Vars.Get(i).Access, before[std::size_t(i)]) << i;
    // Edit keeps the row state after a failure.
    EXPECT_TRUE(form.EditButton->isEnabled());
    EXPECT_EQ(Captions(form.ListView1), (QStringList{"console", "default"}));
}

TEST_F(MethodListTest, UnreachableAgentIsReportedInTheStatusBar)
{
    own_.reset();
    TLoginMethodListForm form;
    form.show();
    EXPECT_FALSE(form.StatusBar1->currentMessage().isEmpty());
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 0);
    EXPECT_EQ(form.StaticText1->text(), "0");
    EXPECT_TRUE(form.AddButton->isEnabled());
}

} // namespace
