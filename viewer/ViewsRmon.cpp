// The views of the Rmon viewer program. Each view's enumerations and
// descriptor tables stand before its sections; the program's view array
// comes last.

#include "KtViewCatalogue.h"
#include "KtViewOptions.h"

namespace {

constexpr KtSNMPVarDef EtherStatsTable[] = {
    {"1.3.6.1.2.1.16.1.1.1.1", "etherStatsIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.16.1.1.1.2", "etherStatsDataSource", SyntaxOid, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.3", "etherStatsDropEvents", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.4", "etherStatsOctets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.5", "etherStatsPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.6", "etherStatsBroadcastPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.7", "etherStatsMulticastPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.8", "etherStatsCRCAlignErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.9", "etherStatsUndersizePkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.10", "etherStatsOversizePkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.11", "etherStatsFragments", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.12", "etherStatsJabbers", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.13", "etherStatsCollisions", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.14", "etherStatsPkts64Octets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.15", "etherStatsPkts65to127Octets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.16", "etherStatsPkts128to255Octets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.17", "etherStatsPkts256to511Octets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.18", "etherStatsPkts512to1023Octets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.19", "etherStatsPkts1024to1518Octets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.20", "etherStatsOwner", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.16.1.1.1.21", "etherStatsStatus", SyntaxInteger, AccessRead, &EntryStatus},
    {},
};
constexpr KtViewSection StatisticsSections[] = {
    {"Ethernet Statistics", EtherStatsTable, ListTable, 1, ViewChart},
    {},
};
constexpr KtSNMPVarDef HistoryControlTable[] = {
    {"1.3.6.1.2.1.16.2.1.1.1", "historyControlIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.16.2.1.1.2", "historyControlDataSource", SyntaxOid, AccessRead},
    {"1.3.6.1.2.1.16.2.1.1.3", "historyControlBucketsRequested", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.16.2.1.1.4", "historyControlBucketsGranted", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.16.2.1.1.5", "historyControlInterval", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.16.2.1.1.6", "historyControlOwner", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.16.2.1.1.7", "historyControlStatus", SyntaxInteger, AccessRead, &EntryStatus},
    {},
};
constexpr KtSNMPVarDef EtherHistoryTable[] = {
    {"1.3.6.1.2.1.16.2.2.1.1", "etherHistoryIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.16.2.2.1.2", "etherHistorySampleIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.16.2.2.1.3", "etherHistoryIntervalStart", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.16.2.2.1.4", "etherHistoryDropEvents", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.2.2.1.5", "etherHistoryOctets", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.2.2.1.6", "etherHistoryPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.2.2.1.7", "etherHistoryBroadcastPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.2.2.1.8", "etherHistoryMulticastPkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.2.2.1.9", "etherHistoryCRCAlignErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.2.2.1.10", "etherHistoryUndersizePkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.2.2.1.11", "etherHistoryOversizePkts", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.2.2.1.12", "etherHistoryFragments", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.2.2.1.13", "etherHistoryJabbers", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.2.2.1.14", "etherHistoryCollisions", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.16.2.2.1.15", "etherHistoryUtilization", SyntaxInteger, AccessRead},
    {},
};
constexpr KtViewSection HistorySections[] = {
    {"History Control", HistoryControlTable, ListTable, 1, ViewHistoryBuckets},
    {"Ethernet History", EtherHistoryTable, ListTable, 2, ViewBucketSource},
    {},
};
constexpr KtOptionDef AlarmSampleTypePairs[] = {{1, "absoluteValue"}, {2, "deltaValue"}, {}};
const KtOptionList AlarmSampleType(AlarmSampleTypePairs);
constexpr KtOptionDef AlarmStartupPairs[] = {
    {1, "risingAlarm"}, {2, "fallingAlarm"}, {3, "risingOrFallingAlarm"}, {}};
const KtOptionList AlarmStartup(AlarmStartupPairs);
constexpr KtOptionDef EventTypePairs[] = {{1, "none"}, {2, "log"}, {3, "snmptrap"}, {4, "logandtrap"}, {}};
const KtOptionList EventType(EventTypePairs);
constexpr KtSNMPVarDef AlarmTable[] = {
    {"1.3.6.1.2.1.16.3.1.1.1", "alarmIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.16.3.1.1.2", "alarmInterval", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.16.3.1.1.3", "alarmVariable", SyntaxOid, AccessRead},
    {"1.3.6.1.2.1.16.3.1.1.4", "alarmSampleType", SyntaxInteger, AccessRead, &AlarmSampleType},
    {"1.3.6.1.2.1.16.3.1.1.5", "alarmValue", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.16.3.1.1.6", "alarmStartupAlarm", SyntaxInteger, AccessRead, &AlarmStartup},
    {"1.3.6.1.2.1.16.3.1.1.7", "alarmRisingThreshold", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.16.3.1.1.8", "alarmFallingThreshold", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.16.3.1.1.9", "alarmRisingEventIndex", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.16.3.1.1.10", "alarmFallingEventIndex", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.16.3.1.1.11", "alarmOwner", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.16.3.1.1.12", "alarmStatus", SyntaxInteger, AccessRead, &EntryStatus},
    {},
};
constexpr KtSNMPVarDef EventTable[] = {
    {"1.3.6.1.2.1.16.9.1.1.1", "eventIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.16.9.1.1.2", "eventDescription", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.16.9.1.1.3", "eventType", SyntaxInteger, AccessRead, &EventType},
    {"1.3.6.1.2.1.16.9.1.1.4", "eventCommunity", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.16.9.1.1.5", "eventLastTimeSent", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.16.9.1.1.6", "eventOwner", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.16.9.1.1.7", "eventStatus", SyntaxInteger, AccessRead, &EntryStatus},
    {},
};
constexpr KtSNMPVarDef LogTable[] = {
    {"1.3.6.1.2.1.16.9.2.1.1", "logEventIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.16.9.2.1.2", "logIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.16.9.2.1.3", "logTime", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.16.9.2.1.4", "logDescription", SyntaxDisplayString, AccessRead},
    {},
};
constexpr KtViewSection AlarmEventSections[] = {
    {"Alarms", AlarmTable, ListTable, 1},
    {"Events", EventTable, ListTable, 1},
    {"Log", LogTable, ListTable, 2},
    {},
};
} // namespace

const KtViewDef RmonViews[] = {
    {"Rmon_Statistics", "Statistics", StatisticsSections},
    {"Rmon_History", "History", HistorySections},
    {"Rmon_AlarmEvent", "Alarm/Event", AlarmEventSections},
    {},
};
