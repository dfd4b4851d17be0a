#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of a net-snmp command-line tool (snmpget, snmpset, ...).
struct SnmpToolResult
{
    int exitCode = -1;
    QString out;
    QString err;

    bool ok() const { return exitCode == 0 && !err.contains("Error"); }
    // The lines of standard output, without empty ones.
    QStringList lines() const;
};

// Runs `tool` with `arguments`; no MIB modules are loaded, so OIDs stay
// numeric.
SnmpToolResult RunSnmpTool(const QString &tool, const QStringList &arguments, int timeoutMs = 60000);

// The octets of a hex string as the tools print it with -Ox ("03 03 01 ...",
// possibly over several lines).
QByteArray ParseHexOctets(const QString &printed);

// The SNMP versions and users the simulator serves, as tool arguments.
struct SnmpCredential
{
    const char *name;
    QStringList read;
    QStringList write;
};
const std::vector<SnmpCredential> &SimCredentials();
