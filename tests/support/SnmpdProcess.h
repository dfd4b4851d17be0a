#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// Debian's snmpd on a free loopback port with a state directory of its own:
// communities public/private and the SNMPv3 users
//   md5user  MD5 "md5password"          (authNoPriv)
//   desuser  MD5 "md5password", DES "despassword" (authPriv)
//   shauser  SHA "shapassword"          (authNoPriv)
// and any further snmpd.conf lines given (createUser and rwuser lines, say).
class SnmpdProcess
{
public:
    explicit SnmpdProcess(QStringList extraConfig = {});
    ~SnmpdProcess();

    // Starts the agent and waits until it answers; false if it could not.
    bool Start();
    void Stop();
    quint16 Port() const { return port_; }

private:
    QStringList extraConfig_;
    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
};

// A UDP port on 127.0.0.1 that nothing listens on.
quint16 UnusedUdpPort();

class QUdpSocket;

// A bound UDP socket on 127.0.0.1 that never answers: a dead agent.
class SilentAgent
{
public:
    SilentAgent();
    ~SilentAgent();
    quint16 Port() const;

private:
    QUdpSocket *socket_;
};
