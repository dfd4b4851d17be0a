// The views of the EthernetLike viewer program. Each view's enumerations and
// descriptor tables stand before its sections; the program's view array
// comes last.

#include "KtViewCatalogue.h"
#include "KtViewOptions.h"

namespace {

constexpr KtOptionDef DuplexStatusPairs[] = {{1, "unknown"}, {2, "halfDuplex"}, {3, "fullDuplex"}, {}};
const KtOptionList DuplexStatus(DuplexStatusPairs);
constexpr KtSNMPVarDef Dot3StatsTable[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "dot3StatsIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.10.7.2.1.2", "dot3StatsAlignmentErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.3", "dot3StatsFCSErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.4", "dot3StatsSingleCollisionFrames", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.5", "dot3StatsMultipleCollisionFrames", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.6", "dot3StatsSQETestErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.7", "dot3StatsDeferredTransmissions", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.8", "dot3StatsLateCollisions", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.9", "dot3StatsExcessiveCollisions", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.10", "dot3StatsInternalMacTransmitErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.11", "dot3StatsCarrierSenseErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.13", "dot3StatsFrameTooLongs", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.16", "dot3StatsInternalMacReceiveErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.18", "dot3StatsSymbolErrors", SyntaxCounter32, AccessRead},
    {"1.3.6.1.2.1.10.7.2.1.19", "dot3StatsDuplexStatus", SyntaxInteger, AccessRead, &DuplexStatus},
    {},
};
constexpr KtViewSection Dot3StatsSections[] = {
    {"Ethernet Statistics", Dot3StatsTable, ListTable, 1, ViewChart},
    {},
};
} // namespace

const KtViewDef EthernetLikeViews[] = {
    {"EthernetLike_dot3StatsTable", "dot3 Statistics", Dot3StatsSections},
    {},
};
