#include "TVlanStaticForm.h"

#include "KtMessageBox.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"
#include "KtTextForm.h"
#include "TStackingPortUitForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace {

constexpr KtOptionDef RowStatusPairs[] = {{1, "Active"},
                                          {2, "NotInService"},
                                          {3, "NotReady"},
                                          {4, "CreateAndGo"},
                                          {5, "CreateAndWait"},
                                          {6, "Destroy"},
                                          {}};
const KtOptionList RowStatus(RowStatusPairs);

// The static VLAN table; the VLAN ID is the row's instance.
const KtSNMPVarDef Dot1qVlanStaticTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", SyntaxGauge32, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtSNMPVarDef Dot1qNextFreeLocalVlanIndex[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "NextFreeLocalVLANIndex", SyntaxInteger, AccessRead},
    {},
};

constexpr qint64 MinimumVlanId = 1;
constexpr qint64 MaximumVlanId = 4094;

enum StaticColumn
{
    ColVlanId = 0,
    ColName = 1,
    ColEgress = 2,
    ColForbidden = 3,
    ColUntagged = 4,
    ColStatus = 5,
};

} // namespace

TVlanStaticForm::TVlanStaticForm(QWidget *owner, KtDeviceState *state)
    : TBindingForm(owner, QStringLiteral("VlanStaticForm"), QStringLiteral("VLAN Static Form"), state)
{
    setModal(true);

    LV_dot1qVlanStaticEntry = new QTreeWidget(this);
    LV_dot1qVlanStaticEntry->setObjectName(QStringLiteral("LV_dot1qVlanStaticEntry"));
    LV_dot1qVlanStaticEntry->setRootIsDecorated(false);

    auto *editors = new QGroupBox(this);
    auto *editorLayout = new QGridLayout(editors);
    ED_VLANID = new QLineEdit(editors);
    ED_VLANID->setObjectName(QStringLiteral("ED_VLANID"));
    ED_VLANName = new QLineEdit(editors);
    ED_VLANName->setObjectName(QStringLiteral("ED_VLANName"));
    Status = new QComboBox(editors);
    Status->setObjectName(QStringLiteral("Status"));
    NextFreeLocalVlanIndex = new QLabel(editors);
    NextFreeLocalVlanIndex->setObjectName(QStringLiteral("NextFreeLocalVlanIndex"));
    NextFreeLocalVlanIndex->setFrameShape(QFrame::Panel);
    NextFreeLocalVlanIndex->setFrameShadow(QFrame::Sunken);
    editorLayout->addWidget(new QLabel(QStringLiteral("VLAN ID"), editors), 0, 0);
    editorLayout->addWidget(ED_VLANID, 0, 1);
    editorLayout->addWidget(new QLabel(QStringLiteral("VLAN Name"), editors), 1, 0);
    editorLayout->addWidget(ED_VLANName, 1, 1);
    editorLayout->addWidget(new QLabel(QStringLiteral("Status"), editors), 2, 0);
    editorLayout->addWidget(Status, 2, 1);
    editorLayout->addWidget(new QLabel(QStringLiteral("Next Free Local VLAN Index"), editors), 3, 0);
    editorLayout->addWidget(NextFreeLocalVlanIndex, 3, 1);
    editorLayout->setRowStretch(4, 1);

    AddStatusMemo(70);

    PortPageControl = new QTabWidget(this);
    PortPageControl->setObjectName(QStringLiteral("PortPageControl"));
    QWidget *hosts[3];
    const char *pageCaptions[3] = {"Egress ports", "Forbidden Egress Ports", "Untagged Ports"};
    for (int page = 0; page < 3; ++page) {
        hosts[page] = new QWidget;
        hosts[page]->setObjectName(QStringLiteral("PortHost%1").arg(page));
        PortPageControl->addTab(hosts[page], QString::fromLatin1(pageCaptions[page]));
    }

    RefreshBtn = NewButton(QStringLiteral("Refresh"), QStringLiteral("RefreshBtn"));
    SetBtn = NewButton(QStringLiteral("Set"), QStringLiteral("SetBtn"));
    AddBtn = NewButton(QStringLiteral("Add"), QStringLiteral("AddBtn"));
    DeleteBtn = NewButton(QStringLiteral("Delete"), QStringLiteral("DeleteBtn"));
    DeleteBtn->setEnabled(false);
    ST_Count2 = (new TRowCountLabel(QStringLiteral("ST_Count2"), this))->Sunken(40);

    auto *top = new QHBoxLayout;
    top->addWidget(LV_dot1qVlanStaticEntry, 3);
    top->addWidget(editors, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("Samples"), this));
    buttons->addWidget(ST_Count2);
    buttons->addStretch();
    for (QPushButton *button : {RefreshBtn, SetBtn, AddBtn, DeleteBtn})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 2);
    layout->addWidget(PortPageControl, 3);
    layout->addLayout(buttons);
    layout->addWidget(Memo1);

    FinishLayout(680, 600);

    // The grids; a failed read of the unit list goes into the memo.
    EgressGrid = TStackingPortUitForm::Build(this, hosts[0], Memo1, DeviceState);
    ForbiddenGrid = TStackingPortUitForm::Build(this, hosts[1], Memo1, DeviceState);
    UntaggedGrid = TStackingPortUitForm::Build(this, hosts[2], Memo1, DeviceState);
    const QString bits = TStackingPortUitForm::BitIndexList();

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { AddBtnClick(); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteBtnClick(); });
    ST_Count2->Counts(LV_dot1qVlanStaticEntry)->Follow(this);

    TableBinding = std::make_unique<KtSNMPRequest2Edits>(this);
    Guarded(TableBinding.get(), [&] {
        TableBinding->Request.Vars = KtSNMPVarList(Dot1qVlanStaticTable, ListTableEx, 1);
        TableBinding->AttachListView(LV_dot1qVlanStaticEntry, true);
        TableBinding->BindEdit(ColVlanId, QStringLiteral("%s"), {ED_VLANID});
        TableBinding->BindEdit(ColName, QStringLiteral("%s"), {ED_VLANName});
        TableBinding->BindComboBox(ColStatus, Status);
        TableBinding->BindCheckBoxList(ColEgress, bits, EgressGrid->PortBoxes);
        TableBinding->BindCheckBoxList(ColForbidden, bits, ForbiddenGrid->PortBoxes);
        TableBinding->BindCheckBoxList(ColUntagged, bits, UntaggedGrid->PortBoxes);
        TableBinding->SetStatusMemo(Memo1);
        TableBinding->OnSetDone = [this](KtSNMPRequest2Controls *, const KtSNMPError &record) {
            if (record.Code == 0)
                ClearEditors();
        };
        TableBinding->Get();
        ST_Count2->Show();
    });
    // After the bindings: the window's own handler sees the row the
    // binding has just shown.
    connect(LV_dot1qVlanStaticEntry, &QTreeWidget::itemSelectionChanged, this,
            [this] { SelectionChanged(); });

    NextIndexBinding = std::make_unique<KtSNMPRequest2Edits>(this);
    Guarded(NextIndexBinding.get(), [&] {
        NextIndexBinding->Request.Vars = KtSNMPVarList(Dot1qNextFreeLocalVlanIndex, ListScalars);
        NextIndexBinding->BindStaticText(0, NextFreeLocalVlanIndex);
        NextIndexBinding->SetStatusMemo(Memo1);
        NextIndexBinding->Get();
    });
}

void TVlanStaticForm::ClearEditors()
{
    for (TStackingPortUitForm *grid : {EgressGrid, ForbiddenGrid, UntaggedGrid})
        grid->ClearBoxes();
    ED_VLANID->clear();
    ED_VLANName->clear();
    Status->setCurrentIndex(-1);
}

void TVlanStaticForm::SelectionChanged()
{
    // Delete works on the selected row only: the button follows the
    // selection, which a refresh also takes away.
    const bool selected = !LV_dot1qVlanStaticEntry->selectedItems().isEmpty();
    if (!selected)
        ClearEditors();
    DeleteBtn->setEnabled(selected);
}

void TVlanStaticForm::RefreshBtnClick()
{
    if (Closed())
        return;
    Guarded(NextIndexBinding.get(), [&] { NextIndexBinding->Get(); });
    Guarded(TableBinding.get(), [&] {
        TableBinding->Get();
        ST_Count2->Show();
        ClearEditors();
    });
    ST_Count2->Show();
}

void TVlanStaticForm::SetWithStatus(int statusItem)
{
    if (Closed())
        return;
    // The VLAN ID names the row written: text that is no VLAN number would
    // otherwise be turned into some other row's instance, and a number
    // outside 1 to 4094 names no VLAN at all.
    const std::optional<qint64> vlan = KtTextForm::ParseWholeNumber(ED_VLANID->text());
    if (!vlan || *vlan < MinimumVlanId || *vlan > MaximumVlanId) {
        KtMessageBox::Warn(this, QStringLiteral("VLAN ID must be a whole number from %1 to %2.")
                                     .arg(MinimumVlanId)
                                     .arg(MaximumVlanId));
        return;
    }
    if (statusItem >= 0)
        Status->setCurrentIndex(statusItem);
    GuardedSet(TableBinding.get(), [&] {
        // The editors are cleared once the write has succeeded (OnSetDone):
        // input the agent refused stays to be corrected.
        TableBinding->Set(true, true, QString(), nullptr);
        if (!TableBinding->Asynchronous)
            ClearEditors();
    });
}

void TVlanStaticForm::SetBtnClick()
{
    SetWithStatus(-1);
}

void TVlanStaticForm::AddBtnClick()
{
    SetWithStatus(CreateAndGoItem);
}

void TVlanStaticForm::DeleteBtnClick()
{
    if (LV_dot1qVlanStaticEntry->selectedItems().isEmpty())
        return;
    SetWithStatus(DestroyItem);
}

KtDescriptorTables TVlanStaticForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {
        {Dot1qVlanStaticTable, ListTableEx, 1, ColStatus},
        {Dot1qNextFreeLocalVlanIndex, ListScalars, 0, -1, "Next Free Local VLAN Index"}};
    return tables;
}
