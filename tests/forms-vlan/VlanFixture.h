#pragma once

// Shared pieces of the VLAN window tests: a simulator per suite with the
// engine pointed at it, a stand-in main window whose unit list the port
// grids read, captured message boxes, and the net-snmp tools that check what
// the agent holds.
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Controls.h"
#include "QgPortGrid.h"
#include "QgSimSuite.h"
#include "QgStandInMainWindow.h"
#include "QgTreeRows.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TMainWindowAnchor.h"
#include "TStackingPortUitForm.h"

#include <QCheckBox>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace vlan_test {

using UnitRow = QgStandInMainWindow::Unit;

// A simulator for the suite; per test a stand-in main window with a unit
// list and captured message boxes.
class VlanSimTest : public QgSimSuite
{
protected:
    void SetUp() override
    {
        QgSimSuite::SetUp();
        mainWindow_ = std::make_unique<QgStandInMainWindow>();
        unitList_ = mainWindow_->AddUnitList();
    }
    void TearDown() override
    {
        mainWindow_.reset();
        TStackingPortUitForm::ResetRefreshUnitList();
        QgSimSuite::TearDown();
    }

    void SetUnits(const QList<UnitRow> &units) { mainWindow_->SetUnits(units); }

    std::unique_ptr<QgStandInMainWindow> mainWindow_;
    QTreeWidget *unitList_ = nullptr;
};

} // namespace vlan_test
