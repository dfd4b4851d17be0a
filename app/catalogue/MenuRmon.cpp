// The "RMON" menu. Each window's enumerations and descriptor table stand
// before the menu array that opens it; a submenu's array comes before its
// parent's, the top-level array last.

#include "KtCatalogueOptions.h"
#include "KtMenuCatalogue.h"

namespace {

constexpr KtSNMPVarDef RMONControlVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.1.2.3", "Rmon State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {},
};

} // namespace

constexpr KtMenuItem RmonMenu[] = {
    EditorWindow("RMON Control", "RMONSetting1", "RMON Control", RMONControlVars)
        .With(HookRefreshRmonOnClose),
    Viewer("Statistics", "Statistics1", "/TRmon_Statistics").With(HookEnabledByRmonState),
    Viewer("History", "History1", "/TRmon_History").With(HookEnabledByRmonState),
    Viewer("Alarm/Event", "AlarmEvent1", "/TRmon_AlarmEvent").With(HookEnabledByRmonState),
    {},
};
