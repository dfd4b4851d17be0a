// The switch qgsim serves: units and models per scenario, the port table the
// module's slot detection reads, LED octets in the module's colour values,
// VLAN and forwarding tables, scenario files and the process contract.

#include "QgSimProcess.h"
#include "QgWait.h"
#include "SnmpTool.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

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
    QFile file(dir.filePath("lab.scenario"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("include single\n"
               "set 1.3.6.1.2.1.1.5.0 \"lab switch\"\n"
               "row swSysLogServerEntry 2 swSysLogServerUDPPort=1514 swSysLogServerIPAddress=127.0.0.2\n");
    file.close();
    QgSimProcess sim({"--scenario", file.fileName(), "--static-leds"});
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
        QFile file(dir.filePath("bad.scenario"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        QgSimProcess sim({"--scenario", file.fileName()});
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

} // namespace
