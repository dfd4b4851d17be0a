// The views of the IFMib viewer program. Each view's enumerations and
// descriptor tables stand before its sections; the program's view array
// comes last.

#include "KtViewCatalogue.h"
#include "KtViewOptions.h"

namespace {

constexpr KtSNMPVarDef IfLastChanges[] = {
    {"1.3.6.1.2.1.31.1.5", "ifTableLastChange", SyntaxTimeTicks, AccessRead},
    {"1.3.6.1.2.1.31.1.6", "ifStackLastChange", SyntaxTimeTicks, AccessRead},
    {},
};
constexpr KtSNMPVarDef IfXGeneral[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.31.1.1.1.1", "ifName", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.14", "ifLinkUpDownTrapEnable", SyntaxInteger, AccessRead, &EnableDisableFromOne},
    {"1.3.6.1.2.1.31.1.1.1.15", "ifHighSpeed", SyntaxGauge32, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.16", "ifPromiscuousMode", SyntaxInteger, AccessRead, &TruthValue},
    {"1.3.6.1.2.1.31.1.1.1.17", "ifConnectorPresent", SyntaxInteger, AccessRead, &TruthValue},
    {"1.3.6.1.2.1.31.1.1.1.18", "ifAlias", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.19", "ifCounterDiscontinuityTime", SyntaxTimeTicks, AccessRead},
    {},
};
constexpr KtViewSection LastChangeSections[] = {
    {"Last Changes", IfLastChanges, ListScalars},
    {"Interfaces", IfXGeneral, ListTable, 1},
    {},
};
} // namespace

const KtViewDef IfMibViews[] = {
    {"IFMib_LastChangeTable", "General Table", LastChangeSections},
    {},
};
