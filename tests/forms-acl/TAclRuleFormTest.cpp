// The access-profile rule windows against the simulator: writes that send
// only the checked fields, the deny group, the IP rule's protocol columns,
// the payload rule's offset groups, deleting, and the input checks.
#include "AclFixture.h"
#include "TEthernetInformationRuleForm.h"
#include "TIPRuleForm.h"
#include "TUserDefinedInformationRuleForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace acl_test;

namespace {

const QString kEtherRule = QStringLiteral("1.3.6.1.4.1.47893.11.5.2.1.1");
const QString kIpRule = QStringLiteral("1.3.6.1.4.1.47893.11.5.2.2.1");
const QString kPayloadRule = QStringLiteral("1.3.6.1.4.1.47893.11.5.2.3.1");

using E = TEthernetInformationRuleForm::Column;
using I = TIPRuleForm::Column;
using P = TUserDefinedInformationRuleForm::Column;

class AclRuleFormTest : public AclSimTest
{
protected:
    QString Value(const QString &table, int suffix, const QString &row = QStringLiteral("1.1"))
    {
        return GetHex(*sim_, table + QStringLiteral(".%1.").arg(suffix) + row);
    }
    static QLineEdit *EditOf(const TAclRuleForm &form, int column)
    {
        return qobject_cast<QLineEdit *>(form.Control(column));
    }
    static QComboBox *ComboOf(const TAclRuleForm &form, int column)
    {
        return qobject_cast<QComboBox *>(form.Control(column));
    }
};

} // namespace

TEST_F(AclRuleFormTest, EachWindowOpensIdleWithItsRowsAndBoxes)
{
    struct Case
    {
        std::function<TAclRuleForm *()> Make;
        const char *Title;
        int Boxes;
        QStringList Keys;
    };
    const Case cases[] = {
        {[this] { return new TEthernetInformationRuleForm(nullptr, &state_); },
         "Ethernet Information Rule",
         12,
         {"MaskIDEdit", "AccessEdit"}},
        {[this] { return new TIPRuleForm(nullptr, &state_); }, "IP Rule", 19, {"IPRuleEdit", "AccessIDEdit"}},
        {[this] { return new TUserDefinedInformationRuleForm(nullptr, &state_); },
         "User Defined Information Rule",
         12,
         {"ProfileIDEdit", "AccessIDEdit"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Title);
        std::unique_ptr<TAclRuleForm> form(c.Make());
        EXPECT_EQ(form->windowTitle(), c.Title);
        EXPECT_EQ(form->FieldBoxes().size(), c.Boxes);
        EXPECT_EQ(form->FirstKeyEdit->objectName(), c.Keys[0]);
        EXPECT_EQ(form->SecondKeyEdit->objectName(), c.Keys[1]);
        EXPECT_EQ(Captions(form->ListView1), QStringList({"1"}));
        EXPECT_EQ(form->StaticText1->text(), "1");
        EXPECT_EQ(form->RowComboBox->currentText(), "createAndGo");
        EXPECT_FALSE(form->EditButton->isEnabled());
        EXPECT_FALSE(form->DeleteButton->isEnabled());
        EXPECT_TRUE(form->AddButton->isEnabled());
        EXPECT_TRUE(form->FirstKeyEdit->isEnabled());

        ASSERT_TRUE(SelectRow(form->ListView1, "1", "1"));
        EXPECT_EQ(form->FirstKeyEdit->text(), "1");
        EXPECT_EQ(form->SecondKeyEdit->text(), "1");
        EXPECT_TRUE(form->EditButton->isEnabled());
        EXPECT_FALSE(form->AddButton->isEnabled());
        EXPECT_FALSE(form->SecondKeyEdit->isEnabled());

        form->CheckButton->click();
        for (QCheckBox *box : form->FieldBoxes())
            EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
        form->UncheckButton->click();
        for (QCheckBox *box : form->FieldBoxes())
            EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    }
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
}

TEST_F(AclRuleFormTest, EthernetEditSendsOnlyTheCheckedFieldsAndNoPriorityForDeny)
{
    struct Case
    {
        const char *Name;
        QList<int> Checked;
        const char *Permit;
        QStringList Expected; // 8021p, priority, permit, vlan
    };
    const Case cases[] = {
        {"only priority", {E::ColPriority}, "permit", {"3", "6", "3", "64 65 66 61 75 6C 74"}},
        {"deny with priority",
         {E::ColPriority, E::ColPermit},
         "deny",
         {"3", "5", "2", "64 65 66 61 75 6C 74"}},
        {"permit with priority",
         {E::ColPriority, E::ColPermit, E::Col8021p},
         "permit",
         {"1", "6", "3", "64 65 66 61 75 6C 74"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        Set(*sim_, {kEtherRule + ".6.1.1", "i", "3", kEtherRule + ".9.1.1", "i", "5", kEtherRule + ".14.1.1",
                    "i", "3"});
        TEthernetInformationRuleForm form(nullptr, &state_);
        ASSERT_TRUE(SelectRow(form.ListView1, "1", "1"));
        EditOf(form, E::ColVlan)->setText("other");
        EditOf(form, E::Col8021p)->setText("1");
        EditOf(form, E::ColPriority)->setText("6");
        ComboOf(form, E::ColPermit)->setCurrentText(QString::fromLatin1(c.Permit));
        ComboOf(form, E::ColRowStatus)->setCurrentText("active");
        for (int column : c.Checked)
            form.Box(column)->setChecked(true);
        form.EditButton->click();
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
        EXPECT_TRUE(form.StatusPanel->text().startsWith("Get:")) << form.StatusPanel->text().toStdString();
        EXPECT_EQ(QStringList({Value(kEtherRule, 6), Value(kEtherRule, 9), Value(kEtherRule, 14),
                               Value(kEtherRule, 3)}),
                  c.Expected);
        // The flow ends idle, cleared and unchecked.
        EXPECT_FALSE(form.EditButton->isEnabled());
        EXPECT_TRUE(form.FirstKeyEdit->text().isEmpty());
        EXPECT_FALSE(form.Box(E::ColPriority)->isChecked());
    }
}

TEST_F(AclRuleFormTest, DenyDisablesThePriorityAndDscpGroup)
{
    TEthernetInformationRuleForm form(nullptr, &state_);
    QComboBox *permit = ComboOf(form, E::ColPermit);
    permit->setCurrentText("permit");
    permit->setCurrentText("deny");
    for (int column = E::ColEnablePriority; column <= E::ColReplaceDscp; ++column) {
        EXPECT_FALSE(form.Control(column)->isEnabled()) << column;
        EXPECT_FALSE(form.Box(column)->isEnabled()) << column;
    }
    EXPECT_TRUE(form.Control(E::Col8021p)->isEnabled());
    permit->setCurrentText("permit");
    for (int column = E::ColEnablePriority; column <= E::ColReplaceDscp; ++column)
        EXPECT_TRUE(form.Box(column)->isEnabled()) << column;

    // The payload rule follows the permit column of the row clicked.
    Set(*sim_, {kPayloadRule + ".14.1.1", "i", "2"});
    TUserDefinedInformationRuleForm payload(nullptr, &state_);
    ASSERT_TRUE(SelectRow(payload.ListView1, "1", "1"));
    EXPECT_FALSE(payload.Control(P::ColPriority)->isEnabled());
    EXPECT_FALSE(payload.Box(P::ColReplaceDscp)->isEnabled());
    EXPECT_TRUE(payload.Control(P::ColFirstGroup)->isEnabled());
}

TEST_F(AclRuleFormTest, IpAddForUdpSendsThePortsButNotTheOtherProtocolsFields)
{
    TIPRuleForm form(nullptr, &state_);
    form.FirstKeyEdit->setText("2");
    form.SecondKeyEdit->setText("7");
    ComboOf(form, I::ColProtocol)->setCurrentText("udp");
    const std::pair<int, const char *> texts[] = {
        {I::ColSourceIp, "10.1.1.1"},
        {I::ColDestinationIp, "10.2.2.2"},
        {I::ColDscp, "12"},
        {I::ColType, "5"},
        {I::ColCode, "6"},
        {I::ColSourcePort, "53"},
        {I::ColDestinationPort, "5353"},
        {I::ColFlagBits, "9"},
        {I::ColProtocolId, "17"},
        {I::ColUserMask, "FFFF0000"},
        {I::ColPriority, "4"},
        {I::ColReplaceDscp, "8"},
    };
    for (const auto &[column, text] : texts)
        EditOf(form, column)->setText(QString::fromLatin1(text));
    ComboOf(form, I::ColPermit)->setCurrentText("permit");
    // Check All writes every field: a combo box that shows no choice yet
    // gets one, as the user must give it ("Some items are empty." else).
    for (QComboBox *combo : form.findChildren<QComboBox *>())
        if (combo->currentIndex() < 0)
            combo->setCurrentIndex(0);
    form.CheckButton->click();
    form.AddButton->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    EXPECT_TRUE(form.StatusPanel->text().startsWith("Get:")) << form.StatusPanel->text().toStdString();
    EXPECT_TRUE(SelectRow(form.ListView1, "2", "7"));
    const QString row = QStringLiteral("2.7");
    EXPECT_EQ(Value(kIpRule, 22, row), "1");
    EXPECT_EQ(Value(kIpRule, 10, row), "53");
    EXPECT_EQ(Value(kIpRule, 11, row), "5353");
    EXPECT_EQ(Value(kIpRule, 4, row), "10.1.1.1");
    EXPECT_EQ(Value(kIpRule, 16, row), "4");
    // The agent's own values: neither sent nor, for the protocol, writable.
    for (int suffix : {8, 9, 12, 13})
        EXPECT_EQ(Value(kIpRule, suffix, row), "0") << suffix;
    EXPECT_EQ(Value(kIpRule, 14, row), "00 00 00 00");
    EXPECT_EQ(Value(kIpRule, 7, row), "1");
}

TEST_F(AclRuleFormTest, IpProtocolSelectsItsColumns)
{
    const QList<int> excluded[] = {
        {7, 8, 9, 10, 11, 12, 13}, {9, 10, 11, 12, 13}, {8, 9, 10, 11, 12, 13}, {7, 8, 12, 13},
        {7, 8, 11, 12, 13},        {7, 8, 9, 10, 11},
    };
    TIPRuleForm form(nullptr, &state_);
    for (int item = 0; item < 6; ++item) {
        ComboOf(form, I::ColProtocol)->setCurrentIndex(item);
        form.SaveColumnAccess();
        form.ProtocolExclusion();
        QList<int> columns;
        for (int column = 0; column <= I::ColRowStatus; ++column)
            if (form.IsExcluded(column))
                columns << column;
        form.RestoreColumnAccess();
        EXPECT_EQ(columns, excluded[item]) << item;
    }
}

TEST_F(AclRuleFormTest, RowStatusDecidesBetweenDeleteAndAnOrdinaryEdit)
{
    {
        // cbxRow unchecked: an ordinary edit without the row status.
        TEthernetInformationRuleForm form(nullptr, &state_);
        ASSERT_TRUE(SelectRow(form.ListView1, "1", "1"));
        ComboOf(form, E::ColRowStatus)->setCurrentText("destroy");
        EditOf(form, E::Col8021p)->setText("7");
        form.Box(E::Col8021p)->setChecked(true);
        form.EditButton->click();
        EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));
        EXPECT_EQ(Value(kEtherRule, 6), "7");
        EXPECT_EQ(Value(kEtherRule, 15), "1");
    }
    {
        // cbxRow checked: the row goes, whatever the other fields hold.
        TEthernetInformationRuleForm form(nullptr, &state_);
        ASSERT_TRUE(SelectRow(form.ListView1, "1", "1"));
        ComboOf(form, E::ColRowStatus)->setCurrentText("destroy");
        EditOf(form, E::ColSourceMac)->setText("12");
        form.CheckButton->click();
        form.EditButton->click();
        EXPECT_TRUE(Captions(form.ListView1).isEmpty());
        EXPECT_EQ(form.StaticText1->text(), "0");
        EXPECT_TRUE(Value(kEtherRule, 15).contains("No Such Instance"));
    }
}

TEST_F(AclRuleFormTest, DeleteSendsTheDestroyStatusOfTheSelectedRow)
{
    TIPRuleForm form(nullptr, &state_);
    ASSERT_TRUE(SelectRow(form.ListView1, "1", "1"));
    EditOf(form, I::ColSourceIp)->setText("no address");
    form.CheckButton->click();
    form.DeleteButton->click();
    EXPECT_TRUE(Captions(form.ListView1).isEmpty());
    EXPECT_TRUE(Value(kIpRule, 22).contains("No Such Instance"));
    EXPECT_FALSE(form.DeleteButton->isEnabled());
}

TEST_F(AclRuleFormTest, AddWithRowUncheckedPassesTheRowCheckAndSendsTheSelectedStatus)
{
    TEthernetInformationRuleForm form(nullptr, &state_);
    form.FirstKeyEdit->setText("3");
    form.SecondKeyEdit->setText("4");
    ComboOf(form, E::ColRowStatus)->setCurrentText("active");
    form.AddButton->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    // The agent creates no row from "active": its refusal is reported.
    EXPECT_FALSE(form.StatusPanel->text().startsWith("Get:")) << form.StatusPanel->text().toStdString();
    EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));

    form.FirstKeyEdit->setText("3");
    form.SecondKeyEdit->setText("4");
    ComboOf(form, E::ColRowStatus)->setCurrentText("createAndGo");
    form.Box(E::ColVlan)->setChecked(true);
    EditOf(form, E::ColVlan)->setText("v10");
    form.AddButton->click();
    EXPECT_EQ(Value(kEtherRule, 15, "3.4"), "1");
    EXPECT_EQ(Value(kEtherRule, 3, "3.4"), "76 31 30");
    EXPECT_EQ(form.StaticText1->text(), "2");
}

TEST_F(AclRuleFormTest, AddChecksKeysDuplicatesAndTheRowStatusFirst)
{
    struct Case
    {
        const char *First;
        const char *Second;
        bool RowChecked;
        const char *Status;
        QString Message;
        const char *Focus;
    };
    const Case cases[] = {
        {"", "1", false, "createAndGo", "IP Rule ID must be set.", "IPRuleEdit"},
        {"1", "", false, "createAndGo", "IP Rule Access ID must be set.", "AccessIDEdit"},
        {"1", "1", false, "createAndGo",
         "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
         "IPRuleEdit"},
        {"1", "2", true, "active", "Row State must be createAndGo.", "RowComboBox"},
    };
    TIPRuleForm form(nullptr, &state_);
    form.show();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Message.toStdString());
        messages_.clear();
        form.FirstKeyEdit->setText(QString::fromLatin1(c.First));
        form.SecondKeyEdit->setText(QString::fromLatin1(c.Second));
        form.Box(I::ColRowStatus)->setChecked(c.RowChecked);
        ComboOf(form, I::ColRowStatus)->setCurrentText(QString::fromLatin1(c.Status));
        form.AddButton->click();
        EXPECT_EQ(messages_, QStringList({c.Message}));
        ASSERT_TRUE(form.focusWidget());
        EXPECT_EQ(form.focusWidget()->objectName(), QString::fromLatin1(c.Focus));
        EXPECT_EQ(Captions(form.ListView1), QStringList({"1"}));
    }
    EXPECT_TRUE(Value(kIpRule, 22, "1.2").contains("No Such Instance"));

    TEthernetInformationRuleForm ether(nullptr, &state_);
    messages_.clear();
    ether.FirstKeyEdit->setText("1");
    ether.SecondKeyEdit->clear();
    ether.EditButtonClick();
    EXPECT_EQ(messages_, QStringList({"Access ID must be set."}));
}

TEST_F(AclRuleFormTest, PayloadRuleAllowsTwoCheckedNonZeroGroups)
{
    TUserDefinedInformationRuleForm form(nullptr, &state_);
    form.FirstKeyEdit->setText("1");
    form.SecondKeyEdit->setText("2");
    EditOf(form, P::ColFirstGroup)->setText("AA");
    EditOf(form, P::ColFirstGroup + 1)->setText("BB");
    EditOf(form, P::ColFirstGroup + 2)->setText("CC");
    EditOf(form, P::ColFirstGroup + 3)->setText(QString(32, '0'));
    for (int column = P::ColFirstGroup; column < P::ColLastGroup; ++column)
        form.Box(column)->setChecked(true);
    form.AddButton->click();
    EXPECT_EQ(messages_, QStringList({"Packet(s) Offset can not over two groups."}));
    EXPECT_TRUE(Value(kPayloadRule, 15, "1.2").contains("No Such Instance"));

    // With the second group unchecked the add goes through without it.
    messages_.clear();
    form.Box(P::ColFirstGroup + 1)->setChecked(false);
    form.AddButton->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    EXPECT_EQ(Value(kPayloadRule, 15, "1.2"), "1");
    EXPECT_TRUE(form.StatusPanel->text().startsWith("Get:")) << form.StatusPanel->text().toStdString();
    EXPECT_EQ(Value(kPayloadRule, 4, "1.2"), "AA");
    EXPECT_EQ(Value(kPayloadRule, 5, "1.2"), "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(Value(kPayloadRule, 6, "1.2"), "CC");
}

TEST_F(AclRuleFormTest, PayloadRuleRefusesAnInvalidCheckedGroupOnly)
{
    TUserDefinedInformationRuleForm form(nullptr, &state_);
    ASSERT_TRUE(SelectRow(form.ListView1, "1", "1"));
    EditOf(form, P::ColFirstGroup + 2)->setText("12G");
    form.Box(P::ColFirstGroup + 2)->setChecked(true);
    form.EditButton->click();
    EXPECT_EQ(messages_, QStringList({"Packet(s) Offset [32 to 47] can not contain invalid character(s)."}));
    EXPECT_EQ(form.focusWidget(), form.Control(P::ColFirstGroup + 2));

    // Unchecked, the same text is neither checked nor sent.
    messages_.clear();
    form.Box(P::ColFirstGroup + 2)->setChecked(false);
    EditOf(form, P::ColPriority)->setText("2");
    form.Box(P::ColPriority)->setChecked(true);
    form.EditButton->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    EXPECT_EQ(Value(kPayloadRule, 10), "2");
    EXPECT_EQ(Value(kPayloadRule, 4), "11 22 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

// An Edit with no field box checked has nothing to send: no SET reaches the
// agent, and the status line says so instead of "Ok".
TEST_F(AclRuleFormTest, AnEditWithNoFieldCheckedSendsNothingAndSaysSo)
{
    TEthernetInformationRuleForm form(nullptr, &state_);
    ASSERT_TRUE(SelectRow(form.ListView1, "1", "1"));
    ComboOf(form, E::ColRowStatus)->setCurrentText("active");
    sim_->Sets().Clear();
    form.EditButton->click();
    EXPECT_TRUE(sim_->Sets().Read().empty()) << sim_->Sets().Describe().toStdString();
    EXPECT_EQ(form.StatusPanel->text(), "Nothing to write: no value is chosen.");
    EXPECT_FALSE(form.StatusPanel->text().contains("Ok"));
}
