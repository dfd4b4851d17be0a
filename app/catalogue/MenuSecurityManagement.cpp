// The "Security Management" menu. Each window's enumerations and descriptor table stand
// before the menu array that opens it; a submenu's array comes before its
// parent's, the top-level array last.

#include "KtCatalogueOptions.h"
#include "KtMenuCatalogue.h"

namespace {

constexpr KtOptionDef PortAccessEntityStatePairs[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"}, {5, "authenticated"},
    {6, "aborting"},   {7, "held"},         {8, "forceAuth"},  {9, "forceUnauth"},    {}};
const KtOptionList PortAccessEntityState(PortAccessEntityStatePairs);

constexpr KtOptionDef BackendAuthenticationStatePairs[] = {
    {1, "request"}, {2, "response"}, {3, "success"},    {4, "fail"},
    {5, "timeout"}, {6, "idle"},     {7, "initialize"}, {}};
const KtOptionList BackendAuthenticationState(BackendAuthenticationStatePairs);

constexpr KtOptionDef ControlledPortStatusPairs[] = {{1, "authorized"}, {2, "unauthorized"}, {}};
const KtOptionList ControlledPortStatus(ControlledPortStatusPairs);

constexpr KtSNMPVarDef StateTableVars[] = {
    {"1.3.6.1.4.1.47893.12.3.6.1.1.1", "Virtual Port Number", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.3.6.1.1.2", "Port Access Entity Mac Address", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.1.1.3", "Port Access Entity Port Number", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.1.1.4", "Port Access Entity State", SyntaxInteger, AccessRead,
     &PortAccessEntityState},
    {"1.3.6.1.4.1.47893.12.3.6.1.1.5", "Backend Authentication State", SyntaxInteger, AccessRead,
     &BackendAuthenticationState},
    {"1.3.6.1.4.1.47893.12.3.6.1.1.6", "Controlled Port Status", SyntaxInteger, AccessRead,
     &ControlledPortStatus},
    {},
};

constexpr KtOptionDef SessionAuthenticMethodPairs[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {}};
const KtOptionList SessionAuthenticMethod(SessionAuthenticMethodPairs);

constexpr KtOptionDef SessionTerminateCausePairs[] = {{1, "supplicantLogoff"},
                                                      {2, "portFailure"},
                                                      {3, "supplicantRestart"},
                                                      {4, "reauthFailed"},
                                                      {5, "authControlForceUnauth"},
                                                      {6, "portReInit"},
                                                      {7, "portAdminDisabled"},
                                                      {999, "notTerminatedYet"},
                                                      {}};
const KtOptionList SessionTerminateCause(SessionTerminateCausePairs);

constexpr KtSNMPVarDef SessionInformationVars[] = {
    {"1.3.6.1.4.1.47893.12.3.6.1.1.1", "Port Number", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.3.6.4.1.1", "SessionOctetsRx", SyntaxCounter64, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.4.1.2", "SessionOctetsTx", SyntaxCounter64, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.4.1.3", "SessionFramesRx", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.4.1.4", "SessionFramesTx", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.4.1.5", "SessionId", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.4.1.6", "SessionAuthenticMethod", SyntaxInteger, AccessRead,
     &SessionAuthenticMethod},
    {"1.3.6.1.4.1.47893.12.3.6.4.1.7", "SessionTime", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.4.1.8", "SessionTerminateCause", SyntaxInteger, AccessRead,
     &SessionTerminateCause},
    {"1.3.6.1.4.1.47893.12.3.6.4.1.9", "SessionUserName", SyntaxDisplayString, AccessRead},
    {},
};

constexpr KtMenuItem MacBaseAuthenticationMenu[] = {
    ListWindow("State Table", "StateTable1", "State Table", StateTableVars, ListTable, 1),
    DedicatedWindow("Diagnostics Information", "DiagnosticsInformation1", "TDiagnosticsInformationForm"),
    DedicatedWindow("EAP Over Land  Frames Statistic Table", "StatisticTable1", "TMacStatisticTableForm"),
    ListWindow("Session Information", "SessionInformation1", "Session Information ", SessionInformationVars,
               ListTable, 1),
    {},
};

constexpr KtSNMPVarDef ConfigurationVars[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Authentication Control", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {},
};

constexpr KtOptionDef AdministrativeControlledDirectionsPairs[] = {{0, "both"}, {1, "in"}, {}};
const KtOptionList AdministrativeControlledDirections(AdministrativeControlledDirectionsPairs);

constexpr KtOptionDef PortControlPairs[] = {
    {1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {}};
const KtOptionList PortControl(PortControlPairs);

constexpr KtSNMPVarDef PortConfigurationVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", SyntaxInteger, AccessIndex},
    {"1.0.8802.1.1.1.1.2.1.1.1", "Pae State", SyntaxInteger, AccessRead, &PortAccessEntityState},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", SyntaxInteger, AccessRead, &BackendAuthenticationState},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", SyntaxInteger, AccessReadWrite,
     &AdministrativeControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", SyntaxInteger, AccessRead,
     &AdministrativeControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", SyntaxInteger, AccessRead, &ControlledPortStatus},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", SyntaxInteger, AccessReadWrite, &PortControl},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", SyntaxGauge32, AccessReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.8", "Tx Period", SyntaxGauge32, AccessReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.9", "SuppTimeout", SyntaxGauge32, AccessReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "ServerTimeout", SyntaxGauge32, AccessReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "MaxReq", SyntaxGauge32, AccessReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", SyntaxGauge32, AccessReadWrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", SyntaxInteger, AccessReadWrite, &TruthValue},
    {"1.0.8802.1.1.1.1.2.1.1.14", "KeyTx Enabled", SyntaxInteger, AccessReadWrite, &TruthValue},
    {},
};

constexpr KtSNMPVarDef PortStatisticsVars[] = {
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames Rx", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames Tx", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames Rx", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames Rx", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Resp/Ip Frames Rx", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames Rx", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Req/Id FramesTx", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames Tx", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL FramesRx", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames Rx", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", SyntaxGauge32, AccessRead},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOLF rame Source", SyntaxMacAddress, AccessRead},
    {},
};

constexpr KtSNMPVarDef PortDiagnosticsVars[] = {
    {"1.0.8802.1.1.1.1.2.3.1.1", "EntersConnecting", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.2", "EapLogoffsWhileConnecting", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.3", "EntersAuthenticating", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.4", "AuthSuccessWhileAuthenticating", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.5", "AuthTimeoutsWhileAuthenticating", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.6", "AuthFailWhileAuthenticating", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.7", "AuthReauthsWhileAuthenticating", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.8", "AuthEapStartsWhileAuthenticating", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.9", "AuthEapLogoffWhileAuthenticating", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.10", "AuthReauthsWhileAuthenticated", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.11", "AuthEapStartsWhileAuthenticated", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.12", "AuthEapLogoffWhileAuthenticated", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.13", "BackendResponses", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.14", "BackendAccessChallenges", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.15", "BackendOtherRequestsToSupplicant", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.16", "BackendNonNakResponsesFromSupplicant", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.17", "BackendAuthSuccesses", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.3.1.18", "BackendAuthFails", SyntaxCounter32, AccessRead},
    {},
};

constexpr KtSNMPVarDef PortSessionStatisticsVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", SyntaxInteger, AccessIndex},
    {"1.0.8802.1.1.1.1.2.4.1.1", "dot1xAuthSessionOctetsRx", SyntaxCounter64, AccessRead},
    {"1.0.8802.1.1.1.1.2.4.1.2", "dot1xAuthSessionOctetsTx", SyntaxCounter64, AccessRead},
    {"1.0.8802.1.1.1.1.2.4.1.3", "dot1xAuthSessionFramesRx", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.4.1.4", "dot1xAuthSessionFramesTx", SyntaxCounter32, AccessRead},
    {"1.0.8802.1.1.1.1.2.4.1.5", "dot1xAuthSessionId", SyntaxDisplayString, AccessRead},
    {"1.0.8802.1.1.1.1.2.4.1.6", "dot1xAuthSessionAuthenticMethod", SyntaxInteger, AccessRead,
     &SessionAuthenticMethod},
    {"1.0.8802.1.1.1.1.2.4.1.7", "dot1xAuthSessionTime", SyntaxTimeTicks, AccessRead},
    {"1.0.8802.1.1.1.1.2.4.1.8", "dot1xAuthSessionTerminateCause", SyntaxInteger, AccessRead,
     &SessionTerminateCause},
    {"1.0.8802.1.1.1.1.2.4.1.9", "dot1xAuthSessionUserName", SyntaxDisplayString, AccessRead},
    {},
};

constexpr KtMenuItem Dot1xMenu[] = {
    EditorWindow("Configuration", "Configuration2", "802.1X Configuration", ConfigurationVars),
    NoAction("Port Table").Hide(),
    ListWindow("Port Configuration", "PortAuthenticationConfiguration1", "802.1X Port Configuration",
               PortConfigurationVars, ListTableEx, 1),
    ListWindow("Port Statistics", "PortAuthStatistics1", "Port Statistics", PortStatisticsVars, ListTable, 1),
    ListWindow("Port Diagnostics", "Diagnostics1", "Port Diagnostics", PortDiagnosticsVars, ListTableEx, 1),
    ListWindow("Port Session Statistics", "PortSessionStatistics1", "Port Session Statistics",
               PortSessionStatisticsVars, ListTableEx, 1),
    Separator(),
    Submenu("Mac Base Authentication", MacBaseAuthenticationMenu),
    {},
};

constexpr KtSNMPVarDef AccountingBasicInformationVars[] = {
    {"1.3.6.1.4.1.47893.12.3.4.1", "Update Interval", SyntaxGauge32, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.3.4.2", "Support Null User Name", SyntaxInteger, AccessReadWrite, &TruthValue},
    {},
};

constexpr KtSNMPVarDef ServerTableVars[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "Address", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "Accouting Port Number", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "Requests Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "Retransmissions Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "Responses Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "Malformed Responses Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "Bad Authenticators Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Numbers", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped", SyntaxCounter32, AccessRead},
    {},
};

constexpr KtMenuItem AccountingControlMenu[] = {
    EditorWindow("Basic Information", "AccountingServerInformation1", "Accounting Basic Information",
                 AccountingBasicInformationVars)
        .HeightAdd(50),
    ListWindow("Server Table", "AccountingServerTable1", "Accounting Server Table", ServerTableVars,
               ListTable, 1),
    NoAction("Service Table").Hide(),
    {},
};

constexpr KtOptionDef RadiusServerTableIndexPairs[] = {{1, "swRadiusServerIndex-first"},
                                                       {2, "swRadiusServerIndex-second"},
                                                       {3, "swRadiusServerIndex-third"},
                                                       {}};
const KtOptionList RadiusServerTableIndex(RadiusServerTableIndexPairs);

constexpr KtSNMPVarDef RadiusServerTableVars[] = {
    {"1.3.6.1.4.1.47893.12.3.2.4.1.1", "Index", SyntaxInteger, AccessIndex, &RadiusServerTableIndex},
    {"1.3.6.1.4.1.47893.12.3.2.4.1.2", "Ip Address", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.2.4.1.3", "Key", SyntaxDisplayString, AccessIndex},
    {"1.3.6.1.4.1.47893.12.3.2.4.1.4", "Port Number", SyntaxGauge32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.2.4.1.5", "Accounting Port Number", SyntaxGauge32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.2.4.1.6", "Status", SyntaxInteger, AccessRead, &RowStatus},
    {},
};

constexpr KtSNMPVarDef AuthenticationTableVars[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Address", SyntaxIpAddress, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Authentication Port Number", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Round Trip Time", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Access-Requests Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Access-Retransmissions Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Access-Accepts Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Access-Rejects Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Access-Challenges Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Numbers", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped", SyntaxCounter32, AccessRead},
    {},
};

constexpr KtMenuItem RadiusManagementMenu[] = {
    ListWindow("Radius Server Table", "RadiusServerTabl1", "Radius Server Table", RadiusServerTableVars,
               ListTable, 1)
        .Height(450),
    NoAction("Authentication Information").Hide(),
    ListWindow("Authentication Table", "AuthenticationServerTable1", "Radius Authentication Table",
               AuthenticationTableVars, ListTable, 1),
    Submenu("Accounting Control", AccountingControlMenu),
    {},
};

constexpr KtSNMPVarDef TACACSControlVars[] = {
    {"1.3.6.1.4.1.47893.12.5.1.1", "swAACAuthenAdminState", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {},
};

constexpr KtSNMPVarDef TACACSInformationVars[] = {
    {"1.3.6.1.4.1.47893.12.5.2.1", "AAC Max Method List", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.5.2.2", "AAC Max Enable Method List", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.5.2.3", "AAC Max ServerGroup", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.5.2.4", "AAC Max Server", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.5.8.1", "AAC Response Timeout[1..255]", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.8.2", "AAC Attempt[1..255]", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtSNMPVarDef LoginInformationVars[] = {
    {"1.3.6.1.4.1.47893.12.5.7.1.1", "AP Console LoginMethod", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.7.2.1", "AP Console EnableMethod", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.7.1.2", "AP Telnet LoginMethod", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.7.2.2", "AP Telnet EnableMethod", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.7.1.3", "AP SSH LoginMethod", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.7.2.3", "AP SSH EnableMethod", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.7.1.4", "AP Http LoginMethod", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.7.2.4", "AP Http EnableMethod", SyntaxDisplayString, AccessReadWrite},
    {},
};

constexpr KtMenuItem TACACSMenu[] = {
    EditorWindow("TACACS+ Control", "TACACSControl1", "TACACS+ Control", TACACSControlVars),
    Separator(),
    EditorWindow("TACACS+ Information", "TACACSInformation1", "TACACS+ Information Table",
                 TACACSInformationVars),
    DedicatedWindow("Login Method Control", "LoginMethodControl1", "TLoginMethodListForm"),
    EditorWindow("Login Information", "LoginInformation1", "Login Information", LoginInformationVars),
    DedicatedWindow("Enable Method Control", "EnableMethodControl1", "TEnableMethodForm"),
    DedicatedWindow("Server Group", "ServerGroup1", "TServerGroupForm"),
    DedicatedWindow("Server Information", "ServerInformation1", "TServerInformationForm"),
    {},
};

constexpr KtOptionDef SSHSessionKeyRekeyingPairs[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {}};
const KtOptionList SSHSessionKeyRekeying(SSHSessionKeyRekeyingPairs);

constexpr KtSNMPVarDef SSHManagementVars[] = {
    {"1.3.6.1.4.1.47893.12.6.1.1", "SSH Version", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.6.1.2", "SSH Administration", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.1.3", "SSH Max Authentication Fail Attempts", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.6.1.4", "SSH Session Key Rekeying", SyntaxInteger, AccessReadWrite,
     &SSHSessionKeyRekeying},
    {"1.3.6.1.4.1.47893.12.6.1.5", "swSSHMaxSession", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.6.1.6", "swSSHConnectionTimeout", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.6.1.7", "swSSHServerPort", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtSNMPVarDef DiffieHellmanAlgorithmVars[] = {
    {"1.3.6.1.4.1.47893.12.6.3.4", "SSH Key Expand Administration", SyntaxInteger, AccessRead,
     &EnableDisable},
    {},
};

constexpr KtSNMPVarDef EncryptionAlgorithmVars[] = {
    {"1.3.6.1.4.1.47893.12.6.3.1.1", "3DES state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.1.2", "Blowfish state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.1.3", "AES128 state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.1.4", "AES192 state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.1.5", "AES256 state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.1.6", "Arcfour state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.1.7", "Cast128 state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.1.8", "Twofish128 state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.1.9", "Twofish192 state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.1.10", "Twofish256 state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.3.1", "SHA state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.3.2", "MD5 state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.5.1", "RSA state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.5.2", "DSA state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {},
};

constexpr KtSNMPVarDef AuthenticationMethodVars[] = {
    {"1.3.6.1.4.1.47893.12.6.3.2.1", "Password Authentication Administration", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.2.2", "Public Key Authentication Administration", SyntaxInteger,
     AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.2.3", "Host Key Authentication Administration", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {},
};

constexpr KtSNMPVarDef HMACAlgorithmVars[] = {
    {"1.3.6.1.4.1.47893.12.6.3.3.1", "HMAC-SHA1 Administration", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.3.2", "HMAC-MD5 Administration", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {},
};

constexpr KtSNMPVarDef PublicKeyAlgorithmVars[] = {
    {"1.3.6.1.4.1.47893.12.6.3.5.1", "RSA state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.6.3.5.2", "DSA state", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {},
};

constexpr KtMenuItem SSHMenu[] = {
    EditorWindow("SSH Management", "SSHManagement1", "SSH Management Table", SSHManagementVars),
    Separator(),
    EditorWindow("Diffie Hellman Algorithm", "DiffieHellmanAlgorithm1", "Diffie Hellman Algorithm Control",
                 DiffieHellmanAlgorithmVars),
    EditorWindow("Encryption Algorithm", "EncryptionAlgorithm1", "Encryption Algorithm Control",
                 EncryptionAlgorithmVars),
    EditorWindow("Authentication Method", "AuthenticationMethod1", "Authentication Method Control",
                 AuthenticationMethodVars),
    EditorWindow("HMAC Algorithm", "HMACAlgorithm1", "HMAC Algorithm Control", HMACAlgorithmVars)
        .HeightAdd(15)
        .Hide(),
    EditorWindow("Public Key Algorithm", "PublicKeyAlgorithm1", "Public Key Algorithm Control",
                 PublicKeyAlgorithmVars)
        .Hide(),
    {},
};

constexpr KtOptionDef SwSSLCertificateFileCtrlPairs[] = {
    {1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}, {}};
const KtOptionList SwSSLCertificateFileCtrl(SwSSLCertificateFileCtrlPairs);

constexpr KtOptionDef SwSSLCertificateFileShowSatusPairs[] = {{1, "none"}, {2, "rsa"}, {3, "dsa"}, {}};
const KtOptionList SwSSLCertificateFileShowSatus(SwSSLCertificateFileShowSatusPairs);

constexpr KtSNMPVarDef SSLCertificateFileVars[] = {
    {"1.3.6.1.4.1.47893.12.7.2.1", "swSSLCertificateFileIPAddr", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.7.2.2", "swSSLCertificateFilePath", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.7.2.4", "swSSLCertificateKeyFilePath", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.7.2.5", "swSSLCertificateFileCtrl", SyntaxInteger, AccessReadWrite,
     &SwSSLCertificateFileCtrl},
    {"1.3.6.1.4.1.47893.12.7.2.6", "swSSLCertificateFileShowSatus", SyntaxInteger, AccessRead,
     &SwSSLCertificateFileShowSatus},
    {},
};

constexpr KtMenuItem SSLMenu[] = {
    DedicatedWindow("SSL Management", "SSLManagement1", "TSSLManagementForm"),
    EditorWindow("SSL Certificate File", "SSLCertificateLevel1", "SSL Certificate File",
                 SSLCertificateFileVars)
        .HeightAdd(20),
    {},
};

constexpr KtOptionDef UserAuthenticationProtocolPairs[] = {
    {1, "authProtocolNone"},       {2, "authProtocolLocal"},
    {3, "authProtocolRadius"},     {4, "authProtocolRadiusEap"},
    {5, "authProtocolRadiusChap"}, {6, "authProtocolTacacs"},
    {7, "authProtocolRadiusPap"},  {}};
const KtOptionList UserAuthenticationProtocol(UserAuthenticationProtocolPairs);

constexpr KtOptionDef DeviceAuthenticationModePairs[] = {{1, "portBase"}, {2, "macBase"}, {3, "none"}, {}};
const KtOptionList DeviceAuthenticationMode(DeviceAuthenticationModePairs);

constexpr KtSNMPVarDef AuthenticationModeSettingVars[] = {
    {"1.3.6.1.4.1.47893.12.3.1.1", "User Authentication Protocol", SyntaxInteger, AccessRead,
     &UserAuthenticationProtocol},
    {"1.3.6.1.4.1.47893.12.3.1.2", "Device Authentication Mode", SyntaxInteger, AccessReadWrite,
     &DeviceAuthenticationMode},
    {},
};

} // namespace

constexpr KtMenuItem SecurityManagementMenu[] = {
    EditorWindow("Authentication Mode Setting", "Auth1", "Authentication Mode Setting",
                 AuthenticationModeSettingVars)
        .ValueWidth(142)
        .HeightAdd(10),
    Separator(),
    Submenu("802.1X", Dot1xMenu),
    Submenu("Radius Management", RadiusManagementMenu),
    Submenu("TACACS+", TACACSMenu),
    Separator(),
    Submenu("SSH", SSHMenu),
    Submenu("SSL", SSLMenu),
    {},
};
