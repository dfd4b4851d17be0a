#include "TVLanGeneralInfoForm.h"
#include "KtStandardOptions.h"

#include "KtFieldControls.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>

namespace {

const KtSNMPVarDef Dot1qBaseVars[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLANVersionNumber", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.7.1.1.2", "MaxVLANId", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.7.1.1.3", "MaxSupportedVLANs", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.17.7.1.1.4", "CurrentNumOfVLANs", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRPStatus", SyntaxInteger, AccessReadWrite, &EnableDisableFromOne},
    {},
};

enum Item
{
    ItemVersion,
    ItemMaxVlanId,
    ItemMaxSupportedVlans,
    ItemCurrentVlans,
    ItemGvrpStatus,
};

using Kind = KtFieldControls::FieldKind;

constexpr KtFieldControls::Field Fields[] = {
    {ItemVersion, Kind::StaticText, "VLAN Version Number", "VlanVersionNumber"},
    {ItemMaxVlanId, Kind::StaticText, "Max VLAN ID", "MaxVlanId"},
    {ItemMaxSupportedVlans, Kind::StaticText, "Max Supported VLANs", "MaxSupportedVlans"},
    {ItemCurrentVlans, Kind::StaticText, "Current Number Of VLANs", "CurrentNumOfVlans"},
    {ItemGvrpStatus, Kind::Combo, "GVRP Status", "GvrpStatus"},
};

} // namespace

TVLanGeneralInfoForm::TVLanGeneralInfoForm(QWidget *owner)
    : TBridgeInfoForm(owner, QStringLiteral("VLanGeneralInfoForm"), QStringLiteral("802.1Q Basic Configure"))
{
    const KtFieldControls fields(this, Fields);
    VlanVersionNumber = fields.StaticText(ItemVersion);
    MaxVlanId = fields.StaticText(ItemMaxVlanId);
    MaxSupportedVlans = fields.StaticText(ItemMaxSupportedVlans);
    CurrentNumOfVlans = fields.StaticText(ItemCurrentVlans);
    GvrpStatus = fields.Combo(ItemGvrpStatus);
    Content->addLayout(fields.NewFormLayout());
    Content->addStretch();
    SetBtn = AddButton(QStringLiteral("SetBtn"), QStringLiteral("Set"));
    FinishLayout(420, 300);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });

    ScalarBinding = AddBinding(KtSNMPVarList(Dot1qBaseVars, ListScalars));
    Guarded(ScalarBinding, [this, &fields] {
        fields.Bind(ScalarBinding);
        ScalarBinding->Get();
    });
}

void TVLanGeneralInfoForm::RefreshBtnClick()
{
    GetAll();
}

void TVLanGeneralInfoForm::SetBtnClick()
{
    if (Closed())
        return;
    GuardedSet(ScalarBinding, [this] { ScalarBinding->Set(true, true, QString(), nullptr); });
}

KtDescriptorTables TVLanGeneralInfoForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Dot1qBaseVars, ListScalars}};
    return tables;
}
