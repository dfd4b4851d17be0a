// The "SNMP V3" menu. Each window's enumerations and descriptor table stand
// before the menu array that opens it; a submenu's array comes before its
// parent's, the top-level array last.

#include "KtCatalogueOptions.h"
#include "KtMenuCatalogue.h"

namespace {

constexpr KtSNMPVarDef GeneralInformationVars[] = {
    {"1.3.6.1.6.3.12.1.1", "snmpTargetSpinLock", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.4", "snmpUnavailableContexts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.6.3.12.1.5", "snmpUnknownContexts", SyntaxCounter32, AccessRead},
    {},
};

constexpr KtSNMPVarDef TargetAddressTableVars[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "snmpTargetAddrName", SyntaxDisplayString, AccessImpliedIndex},
    {"1.3.6.1.6.3.12.1.2.1.2", "snmpTargetAddrTDomain", SyntaxOid, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "snmpTargetAddrTAddress", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "snmpTargetAddrTimeout", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "snmpTargetAddrRetryCount", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "snmpTargetAddrTagList", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "snmpTargetAddrParams", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "snmpTargetAddrStorageType", SyntaxInteger, AccessReadWrite, &StorageType},
    {"1.3.6.1.6.3.12.1.2.1.9", "snmpTargetAddrRowStatus", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtOptionDef SnmpTargetParamsSecurityLevelPairs[] = {
    {1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {}};
const KtOptionList SnmpTargetParamsSecurityLevel(SnmpTargetParamsSecurityLevelPairs);

constexpr KtSNMPVarDef TargetParametersVars[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "snmpTargetParamsName", SyntaxDisplayString, AccessImpliedIndex},
    {"1.3.6.1.6.3.12.1.3.1.2", "snmpTargetParamsMPModel", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.3", "snmpTargetParamsSecurityModel", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "snmpTargetParamsSecurityName", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "snmpTargetParamsSecurityLevel", SyntaxInteger, AccessReadWrite,
     &SnmpTargetParamsSecurityLevel},
    {"1.3.6.1.6.3.12.1.3.1.6", "snmpTargetParamsStorageType", SyntaxInteger, AccessReadWrite, &StorageType},
    {"1.3.6.1.6.3.12.1.3.1.7", "snmpTargetParamsRowStatus", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtMenuItem SNMPTargetMIBMenu[] = {
    EditorWindow("General Information", "GeneralInformation1", "General Information", GeneralInformationVars),
    ListWindow("Target Address Table", "CommunityTargetAddressTable", "Target Address Table",
               TargetAddressTableVars, ListTableEx, 1)
        .Rows(8, "createAndGo", "destroy"),
    ListWindow("Target Parameters", "TargetParameters1", "Target Parameters", TargetParametersVars,
               ListTableEx, 1)
        .Rows(6, "createAndGo", "destroy"),
    {},
};

constexpr KtSNMPVarDef StatisticsVars[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", SyntaxCounter32, AccessRead},
    {},
};

constexpr KtOptionTextDef AuthenticationProtocolPairs[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"},    {"1.3.6.1.6.3.10.1.1.2", "MD5"},
    {"1.3.6.1.6.3.10.1.1.3", "SHA"},     {"1.3.6.1.6.3.10.1.1.4", "SHA-224"},
    {"1.3.6.1.6.3.10.1.1.5", "SHA-256"}, {"1.3.6.1.6.3.10.1.1.6", "SHA-384"},
    {"1.3.6.1.6.3.10.1.1.7", "SHA-512"}, {}};
const KtOptionList AuthenticationProtocol(AuthenticationProtocolPairs, OptionText);

// AES-192 and AES-256 have no standard OID; agents use the ones of the
// Blumenthal draft.
constexpr KtOptionTextDef PrivacyProtocolPairs[] = {
    {"1.3.6.1.6.3.10.1.2.1", "None"},     {"1.3.6.1.6.3.10.1.2.2", "DES"},
    {"1.3.6.1.6.3.10.1.2.4", "AES-128"},  {"1.3.6.1.4.1.14832.1.3", "AES-192"},
    {"1.3.6.1.4.1.14832.1.4", "AES-256"}, {}};
const KtOptionList PrivacyProtocol(PrivacyProtocolPairs, OptionText);

constexpr KtSNMPVarDef UserTableVars[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", SyntaxOctets, AccessRead},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", SyntaxOid, AccessReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", SyntaxOid, AccessReadWrite,
     &AuthenticationProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", SyntaxOid, AccessReadWrite, &PrivacyProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", SyntaxInteger, AccessReadWrite, &StorageType},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtMenuItem UserBasedSecurityModelMenu[] = {
    EditorWindow("Statistics", "Statistics2", "Statistics", StatisticsVars),
    ListWindow("User Table", "UserTable1", "User Table", UserTableVars, ListTableEx, 2)
        .Rows(12, "createAndGo", "destroy"),
    {},
};

constexpr KtSNMPVarDef SecurityGroupTableVars[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", SyntaxInteger, AccessIndex},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", SyntaxDisplayString, AccessIndex},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", SyntaxInteger, AccessReadWrite, &StorageType},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtOptionDef AccessContextMatchPairs[] = {{1, "exact"}, {2, "prefix"}, {}};
const KtOptionList AccessContextMatch(AccessContextMatchPairs);

constexpr KtSNMPVarDef AccessTableVars[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", SyntaxDisplayString, AccessIndex},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", SyntaxDisplayString, AccessIndex},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", SyntaxInteger, AccessIndex},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", SyntaxInteger, AccessIndex,
     &SnmpTargetParamsSecurityLevel},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", SyntaxInteger, AccessReadWrite, &AccessContextMatch},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", SyntaxInteger, AccessReadWrite, &StorageType},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtOptionDef VacmViewTreeFamilyTypePairs[] = {{1, "included"}, {2, "excluded"}, {}};
const KtOptionList VacmViewTreeFamilyType(VacmViewTreeFamilyTypePairs);

constexpr KtSNMPVarDef ViewMIBTreeFamilyTableVars[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "vacmViewTreeFamilyViewName", SyntaxDisplayString, AccessIndex},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "vacmViewTreeFamilySubtree", SyntaxOid, AccessIndex},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "vacmViewTreeFamilyMask", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "vacmViewTreeFamilyType", SyntaxInteger, AccessReadWrite,
     &VacmViewTreeFamilyType},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "vacmViewTreeFamilyStorageType", SyntaxInteger, AccessReadWrite,
     &StorageType},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "vacmViewTreeFamilyStatus", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtMenuItem ViewBaseAccessControlModeMenu[] = {
    ListWindow("Security Group Table", "SecurityTable1", "Security Group Table", SecurityGroupTableVars,
               ListTableEx, 2)
        .Rows(4, "createAndGo", "destroy"),
    ListWindow("Access Table", "AccessTable1", "Access Table", AccessTableVars, ListTableEx, 4)
        .Rows(9, "createAndGo", "destroy"),
    ListWindow("View MIB Tree Family Table", "ViewTable1", "View MIB Tree Family Table",
               ViewMIBTreeFamilyTableVars, ListTableEx, 2)
        .Rows(5, "createAndGo", "destroy"),
    {},
};

constexpr KtOptionDef NotifyTableTypePairs[] = {{1, "trap"}, {2, "inform"}, {}};
const KtOptionList NotifyTableType(NotifyTableTypePairs);

constexpr KtSNMPVarDef NotifyTableVars[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", SyntaxDisplayString, AccessImpliedIndex},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", SyntaxInteger, AccessReadWrite, &NotifyTableType},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", SyntaxInteger, AccessReadWrite, &StorageType},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtSNMPVarDef NotifyFilterProfileTableVars[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", SyntaxDisplayString, AccessImpliedIndex},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", SyntaxInteger, AccessReadWrite,
     &StorageType},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", SyntaxInteger, AccessReadWrite,
     &RowStatus},
    {},
};

constexpr KtSNMPVarDef NotifyFilterEntryTableVars[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", SyntaxDisplayString, AccessIndex},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", SyntaxOid, AccessImpliedIndex},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", SyntaxInteger, AccessReadWrite, &VacmViewTreeFamilyType},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", SyntaxInteger, AccessReadWrite, &StorageType},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtMenuItem NotificationsMenu[] = {
    ListWindow("Notify Table", "NotifyTable1", "Notify Table", NotifyTableVars, ListTableEx, 1)
        .Rows(4, "createAndGo", "destroy"),
    ListWindow("Notify Filter Profile Table", "NotifyFilterProfileTale1", "Notify Filter Profile Table",
               NotifyFilterProfileTableVars, ListTableEx, 1)
        .Rows(3, "createAndGo", "destroy")
        .Height(450),
    ListWindow("Notify Filter Entry Table", "NotifyFilterEntryTable1", "Notify Filter Table",
               NotifyFilterEntryTableVars, ListTableEx, 2)
        .Rows(5, "createAndGo", "destroy"),
    {},
};

constexpr KtSNMPVarDef CommunityStringTableVars[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", SyntaxDisplayString, AccessImpliedIndex},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", SyntaxInteger, AccessReadWrite, &StorageType},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtSNMPVarDef CommunityTargetAddressTableVars[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Addr Name", SyntaxDisplayString, AccessImpliedIndex},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Addr TMask", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Addr MMS", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtMenuItem CommunityMenu[] = {
    ListWindow("Community String Table", "CommunityStringTable1", "SNMP Community Table",
               CommunityStringTableVars, ListTableEx, 1)
        .Rows(7, "createAndGo", "destroy"),
    ListWindow("Target Address Table", "TargetAddressTable1", "Target Address Table",
               CommunityTargetAddressTableVars, ListTableEx, 1),
    {},
};

constexpr KtSNMPVarDef SNMPEngineVars[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", SyntaxOctets, AccessRead},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", SyntaxInteger, AccessRead},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", SyntaxInteger, AccessRead},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", SyntaxInteger, AccessRead},
    {},
};

constexpr KtSNMPVarDef MessageProcessingAndDispatchingVars[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", SyntaxCounter32, AccessRead},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", SyntaxCounter32, AccessRead},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", SyntaxCounter32, AccessRead},
    {},
};

} // namespace

constexpr KtMenuItem SnmpV3Menu[] = {
    EditorWindow("SNMP Engine", "snmpEngine1", "SNMP Engine", SNMPEngineVars),
    NoAction("Snmp Framework MIB").Hide(),
    EditorWindow("Message Processing and Dispatching", "MessageProcessingandDispatching1",
                 "Message Processingand Dispatching", MessageProcessingAndDispatchingVars),
    Submenu("SNMP Target MIB", SNMPTargetMIBMenu),
    Submenu("User-based Security Model", UserBasedSecurityModelMenu),
    Submenu("View-base Access Control Mode", ViewBaseAccessControlModeMenu),
    Submenu("Notifications", NotificationsMenu),
    Submenu("Community", CommunityMenu),
    {},
};
