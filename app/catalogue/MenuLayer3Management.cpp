// The "Layer 3 Management" menu. Each window's enumerations and descriptor table stand
// before the menu array that opens it; a submenu's array comes before its
// parent's, the top-level array last.

#include "KtCatalogueOptions.h"
#include "KtMenuCatalogue.h"

namespace {

constexpr KtOptionDef IPControlTableModePairs[] = {{2, "manual"}, {3, "bootp"}, {4, "dhcp"}, {}};
const KtOptionList IPControlTableMode(IPControlTableModePairs);

constexpr KtOptionDef OperationalStatePairs[] = {{2, "up"}, {3, "down"}, {}};
const KtOptionList OperationalState(OperationalStatePairs);

constexpr KtSNMPVarDef IPControlTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.2.1.1.1.1", "Ip Address", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.1.1.1.2", "If Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.1.1.1.3", "Interface Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.1.1.1.4", "Subnet Mask", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.1.1.1.5", "Vlan Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.1.1.1.6", "Mode", SyntaxInteger, AccessReadWrite, &IPControlTableMode},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.1.1.1.7", "Secondary", SyntaxInteger, AccessReadWrite, &TruthValue},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.1.1.1.8", "State", SyntaxInteger, AccessReadWrite, &RowStatus},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.1.1.1.9", "Operational State", SyntaxInteger, AccessRead,
     &OperationalState},
    {},
};

constexpr KtOptionDef IPForwardingTableTypePairs[] = {{2, "static"}, {3, "dynamic"}, {}};
const KtOptionList IPForwardingTableType(IPForwardingTableTypePairs);

constexpr KtSNMPVarDef IPForwardingTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.2.2.1.1.1", "IpAddress", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.2.1.1.2", "Subnet Mask", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.2.1.1.3", "Port Number", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.2.1.1.4", "Type", SyntaxInteger, AccessRead, &IPForwardingTableType},
    {},
};

constexpr KtOptionDef BakeupStatePairs[] = {{1, "primary"}, {2, "backup"}, {}};
const KtOptionList BakeupState(BakeupStatePairs);

constexpr KtSNMPVarDef IPStaticRoutingTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.2.5.1.1", "Destination", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.5.1.2", "Mask", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.5.1.3", "Bakeup State", SyntaxInteger, AccessReadWrite, &BakeupState},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.5.1.4", "Next Hop", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.5.1.5", "Metric", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.5.1.6", "Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtMenuItem IPManagementMenu[] = {
    ListWindow("IP Control Table", "IPControlTable1", "IP Control Table", IPControlTableVars, ListTableEx, 1)
        .Rows(7, "createAndGo", "destroy"),
    ListWindow("IP Forwarding Table", "IPForwardingTable1", "IP Forwarding Table", IPForwardingTableVars,
               ListTable, 1),
    ListWindow("IP Static Routing Table", "IPStaticRoutingtable1", "IP Static Routing Table",
               IPStaticRoutingTableVars, ListTable, 3)
        .Rows(5, "createAndGo", "destroy"),
    {},
};

constexpr KtOptionDef InterfaceTableTypePairs[] = {
    {1, "broadcast"}, {2, "nbma"}, {3, "pointToPoint"}, {5, "pointToMultipoint"}, {}};
const KtOptionList InterfaceTableType(InterfaceTableTypePairs);

constexpr KtOptionDef InterfaceTableStatePairs[] = {{1, "down"},
                                                    {2, "loopback"},
                                                    {3, "waiting"},
                                                    {4, "pointToPoint"},
                                                    {5, "designatedRouter"},
                                                    {6, "backupDesignatedRouter"},
                                                    {7, "otherDesignatedRouter"},
                                                    {}};
const KtOptionList InterfaceTableState(InterfaceTableStatePairs);

constexpr KtOptionDef MulticastForwardingPairs[] = {{1, "blocked"}, {2, "multicast"}, {3, "unicast"}, {}};
const KtOptionList MulticastForwarding(MulticastForwardingPairs);

constexpr KtSNMPVarDef OspfInterfaceTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.1", "Interfcase Ip Address", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.2", "Address Less Interface", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.3", "AreaId", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.4", "Type", SyntaxInteger, AccessReadWrite, &InterfaceTableType},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.5", "Admin Stat", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.6", "Router Priority", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.7", "Transit Delay", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.8", "Retransmissions Interval", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.9", "Hello Interval", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.10", "Router Dead Interval", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.11", "Poll Interval", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.12", "State", SyntaxInteger, AccessRead, &InterfaceTableState},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.13", "Designated Router", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.14", "Backup Designated Router", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.15", "Events", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.16", "Multicast Forwarding", SyntaxInteger, AccessReadWrite,
     &MulticastForwarding},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.17", "Demand", SyntaxInteger, AccessReadWrite, &TruthValue},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.18", "Auth Type", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.19", "Auth Key", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.20", "Auth Key ID", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.8.1.21", "Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtOptionDef VirtualInterfaceTableStatePairs[] = {{1, "down"}, {2, "pointToPoint"}, {}};
const KtOptionList VirtualInterfaceTableState(VirtualInterfaceTableStatePairs);

constexpr KtSNMPVarDef VirtualInterfaceTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.7.1.1", "Area ID", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.3.7.1.2", "Neighbor Route ID", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.3.7.1.3", "Transmit Delay", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.7.1.4", "Retransmit Interval", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.7.1.5", "Hello Interval", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.7.1.6", "Router Dead Interval", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.7.1.7", "State", SyntaxInteger, AccessRead, &VirtualInterfaceTableState},
    {"1.3.6.1.4.1.47893.11.55.2.3.7.1.8", "Number of Events", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.3.7.1.9", "Authentication Type", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.7.1.10", "Authentication Key", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.7.1.11", "MD5 Key ID", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.7.1.12", "Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtSNMPVarDef HostTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.6.1.1", "IpAddress", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.3.6.1.2", "Tye Of Service", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.3.6.1.3", "Metric", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.6.1.4", "AreaID", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.6.1.5", "Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtMenuItem OSPFRFC1850Menu[] = {
    Viewer("OSPF General", "OSPFGeneral1", "/TLayer3_OSPF"),
    Viewer("Area Info", "AreaInfo1", "/TLayer3_Area"),
    Viewer("Lsdb  Info", "LsdbInfo1", "/TLayer3_Lsdb"),
    Viewer("Neighbor Info", "NeighborInfo1", "/TLayer3_Neighbor"),
    ListWindow("Interface Table", "InterfaceTable1", "OSPF Interface Table", OspfInterfaceTableVars,
               ListTableEx, 2),
    ListWindow("Virtual Interface Table", "InterfaceInfo1", "Virtual Interface Table",
               VirtualInterfaceTableVars, ListTableEx, 2)
        .Rows(11, "createAndGo", "destroy"),
    ListWindow("Host Table", "HostTable1", "Host Table", HostTableVars, ListTableEx, 2)
        .Rows(4, "createAndGo", "destroy"),
    NoAction("OSPFTrap").Hide(),
    {},
};

constexpr KtSNMPVarDef VRRPControlVars[] = {
    {"1.3.6.1.2.1.68.1.1", "vrrpNodeVersion", SyntaxInteger, AccessRead},
    {},
};

constexpr KtOptionDef VirtualRouterStatePairs[] = {{1, "initialize"}, {2, "backup"}, {3, "master"}, {}};
const KtOptionList VirtualRouterState(VirtualRouterStatePairs);

constexpr KtOptionDef AdministrateStatePairs[] = {{1, "up"}, {2, "down"}, {}};
const KtOptionList AdministrateState(AdministrateStatePairs);

constexpr KtOptionDef AuthenticationTypePairs[] = {
    {1, "noAuthentication"}, {2, "simpleTextPassword"}, {3, "ipAuthenticationHeader"}, {}};
const KtOptionList AuthenticationType(AuthenticationTypePairs);

constexpr KtOptionDef OperateProtocolPairs[] = {{1, "ip"}, {2, "bridge"}, {3, "decnet"}, {4, "other"}, {}};
const KtOptionList OperateProtocol(OperateProtocolPairs);

constexpr KtSNMPVarDef VRRPOperationVars[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.68.1.3.1.2", "Virtual MAC Address", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.2.1.68.1.3.1.3", "Virtual Router State", SyntaxInteger, AccessRead, &VirtualRouterState},
    {"1.3.6.1.2.1.68.1.3.1.4", "Administrate State", SyntaxInteger, AccessReadWrite, &AdministrateState},
    {"1.3.6.1.2.1.68.1.3.1.5", "Virtual Router Priority [0..255]", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.6", "IP Address Count", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.68.1.3.1.7", "Master IP Address", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.68.1.3.1.8", "Primary IP Address", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.9", "Authentication Type", SyntaxInteger, AccessReadWrite, &AuthenticationType},
    {"1.3.6.1.2.1.68.1.3.1.10", "Authentication Key", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.11", "Advertisement Interval [1..255]", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.68.1.3.1.12", "Preempt Mode", SyntaxInteger, AccessReadWrite, &TruthValue},
    {"1.3.6.1.2.1.68.1.3.1.13", "Virtual Router UpTime", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.68.1.3.1.14", "Operate Protocol", SyntaxInteger, AccessReadWrite, &OperateProtocol},
    {"1.3.6.1.2.1.68.1.3.1.15", "Row Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtSNMPVarDef VirtualRouteAddressVars[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.68.1.3.1.1", "vrrpOperVrId", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.68.1.4.1.1", "vrrpAssoIpAddr", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.68.1.4.1.2", "vrrpAssoIpAddrRowStatus", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtSNMPVarDef VRRPErrorStatisticsVars[] = {
    {"1.3.6.1.2.1.68.2.1", "vrrpRouterChecksumErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.2", "vrrpRouterVersionErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.3", "vrrpRouterVrIdErrors", SyntaxCounter32, AccessRead},
    {},
};

constexpr KtSNMPVarDef VirtualRouteStatisticsVars[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.68.2.4.1.1", "Become Master Time", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.4.1.2", "Advertisement Received", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.4.1.3", "Advertisement Interval Errors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.4.1.4", "Authentication Failures", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.4.1.5", "IP TTL Errors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.4.1.6", "Priority Zero Packets Received", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.4.1.7", "Priority Zero Packets Sent", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.4.1.8", "Invalid Type Packets Received", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.4.1.9", "Address List Errors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.4.1.10", "Invalid Authentication Type", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.4.1.11", "Authentication Type Mismatch", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.68.2.4.1.12", "Packet Length Errors", SyntaxCounter32, AccessRead},
    {},
};

constexpr KtMenuItem VRRPRFC2338Menu[] = {
    EditorWindow("VRRP Control", "VRRPControl1", "VRRP Control", VRRPControlVars),
    Separator(),
    ListWindow("VRRP Operation", "VRRPOperation1", "VRRP Operations", VRRPOperationVars, ListTableEx, 2),
    ListWindow("Virtual Route Address", "VirtualRouteAddress1", "Virtual Route Address Table",
               VirtualRouteAddressVars, ListTable, 3)
        .Rows(3, "createAndGo", "destroy"),
    EditorWindow("VRRP Error Statistics", "VRRPErrorStatistics1", "VRRP Error Statistics Table",
                 VRRPErrorStatisticsVars),
    ListWindow("Virtual Route Statistics", "VirtualRouteStatistics1", "Virtual Router Statistics Table",
               VirtualRouteStatisticsVars, ListTable, 2),
    {},
};

constexpr KtMenuItem PIMMenu[] = {
    Viewer("PIM Info", "PIMInfo1", "/TLayer3_PIM"),
    Viewer("Rendezvous Points Info", "RendezvousPointsInfo1", "/TLayer3_RendezvousPoints"),
    {},
};

constexpr KtSNMPVarDef IgmpInterfaceTableVars[] = {
    {"1.3.6.1.2.1.85.1.1.1.1", "Interface Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.85.1.1.1.2", "Query Interval", SyntaxGauge32, AccessReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.3", "Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {"1.3.6.1.2.1.85.1.1.1.4", "Version", SyntaxGauge32, AccessReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.5", "Querier", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.85.1.1.1.6", "Max Response Time", SyntaxGauge32, AccessReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.7", "Querier Up Time", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.85.1.1.1.8", "Querier Expiry Time", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.85.1.1.1.9", "Version1 Querier Timer", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.85.1.1.1.10", "Wrong Version Queries", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.85.1.1.1.11", "Joins", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.85.1.1.1.12", "Proxy If Index", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.13", "Groups", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.85.1.1.1.14", "Robustness", SyntaxGauge32, AccessReadWrite},
    {"1.3.6.1.2.1.85.1.1.1.15", "Last Member Query Interval", SyntaxGauge32, AccessReadWrite},
    {},
};

constexpr KtSNMPVarDef CacheTableVars[] = {
    {"1.3.6.1.2.1.85.1.2.1.1", "Address", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.85.1.2.1.2", "IfIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.85.1.2.1.3", "Self", SyntaxInteger, AccessRead, &TruthValue},
    {"1.3.6.1.2.1.85.1.2.1.4", "Last Reporter", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.85.1.2.1.5", "Up Time", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.85.1.2.1.6", "Expiry Time", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.85.1.2.1.7", "Status", SyntaxInteger, AccessRead, &RowStatus},
    {"1.3.6.1.2.1.85.1.2.1.8", "Version1 Host Timer", SyntaxTimeTicks, AccessRead},
    {},
};

constexpr KtMenuItem IGMPMenu[] = {
    ListWindow("Interface Table", "InterfaceTable2", "IGMP Interface Table", IgmpInterfaceTableVars,
               ListTableEx, 1)
        .Rows(2, "createAndGo", "destroy"),
    ListWindow("Cache Table", "CacheTable1", "IGMP Cache Table", CacheTableVars, ListTable, 2),
    {},
};

constexpr KtSNMPVarDef DeviceCtrlVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.1.1.1", "RIP State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.3.1.1.3", "DVMRP State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.3.1.1.4", "PIM-DM State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.3.1.1.2", "OSPF State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.3.2.4", "Arp Aging Time", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtSNMPVarDef MD5InformationVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.4.1.1", "Key Id", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.3.4.1.2", "Key", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.4.1.3", "Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtSNMPVarDef BOOTPBasicConfigurationVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.3.1.1", "Bootp State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.3.3.1.2", "Bootp Hop Count", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.3.1.3", "Bootp Time Threshold", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtSNMPVarDef DNSBasicConfigurationVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.3.2.1", "DNS State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.3.3.2.2", "DNS Primary Server", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.3.2.3", "DNS Secondary Server", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.3.3.2.4", "DNS Cache State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.3.3.2.5", "DNS Static Table State", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {},
};

constexpr KtOptionDef DNSCtrlTableStatePairs[] = {{2, "invalid"}, {3, "valid"}, {}};
const KtOptionList DNSCtrlTableState(DNSCtrlTableStatePairs);

constexpr KtSNMPVarDef DNSCtrlTableVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.3.3.2.6.1.1", "Domain Name", SyntaxDisplayString, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.3.3.2.6.1.2", "IP Address", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.4.1.47893.11.55.2.3.3.2.6.1.3", "State", SyntaxInteger, AccessReadWrite, &DNSCtrlTableState},
    {},
};

} // namespace

constexpr KtMenuItem Layer3ManagementMenu[] = {
    EditorWindow("Device Ctrl", "DeviceCtrl1", "Device Control", DeviceCtrlVars),
    ListWindow("MD5 Information ", "MD5Table1", "Md5 Information Table", MD5InformationVars, ListTableEx, 1)
        .Rows(2, "createAndGo", "destroy")
        .WidthAdd(30)
        .Height(300),
    Submenu("IP Management", IPManagementMenu),
    Separator(),
    EditorWindow("BOOTP Basic Configuration", "BOOTPBasicConfiguration1", "BOOTP Basic Configuration",
                 BOOTPBasicConfigurationVars),
    DedicatedWindow("BOOTP Ctrl Table", "BOOTPCtrlTable1", "TBOOTCtrlTableForm", "BOOT Ctrl Table"),
    EditorWindow("DNS Basic Configuration", "DNSBasicConfiguration1", "DNS Basic Configuration",
                 DNSBasicConfigurationVars),
    ListWindow("DNS Ctrl Table", "DNSCtrlTable1", "DNS Ctrl Table", DNSCtrlTableVars, ListTable, 2)
        .Rows(2, "valid", "invalid"),
    Separator(),
    DedicatedWindow("Route Redistribution Table", "RouteRedistributionTable1", "TRouteRedistributForm"),
    NoAction("IP Address Filter").Hide(),
    Viewer("CIDR (RFC2096)", "CIDRRFC20961", "/TLayer3_RIP"),
    Viewer("RIP2 (RFC1724)", "RIP2RFC17241", "/TLayer3_RIP2"),
    Submenu("OSPF (RFC1850)", OSPFRFC1850Menu),
    Submenu("VRRP (RFC2338)", VRRPRFC2338Menu),
    Separator(),
    Viewer("IpMroute", "IpMroute1", "/TLayer3_IPM"),
    Viewer("DVMRP", "DVMRP1", "/TLayer3_DVMRP"),
    Submenu("PIM", PIMMenu),
    Submenu("IGMP", IGMPMenu),
    {},
};
