#include "TIPMaskInformationForm.h"
#include "KtStandardOptions.h"

#include "KtException.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "TMainWindowAnchor.h"
#include "TStackingPortUitForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr KtOptionDef EnableDisablePairs[] = {{1, "enable"}, {2, "disable"}, {}};
const KtOptionList EnableDisable(EnableDisablePairs);

constexpr KtOptionDef IpMaskStatePairs[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {}};
const KtOptionList IpMaskState(IpMaskStatePairs);

constexpr KtOptionDef ProtocolTypePairs[] = {{1, "none"}, {2, "icmp"},       {3, "igmp"}, {4, "tcp"},
                                             {5, "udp"},  {6, "protocolId"}, {}};
const KtOptionList ProtocolType(ProtocolTypePairs);

constexpr KtOptionDef IcmpOptionPairs[] = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {}};
const KtOptionList IcmpOption(IcmpOptionPairs);

constexpr KtOptionDef PortOptionPairs[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {}};
const KtOptionList PortOption(PortOptionPairs);

// The IP mask table; the mask ID is the row's instance.
const KtSNMPVarDef IpMaskTable[] = {
    {"1.3.6.1.4.1.47893.11.5.1.2.1.1", "IP ID", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.2", "Use Vlan", SyntaxInteger, AccessReadWrite, &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.3", "Ip Address Mask State", SyntaxInteger, AccessReadWrite, &IpMaskState},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.4", "Ip Address Mask Source", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.5", "Ip Address Mask Destination", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.6", "Use DSCP", SyntaxInteger, AccessReadWrite, &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.7", "Use Protocol Type", SyntaxInteger, AccessReadWrite, &ProtocolType},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.8", "ICMP Option", SyntaxInteger, AccessReadWrite, &IcmpOption},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.9", "IGMP Option", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.10", "TCP Option", SyntaxInteger, AccessReadWrite, &PortOption},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.11", "UDP Option", SyntaxInteger, AccessReadWrite, &PortOption},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.12", "TCP or UDP Srouce Port Mask", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.13", "TCP or UDP Destination Port Mask", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.14", "TCP Flag Bit", SyntaxInteger, AccessRead, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.15", "TCP Flag Bit Mask", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.16", "Protocol ID Option", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.17", "Protocol ID Mask", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.18", "Mask Port", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.19", "Row Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

} // namespace

TIPMaskInformationForm::TIPMaskInformationForm(QWidget *owner) : TAclTableForm(owner)
{
    setObjectName(QStringLiteral("IPMaskInformationForm"));
    CreateFrame(true);

    auto *editors = new QGroupBox(this);
    auto *grid = new QGridLayout(editors);
    auto edit = [editors](const char *name) {
        auto *box = new QLineEdit(editors);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    auto combo = [editors](const char *name) {
        auto *box = new QComboBox(editors);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    IPIDEdit = edit("IPIDEdit");
    UseVlanComBo = combo("UseVlanComBo");
    IpAddMaskStateComboBox = combo("IpAddMaskStateComboBox");
    IpAddMaskSrcEdit = edit("IpAddMaskSrcEdit");
    IpAddMaskDstEdit = edit("IpAddMaskDstEdit");
    UseDSCPComBo = combo("UseDSCPComBo");
    UseProTypeComBo = combo("UseProTypeComBo");
    ICMPOptionComBo = combo("ICMPOptionComBo");
    IGMPOptionComBo = combo("IGMPOptionComBo");
    TCPOptionComBo = combo("TCPOptionComBo");
    UDPOptionComBo = combo("UDPOptionComBo");
    TCPUDPSrcMaskEdit = edit("TCPUDPSrcMaskEdit");
    TCPUDPDstPortMaskEdit = edit("TCPUDPDstPortMaskEdit");
    TCPFlagBitOptionComBo = combo("TCPFlagBitOptionComBo");
    TCPFlagBitMaskEdit = edit("TCPFlagBitMaskEdit");
    ProOptionComBo = combo("ProOptionComBo");
    ProIDMaskEdit = edit("ProIDMaskEdit");
    RowStatusComBo = combo("RowStatusComBo");
    const std::pair<const char *, QWidget *> rows[] = {
        {"IP Mask ID", IPIDEdit},
        {"Use Vlan", UseVlanComBo},
        {"Ip Address Mask State", IpAddMaskStateComboBox},
        {"Ip Address Mask Source", IpAddMaskSrcEdit},
        {"Ip Address Mask Destination", IpAddMaskDstEdit},
        {"Use DSCP", UseDSCPComBo},
        {"Use Protocol Type", UseProTypeComBo},
        {"ICMP Option", ICMPOptionComBo},
        {"IGMP Option", IGMPOptionComBo},
        {"TCP Option", TCPOptionComBo},
        {"UDP Option", UDPOptionComBo},
        {"TCP or UDP Srouce Port Mask", TCPUDPSrcMaskEdit},
        {"TCP or UDP Destination Port Mask", TCPUDPDstPortMaskEdit},
        {"TCP Flag Bit Option", TCPFlagBitOptionComBo},
        {"TCP Flag Bit Mask", TCPFlagBitMaskEdit},
        {"Protocol ID Option", ProOptionComBo},
        {"Protocol ID Mask", ProIDMaskEdit},
        {"Row Status", RowStatusComBo},
    };
    int line = 0;
    for (const auto &[caption, control] : rows) {
        auto *label = new QLabel(QString::fromLatin1(caption), editors);
        grid->addWidget(label, line / 2 * 1, (line % 2) * 2);
        grid->addWidget(control, line / 2 * 1, (line % 2) * 2 + 1);
        if (control == TCPFlagBitOptionComBo)
            TCPFlagBitOptionLabel = label;
        ++line;
    }
    grid->setRowStretch(line / 2 + 1, 1);
    // The flag bit is the agent's own: shown nowhere, never written.
    TCPFlagBitOptionLabel->setVisible(false);
    TCPFlagBitOptionComBo->setVisible(false);

    BT_Get = new QPushButton(QStringLiteral("Refresh"), this);
    BT_Get->setObjectName(QStringLiteral("BT_Get"));
    SetBtn = new QPushButton(QStringLiteral("Set"), this);
    SetBtn->setObjectName(QStringLiteral("SetBtn"));
    BT_Add = new QPushButton(QStringLiteral("Add"), this);
    BT_Add->setObjectName(QStringLiteral("BT_Add"));
    BT_Delete = new QPushButton(QStringLiteral("Delete"), this);
    BT_Delete->setObjectName(QStringLiteral("BT_Delete"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {BT_Get, SetBtn, BT_Add, BT_Delete}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListView1, 2);
    layout->addWidget(editors);
    layout->addWidget(StackingPortPanel, 3);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    const double scale = TMainWindowAnchor::ScaleFactor() != 1.0 ? 1.25 : 1.0;
    resize(int(760 * scale), int(760 * scale));
    TMainWindowAnchor::CentreOverMainWindow(this);

    connect(BT_Get, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(BT_Add, &QPushButton::clicked, this, [this] { AddClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { DeleteClick(); });

    BuildPortGrid();
    const QString bits = TStackingPortUitForm::BitIndexList();
    try {
        CreateBinding(IpMaskTable, 1);
        setWindowTitle(QStringLiteral("IP Mask MaskInformation :") + Binding->Request.Device.Address);
        Binding->BindEdit(ColId, QStringLiteral("%i{n1x255l3}"), {IPIDEdit});
        Binding->BindComboBox(ColUseVlan, UseVlanComBo);
        Binding->BindComboBox(ColMaskState, IpAddMaskStateComboBox);
        Binding->BindEdit(ColSourceMask, QStringLiteral("%s"), {IpAddMaskSrcEdit});
        Binding->BindEdit(ColDestinationMask, QStringLiteral("%s"), {IpAddMaskDstEdit});
        Binding->BindComboBox(ColUseDscp, UseDSCPComBo);
        Binding->BindComboBox(ColProtocolType, UseProTypeComBo);
        Binding->BindComboBox(ColIcmpOption, ICMPOptionComBo);
        Binding->BindComboBox(ColIgmpOption, IGMPOptionComBo);
        Binding->BindComboBox(ColTcpOption, TCPOptionComBo);
        Binding->BindComboBox(ColUdpOption, UDPOptionComBo);
        Binding->BindEdit(ColSourcePortMask, QStringLiteral("%s"), {TCPUDPSrcMaskEdit});
        Binding->BindEdit(ColDestinationPortMask, QStringLiteral("%s"), {TCPUDPDstPortMaskEdit});
        Binding->BindComboBox(ColTcpFlagBit, TCPFlagBitOptionComBo);
        Binding->BindEdit(ColTcpFlagBitMask, QStringLiteral("%i"), {TCPFlagBitMaskEdit});
        Binding->BindComboBox(ColProtocolIdOption, ProOptionComBo);
        Binding->BindEdit(ColProtocolIdMask, QStringLiteral("%s"), {ProIDMaskEdit});
        Binding->BindCheckBoxList(ColPorts, bits, PortGrid->PortBoxes);
        Binding->BindComboBox(ColRowStatus, RowStatusComBo);
        const std::pair<QComboBox *, int> presets[] = {
            {UseVlanComBo, 1},    {IpAddMaskStateComboBox, 0}, {UseDSCPComBo, 1},   {UseProTypeComBo, 0},
            {ICMPOptionComBo, 0}, {IGMPOptionComBo, 1},        {TCPOptionComBo, 0}, {UDPOptionComBo, 0},
            {ProOptionComBo, 1},  {RowStatusComBo, 0},
        };
        for (const auto &[box, item] : presets)
            box->setCurrentIndex(item);
    } catch (const KtException &error) {
        ShowError(error.Message);
    }
    // After the binding: the window's handler sees the row just shown.
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (ListView1->selectedItems().isEmpty())
            SetIdleState();
        else
            SetRowState();
    });
    ReadTable();
    SetIdleState();
    ClearEditors();
}

void TIPMaskInformationForm::SetIdleState()
{
    SetBtn->setEnabled(false);
    BT_Add->setEnabled(true);
    BT_Delete->setEnabled(false);
    IPIDEdit->setEnabled(true);
}

void TIPMaskInformationForm::SetRowState()
{
    SetBtn->setEnabled(true);
    BT_Add->setEnabled(false);
    BT_Delete->setEnabled(true);
    IPIDEdit->setEnabled(false);
}

void TIPMaskInformationForm::ClearEditors()
{
    for (QLineEdit *box : {IPIDEdit, IpAddMaskSrcEdit, IpAddMaskDstEdit, TCPUDPSrcMaskEdit,
                           TCPUDPDstPortMaskEdit, TCPFlagBitMaskEdit, ProIDMaskEdit})
        box->clear();
    for (QComboBox *box : {IpAddMaskStateComboBox, TCPOptionComBo, UDPOptionComBo})
        box->setCurrentIndex(0);
    if (PortGrid)
        PortGrid->ClearBoxes();
}

void TIPMaskInformationForm::MaskStateExclusion()
{
    const QString state = IpAddMaskStateComboBox->currentText();
    if (state == QLatin1String("other")) {
        ExcludeColumn(ColSourceMask);
        ExcludeColumn(ColDestinationMask);
    } else if (state == QLatin1String("dst-ip-addr")) {
        ExcludeColumn(ColSourceMask);
    } else if (state == QLatin1String("src-ip-addr")) {
        ExcludeColumn(ColDestinationMask);
    }
}

void TIPMaskInformationForm::PortOptionExclusion()
{
    if (TCPOptionComBo->currentIndex() == 0)
        ExcludeColumn(ColTcpOption);
    if (UDPOptionComBo->currentIndex() == 0)
        ExcludeColumn(ColUdpOption);
    ExcludeColumn(ColSourcePortMask);
    ExcludeColumn(ColDestinationPortMask);
    const QString tcp = TCPOptionComBo->currentText();
    const QString udp = UDPOptionComBo->currentText();
    auto either = [&](const char *option) {
        return tcp == QLatin1String(option) || udp == QLatin1String(option);
    };
    if (either("dst-addr"))
        RestoreColumn(ColDestinationPortMask);
    if (either("src-addr"))
        RestoreColumn(ColSourcePortMask);
    if (either("dst-src-addr")) {
        RestoreColumn(ColSourcePortMask);
        RestoreColumn(ColDestinationPortMask);
    }
    ExcludeColumn(ColTcpFlagBit);
    if (TCPFlagBitMaskEdit->text().isEmpty())
        ExcludeColumn(ColTcpFlagBitMask);
    if (!(UseProTypeComBo->currentText() == QLatin1String("protocolId") &&
          ProOptionComBo->currentIndex() == 0))
        ExcludeColumn(ColProtocolIdMask);
}

void TIPMaskInformationForm::ProtocolExclusion()
{
    switch (UseProTypeComBo->currentIndex()) {
    case 0: // none
        ExcludeColumns(ColIcmpOption, ColProtocolIdMask);
        break;
    case 1: // icmp
        ExcludeColumns(ColIgmpOption, ColProtocolIdMask);
        if (ICMPOptionComBo->currentIndex() == 0)
            ExcludeColumn(ColIcmpOption);
        break;
    case 2: // igmp
        ExcludeColumn(ColIcmpOption);
        ExcludeColumns(ColTcpOption, ColProtocolIdMask);
        break;
    case 3: // tcp
        for (int column :
             {ColIcmpOption, ColIgmpOption, ColUdpOption, ColProtocolIdOption, ColProtocolIdMask})
            ExcludeColumn(column);
        break;
    case 4: // udp
        for (int column : {ColIcmpOption, ColIgmpOption, ColTcpOption, ColTcpFlagBit, ColTcpFlagBitMask,
                           ColProtocolIdOption, ColProtocolIdMask})
            ExcludeColumn(column);
        break;
    case 5: // protocolId
        ExcludeColumns(ColIcmpOption, ColTcpFlagBitMask);
        break;
    default:
        break;
    }
}

void TIPMaskInformationForm::EmptyFieldExclusion()
{
    const std::pair<QLineEdit *, int> fields[] = {
        {IpAddMaskSrcEdit, ColSourceMask},       {IpAddMaskDstEdit, ColDestinationMask},
        {TCPUDPSrcMaskEdit, ColSourcePortMask},  {TCPUDPDstPortMaskEdit, ColDestinationPortMask},
        {TCPFlagBitMaskEdit, ColTcpFlagBitMask}, {ProIDMaskEdit, ColProtocolIdMask},
    };
    for (const auto &[box, column] : fields)
        if (box->text().isEmpty())
            ExcludeColumn(column);
}

void TIPMaskInformationForm::RefreshClick()
{
    ReadTable();
    Finish();
}

void TIPMaskInformationForm::SetBtnClick()
{
    if (IPIDEdit->text().isEmpty()) {
        Refuse(QStringLiteral("IP Mask ID must be set."), IPIDEdit);
        return;
    }
    if (RowStatusComBo->currentIndex() == DestroyItem) {
        DeleteClick();
        return;
    }
    WriteFlow([this] { SetSelection(); });
}

void TIPMaskInformationForm::SetSelection()
{
    MaskStateExclusion();
    PortOptionExclusion();
    ProtocolExclusion();
    EmptyFieldExclusion();
}

void TIPMaskInformationForm::AddSelection()
{
    MaskStateExclusion();
    PortOptionExclusion();
    if (!AnyPortChecked())
        ExcludeColumn(ColPorts);
    ProtocolExclusion();
    EmptyFieldExclusion();
}

void TIPMaskInformationForm::DeleteClick()
{
    WriteFlow([this] {
        ExcludeColumns(ColUseVlan, ColPorts);
        RowStatusComBo->setCurrentIndex(DestroyItem);
    });
}

void TIPMaskInformationForm::AddClick()
{
    if (IPIDEdit->text().isEmpty()) {
        Refuse(QStringLiteral("IP Mask ID must be set."), IPIDEdit);
        return;
    }
    if (HasRow(IPIDEdit->text())) {
        Refuse(QStringLiteral("There is already a record with the same IP Mask ID. Please modified it."),
               IPIDEdit);
        return;
    }
    if (RowStatusComBo->currentIndex() != CreateAndGoItem) {
        Refuse(QStringLiteral("Row Status must be createAndGo."), RowStatusComBo);
        return;
    }
    WriteFlow([this] {
        AddSelection();
        RowStatusComBo->setCurrentIndex(CreateAndGoItem);
    });
}
