#pragma once

// Shared pieces of the access-profile window tests: a simulator per test
// with the engine pointed at it, a device state whose units the port grids
// show, captured message boxes, and the net-snmp tools that check
// what the agent holds.
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

namespace acl_test {

// A simulator per test (every test starts from the data files' rows); a
// device state with the simulator's three units and captured message boxes.
class AclSimTest : public QgSimSuite
{
protected:
    static void SetUpTestSuite() {}

    void SetUp() override
    {
        StartSim({"--static-leds"});
        QgSimSuite::SetUp();
        state_.SetUnitRows(QgUnitRows(QgSimStack));
    }
    void TearDown() override
    {
        sim_.reset();
        QgSimSuite::TearDown();
    }

    // Nothing answers on the simulator's port once it has stopped.
    void SilenceAgent() { sim_->Stop(); }

    KtDeviceState state_;
};

} // namespace acl_test
