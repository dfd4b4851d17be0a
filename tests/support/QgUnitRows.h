#pragma once

#include "KtDeviceState.h"

#include <QList>

// Unit table rows for a device state, as the main window reads them: the
// unit identifier, the port count and the module name in their columns.
//   KtDeviceState state;
//   state.SetUnitRows(QgUnitRows(QgSimStack));
struct QgUnit
{
    const char *Id;
    const char *PortCount;
    const char *ModuleName;
};

// The simulator's stack: units 1 to 3 with 12, 26 and 50 ports.
extern const QList<QgUnit> QgSimStack;

KtDeviceState::Rows QgUnitRows(const QList<QgUnit> &units);
