#include "TPBridgeConfigForm.h"
#include "KtStandardOptions.h"

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

} // namespace

TPBridgeConfigForm::TPBridgeConfigForm(QWidget *owner)
    : TBridgeInfoForm(owner, QStringLiteral("PBridgeConfigForm"), QStringLiteral("802.1P Basic Configure"))
{
    Edit_DeviceCapabilities = new QLabel(this);
    Edit_DeviceCapabilities->setObjectName(QStringLiteral("Edit_DeviceCapabilities"));
    Edit_DeviceCapabilities->setFrameShape(QFrame::Panel);
    Edit_DeviceCapabilities->setFrameShadow(QFrame::Sunken);
    TrafficClassesState = new QComboBox(this);
    TrafficClassesState->setObjectName(QStringLiteral("TrafficClassesState"));
    GmrpStatusLabel = new QLabel(QStringLiteral("GMRP Status"), this);
    GmrpStatusLabel->setVisible(false);
    GmrpStatus = new QComboBox(this);
    GmrpStatus->setObjectName(QStringLiteral("GmrpStatus"));
    GmrpStatus->setVisible(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Device Capabilities"), Edit_DeviceCapabilities);
    form->addRow(QStringLiteral("Traffic Classes State"), TrafficClassesState);
    Content->addLayout(form);
    Content->addStretch();
    SetBtn = AddButton(QStringLiteral("SetBtn"), QStringLiteral("Set"));
    FinishLayout(420, 240);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });

    CapabilitiesBinding = AddBinding(KtSNMPVarList(DeviceCapabilitiesVars, ListScalars));
    TrafficClassesBinding = AddBinding(KtSNMPVarList(TrafficClassesVars, ListScalars));
    Guarded(CapabilitiesBinding, [this] {
        CapabilitiesBinding->BindStaticText(0, Edit_DeviceCapabilities);
        CapabilitiesBinding->Get();
    });
    Guarded(TrafficClassesBinding, [this] {
        TrafficClassesBinding->BindComboBox(0, TrafficClassesState);
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
