#pragma once

#include "QgSetLog.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The project's switch simulator (build/bin/qgsim) on a free loopback port.
//   QgSimProcess sim({"--scenario", "single"});
//   ASSERT_TRUE(sim.Start());
//   ... talk SNMP to 127.0.0.1:sim.Port() ...
//   EXPECT_EQ(sim.Stop(), 0);
// Communities public/private and the simulator's SNMPv3 users apply (see
// `qgsim --help`). Every SET PDU it receives is logged: Sets() reads them.
class QgSimProcess
{
public:
    explicit QgSimProcess(QStringList arguments = {});
    // The simulator running a scenario given as text (written to a file of
    // its own), with further arguments:
    //   QgSimProcess sim({"--static-leds"}, "include single\nset OID 0x0205\n");
    QgSimProcess(QStringList arguments, const QByteArray &scenario);
    ~QgSimProcess();

    // Starts the simulator and waits for its "listening on" line; false if
    // it did not come up (StandardError() tells why).
    bool Start();
    // SIGTERM, then waits; returns the exit code, or -1 if it crashed or
    // had to be killed. Stopping a stopped simulator returns its old result.
    int Stop();

    quint16 Port() const { return port_; }
    // "127.0.0.1:PORT", the agent address for net-snmp's tools.
    QString Address() const;
    QString StandardError();
    // The simulator's set log (its own --set-log, or one in a temporary
    // directory).
    const QgSetLog &Sets() const { return sets_; }
    // Waits (running events) until every SET sent to the simulator so far
    // is in its log: the simulator logs a SET when it answers or drops it,
    // after those that came before, so this sends one more (of
    // QgSetLog::SyncOid, with net-snmp's tool) and waits for that one.
    // False if it did not come within `timeoutMs`.
    bool WaitForSets(int timeoutMs = 30000) const;
    // Under --delay-first-read-ms: the reads held back are answered now,
    // and none is held until the next SET (qgsim's SIGUSR1).
    void ReleaseHeldReads() const;

private:
    QStringList arguments_;
    QProcess process_;
    quint16 port_ = 0;
    int exitCode_ = -1;
    QString stderr_;
    QTemporaryDir logDir_;
    QgSetLog sets_;
    mutable int syncs_ = 0;
};
