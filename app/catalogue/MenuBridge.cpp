// The "Bridge" menu. Each window's enumerations and descriptor table stand
// before the menu array that opens it; a submenu's array comes before its
// parent's, the top-level array last.

#include "KtCatalogueOptions.h"
#include "KtMenuCatalogue.h"
#include "KtStandardOptions.h"

namespace {

constexpr KtSNMPVarDef InformationVars[] = {
    {"1.3.6.1.2.1.17.1.1", "Bridge Address", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.1.3", "Bridge Type", SyntaxInteger, AccessRead, &BridgeType},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtMenuItem Dot1dMenu[] = {
    EditorWindow("Information", "Information1", "Bridge 802.1d Information", InformationVars),
    Viewer("Port Table", "PortTable1", "/TBridge_Port").Hide(),
    {},
};

constexpr KtSNMPVarDef ConfigurationIdentificationVars[] = {
    {"1.3.6.1.4.1.47893.12.15.2.1", "MSTP Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.2", "MSTP Revision Level", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtOptionDef InstanceInformationTypePairs[] = {{0, "cist"}, {1, "msti"}, {}};
const KtOptionList InstanceInformationType(InstanceInformationTypePairs);

constexpr KtSNMPVarDef InstanceInformationVars[] = {
    {"1.3.6.1.4.1.47893.12.15.2.3.1.1", "MSTP Inst ID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.2", "Vlan Range [1-64]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.3", "Vlan Range [65-128]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.4", "Vlan Range [129-192]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.5", "Vlan Range [193-256]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.6", "Vlan Range [257-320]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.7", "Vlan Range [321-384]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.8", "Vlan Range [385-448]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.9", "Vlan Range [449-512]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.10", "Type", SyntaxInteger, AccessRead, &InstanceInformationType},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.11", "Status", SyntaxInteger, AccessRead, &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.12", "Priority", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.13", "Designated Root Bridge", SyntaxOctets, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.14", "External Root Cost", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.15", "Regional Root Bridge", SyntaxOctets, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.16", "Internal Root Cost", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.17", "Designated Bridge", SyntaxOctets, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.18", "Root Port", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.19", "Max Age", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.20", "Forward Delay", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.21", "Last Topology Change", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.22", "Top Changes Count", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.23", "Remain Hops", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.3.1.24", "Row Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtOptionDef SwMSTPSTPPortStatePairs[] = {{1, "disabled"},
                                                   {2, "blocking"},
                                                   {3, "listening"},
                                                   {4, "learning"},
                                                   {5, "forwarding"},
                                                   {6, "broken"},
                                                   {}};
const KtOptionList SwMSTPSTPPortState(SwMSTPSTPPortStatePairs);

constexpr KtOptionDef SwMSTPPortAdminP2PPairs[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {}};
const KtOptionList SwMSTPPortAdminP2P(SwMSTPPortAdminP2PPairs);

constexpr KtOptionDef SwMSTPPortRolePairs[] = {
    {0, "disable"}, {1, "alternate"}, {2, "backup"}, {3, "root"}, {4, "desinated"}, {5, "nonstp"}, {}};
const KtOptionList SwMSTPPortRole(SwMSTPPortRolePairs);

constexpr KtSNMPVarDef PortStateInformationVars[] = {
    {"1.3.6.1.4.1.47893.12.15.2.4.1.1", "swMSTPPort", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.15.2.4.1.2", "swMSTPPortAdminHelloTime", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.4.1.3", "swMSTPPortOperHelloTime", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.4.1.4", "swMSTPSTPPortState", SyntaxInteger, AccessRead, &SwMSTPSTPPortState},
    {"1.3.6.1.4.1.47893.12.15.2.4.1.5", "swMSTPSTPPortEnable", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.12.15.2.4.1.6", "swMSTPPortExternalPathCost", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.4.1.7", "swMSTPPortMigration", SyntaxInteger, AccessReadWrite, &TruthValue},
    {"1.3.6.1.4.1.47893.12.15.2.4.1.8", "swMSTPPortAdminEdgePort", SyntaxInteger, AccessReadWrite,
     &TruthValue},
    {"1.3.6.1.4.1.47893.12.15.2.4.1.9", "swMSTPPortOperEdgePort", SyntaxInteger, AccessRead, &TruthValue},
    {"1.3.6.1.4.1.47893.12.15.2.4.1.10", "swMSTPPortAdminP2P", SyntaxInteger, AccessReadWrite,
     &SwMSTPPortAdminP2P},
    {"1.3.6.1.4.1.47893.12.15.2.4.1.11", "swMSTPPortOperP2P", SyntaxInteger, AccessRead, &SwMSTPPortAdminP2P},
    {"1.3.6.1.4.1.47893.12.15.2.4.1.12", "swMSTPPortRole", SyntaxInteger, AccessRead, &SwMSTPPortRole},
    {"1.3.6.1.4.1.47893.12.15.2.4.1.13", "swMSTPSTPPortPriority", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtOptionDef SwMSTPMstPortStatusPairs[] = {
    {1, "other"},      {2, "disabled"}, {3, "discarding"},     {4, "learning"},
    {5, "forwarding"}, {6, "broken"},   {7, "no-stp-enabled"}, {}};
const KtOptionList SwMSTPMstPortStatus(SwMSTPMstPortStatusPairs);

constexpr KtSNMPVarDef PortMSTPInformationVars[] = {
    {"1.3.6.1.4.1.47893.12.15.2.5.1.1", "swMSTPMstPort", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.15.2.5.1.2", "swMSTPMstPortInsID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.15.2.5.1.3", "swMSTPMstPortDesignatedBridge", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.15.2.5.1.4", "swMSTPMstPortInternalPathCost", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.5.1.5", "swMSTPMstPortPriority", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.2.5.1.6", "swMSTPMstPortStatus", SyntaxInteger, AccessRead,
     &SwMSTPMstPortStatus},
    {"1.3.6.1.4.1.47893.12.15.2.5.1.7", "swMSTPMstPortRole", SyntaxInteger, AccessRead, &SwMSTPPortRole},
    {},
};

constexpr KtSNMPVarDef STPPortTableVars[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", SyntaxInteger, AccessRead, &SwMSTPSTPPortState},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", SyntaxInteger, AccessReadWrite, &EnableDisableFromOne},
    {"1.3.6.1.2.1.17.2.15.1.5", "Path Cost", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.6", "Designated Root", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.17.2.15.1.7", "Designated Cost", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.2.15.1.8", "Designated Bridge", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.17.2.15.1.9", "Designated Port", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.17.2.15.1.10", "Forward Transitions", SyntaxCounter32, AccessRead},
    {},
};

constexpr KtMenuItem SpanningTreeMenu[] = {
    DedicatedWindow("STP Control ", "Information2", "TSTP_Info").With(HookReadStpVersionFirst),
    EditorWindow("Configuration Identification", "ConfigurationIdentification1",
                 "MSTP Configuration Identification", ConfigurationIdentificationVars)
        .HeightAdd(20)
        .With(HookShownWhenMstp),
    ListWindow("Instance Information", "InstanceInformation1", "MSTP Instance Control",
               InstanceInformationVars, ListTableEx, 1)
        .With(HookShownWhenMstp),
    ListWindow("Port State Information", "PortStateInformation1", "MSTP Port State Information",
               PortStateInformationVars, ListTableEx, 1)
        .With(HookShownWhenMstp),
    ListWindow("Port MSTP Information", "PortMSTPInformation1", "Port MSTP Information",
               PortMSTPInformationVars, ListTableEx, 2)
        .With(HookShownWhenMstp),
    ListWindow("STP Port Table", "PortTable", "Spanning Tree Port Table", STPPortTableVars, ListTable, 1)
        .Hide()
        .With(HookReadStpVersionFirst | HookShownUnlessMstp),
    {},
};

constexpr KtMenuItem TransparentBridgeMenu[] = {
    Viewer("Forwarding Table", "ForwardingTable1", "/TBridge_Forwarding"),
    NoAction("Static Table").Hide(),
    Viewer("Port Counters", "PortCounters1", "/TBridge_TpPortInfo"),
    {},
};

} // namespace

constexpr KtMenuItem BridgeMenu[] = {
    DedicatedWindow("Spanning Tree Algorithm", "SpanningTreeAlgorithm1", "TSpanningTreeAlgorithmForm",
                    "Spanning Tree Algorithm"),
    Submenu("802.1d ", Dot1dMenu),
    Submenu("Spanning Tree", SpanningTreeMenu),
    Submenu("Transparent Bridge", TransparentBridgeMenu),
    {},
};
