#include "TEthernetMaskInformationForm.h"
#include "KtStandardOptions.h"

#include "KtOptionList.h"
#include "KtSNMPVarDef.h"
#include "TStackingPortUitForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>

namespace {

constexpr KtOptionDef MacMaskStatePairs[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {}};
const KtOptionList MacMaskState(MacMaskStatePairs);

// The Ethernet mask table; the mask ID is the row's instance.
const KtSNMPVarDef EthernetMaskTable[] = {
    {"1.3.6.1.4.1.47893.11.5.1.1.1.1", "Ethernet Mask ID ", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.2", "Use Vlan", SyntaxInteger, AccessReadWrite, &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.3", "Mac Address Mask State", SyntaxInteger, AccessReadWrite,
     &MacMaskState},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.4", "Mac Address Mask Sourcc", SyntaxMacAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.5", "Mac Address Mask Destination", SyntaxMacAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.6", "Use 8021p", SyntaxInteger, AccessReadWrite, &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.7", "Use Ethernet Type", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.8", "Mask Port", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.9", "Row Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

using C = TEthernetMaskInformationForm::Column;
using Kind = KtFieldControls::FieldKind;

constexpr KtFieldControls::Field Fields[] = {
    {C::ColId, Kind::Edit, "Ethernet Mask ID", "IDEdit", "%i{n1x255l3}"},
    {C::ColUseVlan, Kind::Combo, "Use Vlan", "UseVLanComBo"},
    {C::ColMaskState, Kind::Combo, "Mac Address Mask State", "MacMaskStateComBo"},
    {C::ColSourceMask, Kind::Edit, "Mac Address Mask Source", "MacAddMaskSourceEdit", "%s"},
    {C::ColDestinationMask, Kind::Edit, "Mac Address Mask Destination", "MacMaskDstEdit", "%s"},
    {C::ColUse8021p, Kind::Combo, "Use 8021p", "Use8021pComBo"},
    {C::ColUseEthType, Kind::Combo, "Use Ethernet Type", "UseEthTypeCombo"},
    {C::ColPorts, Kind::Ports},
    {C::ColRowStatus, Kind::Combo, "Row Status", "RowStatusComBo"},
};

constexpr TAclMaskForm::MaskDesign Design = {
    "EthernetMaskInformationForm",
    "Ethernet Mask Information :",
    EthernetMaskTable,
    Fields,
    int(std::size(Fields)),
    {"BT_Get", "Refresh"},
    {"SetBtn", "Set"},
    {"AddBtn", "Add"},
    {"BT_Delete", "Delete"},
    1,
    true,
    720,
    620,
};

} // namespace

TEthernetMaskInformationForm::TEthernetMaskInformationForm(QWidget *owner, KtDeviceState *state)
    : TAclMaskForm(owner, Design, state)
{
    IDEdit = Edit(ColId);
    UseVLanComBo = Combo(ColUseVlan);
    MacMaskStateComBo = Combo(ColMaskState);
    MacAddMaskSourceEdit = Edit(ColSourceMask);
    MacMaskDstEdit = Edit(ColDestinationMask);
    Use8021pComBo = Combo(ColUse8021p);
    UseEthTypeCombo = Combo(ColUseEthType);
    RowStatusComBo = Combo(ColRowStatus);
    BT_Get = Button(RefreshRole);
    SetBtn = Button(SetRole);
    AddBtn = Button(AddRole);
    BT_Delete = Button(DeleteRole);
    connect(BT_Get, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { AddBtnClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { DeleteClick(); });

    for (QComboBox *box : {UseVLanComBo, Use8021pComBo, MacMaskStateComBo, UseEthTypeCombo, RowStatusComBo})
        box->setCurrentIndex(0);
    ReadTable();
    SetIdleState();
    ClearEditors();
}

void TEthernetMaskInformationForm::ClearEditors()
{
    IDEdit->clear();
    MacMaskDstEdit->clear();
    MacAddMaskSourceEdit->clear();
    if (PortGrid)
        PortGrid->ClearBoxes();
}

void TEthernetMaskInformationForm::MaskStateExclusion()
{
    const QString state = MacMaskStateComBo->currentText();
    if (state == QLatin1String("other")) {
        ExcludeColumn(ColSourceMask);
        ExcludeColumn(ColDestinationMask);
    } else if (state == QLatin1String("dst-mac-addr")) {
        ExcludeColumn(ColSourceMask);
    } else if (state == QLatin1String("src-mac-addr")) {
        ExcludeColumn(ColDestinationMask);
    }
}

void TEthernetMaskInformationForm::RefreshClick()
{
    ReadTable();
    Finish();
}

void TEthernetMaskInformationForm::SetBtnClick()
{
    if (IDEdit->text().isEmpty()) {
        Refuse(QStringLiteral("Ethernet Mask ID must be set."), IDEdit);
        return;
    }
    WriteFlow([this] {
        MaskStateExclusion();
        if (RowStatusComBo->currentIndex() == DestroyItem)
            ExcludeColumns(ColUseVlan, ColPorts);
    });
}

void TEthernetMaskInformationForm::DeleteClick()
{
    WriteFlow([this] {
        ExcludeColumns(ColUseVlan, ColPorts);
        RowStatusComBo->setCurrentIndex(DestroyItem);
    });
}

void TEthernetMaskInformationForm::AddBtnClick()
{
    if (IDEdit->text().isEmpty()) {
        Refuse(QStringLiteral("Ethernet Mask ID must be set."), IDEdit);
        return;
    }
    if (HasRow(IDEdit->text())) {
        Refuse(
            QStringLiteral("There is already a record with the same Ethernet Mask ID. Please modified it."),
            IDEdit);
        return;
    }
    if (RowStatusComBo->currentIndex() != CreateAndGoItem) {
        Refuse(QStringLiteral("Row Status must be createAndGo."), RowStatusComBo);
        return;
    }
    WriteFlow([this] {
        MaskStateExclusion();
        if (!AnyPortChecked())
            ExcludeColumn(ColPorts);
        RowStatusComBo->setCurrentIndex(CreateAndGoItem);
    });
}

KtDescriptorTables TEthernetMaskInformationForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{EthernetMaskTable, ListTableEx, 1, ColRowStatus}};
    return tables;
}
