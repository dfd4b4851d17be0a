#include "TIPMaskInformationForm.h"
#include "KtStandardOptions.h"
#include "TAclOptions.h"

#include "KtOptionList.h"
#include "KtSNMPVarDef.h"
#include "TStackingPortUitForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>

namespace {

constexpr KtOptionDef EnableDisableVerbsFromOnePairs[] = {{1, "enable"}, {2, "disable"}, {}};
const KtOptionList EnableDisableVerbsFromOne(EnableDisableVerbsFromOnePairs);

constexpr KtOptionDef IpMaskStatePairs[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {}};
const KtOptionList IpMaskState(IpMaskStatePairs);

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
    {"1.3.6.1.4.1.47893.11.5.1.2.1.7", "Use Protocol Type", SyntaxInteger, AccessReadWrite, &IpProtocolType},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.8", "ICMP Option", SyntaxInteger, AccessReadWrite, &IcmpOption},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.9", "IGMP Option", SyntaxInteger, AccessReadWrite,
     &EnableDisableVerbsFromOne},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.10", "TCP Option", SyntaxInteger, AccessReadWrite, &PortOption},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.11", "UDP Option", SyntaxInteger, AccessReadWrite, &PortOption},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.12", "TCP or UDP Srouce Port Mask", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.13", "TCP or UDP Destination Port Mask", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.14", "TCP Flag Bit", SyntaxInteger, AccessRead,
     &EnableDisableVerbsFromOne},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.15", "TCP Flag Bit Mask", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.16", "Protocol ID Option", SyntaxInteger, AccessReadWrite,
     &EnableDisableVerbsFromOne},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.17", "Protocol ID Mask", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.18", "Mask Port", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.2.1.19", "Row Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

using C = TIPMaskInformationForm::Column;
using Kind = KtFieldControls::FieldKind;

constexpr KtFieldControls::Field Fields[] = {
    {C::ColId, Kind::Edit, "IP Mask ID", "IPIDEdit", "%i{n1x255l3}"},
    {C::ColUseVlan, Kind::Combo, "Use Vlan", "UseVlanComBo"},
    {C::ColMaskState, Kind::Combo, "Ip Address Mask State", "IpAddMaskStateComboBox"},
    {C::ColSourceMask, Kind::Edit, "Ip Address Mask Source", "IpAddMaskSrcEdit", "%s"},
    {C::ColDestinationMask, Kind::Edit, "Ip Address Mask Destination", "IpAddMaskDstEdit", "%s"},
    {C::ColUseDscp, Kind::Combo, "Use DSCP", "UseDSCPComBo"},
    {C::ColProtocolType, Kind::Combo, "Use Protocol Type", "UseProTypeComBo"},
    {C::ColIcmpOption, Kind::Combo, "ICMP Option", "ICMPOptionComBo"},
    {C::ColIgmpOption, Kind::Combo, "IGMP Option", "IGMPOptionComBo"},
    {C::ColTcpOption, Kind::Combo, "TCP Option", "TCPOptionComBo"},
    {C::ColUdpOption, Kind::Combo, "UDP Option", "UDPOptionComBo"},
    {C::ColSourcePortMask, Kind::Edit, "TCP or UDP Srouce Port Mask", "TCPUDPSrcMaskEdit", "%s"},
    {C::ColDestinationPortMask, Kind::Edit, "TCP or UDP Destination Port Mask", "TCPUDPDstPortMaskEdit",
     "%s"},
    {C::ColTcpFlagBit, Kind::Combo, "TCP Flag Bit Option", "TCPFlagBitOptionComBo"},
    {C::ColTcpFlagBitMask, Kind::Edit, "TCP Flag Bit Mask", "TCPFlagBitMaskEdit", "%i"},
    {C::ColProtocolIdOption, Kind::Combo, "Protocol ID Option", "ProOptionComBo"},
    {C::ColProtocolIdMask, Kind::Edit, "Protocol ID Mask", "ProIDMaskEdit", "%s"},
    {C::ColPorts, Kind::Ports},
    {C::ColRowStatus, Kind::Combo, "Row Status", "RowStatusComBo"},
};

constexpr TAclMaskForm::MaskDesign Design = {
    "IPMaskInformationForm",
    "IP Mask MaskInformation :",
    IpMaskTable,
    Fields,
    int(std::size(Fields)),
    {"BT_Get", "Refresh"},
    {"SetBtn", "Set"},
    {"BT_Add", "Add"},
    {"BT_Delete", "Delete"},
    2,
    false,
    760,
    760,
};

} // namespace

TIPMaskInformationForm::TIPMaskInformationForm(QWidget *owner, KtDeviceState *state)
    : TAclMaskForm(owner, Design, state)
{
    IPIDEdit = Edit(ColId);
    UseVlanComBo = Combo(ColUseVlan);
    IpAddMaskStateComboBox = Combo(ColMaskState);
    IpAddMaskSrcEdit = Edit(ColSourceMask);
    IpAddMaskDstEdit = Edit(ColDestinationMask);
    UseDSCPComBo = Combo(ColUseDscp);
    UseProTypeComBo = Combo(ColProtocolType);
    ICMPOptionComBo = Combo(ColIcmpOption);
    IGMPOptionComBo = Combo(ColIgmpOption);
    TCPOptionComBo = Combo(ColTcpOption);
    UDPOptionComBo = Combo(ColUdpOption);
    TCPUDPSrcMaskEdit = Edit(ColSourcePortMask);
    TCPUDPDstPortMaskEdit = Edit(ColDestinationPortMask);
    TCPFlagBitOptionLabel = Caption(ColTcpFlagBit);
    TCPFlagBitOptionComBo = Combo(ColTcpFlagBit);
    TCPFlagBitMaskEdit = Edit(ColTcpFlagBitMask);
    ProOptionComBo = Combo(ColProtocolIdOption);
    ProIDMaskEdit = Edit(ColProtocolIdMask);
    RowStatusComBo = Combo(ColRowStatus);
    BT_Get = Button(RefreshRole);
    SetBtn = Button(SetRole);
    BT_Add = Button(AddRole);
    BT_Delete = Button(DeleteRole);
    connect(BT_Get, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(BT_Add, &QPushButton::clicked, this, [this] { AddClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { DeleteClick(); });
    // The flag bit is the agent's own: shown nowhere, never written.
    TCPFlagBitOptionLabel->setVisible(false);
    TCPFlagBitOptionComBo->setVisible(false);

    const std::pair<QComboBox *, int> presets[] = {
        {UseVlanComBo, 1},    {IpAddMaskStateComboBox, 0}, {UseDSCPComBo, 1},   {UseProTypeComBo, 0},
        {ICMPOptionComBo, 0}, {IGMPOptionComBo, 1},        {TCPOptionComBo, 0}, {UDPOptionComBo, 0},
        {ProOptionComBo, 1},  {RowStatusComBo, 0},
    };
    for (const auto &[box, item] : presets)
        box->setCurrentIndex(item);
    ReadTable();
    SetIdleState();
    ClearEditors();
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

KtDescriptorTables TIPMaskInformationForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{IpMaskTable, ListTableEx, 1, ColRowStatus}};
    return tables;
}
