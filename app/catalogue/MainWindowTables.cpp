#include "KtCatalogueOptions.h"
#include "KtMainWindowTables.h"

constexpr KtSNMPVarDef RmonStateVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.1.2.3", "Rmon State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {},
};

namespace {
constexpr KtOptionDef StpVersionPairs[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {}};
const KtOptionList StpVersion(StpVersionPairs);
} // namespace

constexpr KtSNMPVarDef StpVersionVars[] = {
    {"1.3.6.1.4.1.47893.12.15.1.2", "STP Version", SyntaxInteger, AccessReadWrite, &StpVersion},
    {},
};

constexpr KtSNMPVarDef PortInfoVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.1", "Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.2", "Unit Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.3", "Port Type", SyntaxInteger, AccessRead, &PortType},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.4", "Link Status", SyntaxInteger, AccessRead, &LinkStatus},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.5", "Nway Status", SyntaxInteger, AccessRead, &NwayStatus},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.6", "Module Type", SyntaxInteger, AccessRead, &ModuleType},
    {},
};

constexpr KtBindingTable MainWindowTables[] = {
    {"RmonStateBinding", RmonStateVars, ListScalars, 0},
    {"StpVersionBinding", StpVersionVars, ListScalars, 0},
    {"UnitTableBinding", UnitMgmtVars, ListTable, 1},
    {"PortTableBinding", PortInfoVars, ListTable, 1},
    {},
};
