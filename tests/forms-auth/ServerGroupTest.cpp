// The server-group window against the simulator: which slots a write
// carries, the built-in groups, and its asynchronous flow from write to
// re-read and to closing.
#include "AuthFixture.h"
#include "TServerGroupForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace auth_test;

namespace {

const QString kGroup = QStringLiteral("1.3.6.1.4.1.47893.12.5.9.1.");

// Protocol items, equal to the agent's numbers.
constexpr int kNone = 0;
constexpr int kTacacs = 1;
constexpr int kRadius = 4;

class ServerGroupTest : public AuthTest
{
protected:
    static bool Settle(const TServerGroupForm &form)
    {
        return WaitUntil([&form] { return !form.Working(); });
    }
    QString GroupCell(int column, const QString &name) const
    {
        return Cell(kGroup + QString::number(column) + "." + TextIndex(name));
    }
    std::vector<int> AccessBits(const TServerGroupForm &form) const
    {
        std::vector<int> bits;
        for (int i = 0; i < form.Binding->Request.Vars.Count(); ++i)
            bits.push_back(form.Binding->Request.Vars.Get(i).Access);
        return bits;
    }
};

TEST_F(ServerGroupTest, ReadsTheGroupsAndSwitchesButtonsOnRowClicks)
{
    TServerGroupForm form;
    form.show();
    ASSERT_TRUE(Settle(form));
    EXPECT_EQ(form.windowTitle(), "Server Group Information");
    EXPECT_EQ(Captions(form.ListView2), (QStringList{"rad", "radius", "tacacs", "tacacs+"}));
    EXPECT_EQ(form.Static->text(), "4");
    EXPECT_TRUE(form.Memo1->toPlainText().contains("Ok!"));
    EXPECT_FALSE(form.EditButton->isEnabled());
    Select(form.ListView2, "rad");
    EXPECT_TRUE(form.EditButton->isEnabled());
    EXPECT_FALSE(form.AddButton->isEnabled());
    EXPECT_EQ(form.edtServerName->text(), "rad");
    EXPECT_EQ(form.edtIP[0]->text(), "10.1.1.2");
    EXPECT_EQ(form.cbxProt[0]->currentText(), "radius");
    EXPECT_EQ(form.cbxProt[1]->currentText(), "none");
}

TEST_F(ServerGroupTest, AddSendsOnlySlotsThatHoldAServer)
{
    TServerGroupForm form;
    form.show();
    ASSERT_TRUE(Settle(form));
    const struct
    {
        const char *address;
        int protocol;
        QString sentAddress, sentProtocol; // the agent's defaults are 0.0.0.0 and 0
    } servers[] = {
        {"10.3.0.1", kRadius, "10.3.0.1", "4"}, {"0.0.0.0", kNone, "0.0.0.0", "0"},
        {"0.0.0.0", kRadius, "0.0.0.0", "4"}, // a protocol makes it a server
        {"10.3.0.4", -1, "0.0.0.0", "0"},     // no protocol: not sent
        {"", kTacacs, "0.0.0.0", "0"},        // no address: not sent
        {"10.3.0.6", kTacacs, "10.3.0.6", "1"},
    };
    form.edtServerName->setText("grp");
    int k = 1;
    for (const auto &slot : servers) {
        form.edtIP[k - 1]->setText(slot.address);
        form.cbxProt[k - 1]->setCurrentIndex(slot.protocol);
        ++k;
    }
    form.AddButton->click();
    ASSERT_TRUE(Settle(form));
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    EXPECT_EQ(GroupCell(18, "grp"), "1");
    k = 1;
    for (const auto &slot : servers) {
        EXPECT_EQ(GroupCell(TServerGroupForm::AddressColumn(k) + 1, "grp"), slot.sentAddress) << k;
        EXPECT_EQ(GroupCell(TServerGroupForm::ProtocolColumn(k) + 1, "grp"), slot.sentProtocol) << k;
        ++k;
    }
    EXPECT_EQ(Captions(form.ListView2), (QStringList{"grp", "rad", "radius", "tacacs", "tacacs+"}));
    EXPECT_EQ(form.Static->text(), "5");
    EXPECT_TRUE(form.edtServerName->text().isEmpty());
    EXPECT_TRUE(form.AddButton->isEnabled());
}

// A slot the user empties (0.0.0.0 with "none", or an empty address) is
// written as empty: the agent no longer keeps the old server while the
// window says "Ok". The window shows what it wrote.
TEST_F(ServerGroupTest, EditWritesAnEmptiedSlotAsEmpty)
{
    TServerGroupForm form;
    form.show();
    ASSERT_TRUE(Settle(form));
    Select(form.ListView2, "rad");
    ASSERT_EQ(GroupCell(2, "rad"), "10.1.1.2");
    form.edtIP[0]->setText("0.0.0.0");
    form.cbxProt[0]->setCurrentIndex(kNone);
    form.edtIP[1]->setText("10.3.0.2");
    form.cbxProt[1]->setCurrentIndex(kTacacs);
    form.edtIP[2]->clear();
    own_->Sets().Clear();
    form.EditButton->click();
    ASSERT_TRUE(Settle(form));
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    EXPECT_EQ(GroupCell(2, "rad"), "0.0.0.0");
    EXPECT_EQ(GroupCell(3, "rad"), "0");
    EXPECT_EQ(GroupCell(4, "rad"), "10.3.0.2");
    EXPECT_EQ(GroupCell(5, "rad"), "1");
    EXPECT_EQ(GroupCell(6, "rad"), "0.0.0.0");
    EXPECT_EQ(GroupCell(18, "rad"), "1");
    const std::vector<QgSetPdu> pdus = own_->Sets().Read();
    ASSERT_EQ(pdus.size(), 1u) << own_->Sets().Describe().toStdString();
    const QString instance = "." + TextIndex("rad");
    EXPECT_TRUE(pdus[0].Texts().contains(kGroup + "2" + instance + "=ipaddress:0.0.0.0"))
        << own_->Sets().Describe().toStdString();
    EXPECT_TRUE(pdus[0].Texts().contains(kGroup + "3" + instance + "=integer:0"))
        << own_->Sets().Describe().toStdString();
    EXPECT_EQ(pdus[0].Error, "noError");
    EXPECT_FALSE(form.EditButton->isEnabled());
}

TEST_F(ServerGroupTest, ChecksBeforeWriting)
{
    TServerGroupForm form;
    form.show();
    ASSERT_TRUE(Settle(form));
    const struct
    {
        const char *name;
        int rowStatus;
        void (TServerGroupForm::*action)();
        QString message;
    } cases[] = {
        {"", TServerGroupForm::CreateAndGoItem, &TServerGroupForm::AddRow, TServerGroupForm::NameMissing},
        {"radius", TServerGroupForm::CreateAndGoItem, &TServerGroupForm::AddRow, TServerGroupForm::NameTaken},
        {"grp", 0, &TServerGroupForm::AddRow, TServerGroupForm::RowStateNotCreate},
        {"", 0, &TServerGroupForm::EditRow, TServerGroupForm::NameMissing},
        {"", 0, &TServerGroupForm::DeleteRow, TServerGroupForm::NameMissing},
        {"TACACS+", 0, &TServerGroupForm::DeleteRow, TServerGroupForm::DefaultNotDeleted},
        {"Tacacs-Plus", 0, &TServerGroupForm::DeleteRow, TServerGroupForm::DefaultNotDeleted},
        {"RADIUS", 0, &TServerGroupForm::DeleteRow, TServerGroupForm::DefaultNotDeleted},
        // Edit with "destroy" is a Delete, with its checks.
        {"xtacacs", TServerGroupForm::DestroyItem, &TServerGroupForm::EditRow,
         TServerGroupForm::DefaultNotDeleted},
    };
    for (const auto &test : cases) {
        messages_.clear();
        form.edtServerName->setText(test.name);
        form.cbxRowStatus->setCurrentIndex(test.rowStatus);
        (form.*test.action)();
        EXPECT_FALSE(form.Working()) << test.name;
        EXPECT_EQ(messages_, QStringList{test.message}) << test.name;
    }
    EXPECT_FALSE(RowExists(kGroup + "18." + TextIndex("grp")));
    EXPECT_TRUE(RowExists(kGroup + "18." + TextIndex("tacacs+")));
}

TEST_F(ServerGroupTest, SlotsToBeWrittenNeedARealAddress)
{
    TServerGroupForm form;
    form.show();
    ASSERT_TRUE(Settle(form));
    const struct
    {
        int slot;
        const char *address;
    } cases[] = {
        {1, "300.1.2.3"}, // would reach the agent as 44.1.2.3
        {3, "1.2.3"},
        {8, "10.1.1.256"},
    };
    for (const auto &test : cases) {
        messages_.clear();
        form.edtServerName->setText("grp");
        form.edtIP[test.slot - 1]->setText(test.address);
        form.cbxProt[test.slot - 1]->setCurrentIndex(kRadius);
        form.cbxRowStatus->setCurrentIndex(TServerGroupForm::CreateAndGoItem);
        form.AddButton->click();
        EXPECT_FALSE(form.Working()) << test.address;
        EXPECT_EQ(messages_, QStringList{TServerGroupForm::AddressInvalid.arg(test.slot)}) << test.address;
        EXPECT_FALSE(RowExists(kGroup + "18." + TextIndex("grp"))) << test.address;
        form.edtIP[test.slot - 1]->clear();
    }
    // An address without a protocol is an empty slot and not looked at.
    messages_.clear();
    form.edtServerName->setText("grp");
    form.edtIP[1]->setText("300.1.2.3");
    form.cbxProt[1]->setCurrentIndex(-1);
    form.AddButton->click();
    ASSERT_TRUE(Settle(form));
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    EXPECT_EQ(GroupCell(4, "grp"), "0.0.0.0");
}

TEST_F(ServerGroupTest, DeleteDestroysTheGroup)
{
    TServerGroupForm form;
    form.show();
    ASSERT_TRUE(Settle(form));
    Select(form.ListView2, "rad");
    form.DeleteButton->click();
    ASSERT_TRUE(Settle(form));
    EXPECT_FALSE(RowExists(kGroup + "18." + TextIndex("rad")));
    EXPECT_EQ(Captions(form.ListView2), (QStringList{"radius", "tacacs", "tacacs+"}));
    EXPECT_EQ(form.Static->text(), "3");
    // The row status no longer says "destroy": the next Add is not refused.
    EXPECT_EQ(form.cbxRowStatus->currentIndex(), TServerGroupForm::CreateAndGoItem);
}

TEST_F(ServerGroupTest, FailedWriteIsAppendedToTheMemoAndLeavesTheColumnsWhole)
{
    TServerGroupForm form;
    form.show();
    ASSERT_TRUE(Settle(form));
    const std::vector<int> before = AccessBits(form);
    const int lines = form.Memo1->blockCount();
    own_.reset(); // the agent goes away after the read
    form.edtServerName->setText("grp");
    form.edtIP[0]->setText("10.3.0.1");
    form.cbxProt[0]->setCurrentIndex(kRadius);
    form.AddButton->click();
    EXPECT_TRUE(form.Working());
    ASSERT_TRUE(Settle(form));
    EXPECT_EQ(form.Memo1->blockCount(), lines + 1);
    EXPECT_FALSE(form.Memo1->toPlainText().section('\n', -1).contains("Ok!"));
    EXPECT_EQ(AccessBits(form), before);
    EXPECT_EQ(form.ListView2->topLevelItemCount(), 4);
    EXPECT_TRUE(form.AddButton->isEnabled());
    EXPECT_TRUE(form.edtServerName->text().isEmpty());
}

TEST_F(ServerGroupTest, ClosingDuringARequestWaitsForIt)
{
    auto form = std::make_unique<TServerGroupForm>();
    form->show();
    EXPECT_TRUE(form->Working());
    form->reject();
    EXPECT_FALSE(form->Binding);
    EXPECT_FALSE(form->Working());
    // Buttons of a closed window do nothing.
    form->GetButton->click();
    form->edtServerName->setText("grp");
    form->AddButton->click();
    form.reset();
}

} // namespace
