#include "TUnicastFilterInformationForm.h"
#include "KtDeviceState.h"
#include "KtStandardOptions.h"

#include "KtFieldControls.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVar.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"
#include "TStackingPortUitForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const KtSNMPVarDef Dot1qStaticUnicastTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "UnicastAddress", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "ReceivePort", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "PortsUnicastAllowedToGoTo", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", SyntaxInteger, AccessReadWrite, &StaticStatus},
    {},
};

enum Column
{
    ColIndex = 0,
    ColAddress = 1,
    ColAllowed = 3,
    ColStatus = 4,
};

using Kind = KtFieldControls::FieldKind;

constexpr KtFieldControls::Field Fields[] = {
    {ColIndex, Kind::Edit, "VID", "ED_UnicastVID", "%i{n1x4094}"},
    {ColAddress, Kind::Edit, "MAC  Address", "UnicastAddress", "%h"},
    {ColAllowed, Kind::Ports},
    {ColStatus, Kind::Combo, "Status", "UStatus"},
};

// The item of "invalid" in the status list.
constexpr int InvalidItem = 1;

} // namespace

TUnicastFilterInformationForm::TUnicastFilterInformationForm(QWidget *owner, KtDeviceState *state)
    : TBridgeInfoForm(owner, QStringLiteral("UnicastFilterInformationForm"),
                      QStringLiteral("UnicastFilterInformationForm"), state)
{
    LV_dot1qStaticUnicastEntry = AddListView(QStringLiteral("LV_dot1qStaticUnicastEntry"));
    const KtFieldControls fields(this, Fields);
    ED_UnicastVID = fields.Edit(ColIndex);
    UnicastAddress = fields.Edit(ColAddress);
    UStatus = fields.Combo(ColStatus);
    Content->addLayout(fields.NewFormLayout());
    AllowedPortsBox = new QGroupBox(QStringLiteral("Allow To Go To Port"), this);
    AllowedPortsBox->setObjectName(QStringLiteral("AllowedPortsBox"));
    auto *boxLayout = new QVBoxLayout(AllowedPortsBox);
    auto *host = new QWidget(AllowedPortsBox);
    boxLayout->addWidget(host);
    Content->addWidget(AllowedPortsBox, 3);
    DeleteBtn = AddButton(QStringLiteral("DeleteBtn"), QStringLiteral("Delete"));
    SetBtn = AddButton(QStringLiteral("SetBtn"), QStringLiteral("Set"));
    SetBtn->setVisible(false);
    FinishLayout(680, 640);
    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(DeleteBtn, &QPushButton::clicked, this, [this] { DeleteBtnClick(); });

    AllowedGrid = TStackingPortUitForm::Build(this, host, Memo1, DeviceState);
    if (!DeviceState || DeviceState->UnitRows().isEmpty())
        Memo1->appendPlainText(QStringLiteral("no device unit information"));

    TableBinding = AddBinding(KtSNMPVarList(Dot1qStaticUnicastTable, ListTableEx, 3));
    // A good write reads the table again by itself; after a refused one the
    // list is read again too, so that it shows what the agent holds.
    TableBinding->OnSetDone = [this](KtSNMPRequest2Controls *, const KtSNMPError &record) {
        if (record.Code != 0 && !Closed())
            Guarded(TableBinding, [this] { TableBinding->Get(); });
    };
    Guarded(TableBinding, [this, &fields] {
        TableBinding->AttachListView(LV_dot1qStaticUnicastEntry, true);
        fields.Bind(TableBinding, AllowedGrid->PortBoxes);
        TableBinding->Get();
        WriteRowCount();
    });
}

void TUnicastFilterInformationForm::RefreshBtnClick()
{
    if (Closed())
        return;
    Guarded(TableBinding, [this] {
        TableBinding->Get();
        WriteRowCount();
    });
}

void TUnicastFilterInformationForm::SetBtnClick()
{
    if (Closed())
        return;
    GuardedSet(TableBinding, [this] {
        TableBinding->Set(true, true, QString(), nullptr);
        WriteRowCount();
    });
}

void TUnicastFilterInformationForm::DeleteBtnClick()
{
    // Only a listed entry can be deleted: the instance comes from its row.
    if (Closed() || SelectedCaption(LV_dot1qStaticUnicastEntry).isEmpty())
        return;
    // Only the status goes out: the port list is left out of this write.
    // The row and the controls are collected while every column is in its
    // place (a skipped variable moves to the front of the list-view columns,
    // which would shift the row's values into the wrong variables and
    // corrupt the entry's instance); the variable is looked up each time, as
    // a write may rebuild the list.
    const auto portListAccess = [this](int access) {
        TableBinding->Request.Vars.Get(ColAllowed).Access = access;
    };
    GuardedSet(TableBinding, [this, &portListAccess] {
        UStatus->setCurrentIndex(InvalidItem);
        TableBinding->OnCollect();
        portListAccess(AccessSkip);
        try {
            TableBinding->Set(true, false, QString(), nullptr);
        } catch (...) {
            portListAccess(AccessReadWrite);
            throw;
        }
        portListAccess(AccessReadWrite);
    });
    // A write under way reads the table again when it is answered; a second
    // walk beside it would mix two readings in the list.
    if (!TableBinding->Busy)
        Guarded(TableBinding, [this] {
            TableBinding->Get();
            WriteRowCount();
        });
}

KtDescriptorTables TUnicastFilterInformationForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Dot1qStaticUnicastTable, ListTableEx, 3, ColStatus}};
    return tables;
}
