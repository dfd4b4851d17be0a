#include "TPortCapabilities8021dForm.h"

#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"

#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr KtSNMPVarDef Dot1dPortCapabilitiesTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "dot1dPortCapabilities", SyntaxBits, AccessRead},
    {},
};

} // namespace

TPortCapabilities8021dForm::TPortCapabilities8021dForm(QWidget *owner)
    : TBridgeInfoForm(owner, QStringLiteral("PortCapabilities8021dForm"),
                      QStringLiteral("Port Capability Form"))
{
    LV_dot1dPortCapabilitiesEntry = AddListView(QStringLiteral("LV_dot1dPortCapabilitiesEntry"));
    FinishLayout(420, 400);
    connect(RefreshBtn, &QPushButton::clicked, this, [this] { RefreshBtnClick(); });

    TableBinding = AddBinding(KtSNMPVarList(Dot1dPortCapabilitiesTable, ListTable, 1));
    TableBinding->OnGetDone = [](KtSNMPRequest2Controls *, const KtSNMPError &) { ResetReadyFlags(); };
    FreesReadyFlagsOnClose = true;
    RefreshIdle = false;
    if (!Guarded(TableBinding, [this] {
            TableBinding->AttachListView(LV_dot1dPortCapabilitiesEntry, true);
            TableBinding->Get();
        }))
        RefreshIdle = true;
}

void TPortCapabilities8021dForm::RefreshBtnClick()
{
    if (Closed() || !RefreshIdle)
        return;
    RefreshIdle = false;
    if (!Guarded(TableBinding, [this] { TableBinding->Get(); }))
        RefreshIdle = true;
}

KtDescriptorTables TPortCapabilities8021dForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Dot1dPortCapabilitiesTable, ListTable, 1}};
    return tables;
}
