// The "VLAN" menu. Each window's enumerations and descriptor table stand
// before the menu array that opens it; a submenu's array comes before its
// parent's, the top-level array last.

#include "KtCatalogueOptions.h"
#include "KtMenuCatalogue.h"
#include "KtStandardOptions.h"

namespace {

constexpr KtSNMPVarDef DefaultUserPrioritiesOfEachPortVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "DefaultUserPriority", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "PortNumTrafficClasses", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtSNMPVarDef RegeneratedUserPrioritiesVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "UserPriority", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "RegeneratedUserPriority", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtSNMPVarDef UserPrioritiesToTrafficClassVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "TrafficClassPriority", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "MappedTrafficClass", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtSNMPVarDef PortOutboundAccessPrioritiesVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "RegeneratedUserPriority", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "PortOutboundAccessPriority", SyntaxInteger, AccessRead},
    {},
};

constexpr KtMenuItem PriorityInformationMenu[] = {
    ListWindow("Default User Priorities of Each Port", "DefaultUserPrioritiesofEachPort1",
               "Default User Priorities of Each Port", DefaultUserPrioritiesOfEachPortVars, ListTable, 1)
        .Height(450),
    ListWindow("Regenerated User Priorities", "RegeneratedUserPriorities1", "Regenerated User Priorities",
               RegeneratedUserPrioritiesVars, ListTable, 2)
        .Height(450),
    ListWindow("User Priorities To Traffic Class", "UserPrioritiesToTrafficClass1",
               "User Priorities To Traffic Class", UserPrioritiesToTrafficClassVars, ListTable, 2)
        .Height(450),
    ListWindow("Port Outbound Access Priorities", "PortOutboundAccessPriorities1",
               "Port Outbound Access Priorities", PortOutboundAccessPrioritiesVars, ListTable, 2)
        .Height(450),
    {},
};

constexpr KtMenuItem Dot1pMenu[] = {
    DedicatedWindow("Basic Configure", "BasicConfigure2", "TPBridgeConfigForm"),
    Submenu("Priority Information", PriorityInformationMenu),
    NoAction("GMRP").Hide(),
    DedicatedWindow("GARP", "GVRP1", "TGARPForm"),
    DedicatedWindow("Port Capability", "PortCapbility1", "TPortCapabilities8021dForm"),
    {},
};

constexpr KtMenuItem Dot1qBridgeMenu[] = {
    DedicatedWindow("Basic Configure", "BasicConfigure", "TVLanGeneralInfoForm"),
    DedicatedWindow("Ports Information", "PortsInfo1", "TVLanPortInfomationForm"),
    {},
};

constexpr KtSNMPVarDef UnicastForwardingInformationVars[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb Id", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FdbMacAddress", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "PortNumber", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", SyntaxInteger, AccessRead, &FdbStatus},
    {},
};

constexpr KtMenuItem ForwardingFilteringMenu[] = {
    ListWindow("Unicast Forwarding Information", "UnicastForwardingInformation1",
               "Unicast Forwarding Information", UnicastForwardingInformationVars, ListTable, 2)
        .Height(450),
    DedicatedWindow("Tp Group Destination Forwarded", "TpGroupDestinationForwarded1",
                    "TTpGroupDestinationForwardedForm"),
    DedicatedWindow("Multicast Forwarding Information", "MulticastForwardingInformation1",
                    "TMulticastForwardingInformationForm"),
    DedicatedWindow("Forward Unregistered Information", "ForwardUnregisteredInformation1",
                    "TForwardUnregisteredInformationForm"),
    {},
};

constexpr KtMenuItem Dot1qVlanMenu[] = {
    DedicatedWindow("Static Table", "StaticForm1", "TVlanStaticForm"),
    DedicatedWindow("Current Table", "CurrentForm1", "TVLanCurrentTableForm"),
    {},
};

constexpr KtMenuItem StaticFilteringMenu[] = {
    DedicatedWindow("Unicast Information", "UnicastInformation1", "TUnicastFilterInformationForm").Hide(),
    DedicatedWindow("Multicast Information", "MulticastInformation1", "TMulticastFilterInformationForm"),
    {},
};

constexpr KtMenuItem Dot1qMenu[] = {
    Submenu("802.1Q Bridge", Dot1qBridgeMenu),
    Submenu("Forwarding/Filtering", ForwardingFilteringMenu).Hide(),
    Submenu("802.1Q VLAN ", Dot1qVlanMenu),
    Submenu("Static Filtering ", StaticFilteringMenu),
    {},
};

} // namespace

constexpr KtMenuItem VlanMenu[] = {
    Submenu("802.1P", Dot1pMenu),
    Submenu("802.1Q", Dot1qMenu),
    {},
};
