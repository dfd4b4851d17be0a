#include "TForwardUnregisteredInformationForm.h"

#include "KtSNMPVarDef.h"

namespace {

constexpr KtSNMPVarDef PortListTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", SyntaxGauge32, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.5.1.1", "UnregisteredPorts", SyntaxOctets, AccessRead},
    {"1.3.6.1.2.1.17.7.1.2.5.1.2", "UnregisteredStaticPorts", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.5.1.3", "UnregisteredForbiddenPorts", SyntaxOctets, AccessReadWrite},
    {},
};

constexpr ForwardPortsDesign Design{
    PortListTable,
    "ForwardUnregisteredInformationForm",
    "Forward Unregistered Information",
    "LV_dot1qForwardUnregisteredEntry",
    {"Unregistered Ports", "Unregisteried Static Ports", "Unregistered Forbidden Ports"},
    true};

} // namespace

TForwardUnregisteredInformationForm::TForwardUnregisteredInformationForm(QWidget *owner, KtDeviceState *state)
    : TForwardPortsForm(owner, Design, state), LV_dot1qForwardUnregisteredEntry(ListView)
{
}

KtDescriptorTables TForwardUnregisteredInformationForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{PortListTable, ListTable, 1}};
    return tables;
}
