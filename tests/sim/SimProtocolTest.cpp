// qgsim speaks SNMP as net-snmp's own tools expect: every version and user,
// RFC 3416 errors and their SNMPv1 forms, row creation, atomic sets and the
// injected faults.

#include "QgSimProcess.h"
#include "SnmpTool.h"

#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString SysDescr = "1.3.6.1.2.1.1.1.0";
const QString SysContact = "1.3.6.1.2.1.1.4.0";
const QString SysName = "1.3.6.1.2.1.1.5.0";
const QString UnitModel = "1.3.6.1.4.1.47893.12.11.1.9.4.1.9";
const QString StpVersion = "1.3.6.1.4.1.47893.12.15.1.2.0";
const QString SyslogEntry = "1.3.6.1.4.1.47893.12.12.2.1";
const QString IfXEntry = "1.3.6.1.2.1.31.1.1.1";

class SimProtocolTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        sim = new QgSimProcess({"--static-leds"});
        ASSERT_TRUE(sim->Start()) << sim->StandardError().toStdString();
    }
    static void TearDownTestSuite()
    {
        EXPECT_EQ(sim->Stop(), 0) << sim->StandardError().toStdString();
        delete sim;
        sim = nullptr;
    }

    static QStringList V2cRead() { return {"-v2c", "-c", "public"}; }
    static QStringList V2cWrite() { return {"-v2c", "-c", "private"}; }
    static QStringList V1Write() { return {"-v1", "-c", "private"}; }

    static SnmpToolResult Tool(const QString &tool, const QStringList &credential, const QStringList &oids)
    {
        return RunSnmpTool(tool, QStringList{"-t", "2", "-r", "1"} + credential +
                                     QStringList{sim->Address()} + oids);
    }
    static SnmpToolResult Get(const QStringList &credential, const QStringList &oids)
    {
        return RunSnmpTool("snmpget", QStringList{"-Oqv", "-t", "2", "-r", "1"} + credential +
                                          QStringList{sim->Address()} + oids);
    }
    static SnmpToolResult Set(const QStringList &credential, const QStringList &bindings)
    {
        return RunSnmpTool("snmpset", QStringList{"-t", "2", "-r", "1"} + credential +
                                          QStringList{sim->Address()} + bindings);
    }
    static SnmpToolResult Walk(const QStringList &credential, const QString &oid)
    {
        return RunSnmpTool("snmpwalk", QStringList{"-Oqn", "-t", "2", "-r", "1"} + credential +
                                           QStringList{sim->Address(), oid});
    }
    static QString Value(const QString &oid) { return Get(V2cRead(), {oid}).out.trimmed(); }

    static QgSimProcess *sim;
};

QgSimProcess *SimProtocolTest::sim = nullptr;

TEST_F(SimProtocolTest, EveryVersionAndUserGetsWalksTablesAndSets)
{
    for (const SnmpCredential &credential : SimCredentials()) {
        SCOPED_TRACE(credential.name);
        SnmpToolResult get = Get(credential.read, {UnitModel + ".1", StpVersion});
        ASSERT_TRUE(get.ok()) << get.err.toStdString();
        EXPECT_EQ(get.lines(), (QStringList{"\"QG2312\"", "1"}));

        SnmpToolResult walk = Walk(credential.read, UnitModel);
        EXPECT_EQ(walk.lines().size(), 3) << walk.out.toStdString();

        SnmpToolResult table = RunSnmpTool(
            "snmptable",
            QStringList{"-M", QG_SOURCE_DIR "/bench/mibs", "-m", "QG-FDB-MIB", "-Cf", ",", "-CH", "-CB"} +
                credential.read + QStringList{sim->Address(), "QG-FDB-MIB::dot1qTpFdbTable"});
        EXPECT_TRUE(table.ok()) << table.err.toStdString();
        EXPECT_EQ(table.lines().size(), 50) << table.out.toStdString();

        QString contact = QString("admin via ") + credential.name;
        SnmpToolResult set = Set(credential.write, {SysContact, "s", contact});
        EXPECT_TRUE(set.ok()) << set.err.toStdString();
        EXPECT_EQ(Value(SysContact), '"' + contact + '"');
    }
}

TEST_F(SimProtocolTest, ReadCommunityCannotWrite)
{
    SnmpToolResult set = Set(V2cRead(), {SysName, "s", "intruder"});
    EXPECT_FALSE(set.ok());
    EXPECT_TRUE(set.err.contains("noAccess")) << set.err.toStdString();
    EXPECT_EQ(Value(SysName), "\"bldg-a-core\"");
}

// A set the agent must refuse, and how it reports it in SNMPv2c and SNMPv1.
struct RefusedSet
{
    const char *what;
    QStringList binding;
    const char *v2cError;
    const char *v1Error;
};

TEST_F(SimProtocolTest, RefusedSetsReportRfc3416ErrorsAndTheirV1FormsAndChangeNothing)
{
    const RefusedSet cases[] = {
        {"read-only object", {SysDescr, "s", "renamed"}, "notWritable", "noSuchName"},
        {"wrong type", {SysName, "i", "5"}, "wrongType", "badValue"},
        {"value outside the enumeration", {StpVersion, "i", "7"}, "wrongValue", "badValue"},
        {"wrong length", {"1.3.6.1.4.1.47893.12.10.12.3.0", "x", "0102"}, "wrongLength", "badValue"},
        {"column of a missing row", {SyslogEntry + ".4.2", "i", "1514"}, "noCreation", "noSuchName"},
        {"index outside the table's range", {SyslogEntry + ".7.9", "i", "4"}, "noCreation", "noSuchName"},
        {"unknown object", {"1.3.6.1.4.1.47893.99.0", "i", "1"}, "notWritable", "noSuchName"},
        {"not-accessible index", {SyslogEntry + ".1.1", "i", "1"}, "noAccess", "noSuchName"},
        {"createAndGo on an existing row", {SyslogEntry + ".7.1", "i", "4"}, "inconsistentValue", "badValue"},
        {"notReady is never set", {SyslogEntry + ".7.1", "i", "3"}, "wrongValue", "badValue"},
    };
    const QString before = Walk(V2cRead(), "1.3.6.1").out;
    for (const RefusedSet &refused : cases) {
        SCOPED_TRACE(refused.what);
        SnmpToolResult v2c = Set(V2cWrite(), refused.binding);
        EXPECT_FALSE(v2c.ok());
        EXPECT_TRUE(v2c.err.contains(refused.v2cError)) << v2c.err.toStdString();
        SnmpToolResult v1 = Set(V1Write(), refused.binding);
        EXPECT_FALSE(v1.ok());
        EXPECT_TRUE(v1.err.contains(refused.v1Error)) << v1.err.toStdString();
    }
    // Nothing but the clocks (sysUpTime, the switch's time texts) and the
    // agent's own counters moved.
    auto stable = [](const QString &walk) {
        QStringList lines;
        for (const QString &line : walk.split('\n'))
            if (!line.startsWith(".1.3.6.1.2.1.1.3.0") && !line.startsWith(".1.3.6.1.2.1.11.") &&
                !line.startsWith(".1.3.6.1.6.3.10.2.1.3") &&
                !line.startsWith(".1.3.6.1.4.1.47893.12.10.2.0") &&
                !line.startsWith(".1.3.6.1.4.1.47893.12.10.10.1.0") &&
                !line.startsWith(".1.3.6.1.4.1.47893.12.10.10.2.0"))
                lines << line;
        return lines;
    };
    EXPECT_EQ(stable(Walk(V2cRead(), "1.3.6.1").out), stable(before));
}

TEST_F(SimProtocolTest, SyslogRowsAreCreatedAndDestroyedThroughTheirRowStatus)
{
    const QString status = SyslogEntry + ".7";
    ASSERT_TRUE(Set(V2cWrite(), {SyslogEntry + ".5.3", "a", "127.0.0.9", status + ".3", "i", "4"}).ok());
    EXPECT_EQ(Walk(V2cRead(), status).lines(), (QStringList{"." + status + ".1 1", "." + status + ".3 1"}));
    EXPECT_EQ(Value(SyslogEntry + ".5.3"), "127.0.0.9");
    EXPECT_EQ(Value(SyslogEntry + ".4.3"), "514"); // columns not given take their defaults

    ASSERT_TRUE(Set(V1Write(), {status + ".3", "i", "6"}).ok());
    EXPECT_EQ(Walk(V2cRead(), SyslogEntry).out.count("." + SyslogEntry + "."), 6);

    // createAndWait leaves the row notInService until it is made active.
    ASSERT_TRUE(Set(V2cWrite(), {status + ".4", "i", "5"}).ok());
    EXPECT_EQ(Value(status + ".4"), "2");
    ASSERT_TRUE(Set(V2cWrite(), {status + ".4", "i", "1"}).ok());
    EXPECT_EQ(Value(status + ".4"), "1");
    ASSERT_TRUE(Set(V2cWrite(), {status + ".4", "i", "6"}).ok());
    // Destroying a row that is not there is no error.
    EXPECT_TRUE(Set(V2cWrite(), {status + ".4", "i", "6"}).ok());
    EXPECT_EQ(Walk(V2cRead(), status).lines().size(), 1);
}

TEST_F(SimProtocolTest, OneFailingBindingMakesTheWholeSetFail)
{
    SnmpToolResult set =
        Set(V2cWrite(), {SysName, "s", "half-done", SyslogEntry + ".7.2", "i", "4", StpVersion, "i", "9"});
    EXPECT_TRUE(set.err.contains("wrongValue")) << set.err.toStdString();
    EXPECT_EQ(Value(SysName), "\"bldg-a-core\"");
    EXPECT_TRUE(Get(V2cRead(), {SyslogEntry + ".7.2"}).out.contains("No Such Instance"));
}

TEST_F(SimProtocolTest, Counter64ColumnsExistOnlyForSnmpV2cAndV3)
{
    SnmpToolResult v2c = Walk(V2cRead(), IfXEntry);
    SnmpToolResult v1 = Walk({"-v1", "-c", "public"}, IfXEntry);
    ASSERT_TRUE(v2c.ok() && v1.ok());
    int ports = v2c.out.count("." + IfXEntry + ".1.");
    EXPECT_EQ(ports, 12 + 26 + 50);
    EXPECT_EQ(v2c.lines().size(), 19 * ports);
    EXPECT_EQ(v1.lines().size(), 11 * ports); // columns 6 to 13 are Counter64
    EXPECT_FALSE(v1.out.contains("." + IfXEntry + ".6."));
    SnmpToolResult v1Get = Get({"-v1", "-c", "public"}, {IfXEntry + ".6.51"});
    EXPECT_TRUE(v1Get.err.contains("noSuchName")) << v1Get.err.toStdString();
}

TEST_F(SimProtocolTest, GetNextPastTheLastObjectEndsTheView)
{
    SnmpToolResult v2c = Tool("snmpgetnext", V2cRead(), {"1.3.6.1.6.3.99"});
    EXPECT_TRUE(v2c.out.contains("No more variables left")) << v2c.out.toStdString();
    SnmpToolResult v1 = Tool("snmpgetnext", {"-v1", "-c", "public"}, {"1.3.6.1.6.3.99"});
    EXPECT_TRUE(v1.err.contains("noSuchName")) << v1.err.toStdString();
    EXPECT_TRUE(v1.err.contains("iso.3.6.1.6.3.99")) << "the request's own OID comes back";
}

TEST_F(SimProtocolTest, FrameworkMibsOfTheAgentLibraryAreServed)
{
    const auto users = std::count_if(SimCredentials().begin(), SimCredentials().end(),
                                     [](const SnmpCredential &c) { return c.read.first() == "-v3"; });
    EXPECT_EQ(Walk({"-v3", "-l", "noAuthNoPriv", "-u", "noauth"}, "1.3.6.1.6.3.15.1.2.2.1.3").lines().size(),
              users);                                                      // every default user
    EXPECT_FALSE(Walk(V2cRead(), "1.3.6.1.6.3.16.1.2").lines().isEmpty()); // VACM groups
    EXPECT_TRUE(Get(V2cRead(), {"1.3.6.1.6.3.10.2.1.1.0"}).ok());          // snmpEngineID
    EXPECT_TRUE(Get(V2cRead(), {"1.3.6.1.6.3.12.1.1.0"}).ok());            // snmpTargetSpinLock
}

// ---- injected faults, each on a simulator of its own ----

SnmpToolResult QuickGet(const QgSimProcess &sim, const QString &timeout)
{
    return RunSnmpTool("snmpget", {"-v2c", "-c", "public", "-r", "0", "-t", timeout, sim.Address(), SysName});
}

TEST(SimFaultTest, DropEveryNthRequestLeavesThoseUnanswered)
{
    QgSimProcess sim({"--drop-every", "3"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    QList<bool> answered;
    for (int i = 0; i < 6; ++i)
        answered << QuickGet(sim, "0.5").ok();
    EXPECT_EQ(answered, (QList<bool>{true, true, false, true, true, false}));
}

TEST(SimFaultTest, DelayedAnswersArriveLate)
{
    QgSimProcess sim({"--delay-ms", "400"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    EXPECT_FALSE(QuickGet(sim, "0.1").ok());
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(QuickGet(sim, "3").ok());
    EXPECT_GE(timer.elapsed(), 400);
}

// The first read is held back; SIGUSR1 answers it at once, and no read is
// held again until the next SET.
TEST(SimFaultTest, HeldFirstReadIsAnsweredOnRelease)
{
    QgSimProcess sim({"--static-leds", "--delay-first-read-ms", "60000"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    EXPECT_FALSE(QuickGet(sim, "0.3").ok());
    QProcess waiting;
    QElapsedTimer timer;
    timer.start();
    waiting.start("snmpget", {"-v2c", "-c", "public", "-r", "0", "-t", "30", sim.Address(), SysName});
    ASSERT_TRUE(waiting.waitForStarted());
    sim.ReleaseHeldReads();
    ASSERT_TRUE(waiting.waitForFinished(40000));
    EXPECT_EQ(waiting.exitCode(), 0) << waiting.readAllStandardError().toStdString();
    EXPECT_LT(timer.elapsed(), 20000);
    EXPECT_TRUE(QuickGet(sim, "3").ok());
    ASSERT_TRUE(sim.WaitForSets());
    EXPECT_FALSE(QuickGet(sim, "0.3").ok());
}

TEST(SimFaultTest, StuckWalkAnswersGetNextWithTheRequestedOid)
{
    const QString fdb = "1.3.6.1.2.1.17.7.1.2.2";
    QgSimProcess sim({"--stuck-walk", fdb});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    SnmpToolResult stuck = RunSnmpTool(
        "snmpgetnext", {"-On", "-v2c", "-c", "public", sim.Address(), fdb + ".1.2.1.0.27.33.0.0.3"});
    EXPECT_TRUE(stuck.out.startsWith("." + fdb + ".1.2.1.0.27.33.0.0.3 =")) << stuck.out.toStdString();
    SnmpToolResult walk = RunSnmpTool("snmpwalk", {"-On", "-v2c", "-c", "public", sim.Address(), fdb});
    EXPECT_TRUE(walk.err.contains("OID not increasing")) << walk.err.toStdString();
    SnmpToolResult elsewhere =
        RunSnmpTool("snmpgetnext", {"-On", "-v2c", "-c", "public", sim.Address(), "1.3.6.1.2.1.1.5"});
    EXPECT_TRUE(elsewhere.out.startsWith(".1.3.6.1.2.1.1.5.0 =")) << elsewhere.out.toStdString();
}

TEST(SimFaultTest, CommunitiesAndExtraUsersFollowTheOptions)
{
    QgSimProcess sim(
        {"--read-community", "r3ader", "--write-community", "wr1ter", "--user", "bob:SHA:bobpassword"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    auto get = [&](const QStringList &credential) {
        return RunSnmpTool("snmpget", QStringList{"-t", "1", "-r", "0"} + credential +
                                          QStringList{sim.Address(), SysName});
    };
    EXPECT_TRUE(get({"-v2c", "-c", "r3ader"}).ok());
    EXPECT_FALSE(get({"-v2c", "-c", "public"}).ok());
    EXPECT_TRUE(get({"-v3", "-l", "authNoPriv", "-u", "bob", "-a", "SHA", "-A", "bobpassword"}).ok());
    EXPECT_TRUE(RunSnmpTool("snmpset", {"-v1", "-c", "wr1ter", sim.Address(), SysName, "s", "renamed"}).ok());
}

} // namespace

// ---- the set log ----

TEST(SimSetLogTest, EverySetPduIsLoggedWithItsBindingsCredentialsAndOutcome)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    auto set = [&sim](const QStringList &credential, const QStringList &bindings) {
        return RunSnmpTool("snmpset", QStringList{"-t", "2", "-r", "0"} + credential +
                                          QStringList{sim.Address()} + bindings);
    };
    EXPECT_TRUE(RunSnmpTool("snmpget", {"-v2c", "-c", "public", sim.Address(), SysName}).ok());
    EXPECT_TRUE(sim.Sets().Read().empty()) << "a get is no set";

    EXPECT_TRUE(set({"-v2c", "-c", "private"}, {SysName, "s", "a\"b", SyslogEntry + ".5.3", "a", "127.0.0.9",
                                                SyslogEntry + ".7.3", "i", "4"})
                    .ok());
    EXPECT_FALSE(set({"-v1", "-c", "private"}, {StpVersion, "i", "7"}).ok());
    EXPECT_TRUE(set({"-v3", "-l", "authNoPriv", "-u", "md5user", "-a", "MD5", "-A", "md5password"},
                    {SysContact, "x", "00FF"})
                    .ok());

    const std::vector<QgSetPdu> pdus = sim.Sets().Read();
    ASSERT_EQ(pdus.size(), 3u) << sim.Sets().Describe().toStdString();
    EXPECT_EQ(pdus[0].Version, "2c");
    EXPECT_EQ(pdus[0].Community, "private");
    EXPECT_EQ(pdus[0].Error, "noError");
    EXPECT_EQ(pdus[0].Texts(),
              (QStringList{SysName + "=octets:612262", SyslogEntry + ".5.3=ipaddress:127.0.0.9",
                           SyslogEntry + ".7.3=integer:4"}));
    EXPECT_FALSE(pdus[0].Time.isEmpty());
    EXPECT_EQ(pdus[1].Version, "1");
    EXPECT_EQ(pdus[1].Error, "badValue");
    EXPECT_EQ(pdus[1].ErrorIndex, 1);
    EXPECT_EQ(pdus[1].Texts(), QStringList{StpVersion + "=integer:7"});
    EXPECT_EQ(pdus[2].Version, "3");
    EXPECT_EQ(pdus[2].User, "md5user");
    EXPECT_TRUE(pdus[2].Community.isEmpty());
    EXPECT_EQ(pdus[2].Texts(), QStringList{SysContact + "=octets:00FF"});
}

TEST(SimSetLogTest, DroppedAndDelayedSetsAreLoggedToo)
{
    QgSimProcess dropping({"--static-leds", "--drop-every", "1"});
    ASSERT_TRUE(dropping.Start()) << dropping.StandardError().toStdString();
    EXPECT_FALSE(RunSnmpTool("snmpset", {"-v2c", "-c", "private", "-t", "0.3", "-r", "0", dropping.Address(),
                                         SysName, "s", "lost"})
                     .ok());
    const std::vector<QgSetPdu> dropped = dropping.Sets().Read();
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0].Error, "dropped");
    EXPECT_EQ(dropped[0].Texts(), QStringList{SysName + "=octets:6C6F7374"});

    QgSimProcess slow({"--static-leds", "--delay-ms", "300"});
    ASSERT_TRUE(slow.Start()) << slow.StandardError().toStdString();
    EXPECT_TRUE(RunSnmpTool("snmpset", {"-v2c", "-c", "private", "-t", "3", "-r", "0", slow.Address(),
                                        SysName, "s", "late"})
                    .ok());
    const std::vector<QgSetPdu> late = slow.Sets().Read();
    ASSERT_EQ(late.size(), 1u);
    EXPECT_EQ(late[0].Error, "noError");
}
