// The "Basic Configuration" menu. Each window's enumerations and descriptor table stand
// before the menu array that opens it; a submenu's array comes before its
// parent's, the top-level array last.

#include "KtCatalogueOptions.h"
#include "KtMenuCatalogue.h"

namespace {

constexpr KtSNMPVarDef DeviceInformationVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.1.1.1", "Total Number Of Port", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.1.1.2", "Number Of Port In Use", SyntaxInteger, AccessRead},
    {},
};

constexpr KtSNMPVarDef AlarmControlVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.1.3.1", "New Root Alarm", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.1.3.2", "Topology Change Alarm", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.1.3.3", "Link Change Alarm", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {},
};

constexpr KtMenuItem DeviceManagementMenu[] = {
    Viewer("System Information", "Information3", "/TMIB_Info"),
    EditorWindow("Device Information", "DeviceInformation1", "Device Information", DeviceInformationVars),
    EditorWindow("Alarm Control", "AlarmControl1", "Alarm Control", AlarmControlVars),
    Builtin("Refresh Panel", "RefreshPanel1", BuiltinRefreshPanel),
    {},
};

constexpr KtSNMPVarDef UnitTableVars[] = {
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.1", "Unit ID", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.2", "Mac Address", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.3", "Start Port", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.4", "Port Range", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.6", "Mgmt Ctrl Mode", SyntaxInteger, AccessReadWrite, &UnitMgmtMode},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.7", "Mgmt Current Mode", SyntaxInteger, AccessRead, &UnitMgmtMode},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.8", "Version", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.9", "ModuleName", SyntaxDisplayString, AccessRead},
    {},
};

constexpr KtOptionDef PowerStatusPairs[] = {
    {0, "other"}, {1, "lowVoltage"}, {2, "overCurrent"}, {3, "working"},
    {4, "fail"},  {5, "connect"},    {6, "disconnect"},  {}};
const KtOptionList PowerStatus(PowerStatusPairs);

constexpr KtSNMPVarDef PowerTableVars[] = {
    {"1.3.6.1.4.1.47893.12.11.1.6.1.1", "Power Unit Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.6.1.2", "Power ID", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.6.1.3", "Power Status", SyntaxInteger, AccessRead, &PowerStatus},
    {},
};

constexpr KtMenuItem EquipmentManagementMenu[] = {
    DedicatedWindow("Basic Information", "Test1", "TEquipmentBasicInfoForm"),
    ListWindow("Unit Table", "UnitTable1", "Unit Table", UnitTableVars, ListTable, 1).Height(450),
    ListWindow("Power Table", "PowerTable1", "Power Table", PowerTableVars, ListTable, 1).Height(450),
    NoAction("Trap Management").Hide(),
    {},
};

constexpr KtOptionDef ProtocolCapabilityPairs[] = {
    {1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {}};
const KtOptionList ProtocolCapability(ProtocolCapabilityPairs);

constexpr KtOptionDef ConsoleStatusPairs[] = {{1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {}};
const KtOptionList ConsoleStatus(ConsoleStatusPairs);

constexpr KtOptionDef DeviceConfigurationStatusPairs[] = {
    {1, "other"}, {2, "proceeding"}, {3, "completed"}, {4, "failed"}, {}};
const KtOptionList DeviceConfigurationStatus(DeviceConfigurationStatusPairs);

constexpr KtOptionDef FirmwareDownloadStatusPairs[] = {
    {1, "other"},     {2, "in-process"},     {3, "invalid-file"},
    {4, "violation"}, {5, "file-not-found"}, {6, "disk-full"},
    {7, "complete"},  {8, "time-out"},       {}};
const KtOptionList FirmwareDownloadStatus(FirmwareDownloadStatusPairs);

constexpr KtSNMPVarDef BasicInformationVars[] = {
    {"1.3.6.1.4.1.47893.12.1.1.1", "Protocol Capability", SyntaxInteger, AccessRead, &ProtocolCapability},
    {"1.3.6.1.4.1.47893.12.1.1.3", "Console Status", SyntaxInteger, AccessRead, &ConsoleStatus},
    {"1.3.6.1.4.1.47893.12.1.1.4", "Device Configuration Status", SyntaxInteger, AccessRead,
     &DeviceConfigurationStatus},
    {"1.3.6.1.4.1.47893.12.1.1.5", "Firmware Download Status", SyntaxInteger, AccessRead,
     &FirmwareDownloadStatus},
    {},
};

constexpr KtOptionDef MibCapabilitiesTypePairs[] = {
    {1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {}};
const KtOptionList MibCapabilitiesType(MibCapabilitiesTypePairs);

constexpr KtSNMPVarDef MibCapabilitiesVars[] = {
    {"1.3.6.1.4.1.47893.12.1.1.2.1.1", "Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.1.1.2.1.2", "Description", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.1.1.2.1.3", "Version", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.1.1.2.1.4", "Type", SyntaxInteger, AccessRead, &MibCapabilitiesType},
    {},
};

constexpr KtOptionDef SystemResetStatePairs[] = {{2, "cold-start"}, {4, "no-reset"}, {}};
const KtOptionList SystemResetState(SystemResetStatePairs);

constexpr KtOptionDef Rs232PortConfigPairs[] = {{2, "console"}, {3, "out-of-band"}, {4, "notAvail"}, {}};
const KtOptionList Rs232PortConfig(Rs232PortConfigPairs);

constexpr KtOptionDef SaveConfigPairs[] = {{2, "idle"}, {3, "set"}, {}};
const KtOptionList SaveConfig(SaveConfigPairs);

constexpr KtOptionDef ConsolePortBaudRateConfigPairs[] = {
    {2, "baudRate-9600"}, {3, "baudRate-19200"}, {4, "baudRate-38400"}, {5, "baudRate-115200"}, {}};
const KtOptionList ConsolePortBaudRateConfig(ConsolePortBaudRateConfigPairs);

constexpr KtSNMPVarDef BasicConfigurationVars[] = {
    {"1.3.6.1.4.1.47893.12.1.2.3", "System Reset State", SyntaxInteger, AccessReadWrite, &SystemResetState},
    {"1.3.6.1.4.1.47893.12.1.2.4", "Rs232 Port Config", SyntaxInteger, AccessRead, &Rs232PortConfig},
    {"1.3.6.1.4.1.47893.12.1.2.6", "Save Config", SyntaxInteger, AccessReadWrite, &SaveConfig},
    {"1.3.6.1.4.1.47893.12.1.2.7", "Console Port Baud Rate Config", SyntaxInteger, AccessReadWrite,
     &ConsolePortBaudRateConfig},
    {"1.3.6.1.4.1.47893.12.1.3.1", "Ip Interface Count", SyntaxInteger, AccessRead},
    {},
};

constexpr KtOptionDef TransferTypePairs[] = {{2, "network-load"}, {3, "out-of-band-load"}, {}};
const KtOptionList TransferType(TransferTypePairs);

constexpr KtOptionDef LoadTypePairs[] = {{2, "upload"}, {3, "download"}, {}};
const KtOptionList LoadType(LoadTypePairs);

constexpr KtOptionDef AgentSupportedUpdateFilesStatusPairs[] = {{2, "inactive"}, {3, "start"}, {}};
const KtOptionList AgentSupportedUpdateFilesStatus(AgentSupportedUpdateFilesStatusPairs);

constexpr KtSNMPVarDef AgentSupportedUpdateFilesVars[] = {
    {"1.3.6.1.4.1.47893.12.1.2.1.1.1", "File Index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.1.2.1.1.2", "Description", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.1.2.1.1.3", "IP Address", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.1.2.1.1.4", "Transfer Type", SyntaxInteger, AccessReadWrite, &TransferType},
    {"1.3.6.1.4.1.47893.12.1.2.1.1.5", "File Name", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.1.2.1.1.6", "File Type", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.1.2.1.1.7", "Load Type", SyntaxInteger, AccessReadWrite, &LoadType},
    {"1.3.6.1.4.1.47893.12.1.2.1.1.8", "Unit ID", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.1.2.1.1.9", "Status", SyntaxInteger, AccessReadWrite,
     &AgentSupportedUpdateFilesStatus},
    {},
};

constexpr KtSNMPVarDef CPUUtilizationVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.1.4.1", "CPU Utilization In 5 seconds", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.1.4.2", "CPU Utilization In 1 minute", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.1.4.3", "CPU Utilization In 5 minutes", SyntaxInteger, AccessRead},
    {},
};

constexpr KtOptionDef AgentPingTestControlPairs[] = {{0, "stop"}, {1, "active"}, {}};
const KtOptionList AgentPingTestControl(AgentPingTestControlPairs);

constexpr KtOptionDef AgentPingTestStatusPairs[] = {{0, "finish"}, {1, "proceeding"}, {}};
const KtOptionList AgentPingTestStatus(AgentPingTestStatusPairs);

constexpr KtSNMPVarDef PingTestVars[] = {
    {"1.3.6.1.4.1.47893.12.1.4.1", "agentPingTestIPAddress", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.1.4.2", "agentPingTestRepetition", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.1.4.3", "agentPingTestControl", SyntaxInteger, AccessReadWrite,
     &AgentPingTestControl},
    {"1.3.6.1.4.1.47893.12.1.4.4", "agentPingTestStatus", SyntaxInteger, AccessRead, &AgentPingTestStatus},
    {"1.3.6.1.4.1.47893.12.1.4.5", "agentPingTestSuccessCount", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.1.4.6", "agentPingTestFailCount", SyntaxInteger, AccessRead},
    {},
};

constexpr KtMenuItem AgentManagementMenu[] = {
    EditorWindow("Basic Information", "BasicInfo1", "Basic Information", BasicInformationVars),
    ListWindow("Mib Capabilities", "MibCapabilities1", "Mib Capabilities", MibCapabilitiesVars, ListTable, 1)
        .Height(450)
        .WidthAdd(100),
    EditorWindow("Basic Configuration", "BasicConfigure1", "Basic Configuration", BasicConfigurationVars),
    NoAction("Trap Receiver").Hide(),
    ListWindow("Agent Supported Update Files", "AgentSuportedUpdateFiles1", "Agent Supported Update Files",
               AgentSupportedUpdateFilesVars, ListTableEx, 1)
        .Height(450),
    NoAction("Trap Management").Hide(),
    EditorWindow("CPU Utilization", "CpuUtilization1", "CPU Utilization Table", CPUUtilizationVars),
    EditorWindow("Ping Test", "PingTest1", "Ping Test", PingTestVars).HeightAdd(20),
    {},
};

constexpr KtSNMPVarDef SystemLogStateVars[] = {
    {"1.3.6.1.4.1.47893.12.12.1", "swSysLogCtrlState", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {},
};

constexpr KtOptionDef SwSysLogServerIndexPairs[] = {{1, "swSysLogServerIndex-first"},
                                                    {2, "swSysLogServerIndex-second"},
                                                    {3, "swSysLogServerIndex-third"},
                                                    {4, "swSysLogServerIndex-fourth"},
                                                    {}};
const KtOptionList SwSysLogServerIndex(SwSysLogServerIndexPairs);

constexpr KtOptionDef SwSysLogServerFacilityPairs[] = {{0, "local0"}, {1, "local1"}, {2, "local2"},
                                                       {3, "local3"}, {4, "local4"}, {5, "local5"},
                                                       {6, "local6"}, {7, "local7"}, {}};
const KtOptionList SwSysLogServerFacility(SwSysLogServerFacilityPairs);

constexpr KtOptionDef SwSysLogServerSeverityPairs[] = {{1, "all"}, {2, "warning"}, {3, "informational"}, {}};
const KtOptionList SwSysLogServerSeverity(SwSysLogServerSeverityPairs);

constexpr KtSNMPVarDef SystemLogServerTableVars[] = {
    {"1.3.6.1.4.1.47893.12.12.2.1.1", "swSysLogServerIndex", SyntaxInteger, AccessIndex,
     &SwSysLogServerIndex},
    {"1.3.6.1.4.1.47893.12.12.2.1.2", "swSysLogServerFacility", SyntaxInteger, AccessReadWrite,
     &SwSysLogServerFacility},
    {"1.3.6.1.4.1.47893.12.12.2.1.3", "swSysLogServerSeverity", SyntaxInteger, AccessReadWrite,
     &SwSysLogServerSeverity},
    {"1.3.6.1.4.1.47893.12.12.2.1.4", "swSysLogServerUDPPort", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.12.2.1.5", "swSysLogServerIPAddress", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.12.2.1.6", "swSysLogServerState", SyntaxInteger, AccessReadWrite,
     &OtherDisabledEnabled},
    {"1.3.6.1.4.1.47893.12.12.2.1.7", "swSysLogServerRowStatus", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

constexpr KtMenuItem SystemLogMenu[] = {
    EditorWindow("System Log State", "SystemLogState1", "System Log State", SystemLogStateVars).HeightAdd(20),
    ListWindow("System Log Server Table", "SystemLogServerTable1", "System Log Server Table",
               SystemLogServerTableVars, ListTableEx, 1)
        .Rows(6, "createAndGo", "destroy"),
    {},
};

constexpr KtSNMPVarDef CurrentTimeVars[] = {
    {"1.3.6.1.4.1.47893.12.10.1", "Time Capacity", SyntaxOctets, AccessRead},
    {"1.3.6.1.4.1.47893.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", SyntaxDisplayString,
     AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.10.3", "Clock Reset On Reboot", SyntaxInteger, AccessRead, &TruthValue},
    {},
};

constexpr KtSNMPVarDef SystemTimeVars[] = {
    {"1.3.6.1.4.1.47893.12.10.3", "Clock Reset On Reboot", SyntaxInteger, AccessRead, &TruthValue},
    {"1.3.6.1.4.1.47893.12.10.10.1", "Current Time", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.10.10.2", "System UpTime", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.10.10.3", "System BootTime", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.10.10.4", "System Time Zone [ -779..839]", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtOptionDef TimeSourcePairs[] = {{0, "system"}, {1, "server1"}, {2, "server2"}, {}};
const KtOptionList TimeSource(TimeSourcePairs);

constexpr KtSNMPVarDef NetworkTimeVars[] = {
    {"1.3.6.1.4.1.47893.12.10.11.1", "Network Time State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.12.10.11.2", "Time Source", SyntaxInteger, AccessRead, &TimeSource},
    {"1.3.6.1.4.1.47893.12.10.11.3", "Server1 IPAddr", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.10.11.4", "Server2 IPAddr", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.10.11.5", "Poll Interval[30....99999(sec)]", SyntaxInteger, AccessReadWrite},
    {},
};

constexpr KtMenuItem TimeManagementMenu[] = {
    EditorWindow("Current Time", "Time1", "Current Time", CurrentTimeVars),
    EditorWindow("System Time", "CurrentTime1", "System Time", SystemTimeVars),
    EditorWindow("Network Time", "NetworkTime1", "Network Time", NetworkTimeVars),
    DedicatedWindow("Summer Time", "SummerTime1", "TSummerTimeForm"),
    {},
};

constexpr KtMenuItem EntityMenu[] = {
    NoAction("Physical Table"),
    NoAction("Logical Table"),
    NoAction("Mapping"),
    {},
};

constexpr KtSNMPVarDef IfXTableVars[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Sended", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Sended", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.6", "Octets Received", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.7", "Unicast Packets Received", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.8", "Multicast Packets Received", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.9", "Broadcast Packets Received", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.10", "Octets Sended", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Sended", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Sended", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Sended", SyntaxCounter64, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.14", "LinkUpDown Trap State", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.2.1.31.1.1.1.15", "HighSpeed", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", SyntaxInteger, AccessRead, &TruthValue},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", SyntaxInteger, AccessRead, &TruthValue},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", SyntaxTimeTicks, AccessRead},
    {},
};

constexpr KtMenuItem IFMIBMenu[] = {
    Viewer("General Table", "GeneralTable1", "/TIFMib_LastChangeTable"),
    ListWindow("IfX Table", "IFXTable1", "IfX Table", IfXTableVars, ListTableEx, 1)
        .HeightPixels(450)
        .With(HookSnmpV2cWhileOpen),
    NoAction("IfStack Table").Hide(),
    NoAction("Test Table").Hide(),
    {},
};

constexpr KtMenuItem MIBIIMenu[] = {
    Viewer("IF Table", "IfTable1", "/TMIB_IFTable"),
    Viewer("IF Counters", "IFCounter1", "/TMIB_IFCounters"),
    Separator(),
    Viewer("IP Counters", "IPCounters1", "/TMIB_IPCounters"),
    Viewer("IP Routing", "IPRouting1", "/TMIB_IPRouting"),
    Viewer("IP Address Table", "IPAddressTable1", "/TMIB_IPAddress"),
    Separator(),
    Viewer("ICMP Counters", "ICMPCounters1", "/TMIB_ICMPCounters"),
    Viewer("UDP Counters", "UDPCounters1", "/TMIB_UDPCounters"),
    Viewer("SNMP Counters", "SNMPCounters1", "/TMIB_SNMPCounters"),
    {},
};

} // namespace

constexpr KtMenuItem BasicConfigurationMenu[] = {
    NoAction("Moudle Basic Configuration").Hide(),
    Submenu("Device Management", DeviceManagementMenu),
    Submenu("Equipment Management", EquipmentManagementMenu),
    Submenu("Agent Management", AgentManagementMenu),
    Submenu("System Log", SystemLogMenu),
    Submenu("Time Management", TimeManagementMenu),
    Separator(),
    Submenu("Entity", EntityMenu).Hide(),
    Submenu("IF-MIB", IFMIBMenu),
    Submenu("MIB II", MIBIIMenu),
    Viewer("dot3 Statistics", "dot3Statistics1", "/TEthernetLike_dot3StatsTable"),
    Separator().Hide(),
    NoAction("Save Changes").Hide(),
    {},
};
