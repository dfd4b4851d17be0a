// The views of the Bridge viewer program. Each view's enumerations and
// descriptor tables stand before its sections; the program's view array
// comes last.

#include "KtStandardOptions.h"
#include "KtViewCatalogue.h"
#include "KtViewOptions.h"

namespace {

constexpr KtSNMPVarDef BaseGroup[] = {
    {"1.3.6.1.2.1.17.1.1", "dot1dBaseBridgeAddress", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.2.1.17.1.2", "dot1dBaseNumPorts", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.1.3", "dot1dBaseType", SyntaxInteger, AccessRead, &BridgeType},
    {},
};
constexpr KtSNMPVarDef BasePortTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "dot1dBasePort", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.1.4.1.2", "dot1dBasePortIfIndex", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.1.4.1.3", "dot1dBasePortCircuit", SyntaxOid, AccessRead},
    {"1.3.6.1.2.1.17.1.4.1.4", "dot1dBasePortDelayExceededDiscards", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.17.1.4.1.5", "dot1dBasePortMtuExceededDiscards", SyntaxCounter32, AccessRead},
    {},
};
constexpr KtViewSection PortSections[] = {
    {"Bridge", BaseGroup, ListScalars},
    {"Ports", BasePortTable, ListTable, 1},
    {},
};
constexpr KtSNMPVarDef TpFdbTable[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "dot1dTpFdbAddress", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.4.3.1.2", "dot1dTpFdbPort", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.4.3.1.3", "dot1dTpFdbStatus", SyntaxInteger, AccessRead, &FdbStatus},
    {},
};
constexpr KtSNMPVarDef TpGroup[] = {
    {"1.3.6.1.2.1.17.4.1", "dot1dTpLearnedEntryDiscards", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.17.4.2", "dot1dTpAgingTime", SyntaxInteger, AccessRead},
    {},
};
constexpr KtViewSection ForwardingSections[] = {
    {"Forwarding Database", TpFdbTable, ListTable, 1},
    {"Learning", TpGroup, ListScalars},
    {},
};
constexpr KtSNMPVarDef TpPortTable[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "dot1dTpPort", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.4.4.1.2", "dot1dTpPortMaxInfo", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.4.4.1.3", "dot1dTpPortInFrames", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.17.4.4.1.4", "dot1dTpPortOutFrames", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.17.4.4.1.5", "dot1dTpPortInDiscards", SyntaxCounter32, AccessRead},
    {},
};
constexpr KtViewSection TpPortSections[] = {
    {"Port Counters", TpPortTable, ListTable, 1, ViewChart},
    {},
};
} // namespace

const KtViewDef BridgeViews[] = {
    {"Bridge_Port", "Port Table", PortSections},
    {"Bridge_Forwarding", "Forwarding Table", ForwardingSections},
    {"Bridge_TpPortInfo", "Port Counters", TpPortSections},
    {},
};
