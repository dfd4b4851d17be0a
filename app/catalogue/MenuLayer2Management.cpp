// The "Layer 2 Management" menu. Each window's enumerations and descriptor table stand
// before the menu array that opens it; a submenu's array comes before its
// parent's, the top-level array last.

#include "KtCatalogueOptions.h"
#include "KtMenuCatalogue.h"

namespace {

constexpr KtSNMPVarDef PortInformationTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.1", "Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.2", "Unit Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.3", "Port Type", SyntaxInteger, AccessRead, &PortType},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.4", "Link Status", SyntaxInteger, AccessRead, &LinkStatus},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.5", "Nway Status", SyntaxInteger, AccessRead, &NwayStatus},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.6", "Module Type", SyntaxInteger, AccessRead, &ModuleType},
    {},
};

constexpr KtSNMPVarDef PortControlTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.1", "Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.2", "Unit Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.3", "Admin State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.4", "Nway State", SyntaxInteger, AccessReadWrite, &NwayState},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.5", "Flow Control State", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.6", "Lock State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.7", "MAC Notify State", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.8", "Multicast Filter", SyntaxInteger, AccessReadWrite,
     &MulticastFilter},
    {},
};

constexpr KtOptionDef TrunkAlgorithmPairs[] = {{2, "mac-source"},
                                               {3, "mac-destination"},
                                               {4, "mac-source-dest"},
                                               {5, "ip-source"},
                                               {6, "ip-destination"},
                                               {7, "ip-source-dest"},
                                               {}};
const KtOptionList TrunkAlgorithm(TrunkAlgorithmPairs);

constexpr KtSNMPVarDef TrunkBasicInformationVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.9.1", "Trunk Max Supported Entries", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.9.2", "Trunk Current Entries Number", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.9.4", "Trunk Algorithm", SyntaxInteger, AccessReadWrite, &TrunkAlgorithm},
    {},
};

constexpr KtOptionDef SwL2TrunkLACPPortStatePairs[] = {
    {1, "active"}, {2, "passive"}, {3, "stacking-port"}, {}};
const KtOptionList SwL2TrunkLACPPortState(SwL2TrunkLACPPortStatePairs);

constexpr KtSNMPVarDef LACPPortTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.9.5.1.1", "swL2TrunkLACPPortIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.2.9.5.1.2", "swL2TrunkLACPPortState", SyntaxInteger, AccessReadWrite,
     &SwL2TrunkLACPPortState},
    {},
};

constexpr KtOptionDef SwL2PortSecurityModePairs[] = {
    {1, "other"}, {2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {}};
const KtOptionList SwL2PortSecurityMode(SwL2PortSecurityModePairs);

constexpr KtOptionDef SwL2PortSecurityAdmStatePairs[] = {
    {1, "other"}, {2, "enable"}, {3, "disable"}, {4, "stacking-link-port"}, {}};
const KtOptionList SwL2PortSecurityAdmState(SwL2PortSecurityAdmStatePairs);

constexpr KtSNMPVarDef PortSecurityTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.7.1.1.1", "swL2PortSecurityPortIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.2.7.1.1.2", "swL2PortSecurityMaxLernAddr", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.7.1.1.3", "swL2PortSecurityMode", SyntaxInteger, AccessReadWrite,
     &SwL2PortSecurityMode},
    {"1.3.6.1.4.1.47893.11.55.2.2.7.1.1.4", "swL2PortSecurityAdmState", SyntaxInteger, AccessReadWrite,
     &SwL2PortSecurityAdmState},
    {},
};

constexpr KtMenuItem PortManagementMenu[] = {
    ListWindow("Port Information Table", "PortInformation1", "Port Information Table",
               PortInformationTableVars, ListTable, 1)
        .Height(450),
    ListWindow("Port Control Table", "PortControl1", "Port Control Table", PortControlTableVars, ListTable,
               1),
    EditorWindow("Trunk Basic Information", "TrunkBasicInformation1", "Trunk Information",
                 TrunkBasicInformationVars),
    DedicatedWindow("Port Trunk Table", "PortTrunk2", "TPortTrunkForm"),
    ListWindow("LACP Port Table", "LACPPortTable1", "LACP Port Table", LACPPortTableVars, ListTableEx, 1),
    DedicatedWindow("Port Mirror Table", "PortMirrorTable1", "TPortMirrorForm"),
    ListWindow("Port Security Table", "PortSecurity1", "Port Security Table", PortSecurityTableVars,
               ListTableEx, 1)
        .Height(450),
    {},
};

constexpr KtOptionDef SwL2QOSSchedulingMechanismCtrlPairs[] = {{1, "strict"}, {2, "roundrobin"}, {}};
const KtOptionList SwL2QOSSchedulingMechanismCtrl(SwL2QOSSchedulingMechanismCtrlPairs);

constexpr KtSNMPVarDef QOSControlVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.6.5", "swL2QOSSchedulingMechanismCtrl", SyntaxInteger, AccessReadWrite,
     &SwL2QOSSchedulingMechanismCtrl},
    {},
};

constexpr KtSNMPVarDef BandwidthControlTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.6.1.1.1", "Port Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.2.6.1.1.2", "Receive Rate", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.6.1.1.3", "Transmit Rate", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtSNMPVarDef SchedulingTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.6.2.1.1", "Class Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.2.6.2.1.2", "Scheduling Mechanism", SyntaxInteger, AccessRead,
     &SwL2QOSSchedulingMechanismCtrl},
    {},
};

constexpr KtSNMPVarDef Dot1pUserPriorityTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.6.3.1.1", "User Priority Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.2.6.3.1.2", "8021p User Priority Class", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtSNMPVarDef Dot1pDefaultPriorityTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.6.4.1.1", "Priority Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.2.6.4.1.2", "8021p Default Priority", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtMenuItem QoSManagementMenu[] = {
    EditorWindow("QOS Control", "QOSControl1", "QOS Scheduling Mechanism Control", QOSControlVars)
        .HeightAdd(20),
    ListWindow("Bandwidth Control Table", "BandwidthControlTable1", "Bandwidth Control Table",
               BandwidthControlTableVars, ListTable, 1),
    ListWindow("SchedulingTable", "SchedulingTable1", "Scheduling Table1", SchedulingTableVars, ListTable, 1),
    ListWindow("802.1p User Priority Table", "N8021pUserPriorityTable1", "8021p User Priority Table",
               Dot1pUserPriorityTableVars, ListTable, 1),
    ListWindow("802.1p Default Priority Table", "N8021pDefaultPriorityTable1", "8021p Default Priority Table",
               Dot1pDefaultPriorityTableVars, ListTable, 1),
    {},
};

constexpr KtMenuItem AccessControlInformationMenu[] = {
    DedicatedWindow("Ethernet Mask Information", "EthernetMask1", "TEthernetMaskInformationForm"),
    DedicatedWindow("Ethernet Information Rule", "RuleOfEthernetInformation1",
                    "TEthernetInformationRuleForm"),
    DedicatedWindow("IP Mask Information", "IPMaskInformation1", "TIPMaskInformationForm"),
    DedicatedWindow("IP Rule", "IPRule1", "TIPRuleForm"),
    DedicatedWindow("Payload Mask Information", "PayloadMaskInformation1", "TUserMaskInfoForm"),
    DedicatedWindow("Payload Rule", "PayloadRule1", "TUserDefinedInformationRuleForm"),
    {},
};

constexpr KtSNMPVarDef AggregatorTableVars[] = {
    {"1.3.6.1.4.1.47893.12.4.1.1.1.1.1", "Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.4.1.1.1.1.2", "MACAddress", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.1.1.1.3", "Actor System Priority", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.4.1.1.1.1.4", "Actor System ID", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.1.1.1.5", "Aggregate Or Individual", SyntaxInteger, AccessRead, &TruthValue},
    {"1.3.6.1.4.1.47893.12.4.1.1.1.1.6", "Actor Admin value Key", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.4.1.1.1.1.7", "Actor Operational Value Key", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.1.1.1.8", "Partner System ID", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.1.1.1.9", "Partner System Priority", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.1.1.1.10", "Partner Operational Value Key", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.4.1.1.1.1.11", "Collector Max Delay", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtMenuItem Dot3adMenu[] = {
    ListWindow("Aggregator Table", "AggregatorTable1", "Aggregator Table", AggregatorTableVars, ListTable, 1),
    NoAction("Aggregator Port List").Hide(),
    DedicatedWindow("Aggregator Port Table", "AggreatorPortTable1", "TAggregatorPortTableForm"),
    {},
};

constexpr KtOptionDef CleanAllStatisticCounterPairs[] = {{1, "normal"}, {2, "active"}, {}};
const KtOptionList CleanAllStatisticCounter(CleanAllStatisticCounterPairs);

constexpr KtSNMPVarDef Layer2ControlVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.1.2.1", "Spanning Tree Algorithm", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.1.2.2", "IGMP Snooping", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.1.2.3", "Rmon State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.1.2.4", "Clean All Statistic Counter", SyntaxInteger, AccessReadWrite,
     &CleanAllStatisticCounter},
    {"1.3.6.1.4.1.47893.11.55.2.2.1.2.5", "Vlan ID Of FDB Table [1-4094]", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.1.2.6", "MAC Notify State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.1.2.7", "MAC Notify History Size[1-500]", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.1.2.8", "MAC Notify Interval [1-2147483647(second)]", SyntaxInteger,
     AccessReadWrite},
    {},
};

constexpr KtOptionDef CurrentStatePairs[] = {{1, "other"}, {2, "querier"}, {3, "non-querier"}, {}};
const KtOptionList CurrentState(CurrentStatePairs);

constexpr KtSNMPVarDef IGMPControlTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.11.3.1.1", "Vid", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.3.1.2", "Query Interval", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.3.1.3", "Max Response Time", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.3.1.4", "Robustness", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.3.1.5", "Last Member Query Interval", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.3.1.6", "Host Timeout", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.3.1.7", "Route Timeout", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.3.1.8", "Leave Timer", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.3.1.9", "Query State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.3.1.10", "Current State", SyntaxInteger, AccessRead, &CurrentState},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.3.1.11", "Control State", SyntaxInteger, AccessReadWrite,
     &EnableDisableVerbs},
    {},
};

constexpr KtSNMPVarDef IGMPQueryInformationVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.11.4.1.1", "Vid", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.4.1.2", "Query Count", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.4.1.3", "Tx Query Count", SyntaxInteger, AccessRead},
    {},
};

constexpr KtSNMPVarDef IGMPInformationVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.11.5.1.1", "Vid", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.5.1.2", "Group IP Address", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.5.1.3", "MAC Address", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.5.1.4", "Port Map", SyntaxOctets, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.11.5.1.5", "IP Group Report Count", SyntaxInteger, AccessRead},
    {},
};

constexpr KtSNMPVarDef TrafficControlTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.13.1.1.1", "Group Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.13.1.1.2", "Unit Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.13.1.1.3", "Broadcast/Multicast Storm Threshold", SyntaxInteger,
     AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.13.1.1.4", "Broadcast Storm Control", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.13.1.1.5", "Multicast Storm Control", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.13.1.1.6", "Destination Lookup Fail Control", SyntaxInteger,
     AccessReadWrite, &EnableDisable},
    {},
};

} // namespace

constexpr KtMenuItem Layer2ManagementMenu[] = {
    EditorWindow("Layer2 Control", "DeviceControl1", "Device Control", Layer2ControlVars)
        .With(HookRefreshRmonOnClose),
    NoAction("General").Hide(),
    Submenu("Port Management", PortManagementMenu),
    Submenu("QoS Management", QoSManagementMenu),
    NoAction("MAC Filter Table").Hide(),
    Separator(),
    ListWindow("IGMP Control Table", "IGMPControlTable1", "IGMP Control", IGMPControlTableVars, ListTableEx,
               1)
        .Height(450),
    ListWindow("IGMP Query Information", "IGMPQuery1", "IGMP Query Information", IGMPQueryInformationVars,
               ListTableEx, 1)
        .Height(450),
    ListWindow("IGMP Information ", "IGMPInformation1", "IGMP Information", IGMPInformationVars, ListTableEx,
               1)
        .Height(450),
    Separator(),
    ListWindow("Traffic Control Table", "StormTrafficControlTable1", "Traffic Control Table",
               TrafficControlTableVars, ListTableEx, 1)
        .Height(450),
    DedicatedWindow("Traffic Segmentation Table ", "TrafficSegmentationTable1", "TTrafficSegmentationForm",
                    "Traffic Segmentation Table"),
    Submenu("Access Control Information", AccessControlInformationMenu),
    Submenu("802.3 ad", Dot3adMenu).Hide(),
    {},
};
