#include "TConnectForm.h"

#include "KtRecentSwitches.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct KtChoice
{
    const char *Name;
    int Code;
};

// The command-line codes of the versions, levels and protocols.
constexpr KtChoice kVersions[] = {{"SNMPv1", 0}, {"SNMPv2c", 1}, {"SNMPv3", 3}};
constexpr KtChoice kLevels[] = {{"noAuthNoPriv", 1}, {"authNoPriv", 2}, {"authPriv", 3}};
constexpr KtChoice kAuthProtocols[] = {{"none", 1},         {"HMAC-MD5", 2},     {"HMAC-SHA (SHA-1)", 3},
                                       {"HMAC-SHA-224", 4}, {"HMAC-SHA-256", 5}, {"HMAC-SHA-384", 6},
                                       {"HMAC-SHA-512", 7}};
constexpr KtChoice kPrivProtocols[] = {
    {"none", 1}, {"DES", 2}, {"AES-128", 19}, {"AES-192", 20}, {"AES-256", 21}};

template <std::size_t N>
QComboBox *NewChoiceBox(const KtChoice (&choices)[N], const char *name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setMinimumWidth(220);
    for (const KtChoice &choice : choices)
        box->addItem(QLatin1String(choice.Name), choice.Code);
    return box;
}

QLineEdit *NewEdit(const char *name, QWidget *parent, bool secret = false)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(220);
    if (secret)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

int CodeOf(const QComboBox *box)
{
    return box->currentData().toInt();
}

// Selects the entry of a code; an unknown code selects the first entry.
void ChooseCode(QComboBox *box, int code)
{
    box->setCurrentIndex(std::max(0, box->findData(code)));
}

} // namespace

TConnectForm::TConnectForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ConnectForm"));
    setWindowTitle(QStringLiteral("Connect to a Keltra Switch"));

    CB_Recent = new QComboBox(this);
    CB_Recent->setObjectName(QStringLiteral("CB_Recent"));
    ED_Address = NewEdit("ED_Address", this);
    ED_Address->setPlaceholderText(QStringLiteral("10.90.90.90"));
    ED_Port = NewEdit("ED_Port", this);
    ED_Port->setText(QString::number(KtConnectSettings::DefaultPort));
    CB_Version = NewChoiceBox(kVersions, "CB_Version", this);

    GB_Communities = new QGroupBox(QStringLiteral("SNMPv1 and SNMPv2c"), this);
    GB_Communities->setObjectName(QStringLiteral("GB_Communities"));
    ED_ReadCommunity = NewEdit("ED_ReadCommunity", GB_Communities);
    ED_WriteCommunity = NewEdit("ED_WriteCommunity", GB_Communities);
    auto *communities = new QFormLayout(GB_Communities);
    communities->addRow(QStringLiteral("Read community:"), ED_ReadCommunity);
    communities->addRow(QStringLiteral("Write community:"), ED_WriteCommunity);

    GB_SNMPv3 = new QGroupBox(QStringLiteral("SNMPv3"), this);
    GB_SNMPv3->setObjectName(QStringLiteral("GB_SNMPv3"));
    ED_User = NewEdit("ED_User", GB_SNMPv3);
    CB_Level = NewChoiceBox(kLevels, "CB_Level", GB_SNMPv3);
    CB_AuthProtocol = NewChoiceBox(kAuthProtocols, "CB_AuthProtocol", GB_SNMPv3);
    ED_AuthPassPhrase = NewEdit("ED_AuthPassPhrase", GB_SNMPv3, true);
    CB_PrivProtocol = NewChoiceBox(kPrivProtocols, "CB_PrivProtocol", GB_SNMPv3);
    ED_PrivPassPhrase = NewEdit("ED_PrivPassPhrase", GB_SNMPv3, true);
    auto *v3 = new QFormLayout(GB_SNMPv3);
    v3->addRow(QStringLiteral("User:"), ED_User);
    v3->addRow(QStringLiteral("Security level:"), CB_Level);
    v3->addRow(QStringLiteral("Authentication:"), CB_AuthProtocol);
    v3->addRow(QStringLiteral("Authentication pass phrase:"), ED_AuthPassPhrase);
    v3->addRow(QStringLiteral("Privacy:"), CB_PrivProtocol);
    v3->addRow(QStringLiteral("Privacy pass phrase:"), ED_PrivPassPhrase);

    LB_Message = new QLabel(this);
    LB_Message->setObjectName(QStringLiteral("LB_Message"));
    LB_Message->setWordWrap(true);
    LB_Message->setStyleSheet(QStringLiteral("color: #b00000;"));
    LB_Message->hide();
    BT_Connect = new QPushButton(QStringLiteral("Connect"), this);
    BT_Connect->setObjectName(QStringLiteral("BT_Connect"));
    BT_Connect->setDefault(true);
    BT_Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    BT_Cancel->setObjectName(QStringLiteral("BT_Cancel"));

    auto *target = new QFormLayout;
    target->addRow(QStringLiteral("Recent switches:"), CB_Recent);
    target->addRow(QStringLiteral("Address:"), ED_Address);
    target->addRow(QStringLiteral("Port:"), ED_Port);
    target->addRow(QStringLiteral("Version:"), CB_Version);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BT_Connect);
    buttons->addWidget(BT_Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(target);
    layout->addWidget(GB_Communities);
    layout->addWidget(GB_SNMPv3);
    layout->addWidget(LB_Message);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    BuildRecentList();
    connect(CB_Recent, &QComboBox::activated, this, &TConnectForm::RecentChosen);
    connect(CB_Version, &QComboBox::currentIndexChanged, this, &TConnectForm::UpdateEnabledFields);
    connect(CB_Level, &QComboBox::currentIndexChanged, this, &TConnectForm::UpdateEnabledFields);
    connect(BT_Connect, &QPushButton::clicked, this, &TConnectForm::ConnectClicked);
    connect(BT_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    UpdateEnabledFields();
}

KtConnectSettings TConnectForm::Settings() const
{
    KtConnectSettings settings;
    settings.Address = ED_Address->text().trimmed();
    settings.Port = ED_Port->text();
    settings.Version = CodeOf(CB_Version);
    settings.ReadCommunity = ED_ReadCommunity->text();
    settings.WriteCommunity = ED_WriteCommunity->text();
    settings.User = ED_User->text();
    settings.Level = CodeOf(CB_Level);
    settings.AuthProtocol = CodeOf(CB_AuthProtocol);
    settings.AuthPassPhrase = ED_AuthPassPhrase->text();
    settings.PrivProtocol = CodeOf(CB_PrivProtocol);
    settings.PrivPassPhrase = ED_PrivPassPhrase->text();
    return settings;
}

void TConnectForm::ShowSettings(const KtConnectSettings &settings)
{
    ED_Address->setText(settings.Address);
    ED_Port->setText(settings.Port);
    ChooseCode(CB_Version, settings.Version);
    ED_ReadCommunity->setText(settings.ReadCommunity);
    ED_WriteCommunity->setText(settings.WriteCommunity);
    ED_User->setText(settings.User);
    ChooseCode(CB_Level, settings.Level);
    ChooseCode(CB_AuthProtocol, settings.AuthProtocol);
    ED_AuthPassPhrase->setText(settings.AuthPassPhrase);
    ChooseCode(CB_PrivProtocol, settings.PrivProtocol);
    ED_PrivPassPhrase->setText(settings.PrivPassPhrase);
    LB_Message->clear();
    LB_Message->hide();
}

void TConnectForm::BuildRecentList()
{
    recent_ = KtRecentSwitches::Load();
    CB_Recent->clear();
    CB_Recent->addItem(recent_.isEmpty() ? QStringLiteral("(none yet)") : QStringLiteral("(choose one)"));
    for (const KtConnectSettings &entry : recent_)
        CB_Recent->addItem(KtRecentSwitches::Caption(entry));
    CB_Recent->setEnabled(!recent_.isEmpty());
}

void TConnectForm::RecentChosen(int index)
{
    // Entry 0 is the empty choice; the others follow the recent list.
    if (index >= 1 && index <= recent_.size())
        ShowSettings(recent_[index - 1]);
}

void TConnectForm::UpdateEnabledFields()
{
    const KtConnectSettings settings = Settings();
    GB_Communities->setVisible(settings.UsesCommunities());
    GB_SNMPv3->setVisible(!settings.UsesCommunities());
    CB_AuthProtocol->setEnabled(settings.UsesAuthentication());
    ED_AuthPassPhrase->setEnabled(settings.UsesAuthentication());
    CB_PrivProtocol->setEnabled(settings.UsesPrivacy());
    ED_PrivPassPhrase->setEnabled(settings.UsesPrivacy());
}

void TConnectForm::ConnectClicked()
{
    const KtConnectSettings settings = Settings();
    const QString problem = settings.Problem();
    LB_Message->setText(problem);
    LB_Message->setVisible(!problem.isEmpty());
    if (!problem.isEmpty())
        return;
    KtRecentSwitches::Remember(settings);
    accept();
}
