// The views of the Layer3 viewer program. Each view's enumerations and
// descriptor tables stand before its sections; the program's view array
// comes last.

#include "KtStandardOptions.h"
#include "KtViewCatalogue.h"
#include "KtViewOptions.h"

namespace {

constexpr KtOptionDef CidrRouteTypePairs[] = {{1, "other"}, {2, "reject"}, {3, "local"}, {4, "remote"}, {}};
const KtOptionList CidrRouteType(CidrRouteTypePairs);
constexpr KtSNMPVarDef CidrScalars[] = {
    {"1.3.6.1.2.1.4.24.3", "ipCidrRouteNumber", SyntaxGauge32, AccessRead},
    {},
};
constexpr KtSNMPVarDef CidrRouteTable[] = {
    {"1.3.6.1.2.1.4.24.4.1.1", "ipCidrRouteDest", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.4.24.4.1.2", "ipCidrRouteMask", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.4.24.4.1.3", "ipCidrRouteTos", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.4.24.4.1.4", "ipCidrRouteNextHop", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.4.24.4.1.5", "ipCidrRouteIfIndex", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.24.4.1.6", "ipCidrRouteType", SyntaxInteger, AccessRead, &CidrRouteType},
    {"1.3.6.1.2.1.4.24.4.1.7", "ipCidrRouteProto", SyntaxInteger, AccessRead, &RouteProto},
    {"1.3.6.1.2.1.4.24.4.1.8", "ipCidrRouteAge", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.24.4.1.9", "ipCidrRouteInfo", SyntaxOid, AccessRead},
    {"1.3.6.1.2.1.4.24.4.1.10", "ipCidrRouteNextHopAS", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.24.4.1.11", "ipCidrRouteMetric1", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.24.4.1.12", "ipCidrRouteMetric2", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.24.4.1.13", "ipCidrRouteMetric3", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.24.4.1.14", "ipCidrRouteMetric4", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.24.4.1.15", "ipCidrRouteMetric5", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.4.24.4.1.16", "ipCidrRouteStatus", SyntaxInteger, AccessRead, &RowStatus},
    {},
};
constexpr KtViewSection CidrSections[] = {
    {"CIDR Routes", CidrRouteTable, ListTable, 4},
    {"Routes", CidrScalars, ListScalars},
    {},
};
constexpr KtOptionDef RipAuthTypePairs[] = {{1, "noAuthentication"}, {2, "simplePassword"}, {3, "md5"}, {}};
const KtOptionList RipAuthType(RipAuthTypePairs);
constexpr KtOptionDef RipSendPairs[] = {{1, "doNotSend"},
                                        {2, "ripVersion1"},
                                        {3, "rip1Compatible"},
                                        {4, "ripVersion2"},
                                        {5, "ripV1Demand"},
                                        {6, "ripV2Demand"},
                                        {}};
const KtOptionList RipSend(RipSendPairs);
constexpr KtOptionDef RipReceivePairs[] = {
    {1, "rip1"}, {2, "rip2"}, {3, "rip1OrRip2"}, {4, "doNotRecieve"}, {}};
const KtOptionList RipReceive(RipReceivePairs);
constexpr KtSNMPVarDef Rip2Global[] = {
    {"1.3.6.1.2.1.23.1.1", "rip2GlobalRouteChanges", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.23.1.2", "rip2GlobalQueries", SyntaxCounter32, AccessRead},
    {},
};
constexpr KtSNMPVarDef Rip2IfStatTable[] = {
    {"1.3.6.1.2.1.23.2.1.1", "rip2IfStatAddress", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.23.2.1.2", "rip2IfStatRcvBadPackets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.23.2.1.3", "rip2IfStatRcvBadRoutes", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.23.2.1.4", "rip2IfStatSentUpdates", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.23.2.1.5", "rip2IfStatStatus", SyntaxInteger, AccessRead, &RowStatus},
    {},
};
constexpr KtSNMPVarDef Rip2IfConfTable[] = {
    {"1.3.6.1.2.1.23.3.1.1", "rip2IfConfAddress", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.23.3.1.2", "rip2IfConfDomain", SyntaxOctets, AccessRead},
    {"1.3.6.1.2.1.23.3.1.3", "rip2IfConfAuthType", SyntaxInteger, AccessRead, &RipAuthType},
    {"1.3.6.1.2.1.23.3.1.4", "rip2IfConfAuthKey", SyntaxOctets, AccessRead},
    {"1.3.6.1.2.1.23.3.1.5", "rip2IfConfSend", SyntaxInteger, AccessRead, &RipSend},
    {"1.3.6.1.2.1.23.3.1.6", "rip2IfConfReceive", SyntaxInteger, AccessRead, &RipReceive},
    {"1.3.6.1.2.1.23.3.1.7", "rip2IfConfDefaultMetric", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.23.3.1.8", "rip2IfConfStatus", SyntaxInteger, AccessRead, &RowStatus},
    {},
};
constexpr KtViewSection Rip2Sections[] = {
    {"RIP Global", Rip2Global, ListScalars, 0, ViewChart},
    {"Interface Statistics", Rip2IfStatTable, ListTable, 1, ViewChart},
    {"Interface Configuration", Rip2IfConfTable, ListTable, 1},
    {},
};
constexpr KtOptionDef OspfVersionPairs[] = {{2, "version2"}, {}};
const KtOptionList OspfVersion(OspfVersionPairs);
constexpr KtSNMPVarDef OspfGeneral[] = {
    {"1.3.6.1.2.1.14.1.1", "ospfRouterId", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.14.1.2", "ospfAdminStat", SyntaxInteger, AccessRead, &EnableDisableFromOne},
    {"1.3.6.1.2.1.14.1.3", "ospfVersionNumber", SyntaxInteger, AccessRead, &OspfVersion},
    {"1.3.6.1.2.1.14.1.4", "ospfAreaBdrRtrStatus", SyntaxInteger, AccessRead, &TruthValue},
    {"1.3.6.1.2.1.14.1.5", "ospfASBdrRtrStatus", SyntaxInteger, AccessRead, &TruthValue},
    {"1.3.6.1.2.1.14.1.6", "ospfExternLsaCount", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.14.1.7", "ospfExternLsaCksumSum", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.14.1.8", "ospfTOSSupport", SyntaxInteger, AccessRead, &TruthValue},
    {"1.3.6.1.2.1.14.1.9", "ospfOriginateNewLsas", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.14.1.10", "ospfRxNewLsas", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.14.1.11", "ospfExtLsdbLimit", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.14.1.12", "ospfMulticastExtensions", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.14.1.13", "ospfExitOverflowInterval", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.14.1.14", "ospfDemandExtensions", SyntaxInteger, AccessRead, &TruthValue},
    {},
};
constexpr KtViewSection OspfSections[] = {
    {"OSPF General", OspfGeneral, ListScalars, 0, ViewChart},
    {},
};
constexpr KtOptionDef OspfImportAsExternPairs[] = {
    {1, "importExternal"}, {2, "importNoExternal"}, {3, "importNssa"}, {}};
const KtOptionList OspfImportAsExtern(OspfImportAsExternPairs);
constexpr KtOptionDef OspfAreaSummaryPairs[] = {{1, "noAreaSummary"}, {2, "sendAreaSummary"}, {}};
const KtOptionList OspfAreaSummary(OspfAreaSummaryPairs);
constexpr KtSNMPVarDef OspfAreaTable[] = {
    {"1.3.6.1.2.1.14.2.1.1", "ospfAreaId", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.14.2.1.2", "ospfAuthType", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.14.2.1.3", "ospfImportAsExtern", SyntaxInteger, AccessRead, &OspfImportAsExtern},
    {"1.3.6.1.2.1.14.2.1.4", "ospfSpfRuns", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.14.2.1.5", "ospfAreaBdrRtrCount", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.14.2.1.6", "ospfAsBdrRtrCount", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.14.2.1.7", "ospfAreaLsaCount", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.14.2.1.8", "ospfAreaLsaCksumSum", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.14.2.1.9", "ospfAreaSummary", SyntaxInteger, AccessRead, &OspfAreaSummary},
    {"1.3.6.1.2.1.14.2.1.10", "ospfAreaStatus", SyntaxInteger, AccessRead, &RowStatus},
    {},
};
constexpr KtViewSection AreaSections[] = {
    {"Areas", OspfAreaTable, ListTable, 1, ViewChart},
    {},
};
constexpr KtOptionDef OspfLsdbTypePairs[] = {
    {1, "routerLink"},     {2, "networkLink"},   {3, "summaryLink"},      {4, "asSummaryLink"},
    {5, "asExternalLink"}, {6, "multicastLink"}, {7, "nssaExternalLink"}, {}};
const KtOptionList OspfLsdbType(OspfLsdbTypePairs);
constexpr KtSNMPVarDef OspfLsdbTable[] = {
    {"1.3.6.1.2.1.14.4.1.1", "ospfLsdbAreaId", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.14.4.1.2", "ospfLsdbType", SyntaxInteger, AccessIndex, &OspfLsdbType},
    {"1.3.6.1.2.1.14.4.1.3", "ospfLsdbLsid", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.14.4.1.4", "ospfLsdbRouterId", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.14.4.1.5", "ospfLsdbSequence", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.14.4.1.6", "ospfLsdbAge", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.14.4.1.7", "ospfLsdbChecksum", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.14.4.1.8", "ospfLsdbAdvertisement", SyntaxOctets, AccessRead},
    {},
};
constexpr KtViewSection LsdbSections[] = {
    {"Link State Database", OspfLsdbTable, ListTable, 4},
    {},
};
constexpr KtOptionDef OspfNbrStatePairs[] = {{1, "down"},    {2, "attempt"},       {3, "init"},
                                             {4, "twoWay"},  {5, "exchangeStart"}, {6, "exchange"},
                                             {7, "loading"}, {8, "full"},          {}};
const KtOptionList OspfNbrState(OspfNbrStatePairs);
constexpr KtOptionDef OspfNbrPermanencePairs[] = {{1, "dynamic"}, {2, "permanent"}, {}};
const KtOptionList OspfNbrPermanence(OspfNbrPermanencePairs);
constexpr KtSNMPVarDef OspfNbrTable[] = {
    {"1.3.6.1.2.1.14.10.1.1", "ospfNbrIpAddr", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.14.10.1.2", "ospfNbrAddressLessIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.14.10.1.3", "ospfNbrRtrId", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.14.10.1.4", "ospfNbrOptions", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.14.10.1.5", "ospfNbrPriority", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.14.10.1.6", "ospfNbrState", SyntaxInteger, AccessRead, &OspfNbrState},
    {"1.3.6.1.2.1.14.10.1.7", "ospfNbrEvents", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.14.10.1.8", "ospfNbrLsRetransQLen", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.14.10.1.9", "ospfNbmaNbrStatus", SyntaxInteger, AccessRead, &RowStatus},
    {"1.3.6.1.2.1.14.10.1.10", "ospfNbmaNbrPermanence", SyntaxInteger, AccessRead, &OspfNbrPermanence},
    {"1.3.6.1.2.1.14.10.1.11", "ospfNbrHelloSuppressed", SyntaxInteger, AccessRead, &TruthValue},
    {},
};
constexpr KtViewSection NeighborSections[] = {
    {"Neighbours", OspfNbrTable, ListTable, 2, ViewChart},
    {},
};
constexpr KtOptionDef MRouteProtocolPairs[] = {{1, "other"},
                                               {2, "local"},
                                               {3, "netmgmt"},
                                               {4, "dvmrp"},
                                               {5, "mospf"},
                                               {6, "pimSparseDense"},
                                               {7, "cbt"},
                                               {8, "pimSparseMode"},
                                               {9, "pimDenseMode"},
                                               {10, "igmpOnly"},
                                               {11, "bgmp"},
                                               {12, "msdp"},
                                               {}};
const KtOptionList MRouteProtocol(MRouteProtocolPairs);
constexpr KtOptionDef MRouteRtTypePairs[] = {{1, "unicast"}, {2, "multicast"}, {}};
const KtOptionList MRouteRtType(MRouteRtTypePairs);
constexpr KtSNMPVarDef IpMRouteScalars[] = {
    {"1.3.6.1.2.1.83.1.1.1", "ipMRouteEnable", SyntaxInteger, AccessRead, &EnableDisableFromOne},
    {"1.3.6.1.2.1.83.1.1.7", "ipMRouteEntryCount", SyntaxGauge32, AccessRead},
    {},
};
constexpr KtSNMPVarDef IpMRouteTable[] = {
    {"1.3.6.1.2.1.83.1.1.2.1.1", "ipMRouteGroup", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.83.1.1.2.1.2", "ipMRouteSource", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.83.1.1.2.1.3", "ipMRouteSourceMask", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.2.1.83.1.1.2.1.4", "ipMRouteUpstreamNeighbor", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.83.1.1.2.1.5", "ipMRouteInIfIndex", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.83.1.1.2.1.6", "ipMRouteUpTime", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.83.1.1.2.1.7", "ipMRouteExpiryTime", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.83.1.1.2.1.8", "ipMRoutePkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.83.1.1.2.1.9", "ipMRouteDifferentInIfPackets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.83.1.1.2.1.10", "ipMRouteOctets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.83.1.1.2.1.11", "ipMRouteProtocol", SyntaxInteger, AccessRead, &MRouteProtocol},
    {"1.3.6.1.2.1.83.1.1.2.1.12", "ipMRouteRtProto", SyntaxInteger, AccessRead, &RouteProto},
    {"1.3.6.1.2.1.83.1.1.2.1.13", "ipMRouteRtAddress", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.83.1.1.2.1.14", "ipMRouteRtMask", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.83.1.1.2.1.15", "ipMRouteRtType", SyntaxInteger, AccessRead, &MRouteRtType},
    {},
};
constexpr KtViewSection IpmSections[] = {
    {"Multicast Routes", IpMRouteTable, ListTable, 3, ViewChart},
    {"Multicast Routing", IpMRouteScalars, ListScalars},
    {},
};
constexpr KtOptionDef DvmrpNeighborStatePairs[] = {
    {1, "oneway"}, {2, "active"}, {3, "ignoring"}, {4, "down"}, {}};
const KtOptionList DvmrpNeighborState(DvmrpNeighborStatePairs);
constexpr KtSNMPVarDef DvmrpScalars[] = {
    {"1.3.6.1.3.62.1.1.1", "dvmrpVersionString", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.3.62.1.1.2", "dvmrpGenerationId", SyntaxInteger, AccessRead},
    {"1.3.6.1.3.62.1.1.3", "dvmrpNumRoutes", SyntaxGauge32, AccessRead},
    {"1.3.6.1.3.62.1.1.4", "dvmrpReachableRoutes", SyntaxGauge32, AccessRead},
    {},
};
constexpr KtSNMPVarDef DvmrpInterfaceTable[] = {
    {"1.3.6.1.3.62.1.1.2.1.1", "dvmrpInterfaceIfIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.3.62.1.1.2.1.2", "dvmrpInterfaceLocalAddress", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.3.62.1.1.2.1.3", "dvmrpInterfaceMetric", SyntaxInteger, AccessRead},
    {"1.3.6.1.3.62.1.1.2.1.4", "dvmrpInterfaceStatus", SyntaxInteger, AccessRead, &RowStatus},
    {"1.3.6.1.3.62.1.1.2.1.5", "dvmrpInterfaceRcvBadPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.3.62.1.1.2.1.6", "dvmrpInterfaceRcvBadRoutes", SyntaxCounter32, AccessRead},
    {"1.3.6.1.3.62.1.1.2.1.7", "dvmrpInterfaceSentRoutes", SyntaxCounter32, AccessRead},
    {},
};
constexpr KtSNMPVarDef DvmrpNeighborTable[] = {
    {"1.3.6.1.3.62.1.1.3.1.1", "dvmrpNeighborIfIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.3.62.1.1.3.1.2", "dvmrpNeighborAddress", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.3.62.1.1.3.1.3", "dvmrpNeighborUpTime", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.3.62.1.1.3.1.4", "dvmrpNeighborExpiryTime", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.3.62.1.1.3.1.5", "dvmrpNeighborGenerationId", SyntaxInteger, AccessRead},
    {"1.3.6.1.3.62.1.1.3.1.6", "dvmrpNeighborMajorVersion", SyntaxInteger, AccessRead},
    {"1.3.6.1.3.62.1.1.3.1.7", "dvmrpNeighborMinorVersion", SyntaxInteger, AccessRead},
    {"1.3.6.1.3.62.1.1.3.1.9", "dvmrpNeighborRcvRoutes", SyntaxCounter32, AccessRead},
    {"1.3.6.1.3.62.1.1.3.1.10", "dvmrpNeighborRcvBadPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.3.62.1.1.3.1.11", "dvmrpNeighborRcvBadRoutes", SyntaxCounter32, AccessRead},
    {"1.3.6.1.3.62.1.1.3.1.12", "dvmrpNeighborState", SyntaxInteger, AccessRead, &DvmrpNeighborState},
    {},
};
constexpr KtViewSection DvmrpSections[] = {
    {"DVMRP", DvmrpScalars, ListScalars},
    {"Interfaces", DvmrpInterfaceTable, ListTable, 1, ViewChart},
    {"Neighbours", DvmrpNeighborTable, ListTable, 2, ViewChart},
    {},
};
constexpr KtOptionDef PimModePairs[] = {{1, "dense"}, {2, "sparse"}, {3, "sparseDense"}, {}};
const KtOptionList PimMode(PimModePairs);
constexpr KtOptionDef PimNeighborModePairs[] = {{1, "dense"}, {2, "sparse"}, {}};
const KtOptionList PimNeighborMode(PimNeighborModePairs);
constexpr KtSNMPVarDef PimScalars[] = {
    {"1.3.6.1.3.61.1.1.1", "pimJoinPruneInterval", SyntaxInteger, AccessRead},
    {},
};
constexpr KtSNMPVarDef PimInterfaceTable[] = {
    {"1.3.6.1.3.61.1.1.2.1.1", "pimInterfaceIfIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.3.61.1.1.2.1.2", "pimInterfaceAddress", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.3.61.1.1.2.1.3", "pimInterfaceNetMask", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.3.61.1.1.2.1.4", "pimInterfaceMode", SyntaxInteger, AccessRead, &PimMode},
    {"1.3.6.1.3.61.1.1.2.1.5", "pimInterfaceDR", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.3.61.1.1.2.1.6", "pimInterfaceHelloInterval", SyntaxInteger, AccessRead},
    {"1.3.6.1.3.61.1.1.2.1.7", "pimInterfaceStatus", SyntaxInteger, AccessRead, &RowStatus},
    {"1.3.6.1.3.61.1.1.2.1.8", "pimInterfaceJoinPruneInterval", SyntaxInteger, AccessRead},
    {"1.3.6.1.3.61.1.1.2.1.9", "pimInterfaceCBSRPreference", SyntaxInteger, AccessRead},
    {},
};
constexpr KtSNMPVarDef PimNeighborTable[] = {
    {"1.3.6.1.3.61.1.1.3.1.1", "pimNeighborAddress", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.3.61.1.1.3.1.2", "pimNeighborIfIndex", SyntaxInteger, AccessRead},
    {"1.3.6.1.3.61.1.1.3.1.3", "pimNeighborUpTime", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.3.61.1.1.3.1.4", "pimNeighborExpiryTime", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.3.61.1.1.3.1.5", "pimNeighborMode", SyntaxInteger, AccessRead, &PimNeighborMode},
    {},
};
constexpr KtViewSection PimSections[] = {
    {"PIM", PimScalars, ListScalars},
    {"Interfaces", PimInterfaceTable, ListTable, 1},
    {"Neighbours", PimNeighborTable, ListTable, 1},
    {},
};
constexpr KtOptionDef PimRPStatePairs[] = {{1, "up"}, {2, "down"}, {}};
const KtOptionList PimRPState(PimRPStatePairs);
constexpr KtSNMPVarDef PimRPTable[] = {
    {"1.3.6.1.3.61.1.1.5.1.1", "pimRPGroupAddress", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.3.61.1.1.5.1.2", "pimRPAddress", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.3.61.1.1.5.1.3", "pimRPState", SyntaxInteger, AccessRead, &PimRPState},
    {"1.3.6.1.3.61.1.1.5.1.4", "pimRPStateTimer", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.3.61.1.1.5.1.5", "pimRPLastChange", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.3.61.1.1.5.1.6", "pimRPRowStatus", SyntaxInteger, AccessRead, &RowStatus},
    {},
};
constexpr KtSNMPVarDef PimRPSetTable[] = {
    {"1.3.6.1.3.61.1.1.6.1.1", "pimRPSetComponent", SyntaxInteger, AccessIndex},
    {"1.3.6.1.3.61.1.1.6.1.2", "pimRPSetGroupAddress", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.3.61.1.1.6.1.3", "pimRPSetGroupMask", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.3.61.1.1.6.1.4", "pimRPSetAddress", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.3.61.1.1.6.1.5", "pimRPSetHoldTime", SyntaxInteger, AccessRead},
    {"1.3.6.1.3.61.1.1.6.1.6", "pimRPSetExpiryTime", SyntaxTimeTicks, AccessRead},
    {},
};
constexpr KtViewSection RendezvousSections[] = {
    {"Rendezvous Points", PimRPTable, ListTable, 2},
    {"RP Set", PimRPSetTable, ListTable, 4},
    {},
};
} // namespace

const KtViewDef Layer3Views[] = {
    {"Layer3_RIP", "CIDR (RFC2096)", CidrSections},
    {"Layer3_RIP2", "RIP2 (RFC1724)", Rip2Sections},
    {"Layer3_OSPF", "OSPF General", OspfSections},
    {"Layer3_Area", "Area Info", AreaSections},
    {"Layer3_Lsdb", "Lsdb  Info", LsdbSections},
    {"Layer3_Neighbor", "Neighbor Info", NeighborSections},
    {"Layer3_IPM", "IpMroute", IpmSections},
    {"Layer3_DVMRP", "DVMRP", DvmrpSections},
    {"Layer3_PIM", "PIM Info", PimSections},
    {"Layer3_RendezvousPoints", "Rendezvous Points Info", RendezvousSections},
    {},
};
