#pragma once

// Descriptor tables of the generic-window tests, all served by qgsim.
#include "KtOptionList.h"
#include "KtSNMPVarDef.h"

namespace guiconfig_test {

constexpr KtOptionDef kRowStatusPairs[] = {{1, "active"},
                                           {2, "notInService"},
                                           {3, "notReady"},
                                           {4, "createAndGo"},
                                           {5, "createAndWait"},
                                           {6, "destroy"},
                                           {}};
constexpr KtOptionDef kFacilityPairs[] = {{0, "local0"}, {1, "local1"}, {2, "local2"},
                                          {3, "local3"}, {4, "local4"}, {5, "local5"},
                                          {6, "local6"}, {7, "local7"}, {}};
constexpr KtOptionDef kSeverityPairs[] = {{1, "all"}, {2, "warning"}, {3, "informational"}, {}};
constexpr KtOptionDef kStatePairs[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};

inline const KtOptionList kRowStatus(kRowStatusPairs);
inline const KtOptionList kFacility(kFacilityPairs);
inline const KtOptionList kSeverity(kSeverityPairs);
inline const KtOptionList kState(kStatePairs);

// The syslog server table: index, five columns and the row status (6).
inline const KtSNMPVarDef kSysLogServers[] = {
    {"1.3.6.1.4.1.47893.12.12.2.1.1", "Server ID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.12.2.1.2", "Facility", SyntaxInteger, AccessReadWrite, &kFacility},
    {"1.3.6.1.4.1.47893.12.12.2.1.3", "Severity", SyntaxInteger, AccessReadWrite, &kSeverity},
    {"1.3.6.1.4.1.47893.12.12.2.1.4", "UDP Port", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.12.2.1.5", "Server IP Address", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.12.2.1.6", "Server State", SyntaxInteger, AccessReadWrite, &kState},
    {"1.3.6.1.4.1.47893.12.12.2.1.7", "Row Status", SyntaxInteger, AccessReadWrite, &kRowStatus},
    {},
};
constexpr int kSysLogStatus = 6;
constexpr const char *kSysLogColumns = "1.3.6.1.4.1.47893.12.12.2.1";

// Interface names: a table nobody may change.
inline const KtSNMPVarDef kIfNames[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Interface", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.2.2.1.2", "Description", SyntaxDisplayString, AccessRead},
    {},
};

// The system group: three read-only and three writable scalars.
inline const KtSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.1.4", "sysContact", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.1.5", "sysName", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.1.6", "sysLocation", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.1.7", "sysServices", SyntaxInteger, AccessRead},
    {},
};

inline const KtSNMPVarDef kReadOnlySystem[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.1.3", "sysUpTime", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.1.7", "sysServices", SyntaxInteger, AccessRead},
    {},
};

inline const KtSNMPVarDef kOneWritable[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.1.6", "sysLocation", SyntaxDisplayString, AccessReadWrite},
    {},
};

} // namespace guiconfig_test
