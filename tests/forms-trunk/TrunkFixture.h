#pragma once

// Shared pieces of the trunk, mirror and segmentation window tests: one
// simulator per suite with the engine pointed at it, a device state whose
// units the port grids show, captured message boxes, and the
// net-snmp tools that check what the agent holds.
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Controls.h"
#include "QgPortGrid.h"
#include "QgSimSuite.h"
#include "QgTreeRows.h"
#include "QgUnitRows.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TStackingPortUitForm.h"

#include <QCheckBox>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace trunk_test {

// A simulator for the suite; per test a device state with the simulator's
// stack (units 1 to 3) and captured messages.
class TrunkSimTest : public QgSimSuite
{
protected:
    void SetUp() override
    {
        QgSimSuite::SetUp();
        state_.SetUnitRows(QgUnitRows(QgSimStack));
    }

    KtDeviceState state_;
};

} // namespace trunk_test
