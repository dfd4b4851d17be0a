#pragma once

// Runs of net-snmp's command-line tools (snmpget, snmpset, snmpwalk,
// snmptable, ...) against the agents of the tests.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class QgSimProcess;

// One run of a net-snmp command-line tool.
struct SnmpToolResult
{
    int exitCode = -1;
    QString out;
    QString err;

    bool ok() const { return exitCode == 0 && !err.contains("Error"); }
    // The lines of standard output, without empty ones.
    QStringList lines() const;
    // Standard output, then standard error.
    QString text() const { return out + err; }
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

// What the simulator holds, through the tools with SNMPv2c (communities
// public and private).

// The value of one object as bare hexadecimal octets ("00 FF ..." on one
// line), or the tool's complaint when there is no such object.
QString GetHex(const QgSimProcess &sim, const QString &oid);
// The value of one object as a bare number or text, or the tool's complaint
// when there is no such object.
QString GetValue(const QgSimProcess &sim, const QString &oid);
// snmpset of "OID TYPE VALUE ..." triples; what the tool printed, errors
// included.
QString Set(const QgSimProcess &sim, const QStringList &varbinds);
// snmpwalk -On -Oe of a subtree: the "OID = TYPE: VALUE" lines.
QString Walk(const QgSimProcess &sim, const QString &oid);
