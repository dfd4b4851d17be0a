#pragma once

// The switch's unit table (swUnitMgmtTable), read by the main window to
// build its panels and by the port grids of the dedicated windows. A list
// view shows column 0 (the unit identifier) as the item caption and the
// others as its sub-items, in this order.

#include "KtOptionList.h"
#include "KtSNMPVarDef.h"

// Stacking mode of a unit: the unit table and "Unit Table".
constexpr KtOptionDef UnitMgmtModePairs[] = {
    {2, "auto"}, {3, "stand-alone"}, {4, "master"}, {5, "slave"}, {}};
inline const KtOptionList UnitMgmtMode(UnitMgmtModePairs);

extern const KtSNMPVarDef UnitMgmtVars[]; // ListTable, 1 index variable

// Columns of the unit table that other windows read.
enum KtUnitMgmtColumn
{
    UnitIdColumn = 0,
    UnitStartPortColumn = 2,
    UnitPortRangeColumn = 3,
    UnitModuleNameColumn = 8,
};
