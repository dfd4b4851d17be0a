#include "TForwardPortsForm.h"

#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"
#include "TStackingPortUitForm.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column
{
    ColAll = 1,
    ColStatic = 2,
    ColForbidden = 3,
};

} // namespace

TForwardPortsForm::TForwardPortsForm(QWidget *owner, const ForwardPortsDesign &design, KtDeviceState *state)
    : TBridgeInfoForm(owner, QString::fromLatin1(design.ObjectName), QString::fromLatin1(design.Caption),
                      state),
      clearGridsOnRefresh_(design.ClearGridsOnRefresh)
{
    ListView = AddListView(QString::fromLatin1(design.ListViewName));
    PortPageControl = new QTabWidget(this);
    PortPageControl->setObjectName(QStringLiteral("PortPageControl"));
    Content->addWidget(PortPageControl, 3);
    AllGrid = AddGridPage(PortPageControl, QString::fromLatin1(design.GridTitles[0]));
    StaticGrid = AddGridPage(PortPageControl, QString::fromLatin1(design.GridTitles[1]));
    ForbiddenGrid = AddGridPage(PortPageControl, QString::fromLatin1(design.GridTitles[2]));
    SetBtn = AddButton(QStringLiteral("SetBtn"), QStringLiteral("Set"));
    FinishLayout(680, 600);
    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });

    const QString bits = TStackingPortUitForm::BitIndexList();
    TableBinding = AddBinding(KtSNMPVarList(design.Table, ListTable, 1));
    Guarded(TableBinding, [this, &bits] {
        TableBinding->AttachListView(ListView, true);
        TableBinding->BindCheckBoxList(ColAll, bits, AllGrid->PortBoxes);
        TableBinding->BindCheckBoxList(ColStatic, bits, StaticGrid->PortBoxes);
        TableBinding->BindCheckBoxList(ColForbidden, bits, ForbiddenGrid->PortBoxes);
        TableBinding->Get();
        WriteRowCount();
    });
}

void TForwardPortsForm::SetBtnClick()
{
    if (Closed())
        return;
    // Set writes the port lists of the VLAN shown selected: with none, the
    // grids' boxes belong to no row and the instance would be VLAN 0.
    if (ListView->selectedItems().isEmpty()) {
        TableBinding->ShowStatus(QStringLiteral("No row is selected."), KtSNMPRequest2Controls::OperationSet);
        return;
    }
    GuardedSet(TableBinding, [this] {
        TableBinding->Set(true, true, QString(), nullptr);
        WriteRowCount();
    });
}

void TForwardPortsForm::RefreshBtnClick()
{
    if (Closed())
        return;
    Guarded(TableBinding, [this] {
        TableBinding->Get();
        WriteRowCount();
        if (clearGridsOnRefresh_) {
            AllGrid->ClearBoxes();
            StaticGrid->ClearBoxes();
            ForbiddenGrid->ClearBoxes();
        }
    });
}
