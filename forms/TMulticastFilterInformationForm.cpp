#include "TMulticastFilterInformationForm.h"
#include "KtStandardOptions.h"

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

} // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(QWidget *owner, KtDeviceState *state)
    : TBridgeInfoForm(owner, QStringLiteral("MulticastFilterInformationForm"),
                      QStringLiteral("MulticastFilterInformationForm"), state)
{
    LV_dot1qStaticMulticastEntry = AddListView(QStringLiteral("LV_dot1qStaticMulticastEntry"));
    ED_MulticastVID = new QLineEdit(this);
    ED_MulticastVID->setObjectName(QStringLiteral("ED_MulticastVID"));
    ED_MACAddress = new QLineEdit(this);
    ED_MACAddress->setObjectName(QStringLiteral("ED_MACAddress"));
    Status = new QComboBox(this);
    Status->setObjectName(QStringLiteral("Status"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("VID"), ED_MulticastVID);
    form->addRow(QStringLiteral("MAC Address"), ED_MACAddress);
    form->addRow(QStringLiteral("Status"), Status);
    Content->addLayout(form);
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
    Guarded(TableBinding, [this, &bits] {
        TableBinding->AttachListView(LV_dot1qStaticMulticastEntry, true);
        TableBinding->BindEdit(ColIndex, QStringLiteral("%i{n1x4094}"), {ED_MulticastVID});
        TableBinding->BindEdit(ColMac, QStringLiteral("%h"), {ED_MACAddress});
        TableBinding->BindCheckBoxList(ColEgress, bits, EgressGrid->PortBoxes);
        TableBinding->BindCheckBoxList(ColForbidden, bits, ForbiddenGrid->PortBoxes);
        TableBinding->BindComboBox(ColStatus, Status);
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
