#pragma once

// Shared pieces of the bridge window tests: a simulator per suite with the
// engine pointed at it, a device state whose units the port grids
// show, captured message boxes, and net-snmp's tools to look at what
// the agent holds.
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Controls.h"
#include "QgPortGrid.h"
#include "QgSimSuite.h"
#include "QgTreeRows.h"
#include "QgUnitRows.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TBridgeInfoForm.h"
#include "TStackingPortUitForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace bridge_test {

// The bridge ports of the default stack, in table order: unit 1's 12 ports
// (51 to 62), unit 2's 26 (101 to 126) and unit 3's 50 (151 to 200).
inline QStringList StackBridgePorts()
{
    QStringList ports;
    for (const auto &[unit, count] : {std::pair{1, 12}, std::pair{2, 26}, std::pair{3, 50}})
        for (int port = 1; port <= count; ++port)
            ports << QString::number(unit * 50 + port);
    return ports;
}

inline int MemoLines(const TBridgeInfoForm &form)
{
    const QString text = form.Memo1->toPlainText();
    return text.isEmpty() ? 0 : int(text.count(QLatin1Char('\n'))) + 1;
}

class BridgeSimTest : public QgSimSuite
{
protected:
    void SetUp() override
    {
        QgSimSuite::SetUp();
        TBridgeInfoForm::ResetReadyFlags();
        state_.SetUnitRows(QgUnitRows({{"1", "12", "QG2312"}}));
    }
    void TearDown() override
    {
        TBridgeInfoForm::ResetReadyFlags();
        QgSimSuite::TearDown();
    }

    KtDeviceState state_;
};

} // namespace bridge_test
