#include "TMulticastForwardingInformationForm.h"

#include "KtSNMPVarDef.h"

namespace {

constexpr KtSNMPVarDef PortListTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", SyntaxGauge32, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.4.1.1", "AllPorts", SyntaxBits, AccessRead},
    {"1.3.6.1.2.1.17.7.1.2.4.1.2", "StaticPorts", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.4.1.3", "ForbiddenPorts", SyntaxBits, AccessReadWrite},
    {},
};

constexpr ForwardPortsDesign Design{PortListTable,
                                    "MulticastForwardingInformationForm",
                                    "MulticastForwardingInformationForm",
                                    "LV_dot1qForwardAllEntry",
                                    {"All Forwarded Ports", "All Static Ports", "All Forbiden Ports"},
                                    false};

} // namespace

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(QWidget *owner, KtDeviceState *state)
    : TForwardPortsForm(owner, Design, state), LV_dot1qForwardAllEntry(ListView)
{
}

KtDescriptorTables TMulticastForwardingInformationForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{PortListTable, ListTable, 1}};
    return tables;
}
