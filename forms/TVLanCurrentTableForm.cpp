#include "TVLanCurrentTableForm.h"

#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"
#include "TStackingPortUitForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr KtOptionDef VlanStatusPairs[] = {{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {}};
const KtOptionList VlanStatus(VlanStatusPairs);

// The current VLAN table: time mark and VLAN index make the instance.
const KtSNMPVarDef Dot1qVlanCurrentTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLANTimeMark", SyntaxTimeTicks, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLANIndex", SyntaxGauge32, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FdbId", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "CurrentEgressPorts", SyntaxOctets, AccessRead},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "CurrentUntaggedPorts", SyntaxOctets, AccessRead},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLANStatus", SyntaxInteger, AccessRead, &VlanStatus},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "CreationTime", SyntaxTimeTicks, AccessRead},
    {},
};

constexpr KtSNMPVarDef Dot1qVlanNumDeletes[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLANNumDeletes", SyntaxCounter32, AccessRead},
    {},
};

enum CurrentColumn
{
    ColVlanIndex = 1,
    ColEgress = 3,
    ColUntagged = 4,
};

QLabel *SunkenText(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(60);
    return label;
}

} // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(QWidget *owner, KtDeviceState *state)
    : TBindingForm(owner, QStringLiteral("VLanCurrentTableForm"), QStringLiteral("VLAN Current Table"), state)
{
    setModal(true);

    LV_dot1qVlanCurrentEntry = new QTreeWidget(this);
    LV_dot1qVlanCurrentEntry->setObjectName(QStringLiteral("LV_dot1qVlanCurrentEntry"));
    LV_dot1qVlanCurrentEntry->setRootIsDecorated(false);

    StaticText1 = SunkenText(this, "StaticText1");
    VlanNumDeletes = SunkenText(this, "VlanNumDeletes");
    ST_Count2 = (new TRowCountLabel(QStringLiteral("ST_Count2"), this))->Sunken(60);

    AddStatusMemo(70);

    PortPageControl = new QTabWidget(this);
    PortPageControl->setObjectName(QStringLiteral("PortPageControl"));
    auto *egressHost = new QWidget;
    egressHost->setObjectName(QStringLiteral("EgressHost"));
    auto *untaggedHost = new QWidget;
    untaggedHost->setObjectName(QStringLiteral("UntaggedHost"));
    PortPageControl->addTab(egressHost, QStringLiteral("Egress Port"));
    PortPageControl->addTab(untaggedHost, QStringLiteral("Untagged Port"));

    RefreshBtn = NewButton(QStringLiteral("Refresh"), QStringLiteral("RefreshBtn"));
    SetBtn = NewButton(QStringLiteral("Set"), QStringLiteral("SetBtn"));
    SetBtn->setVisible(false);

    auto *facts = new QGridLayout;
    facts->addWidget(new QLabel(QStringLiteral("VLAN Index"), this), 0, 0);
    facts->addWidget(StaticText1, 0, 1);
    facts->addWidget(new QLabel(QStringLiteral("VLAN Delete Numbers"), this), 1, 0);
    facts->addWidget(VlanNumDeletes, 1, 1);
    facts->setColumnStretch(2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("Samples"), this));
    buttons->addWidget(ST_Count2);
    buttons->addStretch();
    buttons->addWidget(RefreshBtn);
    buttons->addWidget(SetBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LV_dot1qVlanCurrentEntry, 2);
    layout->addLayout(facts);
    layout->addWidget(PortPageControl, 3);
    layout->addLayout(buttons);
    layout->addWidget(Memo1);

    FinishLayout(680, 600);

    EgressGrid = TStackingPortUitForm::Build(this, egressHost, Memo1, DeviceState);
    UntaggedGrid = TStackingPortUitForm::Build(this, untaggedHost, Memo1, DeviceState);
    const QString bits = TStackingPortUitForm::BitIndexList();

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    ST_Count2->Counts(LV_dot1qVlanCurrentEntry)->Follow(this);

    DeletesBinding = std::make_unique<KtSNMPRequest2Edits>(this);
    Guarded(DeletesBinding.get(), [&] {
        DeletesBinding->Request.Vars = KtSNMPVarList(Dot1qVlanNumDeletes, ListScalars);
        DeletesBinding->BindStaticText(0, VlanNumDeletes);
        DeletesBinding->SetStatusMemo(Memo1);
        DeletesBinding->Get();
    });

    TableBinding = std::make_unique<KtSNMPRequest2Edits>(this);
    Guarded(TableBinding.get(), [&] {
        TableBinding->Request.Vars = KtSNMPVarList(Dot1qVlanCurrentTable, ListTableEx, 2);
        TableBinding->AttachListView(LV_dot1qVlanCurrentEntry, true);
        TableBinding->BindStaticText(ColVlanIndex, StaticText1);
        TableBinding->BindCheckBoxList(ColEgress, bits, EgressGrid->PortBoxes);
        TableBinding->BindCheckBoxList(ColUntagged, bits, UntaggedGrid->PortBoxes);
        TableBinding->SetStatusMemo(Memo1);
        TableBinding->Get();
        ST_Count2->Show();
    });
    connect(LV_dot1qVlanCurrentEntry, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (LV_dot1qVlanCurrentEntry->selectedItems().isEmpty())
            ClearEditors();
    });
}

void TVLanCurrentTableForm::ClearEditors()
{
    EgressGrid->ClearBoxes();
    UntaggedGrid->ClearBoxes();
    StaticText1->clear();
}

void TVLanCurrentTableForm::RefreshBtnClick()
{
    if (Closed())
        return;
    Guarded(DeletesBinding.get(), [&] { DeletesBinding->Get(); });
    Guarded(TableBinding.get(), [&] {
        TableBinding->Get();
        ST_Count2->Show();
        ClearEditors();
    });
}

void TVLanCurrentTableForm::SetBtnClick()
{
    if (Closed())
        return;
    GuardedSet(TableBinding.get(), [&] {
        TableBinding->Set(true, true, QString(), nullptr);
        ST_Count2->Show();
    });
}

KtDescriptorTables TVLanCurrentTableForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Dot1qVlanCurrentTable, ListTableEx, 2},
                                               {Dot1qVlanNumDeletes, ListScalars, 0, -1, "VLAN Num Deletes"}};
    return tables;
}
