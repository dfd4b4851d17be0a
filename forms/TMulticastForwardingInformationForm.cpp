#include "TMulticastForwardingInformationForm.h"

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
    {"1.3.6.1.2.1.17.7.1.2.4.1.1", "AllPorts", SyntaxBits, AccessRead},
    {"1.3.6.1.2.1.17.7.1.2.4.1.2", "StaticPorts", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.4.1.3", "ForbiddenPorts", SyntaxBits, AccessReadWrite},
    {},
};

enum Column
{
    ColAll = 1,
    ColStatic = 2,
    ColForbidden = 3,
};

} // namespace

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(QWidget *owner)
    : TBridgeInfoForm(owner, QStringLiteral("MulticastForwardingInformationForm"),
                      QStringLiteral("MulticastForwardingInformationForm"))
{
    LV_dot1qForwardAllEntry = AddListView(QStringLiteral("LV_dot1qForwardAllEntry"));
    PortPageControl = new QTabWidget(this);
    PortPageControl->setObjectName(QStringLiteral("PortPageControl"));
    Content->addWidget(PortPageControl, 3);
    AllGrid = AddGridPage(PortPageControl, QStringLiteral("All Forwarded Ports"));
    StaticGrid = AddGridPage(PortPageControl, QStringLiteral("All Static Ports"));
    ForbiddenGrid = AddGridPage(PortPageControl, QStringLiteral("All Forbiden Ports"));
    SetBtn = AddButton(QStringLiteral("SetBtn"), QStringLiteral("Set"));
    FinishLayout(680, 600);
    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });

    const QString bits = TStackingPortUitForm::BitIndexList();
    TableBinding = AddBinding(KtSNMPVarList(PortListTable, ListTable, 1));
    Guarded(TableBinding, [this, &bits] {
        TableBinding->AttachListView(LV_dot1qForwardAllEntry, true);
        TableBinding->BindCheckBoxList(ColAll, bits, AllGrid->PortBoxes);
        TableBinding->BindCheckBoxList(ColStatic, bits, StaticGrid->PortBoxes);
        TableBinding->BindCheckBoxList(ColForbidden, bits, ForbiddenGrid->PortBoxes);
        TableBinding->Get();
        WriteRowCount();
    });
}

void TMulticastForwardingInformationForm::SetBtnClick()
{
    if (Closed())
        return;
    Guarded(TableBinding, [this] {
        TableBinding->Set(true, true, QString(), nullptr);
        WriteRowCount();
    });
}

void TMulticastForwardingInformationForm::RefreshBtnClick()
{
    if (Closed())
        return;
    Guarded(TableBinding, [this] {
        TableBinding->Get();
        WriteRowCount();
    });
}
