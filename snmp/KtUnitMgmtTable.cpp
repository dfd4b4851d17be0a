#include "KtUnitMgmtTable.h"

constexpr KtSNMPVarDef UnitMgmtVars[] = {
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.1", "swUnitMgmtId", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.2", "swUnitMgmtMacAddr", SyntaxMacAddress, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.3", "swUnitMgmtStartPort", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.4", "swUnitMgmtPortRange", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.5", "swUnitMgmtFrontPanelLedStatus", SyntaxOctets, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.6", "swUnitMgmtCtrlMode", SyntaxInteger, AccessReadWrite,
     &UnitMgmtMode},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.7", "swUnitMgmtCurrentMode", SyntaxInteger, AccessRead, &UnitMgmtMode},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.8", "swUnitMgmtVersion", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.9", "swUnitMgmtModuleName", SyntaxDisplayString, AccessRead},
    {},
};
