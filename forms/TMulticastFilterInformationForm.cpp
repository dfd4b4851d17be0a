#include "TMulticastFilterInformationForm.h"
#include "KtStandardOptions.h"

#include "KtFieldControls.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"
#include "TStackingPortUitForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const KtSNMPVarDef Dot1qStaticMulticastTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "MacAddress", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "ReceivePort", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "EgressPorts", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.2.1.4", "ForbiddenPorts", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", SyntaxInteger, AccessReadWrite, &StaticStatus},
    {},
};

enum Column
{
    ColIndex = 0,
    ColMac = 1,
    ColEgress = 3,
    ColForbidden = 4,
    ColStatus = 5,
};

using Kind = KtFieldControls::FieldKind;

// The two port columns are bound to grids of their own.
constexpr KtFieldControls::Field Fields[] = {
    {ColIndex, Kind::Edit, "VID", "ED_MulticastVID", "%i{n1x4094}"},
    {ColMac, Kind::Edit, "MAC Address", "ED_MACAddress", "%h"},
    {ColStatus, Kind::Combo, "Status", "Status"},
};

} // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(QWidget *owner, KtDeviceState *state)
    : TBridgeInfoForm(owner, QStringLiteral("MulticastFilterInformationForm"),
                      QStringLiteral("MulticastFilterInformationForm"), state)
{
    LV_dot1qStaticMulticastEntry = AddListView(QStringLiteral("LV_dot1qStaticMulticastEntry"));
    const KtFieldControls fields(this, Fields);
    ED_MulticastVID = fields.Edit(ColIndex);
    ED_MACAddress = fields.Edit(ColMac);
    Status = fields.Combo(ColStatus);
    Content->addLayout(fields.NewFormLayout());
    PortPageControl = new QTabWidget(this);
    PortPageControl->setObjectName(QStringLiteral("PortPageControl"));
    Content->addWidget(PortPageControl, 3);
    EgressGrid = AddGridPage(PortPageControl, QStringLiteral("Egress Ports"));
    ForbiddenGrid = AddGridPage(PortPageControl, QStringLiteral("Forbidden Ports"));
    SetBtn = AddButton(QStringLiteral("SetBtn"), QStringLiteral("Set"));
    FinishLayout(680, 640);
    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });

    const QString bits = TStackingPortUitForm::BitIndexList();
    TableBinding = AddBinding(KtSNMPVarList(Dot1qStaticMulticastTable, ListTableEx, 3));
    Guarded(TableBinding, [this, &bits, &fields] {
        TableBinding->AttachListView(LV_dot1qStaticMulticastEntry, true);
        fields.Bind(TableBinding);
        TableBinding->BindCheckBoxList(ColEgress, bits, EgressGrid->PortBoxes);
        TableBinding->BindCheckBoxList(ColForbidden, bits, ForbiddenGrid->PortBoxes);
        TableBinding->Get();
        WriteRowCount();
    });
}

void TMulticastFilterInformationForm::ClearEditors()
{
    EgressGrid->ClearBoxes();
    ForbiddenGrid->ClearBoxes();
    ED_MulticastVID->clear();
    ED_MACAddress->clear();
    Status->setCurrentIndex(-1);
    Status->setEditText(QString());
}

void TMulticastFilterInformationForm::RefreshBtnClick()
{
    if (Closed())
        return;
    Guarded(TableBinding, [this] {
        TableBinding->Get();
        WriteRowCount();
        ClearEditors();
    });
}

void TMulticastFilterInformationForm::SetBtnClick()
{
    if (Closed())
        return;
    GuardedSet(TableBinding, [this] {
        TableBinding->Set(true, true, QString(), nullptr);
        WriteRowCount();
    });
}

KtDescriptorTables TMulticastFilterInformationForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Dot1qStaticMulticastTable, ListTableEx, 3, ColStatus}};
    return tables;
}
