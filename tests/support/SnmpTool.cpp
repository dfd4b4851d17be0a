#include "SnmpTool.h"

#include "QgProgramRun.h"
#include "QgSimProcess.h"

#include <QProcess>
#include <QRegularExpression>

QStringList SnmpToolResult::lines() const
{
    return out.split('\n', Qt::SkipEmptyParts);
}

SnmpToolResult RunSnmpTool(const QString &tool, const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    process.setProcessEnvironment(env);
    const QgProgramRun run = RunProgram(process, tool, arguments, timeoutMs);
    if (!run.finished)
        return {-1, {}, "did not finish: " + tool + " " + arguments.join(' ')};
    return {run.exitCode, run.out, run.err};
}

QByteArray ParseHexOctets(const QString &printed)
{
    QByteArray octets;
    static const QRegularExpression pair("\\b([0-9A-Fa-f]{2})\\b");
    for (auto match = pair.globalMatch(printed); match.hasNext();)
        octets.append(static_cast<char>(match.next().captured(1).toInt(nullptr, 16)));
    return octets;
}

const std::vector<SnmpCredential> &SimCredentials()
{
    static const std::vector<SnmpCredential> credentials{
        {"v1", {"-v1", "-c", "public"}, {"-v1", "-c", "private"}},
        {"v2c", {"-v2c", "-c", "public"}, {"-v2c", "-c", "private"}},
        {"v3noauth",
         {"-v3", "-l", "noAuthNoPriv", "-u", "noauth"},
         {"-v3", "-l", "noAuthNoPriv", "-u", "noauth"}},
        {"v3md5",
         {"-v3", "-l", "authNoPriv", "-u", "md5user", "-a", "MD5", "-A", "md5password"},
         {"-v3", "-l", "authNoPriv", "-u", "md5user", "-a", "MD5", "-A", "md5password"}},
        {"v3sha",
         {"-v3", "-l", "authNoPriv", "-u", "shauser", "-a", "SHA", "-A", "shapassword"},
         {"-v3", "-l", "authNoPriv", "-u", "shauser", "-a", "SHA", "-A", "shapassword"}},
        {"v3des",
         {"-v3", "-l", "authPriv", "-u", "desuser", "-a", "MD5", "-A", "md5password", "-x", "DES", "-X",
          "despassword"},
         {"-v3", "-l", "authPriv", "-u", "desuser", "-a", "MD5", "-A", "md5password", "-x", "DES", "-X",
          "despassword"}},
        {"v3aes",
         {"-v3", "-l", "authPriv", "-u", "aesuser", "-a", "SHA", "-A", "shapassword", "-x", "AES", "-X",
          "aespassword"},
         {"-v3", "-l", "authPriv", "-u", "aesuser", "-a", "SHA", "-A", "shapassword", "-x", "AES", "-X",
          "aespassword"}},
        {"v3sha256",
         {"-v3", "-l", "authNoPriv", "-u", "sha256user", "-a", "SHA-256", "-A", "sha256password"},
         {"-v3", "-l", "authNoPriv", "-u", "sha256user", "-a", "SHA-256", "-A", "sha256password"}},
        {"v3sha512",
         {"-v3", "-l", "authNoPriv", "-u", "sha512user", "-a", "SHA-512", "-A", "sha512password"},
         {"-v3", "-l", "authNoPriv", "-u", "sha512user", "-a", "SHA-512", "-A", "sha512password"}},
        {"v3aes256",
         {"-v3", "-l", "authPriv", "-u", "aes256user", "-a", "SHA-256", "-A", "sha256password", "-x",
          "AES-256", "-X", "aes256password"},
         {"-v3", "-l", "authPriv", "-u", "aes256user", "-a", "SHA-256", "-A", "sha256password", "-x",
          "AES-256", "-X", "aes256password"}},
    };
    return credentials;
}

QString GetHex(const QgSimProcess &sim, const QString &oid)
{
    return RunSnmpTool("snmpget",
                       {"-v2c", "-c", "public", "-On", "-Ox", "-Oq", "-Ov", "-Oe", sim.Address(), oid})
        .text()
        .remove(QLatin1Char('"'))
        .simplified();
}

QString GetValue(const QgSimProcess &sim, const QString &oid)
{
    return RunSnmpTool("snmpget", {"-v2c", "-c", "public", "-On", "-Oq", "-Ov", "-Oe", sim.Address(), oid})
        .text()
        .remove(QLatin1Char('"'))
        .trimmed();
}

QString Set(const QgSimProcess &sim, const QStringList &varbinds)
{
    return RunSnmpTool("snmpset", QStringList{"-v2c", "-c", "private", sim.Address()} + varbinds).text();
}

QString Walk(const QgSimProcess &sim, const QString &oid)
{
    return RunSnmpTool("snmpwalk", {"-v2c", "-c", "public", "-On", "-Oe", sim.Address(), oid}).out;
}
