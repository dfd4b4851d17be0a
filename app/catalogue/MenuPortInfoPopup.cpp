#include "KtCatalogueOptions.h"
#include "KtMainWindowTables.h"
#include "KtMenuCatalogue.h"

// The pop-up menu of the port buttons. Both windows show one row of the
// maker's port tables, the instance being the port button's tag (unit * 50 +
// port); the caption gets ":" and the tag appended.

namespace {

constexpr KtSNMPVarDef PortButtonConfigurationVars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.1", "Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.2", "Unit Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.3", "Admin State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.4", "Nway State", SyntaxInteger, AccessReadWrite, &NwayState},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.5", "Flow Control State", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.6", "Lock State", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.7", "MAC Notify State", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.2.1.8", "Multicast Filter", SyntaxInteger, AccessReadWrite,
     &MulticastFilter},
    {},
};

} // namespace

constexpr KtMenuItem PortInfoPopupMenu[] = {
    EditorWindow("Port Information", "PortInformation2", "Port Information Table", PortInfoVars, ListRow)
        .WidthAdd(50)
        .PanelWidthAdd(50)
        .With(HookPortInstance),
    EditorWindow("Port Configuration", "PortConfiguration1", "Port Configuration",
                 PortButtonConfigurationVars, ListRow)
        .WidthAdd(50)
        .PanelWidthAdd(50)
        .With(HookPortInstance),
    {},
};
