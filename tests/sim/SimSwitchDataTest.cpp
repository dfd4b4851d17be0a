// The switch qgsim serves: units and models per scenario, the port table the
// module's slot detection reads, LED octets in the module's colour values,
// VLAN and forwarding tables, per-port tables that agree with the ports, the
// clock, scenario files and the process contract.

#include "QgFiles.h"
#include "QgSimProcess.h"
#include "QgWait.h"
#include "SnmpTool.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <QDateTime>

#include <map>
#include <set>

namespace {

const QString UnitEntry = "1.3.6.1.4.1.47893.12.11.1.9.4.1";
const QString PortInfoEntry = "1.3.6.1.4.1.47893.11.55.2.2.3.1.1";
const QString VlanStaticEntry = "1.3.6.1.2.1.17.7.1.4.3.1";
const QString VlanCurrentEntry = "1.3.6.1.2.1.17.7.1.4.2.1";
const QString VlanNumDeletes = "1.3.6.1.2.1.17.7.1.4.1.0";

// A column walked with -Oqn: instance suffix -> printed value.
std::map<QString, QString> WalkColumn(const QgSimProcess &sim, const QString &column)
{
    SnmpToolResult walk = RunSnmpTool("snmpwalk", {"-Oqn", "-v2c", "-c", "public", sim.Address(), column});
    std::map<QString, QString> values;
    for (const QString &line : walk.lines()) {
        qsizetype blank = line.indexOf(' ');
        values[line.left(blank).mid(column.size() + 2)] = line.mid(blank + 1);
    }
    return values;
}

QByteArray LedOctets(const QgSimProcess &sim, int unit)
{
    SnmpToolResult get = RunSnmpTool("snmpget", {"-Oqvx", "-v2c", "-c", "public", sim.Address(),
                                                 UnitEntry + ".5." + QString::number(unit)});
    return ParseHexOctets(get.out);
}

struct ScenarioUnits
{
    const char *scenario;
    std::map<QString, QString> models; // unit id -> model text as the unit table reports it
};

TEST(SimSwitchDataTest, EveryScenarioReportsItsUnitsWithLedStatusForEveryPort)
{
    const ScenarioUnits scenarios[] = {
        {"stack", {{"1", "\"QG2312\""}, {"2", "\"QF1824\""}, {"3", "\"QL2448\""}}},
        {"single", {{"15", "\"QG2312\""}}},
        {"all-models",
         {{"1", "\"QG2212\""},
          {"2", "\"QF1824\""},
          {"3", "\"QF1848\""},
          {"4", "\"QG2312\""},
          {"5", "\"QL2424\""},
          {"6", "\"QL2424R\""},
          {"7", "\"QL2448\""},
          {"8", "\"QX3000\""}}},
    };
    for (const ScenarioUnits &expected : scenarios) {
        SCOPED_TRACE(expected.scenario);
        QgSimProcess sim({"--scenario", expected.scenario, "--static-leds"});
        ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
        EXPECT_EQ(WalkColumn(sim, UnitEntry + ".9"), expected.models);
        for (const auto &[unit, range] : WalkColumn(sim, UnitEntry + ".4")) {
            QByteArray leds = LedOctets(sim, unit.toInt());
            EXPECT_GE(leds.size(), 2 * range.toInt() + 3) << "unit " << unit.toStdString();
        }
        for (const auto &[unit, start] : WalkColumn(sim, UnitEntry + ".3"))
            EXPECT_EQ(start, "1");
    }
}

TEST(SimSwitchDataTest, BigScenarioIsAFullStack)
{
    QgSimProcess sim({"--scenario", "big", "--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    EXPECT_EQ(WalkColumn(sim, UnitEntry + ".1").size(), 12u);
}

// The module reads the port table's "Unit Index" and "Module Type" columns
// in row order and looks for modules at fixed positions of each unit.
TEST(SimSwitchDataTest, PortTableShowsTheModulesWhereTheSlotDetectionLooks)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    auto units = WalkColumn(sim, PortInfoEntry + ".2");
    auto modules = WalkColumn(sim, PortInfoEntry + ".6");
    std::map<QString, QStringList> typesOfUnit;
    for (const auto &[index, unit] : units)
        typesOfUnit[unit] << modules[index];
    // Map order is by text; put each unit's ports in port order.
    std::map<QString, QStringList> ordered;
    for (int port = 1; port <= 50; ++port)
        for (const QString unit : {"1", "2", "3"}) {
            QString index = QString::number(unit.toInt() * 50 + port);
            if (units.count(index))
                ordered[unit] << modules[index];
        }
    EXPECT_EQ(ordered["1"].size(), 12);
    EXPECT_EQ(ordered["1"].mid(4, 4), QStringList(4, "3")) << "slot 1: moduleType-1000T";
    EXPECT_EQ(ordered["1"].mid(8, 4), QStringList(4, "4")) << "slot 2: moduleType-MGBIC";
    EXPECT_EQ(ordered["2"].size(), 26);
    EXPECT_EQ(ordered["2"].mid(24), QStringList(2, "25")) << "bay: moduleType-2P-100TX";
    EXPECT_EQ(ordered["2"].indexOf("25"), 24) << "no earlier entry may match a bay module";
    EXPECT_EQ(ordered["3"].size(), 50);
    EXPECT_EQ(typesOfUnit.size(), 3u);
}

TEST(SimSwitchDataTest, StandAloneUnitFifteenNumbersItsPortsFromOne)
{
    QgSimProcess sim({"--scenario", "single", "--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    auto units = WalkColumn(sim, PortInfoEntry + ".2");
    QStringList indexes;
    for (const auto &[index, unit] : units) {
        indexes << index;
        EXPECT_EQ(unit, "15");
    }
    indexes.sort();
    QStringList expected;
    for (int port = 1; port <= 12; ++port)
        expected << QString::number(port);
    expected.sort();
    EXPECT_EQ(indexes, expected);
    EXPECT_EQ(WalkColumn(sim, UnitEntry + ".7")["15"], "3") << "stand-alone";
}

TEST(SimSwitchDataTest, LedOctetsUseTheValuesOfThePanelColourMaps)
{
    QgSimProcess sim({"--static-leds", "--seed", "7"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    QByteArray all;
    for (int unit : {1, 2, 3}) {
        QByteArray leds = LedOctets(sim, unit);
        ASSERT_GE(leds.size(), 3);
        EXPECT_EQ(leds[0], 3) << "power: steady green";
        EXPECT_EQ(leds[1], 3) << "console: steady green";
        all += leds.mid(3);
    }
    EXPECT_EQ(LedOctets(sim, 1)[2 * 2 + 1], 5) << "port 2 of unit 1 shows the fault in red";
    for (char octet : all)
        EXPECT_TRUE((octet & 0x78) == 0 && (octet & 0x07) <= 5) << int(static_cast<unsigned char>(octet));
    EXPECT_TRUE(all.contains('\x82')) << "some linked ports blink with traffic";
    EXPECT_TRUE(all.contains('\x02')) << "some linked ports are steady green";
    EXPECT_TRUE(all.contains('\x01')) << "some ports are down (white)";
}

TEST(SimSwitchDataTest, LedsChangeOverTimeUnlessFrozenAndTheSeedRepeatsThem)
{
    auto firstLeds = [](const QStringList &arguments) {
        QgSimProcess sim(arguments + QStringList{"--static-leds"});
        return sim.Start() ? LedOctets(sim, 3) : QByteArray();
    };
    QByteArray seeded = firstLeds({"--seed", "11"});
    ASSERT_FALSE(seeded.isEmpty());
    EXPECT_EQ(firstLeds({"--seed", "11"}), seeded);
    EXPECT_NE(firstLeds({"--seed", "12"}), seeded);

    // A frozen simulator keeps its LEDs for as long as a live one with the
    // same interval takes to change them.
    QgSimProcess frozen({"--static-leds", "--led-interval-ms", "50"});
    ASSERT_TRUE(frozen.Start()) << frozen.StandardError().toStdString();
    const QByteArray frozenBefore = LedOctets(frozen, 3);
    QgSimProcess live({"--led-interval-ms", "50"});
    ASSERT_TRUE(live.Start()) << live.StandardError().toStdString();
    const QByteArray before = LedOctets(live, 3);
    EXPECT_TRUE(WaitUntil([&] { return LedOctets(live, 3) != before; }, 5000));
    EXPECT_EQ(LedOctets(frozen, 3), frozenBefore);
}

// Counters derived from the menu catalogue: a scalar (vrrpRouterChecksumErrors)
// and a cell of a table (vrrpStatsBecomeMaster of interface 51, router 1).
TEST(SimSwitchDataTest, DerivedCountersGrowUnlessFrozen)
{
    const QStringList counters{"1.3.6.1.2.1.68.2.1.0", "1.3.6.1.2.1.68.2.4.1.1.51.1"};
    auto read = [&](const QgSimProcess &sim) {
        return RunSnmpTool("snmpget", QStringList{"-Oqv", "-v2c", "-c", "public", sim.Address()} + counters)
            .lines();
    };
    // The frozen simulator's counters stay for as long as a live one with
    // the same interval takes to grow both.
    QgSimProcess frozen({"--static-leds", "--led-interval-ms", "50"});
    ASSERT_TRUE(frozen.Start()) << frozen.StandardError().toStdString();
    const QStringList frozenBefore = read(frozen);
    QgSimProcess live({"--led-interval-ms", "50"});
    ASSERT_TRUE(live.Start()) << live.StandardError().toStdString();
    const QStringList before = read(live);
    ASSERT_EQ(before.size(), counters.size());
    QStringList after = before;
    WaitUntil(
        [&] {
            after = read(live);
            return after.size() == before.size() && after[0] != before[0] && after[1] != before[1];
        },
        5000);
    ASSERT_EQ(after.size(), counters.size());
    for (qsizetype i = 0; i < counters.size(); ++i)
        EXPECT_GT(after[i].toULongLong(), before[i].toULongLong()) << counters[i].toStdString();
    EXPECT_EQ(read(frozen), frozenBefore);
}

// LED changes that take longer than their interval (a full stack changed
// every 10 ms) delay each other but leave time for requests and SIGTERM.
TEST(SimSwitchDataTest, LedChangesSlowerThanTheirIntervalStillLeaveTimeForRequests)
{
    QgSimProcess sim({"--scenario", "big", "--led-interval-ms", "10"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    for (int i = 0; i < 3; ++i) {
        const SnmpToolResult get = RunSnmpTool("snmpget", {"-Oqv", "-v2c", "-c", "public", "-t", "5", "-r",
                                                           "0", sim.Address(), "1.3.6.1.2.1.1.3.0"});
        EXPECT_TRUE(get.ok()) << get.text().toStdString();
    }
    EXPECT_EQ(sim.Stop(), 0) << sim.StandardError().toStdString();
}

TEST(SimSwitchDataTest, StaticVlansShowInTheCurrentTableAndDeletionsAreCounted)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    auto get = [&](const QString &oid) {
        return RunSnmpTool("snmpget", {"-Oqvx", "-v2c", "-c", "public", sim.Address(), oid}).out.trimmed();
    };
    // VLAN 1 holds every port: unit 1 (bits 56..67, port 2 included), unit 2 (112..137), unit 3 (168..217).
    QByteArray defaultEgress = ParseHexOctets(get(VlanCurrentEntry + ".4.0.1"));
    ASSERT_EQ(defaultEgress.size(), 91);
    EXPECT_EQ(static_cast<unsigned char>(defaultEgress[7]), 0xff);
    EXPECT_EQ(static_cast<unsigned char>(defaultEgress[8]), 0xf0);

    QString egress = "0000000000000080"; // unit 1 port 1: bit 56
    ASSERT_TRUE(
        RunSnmpTool("snmpset", {"-v2c", "-c", "private", sim.Address(), VlanStaticEntry + ".1.10", "s", "lab",
                                VlanStaticEntry + ".2.10", "x", egress, VlanStaticEntry + ".5.10", "i", "4"})
            .ok());
    QByteArray current = ParseHexOctets(get(VlanCurrentEntry + ".4.0.10"));
    EXPECT_EQ(current.toHex(), QByteArray("0000000000000080"));
    EXPECT_EQ(get(VlanCurrentEntry + ".3.0.10"), "10");

    ASSERT_TRUE(
        RunSnmpTool("snmpset", {"-v2c", "-c", "private", sim.Address(), VlanStaticEntry + ".5.10", "i", "6"})
            .ok());
    EXPECT_TRUE(get(VlanCurrentEntry + ".4.0.10").contains("No Such Instance"));
    EXPECT_EQ(get(VlanNumDeletes), "1");
}

TEST(SimSwitchDataTest, AThousandRowFilteringDatabaseWalksWithSnmptableOverSnmpV1)
{
    QgSimProcess sim({"--static-leds", "--fdb-rows", "1000"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    SnmpToolResult table = RunSnmpTool("snmptable", {"-M", QG_SOURCE_DIR "/bench/mibs", "-m", "QG-FDB-MIB",
                                                     "-v1", "-c", "public", "-CB", "-Cf", ",", "-CH",
                                                     sim.Address(), "QG-FDB-MIB::dot1qTpFdbTable"});
    ASSERT_TRUE(table.ok()) << table.err.toStdString();
    QStringList rows = table.lines();
    EXPECT_EQ(rows.size(), 1000);
    EXPECT_TRUE(rows.first().endsWith(",learned")) << rows.first().toStdString();
}

TEST(SimSwitchDataTest, ScenarioFilesIncludeBuiltInScenariosAndOverrideValues)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lab.scenario");
    ASSERT_TRUE(WriteFile(
        path, "include single\n"
              "set 1.3.6.1.2.1.1.5.0 \"lab switch\"\n"
              "row swSysLogServerEntry 2 swSysLogServerUDPPort=1514 swSysLogServerIPAddress=127.0.0.2\n"));
    QgSimProcess sim({"--scenario", path, "--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    SnmpToolResult get =
        RunSnmpTool("snmpget", {"-Oqv", "-v2c", "-c", "public", sim.Address(), "1.3.6.1.2.1.1.5.0",
                                "1.3.6.1.4.1.47893.12.12.2.1.4.2", UnitEntry + ".9.15"});
    EXPECT_EQ(get.lines(), (QStringList{"\"lab switch\"", "1514", "\"QG2312\""}));
}

TEST(SimSwitchDataTest, BadScenarioFilesStopTheStartWithTheirLine)
{
    const std::pair<const char *, const char *> cases[] = {
        {"unit 1 QG2312 NOSUCH\n", "bad.scenario:1: unknown module: NOSUCH"},
        {"unit 1 QL2448\nset 1.3.6.1.2.1.1.5.0 5\n", "bad.scenario:2: bad octets value for sysName: 5"},
        {"include nowhere\n", "no scenario nowhere"},
    };
    for (const auto &[text, message] : cases) {
        SCOPED_TRACE(text);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.scenario");
        ASSERT_TRUE(WriteFile(path, text));
        QgSimProcess sim({"--scenario", path});
        EXPECT_FALSE(sim.Start());
        EXPECT_EQ(sim.Stop(), 1);
        EXPECT_TRUE(sim.StandardError().contains(message)) << sim.StandardError().toStdString();
    }
}

TEST(SimSwitchDataTest, HelpDocumentsEveryOption)
{
    QProcess process;
    process.start(QG_BIN_DIR "/qgsim", {"--help"});
    ASSERT_TRUE(process.waitForFinished(10000));
    QString help = QString::fromUtf8(process.readAllStandardOutput());
    for (const char *option : {"--listen", "--state", "--scenario", "--read-community", "--write-community",
                               "--user", "--seed", "--static-leds", "--led-interval-ms", "--fdb-rows",
                               "--drop-every", "--delay-ms", "--stuck-walk", "--print-catalogue-data"})
        EXPECT_TRUE(help.contains(option)) << option;
    EXPECT_EQ(process.exitCode(), 0);
}

TEST(SimSwitchDataTest, StopsOnSigtermAndKeepsItsStateInItsOwnDirectory)
{
    QTemporaryDir state;
    QgSimProcess sim({"--state", state.path()});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    EXPECT_TRUE(QFile::exists(state.filePath("agent.conf")));
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_TRUE(sim.StandardError().isEmpty()) << sim.StandardError().toStdString();
}

// Tables with a row for every port of the switch, by the column walked; the
// first part of each row's index is a port number.
struct PerPortTable
{
    const char *name;
    const char *column;
};
constexpr PerPortTable PerPortTables[] = {
    {"swPortCtrlEntry", "1.3.6.1.4.1.47893.11.55.2.2.3.2.1.1"},
    {"ifXEntry", "1.3.6.1.2.1.31.1.1.1.1"},
    {"dot1dBasePortEntry", "1.3.6.1.2.1.17.1.4.1.1"},
    {"dot1dStpPortEntry", "1.3.6.1.2.1.17.2.15.1.1"},
    {"dot1dTpPortEntry", "1.3.6.1.2.1.17.4.4.1.1"},
    {"dot1dPortCapabilitiesEntry", "1.3.6.1.2.1.17.6.1.1.4.1.1"},
    {"dot1dPortPriorityEntry", "1.3.6.1.2.1.17.6.1.2.1.1.1"},
    {"dot1dUserPriorityRegenEntry", "1.3.6.1.2.1.17.6.1.2.2.1.2"},
    {"dot1dPortGarpEntry", "1.3.6.1.2.1.17.6.1.3.1.1.1"},
    {"dot1qPortVlanEntry", "1.3.6.1.2.1.17.7.1.4.5.1.1"},
    {"dot3StatsEntry", "1.3.6.1.2.1.10.7.2.1.1"},
    {"dot1xAuthConfigEntry", "1.0.8802.1.1.1.1.2.1.1.1"},
    {"dot1xAuthSessionStatsEntry", "1.0.8802.1.1.1.1.2.4.1.5"},
    {"swBandwidthCtrlEntry", "1.3.6.1.4.1.47893.11.55.2.2.6.1.1.2"},
    {"swL2PortSecurityEntry", "1.3.6.1.4.1.47893.11.55.2.2.7.1.1.2"},
    {"swL2TrunkLACPPortEntry", "1.3.6.1.4.1.47893.11.55.2.2.9.5.1.2"},
    {"swL2TrafficSegEntry", "1.3.6.1.4.1.47893.11.55.2.2.14.1.1.1"},
    {"swMSTPPortEntry", "1.3.6.1.4.1.47893.12.15.2.4.1.2"},
    {"swMSTPMstPortEntry", "1.3.6.1.4.1.47893.12.15.2.5.1.3"},
};

// The port numbers a column's rows are at (the first part of each index).
std::set<QString> PortsOf(const QgSimProcess &sim, const QString &column)
{
    std::set<QString> ports;
    for (const auto &[index, value] : WalkColumn(sim, column))
        ports.insert(index.section('.', 0, 0));
    return ports;
}

TEST(SimSwitchDataTest, PerPortTablesHaveOneRowForEveryPortOfTheScenario)
{
    const std::pair<const char *, std::size_t> scenarios[] = {{"stack", 88}, {"single", 12}};
    for (const auto &[scenario, portCount] : scenarios) {
        SCOPED_TRACE(scenario);
        QgSimProcess sim({"--scenario", scenario, "--static-leds"});
        ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
        const std::set<QString> ports = PortsOf(sim, PortInfoEntry + ".1");
        ASSERT_EQ(ports.size(), portCount);
        EXPECT_EQ(PortsOf(sim, "1.3.6.1.2.1.2.2.1.1"), ports) << "ifTable";
        for (const PerPortTable &table : PerPortTables)
            EXPECT_EQ(PortsOf(sim, table.column), ports) << table.name;
        const QString count = QString::number(portCount);
        EXPECT_EQ(GetValue(sim, "1.3.6.1.2.1.17.1.2.0"), count) << "dot1dBaseNumPorts";
        EXPECT_EQ(GetValue(sim, "1.3.6.1.2.1.2.1.0"), count) << "ifNumber";
        EXPECT_EQ(GetValue(sim, "1.3.6.1.4.1.47893.11.55.2.2.1.1.1.0"), count) << "Total Number Of Port";
    }
}

// The bridge port table points at interfaces that exist, and the bridge's
// other tables name bridge ports, VLANs and ports that exist.
TEST(SimSwitchDataTest, BridgeTablesPointAtInterfacesPortsAndVlansThatExist)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    const auto ifIndexes = WalkColumn(sim, "1.3.6.1.2.1.2.2.1.1");
    const auto bridgePorts = WalkColumn(sim, "1.3.6.1.2.1.17.1.4.1.2");
    EXPECT_EQ(bridgePorts.size(), 88u);
    EXPECT_EQ(WalkColumn(sim, "1.3.6.1.2.1.17.2.15.1.1").size(), 88u) << "dot1dStpPortTable";
    for (const auto &[port, ifIndex] : bridgePorts)
        EXPECT_TRUE(ifIndexes.count(ifIndex))
            << "dot1dBasePortIfIndex." << port.toStdString() << " = " << ifIndex.toStdString();
    const auto vlans = WalkColumn(sim, VlanStaticEntry + ".5");
    for (const QString column : {"1.3.6.1.2.1.17.4.3.1.2", "1.3.6.1.2.1.17.7.1.2.2.1.2"})
        for (const auto &[station, port] : WalkColumn(sim, column))
            EXPECT_TRUE(bridgePorts.count(port)) << column.toStdString() << "." << station.toStdString();
    for (const auto &[station, port] : WalkColumn(sim, "1.3.6.1.2.1.17.7.1.2.2.1.2"))
        EXPECT_TRUE(vlans.count(station.section('.', 0, 0))) << "FDB id of " << station.toStdString();
    const QString trunkMaster = GetValue(sim, "1.3.6.1.4.1.47893.11.55.2.2.9.3.1.3.1");
    EXPECT_TRUE(bridgePorts.count(trunkMaster)) << "trunk master port " << trunkMaster.toStdString();
}

// "2026-12-11,9:05:13.0", the clock's form.
QDateTime ClockTime(const QString &text)
{
    return QDateTime::fromString(text, "yyyy-M-d,h:mm:ss.z");
}

TEST(SimSwitchDataTest, TheClockAdvancesAgreesWithTheUptimeAndASetMovesIt)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    const QString CurrentClock = "1.3.6.1.4.1.47893.12.10.2.0",
                  CurrentTime = "1.3.6.1.4.1.47893.12.10.10.1.0", UpTime = "1.3.6.1.4.1.47893.12.10.10.2.0",
                  BootTime = "1.3.6.1.4.1.47893.12.10.10.3.0";
    const QDateTime first = ClockTime(GetValue(sim, CurrentTime));
    ASSERT_TRUE(first.isValid()) << GetValue(sim, CurrentTime).toStdString();
    QDateTime later;
    EXPECT_TRUE(WaitUntil(
        [&] {
            later = ClockTime(GetValue(sim, CurrentTime));
            return later > first;
        },
        5000))
        << "System Time's Current Time stands still";
    EXPECT_LE(first.secsTo(later), 5);

    // The boot time is the clock less the uptime that sysUpTime counts.
    const QStringList times = RunSnmpTool("snmpget", {"-Oqvt", "-v2c", "-c", "public", sim.Address(),
                                                      "1.3.6.1.2.1.1.3.0", CurrentTime, BootTime, UpTime})
                                  .lines();
    ASSERT_EQ(times.size(), 4);
    const qint64 uptimeSeconds = times[0].toLongLong() / 100;
    const qint64 sinceBoot = ClockTime(times[2].mid(1, times[2].size() - 2))
                                 .secsTo(ClockTime(times[1].mid(1, times[1].size() - 2)));
    EXPECT_NEAR(double(sinceBoot), double(uptimeSeconds), 1.0);
    EXPECT_TRUE(
        times[3].startsWith(QString("\"0 days, 00:00:%1").arg(uptimeSeconds % 60, 2, 10, QChar('0'))) ||
        times[3].startsWith("\"0 days, 00:0"))
        << times[3].toStdString();

    // Setting the clock moves Current Time and the boot time with it; a text
    // that is no date and time is refused and changes nothing.
    EXPECT_FALSE(Set(sim, {CurrentClock, "s", "1999-12-31,23:59:58.0"}).contains("Error"));
    const QDateTime set = ClockTime(GetValue(sim, CurrentTime));
    EXPECT_GE(set, ClockTime("1999-12-31,23:59:58.0"));
    EXPECT_LE(set, ClockTime("2000-1-1,0:00:03.0"));
    EXPECT_LT(ClockTime(GetValue(sim, BootTime)), ClockTime("1999-12-31,23:59:58.0"));
    for (const QString bad : {"1999-2-30,1:00:00.0", "yesterday", "2000-1-1,25:00:00.0", ""})
        EXPECT_TRUE(Set(sim, {CurrentClock, "s", bad}).contains("wrongValue")) << bad.toStdString();
    EXPECT_LE(ClockTime(GetValue(sim, CurrentTime)), ClockTime("2000-1-1,0:00:05.0"));
}

TEST(SimSwitchDataTest, TheSwitchNameShowsInItsSingleIpGroup)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    // The group row at the bridge address 02:4B:54:00:01:00.
    const QString DeviceName = "1.3.6.1.4.1.47893.12.8.1.5.1.3.2.75.84.0.1.0", SysName = "1.3.6.1.2.1.1.5.0";
    EXPECT_EQ(GetValue(sim, DeviceName), GetValue(sim, SysName));
    EXPECT_FALSE(Set(sim, {SysName, "s", "edge-7"}).contains("Error"));
    EXPECT_EQ(GetValue(sim, DeviceName), "edge-7");
}

// Disabling a port (in the port settings or the interface table) takes its
// link down, and the other administrative state follows.
TEST(SimSwitchDataTest, DisablingAPortTakesItsLinkDown)
{
    QgSimProcess sim({"--static-leds", "--seed", "7"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    const QString CtrlAdmin = "1.3.6.1.4.1.47893.11.55.2.2.3.2.1.3.", IfAdmin = "1.3.6.1.2.1.2.2.1.7.",
                  IfOper = "1.3.6.1.2.1.2.2.1.8.", LinkStatus = PortInfoEntry + ".4.";
    QString linked;
    for (const auto &[port, status] : WalkColumn(sim, IfOper.chopped(1)))
        if (status == "1" && linked.isEmpty())
            linked = port;
    ASSERT_FALSE(linked.isEmpty()) << "no port has a link";

    EXPECT_FALSE(Set(sim, {CtrlAdmin + linked, "i", "2"}).contains("Error"));
    EXPECT_EQ(GetValue(sim, IfAdmin + linked), "2");
    EXPECT_EQ(GetValue(sim, IfOper + linked), "2");
    EXPECT_EQ(GetValue(sim, LinkStatus + linked), "3") << "link-fail";

    EXPECT_FALSE(Set(sim, {IfAdmin + linked, "i", "1"}).contains("Error"));
    EXPECT_EQ(GetValue(sim, CtrlAdmin + linked), "3");
    EXPECT_EQ(GetValue(sim, IfOper + linked), "1") << "the link comes back";
    EXPECT_FALSE(Set(sim, {IfAdmin + linked, "i", "2"}).contains("Error"));
    EXPECT_EQ(GetValue(sim, CtrlAdmin + linked), "2");
    EXPECT_EQ(GetValue(sim, IfOper + linked), "2");
}

} // namespace
