#pragma once

// Shared pieces of the spanning-tree window tests: one simulator per suite
// with the engine pointed at it, captured message boxes, a device state
// with the spanning-tree version, and net-snmp's tools to look at the agent.
#include "KtDeviceState.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Controls.h"
#include "QgSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <memory>

namespace stp_test {

inline const QString kStpBase = QStringLiteral("1.3.6.1.4.1.47893.12.15.1");
inline const QString kStateOid = QStringLiteral("1.3.6.1.4.1.47893.11.55.2.2.1.2.1.0");

inline QString StpOid(int subId)
{
    return QStringLiteral("%1.%2.0").arg(kStpBase).arg(subId);
}

// The integer the agent holds, or -1.
inline int GetInt(const QgSimProcess &sim, const QString &oid)
{
    bool ok = false;
    const int value = GetValue(sim, oid).toInt(&ok);
    return ok ? value : -1;
}

// Whether the agent took the value.
inline bool SetInt(const QgSimProcess &sim, const QString &oid, int value)
{
    return !RunSnmpTool("snmpset", {"-v2c", "-c", "private", sim.Address(), oid, "i", QString::number(value)})
                .out.isEmpty();
}

class StpTest : public QgSimSuite
{
protected:
    KtDeviceState state_;
};

} // namespace stp_test
