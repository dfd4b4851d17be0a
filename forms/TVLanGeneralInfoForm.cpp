#include "TVLanGeneralInfoForm.h"
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

const KtSNMPVarDef Dot1qBaseVars[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLANVersionNumber", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.7.1.1.2", "MaxVLANId", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.7.1.1.3", "MaxSupportedVLANs", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.17.7.1.1.4", "CurrentNumOfVLANs", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRPStatus", SyntaxInteger, AccessReadWrite, &EnableDisableFromOne},
    {},
};

} // namespace

TVLanGeneralInfoForm::TVLanGeneralInfoForm(QWidget *owner)
    : TBridgeInfoForm(owner, QStringLiteral("VLanGeneralInfoForm"), QStringLiteral("802.1Q Basic Configure"))
{
    auto *form = new QFormLayout;
    const auto addText = [this, form](const char *name, const char *label) {
        auto *text = new QLabel(this);
        text->setObjectName(QString::fromLatin1(name));
        text->setFrameShape(QFrame::Panel);
        text->setFrameShadow(QFrame::Sunken);
        form->addRow(QString::fromLatin1(label), text);
        return text;
    };
    VlanVersionNumber = addText("VlanVersionNumber", "VLAN Version Number");
    MaxVlanId = addText("MaxVlanId", "Max VLAN ID");
    MaxSupportedVlans = addText("MaxSupportedVlans", "Max Supported VLANs");
    CurrentNumOfVlans = addText("CurrentNumOfVlans", "Current Number Of VLANs");
    GvrpStatus = new QComboBox(this);
    GvrpStatus->setObjectName(QStringLiteral("GvrpStatus"));
    form->addRow(QStringLiteral("GVRP Status"), GvrpStatus);
    Content->addLayout(form);
    Content->addStretch();
    SetBtn = AddButton(QStringLiteral("SetBtn"), QStringLiteral("Set"));
    FinishLayout(420, 300);

    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });

    ScalarBinding = AddBinding(KtSNMPVarList(Dot1qBaseVars, ListScalars));
    Guarded(ScalarBinding, [this] {
        ScalarBinding->BindStaticText(0, VlanVersionNumber);
        ScalarBinding->BindStaticText(1, MaxVlanId);
        ScalarBinding->BindStaticText(2, MaxSupportedVlans);
        ScalarBinding->BindStaticText(3, CurrentNumOfVlans);
        ScalarBinding->BindComboBox(4, GvrpStatus);
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
