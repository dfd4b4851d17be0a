#include "TVLanPortInfomationForm.h"
#include "KtStandardOptions.h"

#include "KtFieldControls.h"
#include "KtMessageBox.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr KtOptionDef FrameTypePairs[] = {{1, "admitAll"}, {2, "admitOnlyVLANTagged"}, {}};
const KtOptionList FrameTypes(FrameTypePairs);

const KtSNMPVarDef Dot1qPortVlanTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PortVLANID", SyntaxGauge32, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "AcceptableFrameTypes", SyntaxInteger, AccessReadWrite, &FrameTypes},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "IngressFiltering", SyntaxInteger, AccessReadWrite, &TruthValue},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRPStatus", SyntaxInteger, AccessReadWrite, &EnableDisableFromOne},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRPFailedRegistrations", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRPLastPduOrigin", SyntaxMacAddress, AccessRead},
    {},
};

enum Item
{
    ItemPortVlanId = 1,
    ItemFrameTypes,
    ItemIngressFiltering,
    ItemGvrpStatus,
};

using Kind = KtFieldControls::FieldKind;

constexpr KtFieldControls::Field Fields[] = {
    {ItemPortVlanId, Kind::Edit, "Port VLAN ID", "PortVLanID", "%i{}"},
    {ItemFrameTypes, Kind::Combo, "Acceptable Frame Types", "AcceptableFrameTypes"},
    {ItemIngressFiltering, Kind::Combo, "Ingress Filtering", "IngressFiltering"},
    {ItemGvrpStatus, Kind::Combo, "GVRP Status", "GvrpStatus"},
};

} // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(QWidget *owner)
    : TBridgeInfoForm(owner, QStringLiteral("VLanPortInfomationForm"),
                      QStringLiteral("VLAN Port Information Form"))
{
    LV_dot1qPortVlanEntry = AddListView(QStringLiteral("LV_dot1qPortVlanEntry"));
    const KtFieldControls fields(this, Fields);
    PortVLanID = fields.Edit(ItemPortVlanId);
    AcceptableFrameTypes = fields.Combo(ItemFrameTypes);
    IngressFiltering = fields.Combo(ItemIngressFiltering);
    GvrpStatus = fields.Combo(ItemGvrpStatus);
    Content->addLayout(fields.NewFormLayout());
    SetBtn = AddButton(QStringLiteral("SetBtn"), QStringLiteral("Set"));
    FinishLayout(600, 480);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });

    TableBinding = AddBinding(KtSNMPVarList(Dot1qPortVlanTable, ListTable, 1));
    TableBinding->OnGetDone = [this](KtSNMPRequest2Controls *, const KtSNMPError &) {
        const QString caption = reselect_;
        reselect_.clear();
        SelectRowByCaption(LV_dot1qPortVlanEntry, caption, [this] { PortVLanID->clear(); });
    };
    TableBinding->OnSetDone = [this](KtSNMPRequest2Controls *, const KtSNMPError &record) {
        if (record.Code != 0)
            reselect_.clear();
    };
    Guarded(TableBinding, [this, &fields] {
        TableBinding->AttachListView(LV_dot1qPortVlanEntry, true);
        fields.Bind(TableBinding);
        TableBinding->Get();
    });
}

bool TVLanPortInfomationForm::RefreshNotComplete()
{
    if (!TableBinding->Busy)
        return false;
    KtMessageBox::Inform(this, QStringLiteral("Refresh Not Complete"));
    return true;
}

void TVLanPortInfomationForm::RefreshBtnClick()
{
    if (Closed() || RefreshNotComplete())
        return;
    Guarded(TableBinding, [this] { TableBinding->Get(); });
}

void TVLanPortInfomationForm::SetBtnClick()
{
    if (Closed() || RefreshNotComplete())
        return;
    const QString caption = SelectedCaption(LV_dot1qPortVlanEntry);
    GuardedSet(TableBinding, [this, &caption] {
        reselect_ = caption;
        TableBinding->Set(true, true, QString(), nullptr);
        // A write that needed no answer has already read the table again.
        if (!TableBinding->Busy && !reselect_.isEmpty()) {
            SelectRowByCaption(LV_dot1qPortVlanEntry, reselect_, [this] { PortVLanID->clear(); });
            reselect_.clear();
        }
    });
}

KtDescriptorTables TVLanPortInfomationForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Dot1qPortVlanTable, ListTable, 1}};
    return tables;
}
