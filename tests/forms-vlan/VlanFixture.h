#pragma once

// Shared pieces of the VLAN window tests: a simulator per suite with the
// engine pointed at it, a device state whose units the port grids show, captured message boxes, and the
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

namespace vlan_test {

using UnitRow = QgUnit;

// A simulator for the suite; per test a device state without units and
// captured message boxes.
class VlanSimTest : public QgSimSuite
{
protected:
    void SetUp() override { QgSimSuite::SetUp(); }

    void SetUnits(const QList<UnitRow> &units) { state_.SetUnitRows(QgUnitRows(units)); }

    KtDeviceState state_;
};

} // namespace vlan_test
