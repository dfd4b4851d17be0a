// The payload mask window against the simulator: the mask texts and group
// rule, what Add, Edit and Delete leave on the agent, and the row count.
#include "TUserMaskInfoForm.h"
#include "AclFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace acl_test;

namespace {

const QString kPayload = QStringLiteral("1.3.6.1.4.1.47893.11.5.1.3.1");
const QString kZeros = QString(32, QLatin1Char('0'));
const QString kZeroOctets = QStringLiteral("00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");

class UserMaskFormTest : public AclSimTest
{
protected:
    QString Column(int suffix, const QString &row = QStringLiteral("1"))
    {
        return GetHex(*sim_, kPayload + QStringLiteral(".%1.").arg(suffix) + row);
    }
    static QList<QLineEdit *> Groups(TUserMaskInfoForm &form)
    {
        return {form.Edit5, form.Edit3, form.Edit4, form.Edit6, form.Edit7};
    }
};

} // namespace

TEST(HexMaskTextTest, AcceptsUpToThirtyTwoHexadecimalDigitsOrNothing)
{
    struct Case
    {
        QString Text;
        bool Accepted;
    };
    const Case cases[] = {
        {"", true},
        {"0123456789abcdefABCDEF", true},
        {QString(32, 'F'), true},
        {QString(33, 'F'), false},
        {"12G", false},
        {"G2", false},
        {"12 34", false},
        {"0x12", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TAclTableForm::HexMaskText(c.Text), c.Accepted) << c.Text.toStdString();
}

TEST_F(UserMaskFormTest, OpensIdleWithTheRowCountAndCreateAndGo)
{
    TUserMaskInfoForm form(nullptr, &state_);
    EXPECT_EQ(form.windowTitle(), "User Defined Mask Information :127.0.0.1");
    EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));
    EXPECT_EQ(form.Static->text(), "1");
    EXPECT_EQ(form.ComboBox1->currentText(), "createAndGo");
    EXPECT_FALSE(form.OperButton->isEnabled());
    EXPECT_TRUE(form.AddButton->isEnabled());
    EXPECT_FALSE(form.DeleteButton->isEnabled());
    ASSERT_TRUE(SelectRow(form.ListView1, "1"));
    EXPECT_EQ(form.Edit1->text(), "1");
    EXPECT_TRUE(form.OperButton->isEnabled());
    EXPECT_FALSE(form.Edit1->isEnabled());
}

TEST_F(UserMaskFormTest, AddAllowsTwoNonZeroGroupsAndSendsOnlyTheFilledOnes)
{
    TUserMaskInfoForm form(nullptr, &state_);
    form.Edit1->setText("4");
    form.Edit5->setText("FFFF" + QString(28, '0'));
    form.Edit3->setText(kZeros);
    form.Edit6->setText("00ff" + QString(28, '0'));
    form.PortGrid->PortBoxes[57]->setChecked(true);
    form.AddButton->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    EXPECT_EQ(Captions(form.ListView1), QStringList({"1", "4"}));
    EXPECT_EQ(form.Static->text(), "2");
    EXPECT_EQ(Column(8, "4"), "1");
    EXPECT_EQ(Column(3, "4"), "FF FF 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(Column(6, "4"), "00 FF 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(Column(2, "4"), PortListHex({57}));

    // Three non-zero groups are refused before anything is sent.
    form.Edit1->setText("5");
    form.ComboBox1->setCurrentIndex(TUserMaskInfoForm::CreateAndGoItem);
    form.Edit5->setText("01");
    form.Edit3->setText("02");
    form.Edit7->setText("03");
    form.AddButton->click();
    EXPECT_EQ(messages_, QStringList({"Filtered Ports can not over two groups."}));
    EXPECT_TRUE(Column(8, "5").contains("No Such Instance"));

    // No port checked: the agent's own port list stays.
    messages_.clear();
    form.Edit3->clear();
    form.Edit7->clear();
    form.AddButton->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    EXPECT_EQ(Column(2, "5"), PortListHex({}, true));
    EXPECT_EQ(Column(4, "5"), kZeroOctets);
}

TEST_F(UserMaskFormTest, AnInvalidMaskTextIsRefusedWithItsGroupAndNothingIsSent)
{
    struct Case
    {
        int Group;
        QString Text;
        const char *Message;
    };
    const Case cases[] = {
        {0, "12G", "Filtered Port(s) [0 to 15] can not contain invalid character(s)."},
        {1, "G2", "Filtered Port(s) [16 to 31] can not contain invalid character(s)."},
        {4, "0x12", "Filtered Port(s) [64 to 79] can not contain invalid character(s)."},
    };
    Set(*sim_, {kPayload + ".4.1", "x", "0102"});
    TUserMaskInfoForm form(nullptr, &state_);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Message);
        messages_.clear();
        ASSERT_TRUE(SelectRow(form.ListView1, "1"));
        for (QLineEdit *box : Groups(form))
            box->clear();
        Groups(form)[c.Group]->setText(c.Text);
        form.OperButton->click();
        EXPECT_EQ(messages_, QStringList({QString::fromLatin1(c.Message)}));
        EXPECT_EQ(Column(4), "01 02");
        // A refresh reads every column again.
        form.GetButton->click();
        ASSERT_TRUE(SelectRow(form.ListView1, "1"));
        EXPECT_EQ(form.Edit3->text().remove(' ').toUpper(), "0102");
        EXPECT_EQ(form.Edit5->text().remove(' ').toUpper(), "FFFF" + QString(28, '0'));
    }
}

TEST_F(UserMaskFormTest, EditWritesTheFilledGroupsOnlyAndDeleteRemovesTheRow)
{
    TUserMaskInfoForm form(nullptr, &state_);
    ASSERT_TRUE(SelectRow(form.ListView1, "1"));
    form.Edit5->clear();
    form.Edit4->setText("ABCD");
    form.ComboBox1->setCurrentText("1");
    form.OperButton->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    EXPECT_EQ(Column(3), "FF FF 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(Column(5), "AB CD");
    EXPECT_FALSE(form.OperButton->isEnabled());

    ASSERT_TRUE(SelectRow(form.ListView1, "1"));
    form.Edit4->setText("not hex");
    form.DeleteButton->click();
    EXPECT_TRUE(Captions(form.ListView1).isEmpty());
    EXPECT_EQ(form.Static->text(), "0");
    EXPECT_TRUE(Column(8).contains("No Such Instance"));
}

TEST_F(UserMaskFormTest, AddChecksInOrderAndMovesTheFocus)
{
    const RefusedAdd cases[] = {
        {"", 3, "Payload Entry ID must be set.", "Edit1"},
        {"1", 3, "Payload Entry ID must be different.", "Edit1"},
        {"9", 0, "Row State must be createAndGo.", "ComboBox1"},
    };
    TUserMaskInfoForm form(nullptr, &state_);
    form.show();
    for (const RefusedAdd &c : cases) {
        SCOPED_TRACE(c.Message);
        ExpectAddRefused(form, form.Edit1, form.ComboBox1, form.AddButton, c);
    }
    messages_.clear();
    form.Edit1->clear();
    form.OperButtonClick();
    EXPECT_EQ(messages_, QStringList({"Payload Entry ID must be set."}));
}

TEST_F(UserMaskFormTest, AFailedDeleteReadsTheTableAgainAndReports)
{
    TUserMaskInfoForm form(nullptr, &state_);
    ASSERT_TRUE(SelectRow(form.ListView1, "1"));
    // Meanwhile the row goes, and the key names one the agent cannot hold.
    Set(*sim_, {kPayload + ".8.1", "i", "6"});
    form.Edit1->setEnabled(true);
    form.Edit1->setText("256");
    form.DeleteButtonClick();
    EXPECT_TRUE(Captions(form.ListView1).isEmpty());
    EXPECT_EQ(form.Static->text(), "0");
    EXPECT_TRUE(form.AddButton->isEnabled());
    EXPECT_FALSE(form.StatusPanel->text().isEmpty());
    EXPECT_FALSE(form.StatusPanel->text().startsWith("Get:")) << form.StatusPanel->text().toStdString();
}
