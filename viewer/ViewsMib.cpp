// The views of the MIB viewer program. Each view's enumerations and
// descriptor tables stand before its sections; the program's view array
// comes last.

#include "KtViewCatalogue.h"
#include "KtViewOptions.h"

namespace {

constexpr KtSNMPVarDef SystemGroup[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.1.2", "sysObjectID", SyntaxOid, AccessRead},
    {"1.3.6.1.2.1.1.3", "sysUpTime", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.1.4", "sysContact", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.1.5", "sysName", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.1.6", "sysLocation", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.1.7", "sysServices", SyntaxInteger, AccessRead},
    {},
};
constexpr KtViewSection InfoSections[] = {
    {"System", SystemGroup, ListScalars},
    {},
};
constexpr KtOptionDef IfTypePairs[] = {{1, "other"},
                                       {6, "ethernetCsmacd"},
                                       {24, "softwareLoopback"},
                                       {53, "propVirtual"},
                                       {117, "gigabitEthernet"},
                                       {161, "ieee8023adLag"},
                                       {}};
const KtOptionList IfType(IfTypePairs);
constexpr KtSNMPVarDef IfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.2.2.1.3", "ifType", SyntaxInteger, AccessRead, &IfType},
    {"1.3.6.1.2.1.2.2.1.4", "ifMtu", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.2.2.1.5", "ifSpeed", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.6", "ifPhysAddress", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.2.1.2.2.1.7", "ifAdminStatus", SyntaxInteger, AccessRead, &IfAdminStatus},
    {"1.3.6.1.2.1.2.2.1.8", "ifOperStatus", SyntaxInteger, AccessRead, &IfOperStatus},
    {"1.3.6.1.2.1.2.2.1.9", "ifLastChange", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.2.2.1.21", "ifOutQLen", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.22", "ifSpecific", SyntaxOid, AccessRead},
    {},
};
constexpr KtViewSection IfTableSections[] = {
    {"Interfaces", IfTable, ListTable, 1},
    {},
};
// The names and speeds come first: the legend names a row by its alias or
// description, and octet rates are shown as a share of the speed.
constexpr KtSNMPVarDef IfCounters32[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.18", "ifAlias", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.2.2.1.5", "ifSpeed", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.15", "ifHighSpeed", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.10", "ifInOctets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.11", "ifInUcastPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.12", "ifInNUcastPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.13", "ifInDiscards", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.14", "ifInErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.15", "ifInUnknownProtos", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.16", "ifOutOctets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.17", "ifOutUcastPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.18", "ifOutNUcastPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.19", "ifOutDiscards", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.20", "ifOutErrors", SyntaxCounter32, AccessRead},
    {},
};
constexpr KtSNMPVarDef IfCounters64[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.18", "ifAlias", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.2.2.1.5", "ifSpeed", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.15", "ifHighSpeed", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.6", "ifHCInOctets", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.7", "ifHCInUcastPkts", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.8", "ifHCInMulticastPkts", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.9", "ifHCInBroadcastPkts", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.2.2.1.13", "ifInDiscards", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.14", "ifInErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.15", "ifInUnknownProtos", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.10", "ifHCOutOctets", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.11", "ifHCOutUcastPkts", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.12", "ifHCOutMulticastPkts", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.13", "ifHCOutBroadcastPkts", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.2.2.1.19", "ifOutDiscards", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.2.2.1.20", "ifOutErrors", SyntaxCounter32, AccessRead},
    {},
};
constexpr KtViewSection IfCountersSections[] = {
    {"Interface Counters", IfCounters32, ListTable, 1, ViewChart, IfCounters64},
    {},
};
constexpr KtOptionDef IpForwardingPairs[] = {{1, "forwarding"}, {2, "notForwarding"}, {}};
const KtOptionList IpForwarding(IpForwardingPairs);
constexpr KtSNMPVarDef IpGroup[] = {
    {"1.3.6.1.2.1.4.1", "ipForwarding", SyntaxInteger, AccessRead, &IpForwarding},
    {"1.3.6.1.2.1.4.2", "ipDefaultTTL", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.3", "ipInReceives", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.4", "ipInHdrErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.5", "ipInAddrErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.6", "ipForwDatagrams", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.7", "ipInUnknownProtos", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.8", "ipInDiscards", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.9", "ipInDelivers", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.10", "ipOutRequests", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.11", "ipOutDiscards", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.12", "ipOutNoRoutes", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.13", "ipReasmTimeout", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.14", "ipReasmReqds", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.15", "ipReasmOKs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.16", "ipReasmFails", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.17", "ipFragOKs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.18", "ipFragFails", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.19", "ipFragCreates", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.4.23", "ipRoutingDiscards", SyntaxCounter32, AccessRead},
    {},
};
constexpr KtViewSection IpCountersSections[] = {
    {"IP", IpGroup, ListScalars, 0, ViewChart},
    {},
};
constexpr KtOptionDef IpRouteTypePairs[] = {{1, "other"}, {2, "invalid"}, {3, "direct"}, {4, "indirect"}, {}};
const KtOptionList IpRouteType(IpRouteTypePairs);
constexpr KtSNMPVarDef IpRouteTable[] = {
    {"1.3.6.1.2.1.4.21.1.1", "ipRouteDest", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.4.21.1.2", "ipRouteIfIndex", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.21.1.3", "ipRouteMetric1", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.21.1.4", "ipRouteMetric2", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.21.1.5", "ipRouteMetric3", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.21.1.6", "ipRouteMetric4", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.21.1.7", "ipRouteNextHop", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.4.21.1.8", "ipRouteType", SyntaxInteger, AccessRead, &IpRouteType},
    {"1.3.6.1.2.1.4.21.1.9", "ipRouteProto", SyntaxInteger, AccessRead, &RouteProto},
    {"1.3.6.1.2.1.4.21.1.10", "ipRouteAge", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.21.1.11", "ipRouteMask", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.4.21.1.12", "ipRouteMetric5", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.21.1.13", "ipRouteInfo", SyntaxOid, AccessRead},
    {},
};
constexpr KtViewSection IpRoutingSections[] = {
    {"IP Routes", IpRouteTable, ListTable, 1},
    {},
};
constexpr KtSNMPVarDef IpAddrTable[] = {
    {"1.3.6.1.2.1.4.20.1.1", "ipAdEntAddr", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.4.20.1.2", "ipAdEntIfIndex", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.20.1.3", "ipAdEntNetMask", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.4.20.1.4", "ipAdEntBcastAddr", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.20.1.5", "ipAdEntReasmMaxSize", SyntaxInteger, AccessRead},
    {},
};
constexpr KtViewSection IpAddressSections[] = {
    {"IP Addresses", IpAddrTable, ListTable, 1},
    {},
};
constexpr KtSNMPVarDef IcmpGroup[] = {
    {"1.3.6.1.2.1.5.1", "icmpInMsgs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.2", "icmpInErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.3", "icmpInDestUnreachs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.4", "icmpInTimeExcds", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.5", "icmpInParmProbs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.6", "icmpInSrcQuenchs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.7", "icmpInRedirects", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.8", "icmpInEchos", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.9", "icmpInEchoReps", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.10", "icmpInTimestamps", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.11", "icmpInTimestampReps", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.12", "icmpInAddrMasks", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.13", "icmpInAddrMaskReps", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.14", "icmpOutMsgs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.15", "icmpOutErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.16", "icmpOutDestUnreachs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.17", "icmpOutTimeExcds", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.18", "icmpOutParmProbs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.19", "icmpOutSrcQuenchs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.20", "icmpOutRedirects", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.21", "icmpOutEchos", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.22", "icmpOutEchoReps", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.23", "icmpOutTimestamps", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.24", "icmpOutTimestampReps", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.25", "icmpOutAddrMasks", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.5.26", "icmpOutAddrMaskReps", SyntaxCounter32, AccessRead},
    {},
};
constexpr KtViewSection IcmpCountersSections[] = {
    {"ICMP", IcmpGroup, ListScalars, 0, ViewChart},
    {},
};
constexpr KtSNMPVarDef UdpGroup[] = {
    {"1.3.6.1.2.1.7.1", "udpInDatagrams", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.7.2", "udpNoPorts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.7.3", "udpInErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.7.4", "udpOutDatagrams", SyntaxCounter32, AccessRead},
    {},
};
constexpr KtSNMPVarDef UdpTable[] = {
    {"1.3.6.1.2.1.7.5.1.1", "udpLocalAddress", SyntaxIpAddress, AccessIndex | AccessRead},
    {"1.3.6.1.2.1.7.5.1.2", "udpLocalPort", SyntaxInteger, AccessIndex | AccessRead},
    {},
};
constexpr KtViewSection UdpCountersSections[] = {
    {"UDP", UdpGroup, ListScalars, 0, ViewChart},
    {"UDP Listeners", UdpTable, ListTable, 2},
    {},
};
constexpr KtSNMPVarDef SnmpGroup[] = {
    {"1.3.6.1.2.1.11.1", "snmpInPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.2", "snmpOutPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.3", "snmpInBadVersions", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.4", "snmpInBadCommunityNames", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.5", "snmpInBadCommunityUses", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.6", "snmpInASNParseErrs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.8", "snmpInTooBigs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.9", "snmpInNoSuchNames", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.10", "snmpInBadValues", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.11", "snmpInReadOnlys", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.12", "snmpInGenErrs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.13", "snmpInTotalReqVars", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.14", "snmpInTotalSetVars", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.15", "snmpInGetRequests", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.16", "snmpInGetNexts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.17", "snmpInSetRequests", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.18", "snmpInGetResponses", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.19", "snmpInTraps", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.20", "snmpOutTooBigs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.21", "snmpOutNoSuchNames", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.22", "snmpOutBadValues", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.24", "snmpOutGenErrs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.25", "snmpOutGetRequests", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.26", "snmpOutGetNexts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.27", "snmpOutSetRequests", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.28", "snmpOutGetResponses", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.29", "snmpOutTraps", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.30", "snmpEnableAuthenTraps", SyntaxInteger, AccessRead, &EnableDisableFromOne},
    {"1.3.6.1.2.1.11.31", "snmpSilentDrops", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.11.32", "snmpProxyDrops", SyntaxCounter32, AccessRead},
    {},
};
constexpr KtViewSection SnmpCountersSections[] = {
    {"SNMP", SnmpGroup, ListScalars, 0, ViewChart},
    {},
};
} // namespace

const KtViewDef MibViews[] = {
    {"MIB_Info", "System Information", InfoSections},
    {"MIB_IFTable", "IF Table", IfTableSections},
    {"MIB_IFCounters", "IF Counters", IfCountersSections},
    {"MIB_IPCounters", "IP Counters", IpCountersSections},
    {"MIB_IPRouting", "IP Routing", IpRoutingSections},
    {"MIB_IPAddress", "IP Address Table", IpAddressSections},
    {"MIB_ICMPCounters", "ICMP Counters", IcmpCountersSections},
    {"MIB_UDPCounters", "UDP Counters", UdpCountersSections},
    {"MIB_SNMPCounters", "SNMP Counters", SnmpCountersSections},
    {},
};
