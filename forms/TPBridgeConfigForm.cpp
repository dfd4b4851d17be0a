#include "TPBridgeConfigForm.h"
#include "KtStandardOptions.h"

#include "KtFieldControls.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr KtSNMPVarDef DeviceCapabilitiesVars[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "DeviceCapabilities", SyntaxBits, AccessRead},
    {},
};

const KtSNMPVarDef TrafficClassesVars[] = {
    {"1.3.6.1.2.1.17.6.1.1.2", "TrafficClassesEnabled", SyntaxInteger, AccessReadWrite, &TruthValue},
    {},
};

// Each table holds one variable.
constexpr int ItemDeviceCapabilities = 0;
constexpr int ItemTrafficClasses = 0;

using Kind = KtFieldControls::FieldKind;

constexpr KtFieldControls::Field DeviceCapabilitiesFields[] = {
    {ItemDeviceCapabilities, Kind::StaticText, "Device Capabilities", "Edit_DeviceCapabilities"},
};

constexpr KtFieldControls::Field TrafficClassesFields[] = {
    {ItemTrafficClasses, Kind::Combo, "Traffic Classes State", "TrafficClassesState"},
};

} // namespace

TPBridgeConfigForm::TPBridgeConfigForm(QWidget *owner)
    : TBridgeInfoForm(owner, QStringLiteral("PBridgeConfigForm"), QStringLiteral("802.1P Basic Configure"))
{
    const KtFieldControls capabilities(this, DeviceCapabilitiesFields);
    const KtFieldControls trafficClasses(this, TrafficClassesFields);
    Edit_DeviceCapabilities = capabilities.StaticText(ItemDeviceCapabilities);
    TrafficClassesState = trafficClasses.Combo(ItemTrafficClasses);
    GmrpStatusLabel = new QLabel(QStringLiteral("GMRP Status"), this);
    GmrpStatusLabel->setVisible(false);
    GmrpStatus = new QComboBox(this);
    GmrpStatus->setObjectName(QStringLiteral("GmrpStatus"));
    GmrpStatus->setVisible(false);

    QFormLayout *form = capabilities.NewFormLayout();
    trafficClasses.AddRows(form);
    Content->addLayout(form);
    Content->addStretch();
    SetBtn = AddButton(QStringLiteral("SetBtn"), QStringLiteral("Set"));
    FinishLayout(420, 240);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });

    CapabilitiesBinding = AddBinding(KtSNMPVarList(DeviceCapabilitiesVars, ListScalars));
    TrafficClassesBinding = AddBinding(KtSNMPVarList(TrafficClassesVars, ListScalars));
    Guarded(CapabilitiesBinding, [this, &capabilities] {
        capabilities.Bind(CapabilitiesBinding);
        CapabilitiesBinding->Get();
    });
    Guarded(TrafficClassesBinding, [this, &trafficClasses] {
        trafficClasses.Bind(TrafficClassesBinding);
        TrafficClassesBinding->Get();
    });
}

void TPBridgeConfigForm::RefreshBtnClick()
{
    GetAll();
}

void TPBridgeConfigForm::SetBtnClick()
{
    if (Closed())
        return;
    // The capabilities are read-only: a write of them would carry nothing.
    GuardedSet(TrafficClassesBinding, [this] { TrafficClassesBinding->Set(true, true, QString(), nullptr); });
}

KtDescriptorTables TPBridgeConfigForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{DeviceCapabilitiesVars, ListScalars},
                                               {TrafficClassesVars, ListScalars, 0, -1, "Traffic Classes"}};
    return tables;
}
