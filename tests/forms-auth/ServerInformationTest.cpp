// The authentication server window against the simulator: which fields a
// server's protocol lets through, and the checks before a row is added.
#include "AuthFixture.h"
#include "TServerInformationForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

using namespace auth_test;

namespace {

const QString kServer = QStringLiteral("1.3.6.1.4.1.47893.12.5.10.1.");

// Protocol items; the agent numbers them from 1.
constexpr int kTacacs = 0;
constexpr int kXtacacs = 1;
constexpr int kTacacsPlus = 2;
constexpr int kRadius = 3;

using ServerInformationTest = AuthTest;

TEST_F(ServerInformationTest, ProtocolDecidesWhichFieldsAreOpen)
{
    TServerInformationForm form;
    form.show();
    EXPECT_EQ(form.windowTitle(), "Server Information Table");
    EXPECT_EQ(form.Static->text(), "2");
    const struct
    {
        int item;
        bool key;
        bool retries;
    } cases[] = {
        {kTacacs, false, true},
        {kXtacacs, false, true},
        {kTacacsPlus, true, false},
        {kRadius, true, true},
    };
    for (const auto &test : cases) {
        form.ProtocolComboBox->setCurrentIndex(test.item);
        EXPECT_EQ(form.KeyEdit->isEnabled(), test.key) << test.item;
        EXPECT_EQ(form.RetryCEdit->isEnabled(), test.retries) << test.item;
    }
    Select(form.ListView1, "10.1.1.1");
    EXPECT_EQ(form.ProtocolComboBox->currentText(), "tacacs-plus");
    EXPECT_EQ(form.KeyEdit->text(), "secret");
    EXPECT_FALSE(form.RetryCEdit->isEnabled());
    EXPECT_FALSE(form.IPEdit->isEnabled());
    EXPECT_TRUE(form.EditButton->isEnabled());
    EXPECT_FALSE(form.AddButton->isEnabled());
}

TEST_F(ServerInformationTest, AddSendsOnlyTheFieldsTheProtocolUses)
{
    const struct
    {
        const char *address;
        int item;
        const char *port;
        const char *key;
        const char *retries;
        QString sentPort, sentKey, sentRetries; // the agent's defaults are 49, "" and 2
    } cases[] = {
        {"10.2.0.1", kTacacs, "50", "k1", "4", "50", "", "4"},
        {"10.2.0.2", kXtacacs, "", "k2", "", "49", "", "2"},
        {"10.2.0.3", kTacacsPlus, "51", "k3", "4", "51", "k3", "2"},
        {"10.2.0.4", kTacacsPlus, "", "", "", "49", "", "2"},
        {"10.2.0.5", kRadius, "1812", "k5", "5", "1812", "k5", "5"},
    };
    TServerInformationForm form;
    form.show();
    for (const auto &test : cases) {
        form.IPEdit->setText(test.address);
        form.ProtocolComboBox->setCurrentIndex(test.item);
        form.PortEdit->setText(test.port);
        form.KeyEdit->setText(test.key);
        form.TimeoutEdit->setText("7");
        form.RetryCEdit->setText(test.retries);
        form.AddButton->click();
        const QString row = QStringLiteral(".%1.%2").arg(test.address).arg(test.item + 1);
        EXPECT_EQ(Cell(kServer + "7" + row), "1") << test.address;
        EXPECT_EQ(Cell(kServer + "3" + row), test.sentPort) << test.address;
        EXPECT_EQ(Cell(kServer + "4" + row), test.sentKey) << test.address;
        EXPECT_EQ(Cell(kServer + "5" + row), "7") << test.address;
        EXPECT_EQ(Cell(kServer + "6" + row), test.sentRetries) << test.address;
    }
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    EXPECT_EQ(form.Static->text(), "7");
    EXPECT_TRUE(form.IPEdit->text().isEmpty());
}

TEST_F(ServerInformationTest, AddChecksKeysAndRowState)
{
    TServerInformationForm form;
    form.show();
    const struct
    {
        const char *address;
        int item;
        int rowStatus;
        QString message;
    } cases[] = {
        {"", kTacacs, TServerInformationForm::CreateAndGoItem, TServerInformationForm::AddressMissing},
        {"10.2.0.9", -1, TServerInformationForm::CreateAndGoItem, TServerInformationForm::ProtocolMissing},
        {"10.1.1.1", kTacacsPlus, TServerInformationForm::CreateAndGoItem,
         TServerInformationForm::ServerTaken},
        {"10.2.0.9", kRadius, 0, TServerInformationForm::RowStateNotCreate},
    };
    for (const auto &test : cases) {
        messages_.clear();
        form.IPEdit->setText(test.address);
        form.ProtocolComboBox->setCurrentIndex(test.item);
        form.RowComboBox->setCurrentIndex(test.rowStatus);
        form.AddButton->click();
        EXPECT_EQ(messages_, QStringList{test.message}) << test.address;
    }
    // The same address with another protocol is another server.
    messages_.clear();
    form.IPEdit->setText("10.1.1.1");
    form.ProtocolComboBox->setCurrentIndex(kRadius);
    form.RowComboBox->setCurrentIndex(TServerInformationForm::CreateAndGoItem);
    form.AddButton->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    EXPECT_EQ(Cell(kServer + "7.10.1.1.1.4"), "1");
    EXPECT_FALSE(RowExists(kServer + "7.10.2.0.9.4"));
    EXPECT_FALSE(RowExists(kServer + "7.44.1.1.1.4"));
}

TEST_F(ServerInformationTest, EditNeverSendsTheRetriesOfTacacsPlusAndDeleteDestroys)
{
    TServerInformationForm form;
    form.show();
    Select(form.ListView1, "10.1.1.1");
    form.KeyEdit->setText("newkey");
    form.RetryCEdit->setText("9");
    form.TimeoutEdit->setText("");
    form.EditButton->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    EXPECT_EQ(Cell(kServer + "4.10.1.1.1.3"), "newkey");
    EXPECT_EQ(Cell(kServer + "6.10.1.1.1.3"), "2");
    EXPECT_EQ(Cell(kServer + "5.10.1.1.1.3"), "5");
    EXPECT_TRUE(form.StatusBar1->currentMessage().contains("Ok!"));

    Select(form.ListView1, "10.1.1.2");
    form.DeleteButton->click();
    EXPECT_FALSE(RowExists(kServer + "7.10.1.1.2.4"));
    EXPECT_EQ(Captions(form.ListView1), QStringList{"10.1.1.1"});
    EXPECT_EQ(form.Static->text(), "1");
    EXPECT_FALSE(form.DeleteButton->isEnabled());
}

TEST_F(ServerInformationTest, RefusedWriteIsReportedAndKeepsTheRows)
{
    TServerInformationForm form;
    form.show();
    std::vector<int> before;
    for (int i = 0; i < form.Binding->Request.Vars.Count(); ++i)
        before.push_back(form.Binding->Request.Vars.Get(i).Access);
    Select(form.ListView1, "10.1.1.2");
    // Out of the agent's range; the edit's own check is bypassed.
    form.TimeoutEdit->setMaxLength(10);
    form.TimeoutEdit->setText("999");
    form.EditButton->click();
    EXPECT_EQ(Cell(kServer + "5.10.1.1.2.4"), "5");
    EXPECT_FALSE(form.StatusBar1->currentMessage().contains("Ok!"))
        << form.StatusBar1->currentMessage().toStdString();
    EXPECT_FALSE(form.StatusBar1->currentMessage().isEmpty());
    for (int i = 0; i < form.Binding->Request.Vars.Count(); ++i)
        EXPECT_EQ(form.Binding->Request.Vars.Get(i).Access, before[std::size_t(i)]) << i;
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 2);
}

} // namespace
