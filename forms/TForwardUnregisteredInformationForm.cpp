#include "TForwardUnregisteredInformationForm.h"

#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"
#include "TStackingPortUitForm.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr KtSNMPVarDef PortListTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", SyntaxGauge32, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.5.1.1", "UnregisteredPorts", SyntaxOctets, AccessRead},
    {"1.3.6.1.2.1.17.7.1.2.5.1.2", "UnregisteredStaticPorts", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.5.1.3", "UnregisteredForbiddenPorts", SyntaxOctets, AccessReadWrite},
    {},
};

enum Column
{
    ColAll = 1,
    ColStatic = 2,
    ColForbidden = 3,
};

} // namespace

TForwardUnregisteredInformationForm::TForwardUnregisteredInformationForm(QWidget *owner)
    : TBridgeInfoForm(owner, QStringLiteral("ForwardUnregisteredInformationForm"),
                      QStringLiteral("Forward Unregistered Information"))
{
    LV_dot1qForwardUnregisteredEntry = AddListView(QStringLiteral("LV_dot1qForwardUnregisteredEntry"));
    PortPageControl = new QTabWidget(this);
    PortPageControl->setObjectName(QStringLiteral("PortPageControl"));
    Content->addWidget(PortPageControl, 3);
    AllGrid = AddGridPage(PortPageControl, QStringLiteral("Unregistered Ports"));
    StaticGrid = AddGridPage(PortPageControl, QStringLiteral("Unregisteried Static Ports"));
    ForbiddenGrid = AddGridPage(PortPageControl, QStringLiteral("Unregistered Forbidden Ports"));
    SetBtn = AddButton(QStringLiteral("SetBtn"), QStringLiteral("Set"));
    FinishLayout(680, 600);
    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });

    const QString bits = TStackingPortUitForm::BitIndexList();
    TableBinding = AddBinding(KtSNMPVarList(PortListTable, ListTable, 1));
    Guarded(TableBinding, [this, &bits] {
        TableBinding->AttachListView(LV_dot1qForwardUnregisteredEntry, true);
        TableBinding->BindCheckBoxList(ColAll, bits, AllGrid->PortBoxes);
        TableBinding->BindCheckBoxList(ColStatic, bits, StaticGrid->PortBoxes);
        TableBinding->BindCheckBoxList(ColForbidden, bits, ForbiddenGrid->PortBoxes);
        TableBinding->Get();
        WriteRowCount();
    });
}

void TForwardUnregisteredInformationForm::SetBtnClick()
{
    if (Closed())
        return;
    Guarded(TableBinding, [this] {
        TableBinding->Set(true, true, QString(), nullptr);
        WriteRowCount();
    });
}

void TForwardUnregisteredInformationForm::RefreshBtnClick()
{
    if (Closed())
        return;
    Guarded(TableBinding, [this] {
        TableBinding->Get();
        WriteRowCount();
        // No row is selected after a fresh read: the grids show nothing.
        AllGrid->ClearBoxes();
        StaticGrid->ClearBoxes();
        ForbiddenGrid->ClearBoxes();
    });
}
