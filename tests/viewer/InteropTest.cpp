// An agent that is not net-snmp (pysnmp) serving a sparse table and a
// 1,000-row table over SNMPv1, SNMPv2c and SNMPv3: the module's list and the
// viewer's CSV show the rows snmptable shows, missing cells empty.
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "QgFiles.h"
#include "QgInstallation.h"
#include "QgPythonAgent.h"
#include "QgWait.h"
#include "SnmpTool.h"
#include "ViewerTestSupport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTreeWidget>

namespace {

using Rows = std::vector<QStringList>;

const KtSNMPVarDef kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.2.2.1.3", "ifType", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.2.2.1.4", "ifMtu", SyntaxInteger, AccessRead},
    {},
};
const KtSNMPVarDef kFdbPorts[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "dot1dTpFdbAddress", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.4.3.1.2", "dot1dTpFdbPort", SyntaxInteger, AccessRead},
    {},
};

struct Version
{
    const char *name;
    QStringList tool;   // snmptable's version and credentials
    QString configFile; // the per-device file's SNMP lines
};

const Version kVersions[] = {
    {"v1",
     {"-v1", "-c", "public"},
     "Version=0\nSecurityModel=3\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n"},
    {"v2c",
     {"-v2c", "-c", "public"},
     "Version=1\nSecurityModel=3\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n"},
    {"v3",
     {"-v3", "-l", "authNoPriv", "-u", "md5user", "-a", "MD5", "-A", "md5password"},
     "Version=3\nSecurityModel=3\nSecurityLevel=1\nSecurityName=md5user\nAuthProtocol=1\nPrivProtocol=0\n"
     "AuthPassword=md5password\n"},
};

// snmptable's rows ("|"-separated, no headings), quotes taken off and its
// "?" for a missing cell made empty. It reads with get-next (-CB): its
// GetBulk walk of the forwarding table stops with "OID not increasing"
// against this agent.
Rows Snmptable(quint16 port, const Version &version, const QString &mibDir, const QString &mib,
               const QString &table, const QStringList &extra = {})
{
    const SnmpToolResult run = RunSnmpTool(
        "snmptable", version.tool + QStringList{"-M", mibDir, "-m", mib, "-Cf", "|", "-CH", "-CB"} + extra +
                         QStringList{QStringLiteral("127.0.0.1:%1").arg(port), table});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    Rows rows;
    for (const QString &line : run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.contains(QLatin1Char('|')))
            continue; // "End of MIB" after an SNMPv1 walk
        QStringList cells = line.split(QLatin1Char('|'));
        for (QString &cell : cells) {
            if (cell == QLatin1String("?"))
                cell.clear();
            if (cell.size() >= 2 && cell.startsWith(QLatin1Char('"')) && cell.endsWith(QLatin1Char('"')))
                cell = cell.mid(1, cell.size() - 2);
        }
        rows.push_back(cells);
    }
    return rows;
}

// The module's list of a table, read as a window reads it.
Rows ModuleRows(const KtSNMPVarDef *vars)
{
    QTreeWidget list;
    KtSNMPRequest2Edits binding(&list);
    binding.Request.Vars = KtSNMPVarList(vars, ListTable, 1);
    binding.AttachListView(&list, false);
    binding.Get();
    EXPECT_TRUE(WaitUntil([&] { return !binding.Busy; }, 120000));
    Rows rows;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list.columnCount(); ++column)
            cells << list.topLevelItem(row)->text(column);
        rows.push_back(cells);
    }
    return rows;
}

// The rows of one section of a CSV file qgview wrote: the lines after the
// section's title and header, up to the empty line.
Rows CsvSection(const QString &csv, const QString &title)
{
    const QStringList lines = csv.split(QStringLiteral("\r\n"));
    Rows rows;
    const int at = int(lines.indexOf(title));
    for (int line = at + 2; at >= 0 && line < lines.size() && !lines[line].isEmpty(); ++line)
        rows.push_back(lines[line].split(QLatin1Char(',')));
    return rows;
}

QString QgviewCsv(quint16 port, const Version &version, const QString &view)
{
    QgInstallation installation;
    EXPECT_TRUE(installation.Write(port));
    EXPECT_TRUE(WriteFile(
        installation.Path("127.0.0.1.cfg"),
        (QStringLiteral("[Program Information]\nAgentPort=%1\n").arg(port) + version.configFile).toUtf8()));
    QProcess qgview;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KELTRA_REGISTRY", installation.RegistryPath());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    environment.insert("XDG_CONFIG_HOME", installation.Dir()); // the views' settings
    qgview.setProcessEnvironment(environment);
    qgview.setWorkingDirectory(installation.Dir());
    const QString csvPath = installation.Path("view.csv");
    qgview.start(QG_BIN_DIR "/qgview", {"--csv", csvPath, "/I127.0.0.1", "/Rpublic", "/T" + view});
    EXPECT_TRUE(qgview.waitForFinished(120000));
    EXPECT_EQ(qgview.exitCode(), 0) << qgview.readAllStandardError().toStdString();
    QFile csv(csvPath);
    EXPECT_TRUE(csv.open(QIODevice::ReadOnly)) << view.toStdString();
    return QString::fromUtf8(csv.readAll());
}

Rows Columns(const Rows &rows, int first, int count)
{
    Rows cut;
    for (const QStringList &row : rows)
        cut.push_back(row.mid(first, count));
    return cut;
}

class InteropTest : public ViewerTest
{
};

TEST_F(InteropTest, ModuleAndViewerShowTheRowsSnmptableShows)
{
    QgPythonAgent agent;
    ASSERT_TRUE(agent.Start("table_agent.py")) << "python3-pysnmp4 is needed";
    const QString interopMibs = QG_SOURCE_DIR "/tests/interop/mibs";
    const QString benchMibs = QG_SOURCE_DIR "/bench/mibs";
    for (const Version &version : kVersions) {
        const Rows interfaces = Snmptable(agent.Port(), version, interopMibs, "QG-IF-TABLE-MIB", "ifTable");
        ASSERT_EQ(interfaces.size(), 50u) << version.name;
        EXPECT_EQ(interfaces[9], (QStringList{"10", "port 10", "999", ""})) << version.name;
        const Rows stations =
            Snmptable(agent.Port(), version, benchMibs, "QG-BRIDGE-TP-MIB", "dot1dTpFdbTable");
        ASSERT_EQ(stations.size(), 1000u) << version.name;
        const Rows stationPorts = Columns(stations, 0, 1);

        UseAgent(agent.Port(), version.name == QLatin1String("v1") ? 0 : 1);
        if (version.name == QLatin1String("v3")) {
            KtSNMPSecurity &security = KtSNMPDefaults.Security;
            security.Version = 3;
            security.SecurityModel = 3;
            security.SecurityLevel = 2;
            security.SecurityName = "md5user";
            security.AuthProtocol = 2;
            security.AuthPassword = "md5password";
        }
        EXPECT_EQ(ModuleRows(kIfTable), interfaces) << version.name;
        EXPECT_EQ(Columns(ModuleRows(kFdbPorts), 1, 1), stationPorts) << version.name;

        EXPECT_EQ(Columns(CsvSection(QgviewCsv(agent.Port(), version, "MIB_IFTable"), "Interfaces"), 0, 4),
                  interfaces)
            << version.name;
        EXPECT_EQ(
            Columns(CsvSection(QgviewCsv(agent.Port(), version, "Bridge_Forwarding"), "Forwarding Database"),
                    1, 2),
            stations)
            << version.name;
    }
    KtSNMPDefaults.Security = KtSNMPSecurity();
}

} // namespace
