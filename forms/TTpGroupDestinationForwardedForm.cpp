#include "TTpGroupDestinationForwardedForm.h"

#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"
#include "TStackingPortUitForm.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr KtSNMPVarDef Dot1qTpGroupTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", SyntaxGauge32, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "GroupAddress", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "EgressPorts", SyntaxOctets, AccessRead},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRPLearntPorts", SyntaxOctets, AccessRead},
    {},
};

enum Column
{
    ColEgress = 2,
    ColLearnt = 3,
};

} // namespace

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(QWidget *owner, KtDeviceState *state)
    : TBridgeInfoForm(owner, QStringLiteral("TpGroupDestinationForwardedForm"),
                      QStringLiteral("Tp Group Destination Forwarded"), state)
{
    LV_dot1qTpGroupEntry = AddListView(QStringLiteral("LV_dot1qTpGroupEntry"));
    PortPageControl = new QTabWidget(this);
    PortPageControl->setObjectName(QStringLiteral("PortPageControl"));
    Content->addWidget(PortPageControl, 3);
    EgressGrid = AddGridPage(PortPageControl, QStringLiteral("Egress Ports"));
    LearntGrid = AddGridPage(PortPageControl, QStringLiteral("GMRP Learn Port"));
    FinishLayout(680, 600);
    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });

    const QString bits = TStackingPortUitForm::BitIndexList();
    TableBinding = AddBinding(KtSNMPVarList(Dot1qTpGroupTable, ListTableEx, 2));
    Guarded(TableBinding, [this, &bits] {
        TableBinding->AttachListView(LV_dot1qTpGroupEntry, true);
        TableBinding->BindCheckBoxList(ColEgress, bits, EgressGrid->PortBoxes);
        TableBinding->BindCheckBoxList(ColLearnt, bits, LearntGrid->PortBoxes);
        TableBinding->Get();
    });
}

void TTpGroupDestinationForwardedForm::RefreshBtnClick()
{
    GetAll();
}

KtDescriptorTables TTpGroupDestinationForwardedForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Dot1qTpGroupTable, ListTableEx, 2}};
    return tables;
}
