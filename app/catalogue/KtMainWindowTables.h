#pragma once

// The variable tables of the main window's own bindings: the RMON state and
// the spanning-tree version (blocking reads into hidden static texts) and
// the unit and port tables of the switch (read into hidden list views).

#include "KtSNMPVarDef.h"
#include "KtUnitMgmtTable.h" // UnitMgmtVars

extern const KtSNMPVarDef RmonStateVars[];  // ListScalars
extern const KtSNMPVarDef StpVersionVars[]; // ListScalars
extern const KtSNMPVarDef PortInfoVars[];   // ListTable, 1 index variable; ListRow in "Port Information"

// One binding of the main window with its list; a table of them ends with {}.
struct KtBindingTable
{
    const char *Binding = nullptr;
    const KtSNMPVarDef *Vars = nullptr;
    KtListKind Kind = ListScalars;
    int IndexCount = 0;
};

extern const KtBindingTable MainWindowTables[];
