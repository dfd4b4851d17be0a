// The request engine against the switch simulator over real UDP.
#include "KtSNMPRequest.h"
#include "KtException.h"
#include "QgSimProcess.h"
#include "QgSimSuite.h"
#include "QgWait.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QRegularExpression>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <memory>

namespace {

// qgsim with frozen LEDs on `port` of 127.0.0.1 (a free one for 0),
// started; a simulator that did not come up has port 0.
std::unique_ptr<QgSimProcess> Simulator(const QStringList &options, quint16 port = 0)
{
    auto sim = std::make_unique<QgSimProcess>(
        QStringList{"--listen", QStringLiteral("127.0.0.1:%1").arg(port), "--static-leds"} + options);
    sim->Start();
    return sim;
}

// Relays datagrams between the module and the simulator and notes the PDU
// type of every SNMPv1/v2c request: the tag after the message's version and
// community.
class PduTypeRecorder
{
public:
    explicit PduTypeRecorder(quint16 agentPort) : agentPort_(agentPort)
    {
        front_.bind(QHostAddress::LocalHost, 0);
        back_.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&front_, &QUdpSocket::readyRead, [this] { FromModule(); });
        QObject::connect(&back_, &QUdpSocket::readyRead, [this] { FromAgent(); });
    }
    quint16 Port() const { return front_.localPort(); }

    QList<int> Types;
    static constexpr int GetNext = 0xa1;
    static constexpr int GetBulk = 0xa5;

private:
    void FromModule()
    {
        while (front_.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = front_.receiveDatagram();
            module_ = datagram.senderAddress();
            modulePort_ = quint16(datagram.senderPort());
            Types << TypeOf(datagram.data());
            back_.writeDatagram(datagram.data(), QHostAddress::LocalHost, agentPort_);
        }
    }
    void FromAgent()
    {
        while (back_.hasPendingDatagrams())
            front_.writeDatagram(back_.receiveDatagram().data(), module_, modulePort_);
    }
    // Moves `at` past one tag and length; returns the content length.
    static int SkipHeader(const QByteArray &data, int &at)
    {
        at += 1;
        int length = quint8(data.at(at++));
        if (length & 0x80) {
            const int octets = length & 0x7f;
            length = 0;
            for (int k = 0; k < octets; ++k)
                length = length * 256 + quint8(data.at(at++));
        }
        return length;
    }
    static int TypeOf(const QByteArray &message)
    {
        int at = 0;
        SkipHeader(message, at);       // the message
        at += SkipHeader(message, at); // version
        at += SkipHeader(message, at); // community
        return at < message.size() ? quint8(message.at(at)) : -1;
    }

    quint16 agentPort_;
    QUdpSocket front_;
    QUdpSocket back_;
    QHostAddress module_;
    quint16 modulePort_ = 0;
};

const KtSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.1.5", "sysName", SyntaxDisplayString, AccessReadWrite},
    {},
};

const KtSNMPVarDef kFdb[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb Id", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FdbMacAddress", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "PortNumber", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", SyntaxInteger, AccessRead},
    {},
};

const KtSNMPVarDef kIfX[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.31.1.1.1.18", "ifAlias", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.2.1.31.1.1.1.1", "ifName", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.14", "ifLinkUpDownTrapEnable", SyntaxInteger, AccessReadWrite},
    {},
};

// Unit ids (1 to 3) beside port names (51 and up): the unit column ends first.
const KtSNMPVarDef kUnitsAndPorts[] = {
    {"1.3.6.1.2.1.2.2.1.1", "index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.3", "swUnitMgmtStartPort", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.1", "ifName", SyntaxDisplayString, AccessRead},
    {},
};

struct Step
{
    int code;
    bool finished;
    QStringList values;
};

class RequestTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { StartEngine(); }

    static std::unique_ptr<KtSNMPRequest> Request(quint16 port, const KtSNMPVarDef *table, KtListKind kind,
                                                  int indexCount, quint8 version = 1)
    {
        auto request = std::make_unique<KtSNMPRequest>();
        request->Device = {"127.0.0.1", port};
        request->Security.Version = version;
        request->Security.ReadCommunity = "public";
        request->Security.WriteCommunity = "private";
        request->Vars = KtSNMPVarList(table, kind, indexCount);
        return request;
    }

    static QStringList Values(const KtSNMPVarList &vars)
    {
        QStringList values;
        for (int i = 0; i < vars.Count(); ++i)
            values << vars.Get(i).Value;
        return values;
    }

    // Walks (or reads once) asynchronously the way a binding does and
    // returns every callback's outcome.
    static std::vector<Step> Run(KtSNMPRequest &request, int limit = 100)
    {
        std::vector<Step> steps;
        bool done = false;
        KtSNMPCallback callback = [&](void *, const KtSNMPError &error, KtSNMPVarList &vars) {
            steps.push_back({error.Code, error.Finished, Values(vars)});
            if (error.Code == 0 && !error.Finished && request.Enabled && int(steps.size()) < limit)
                request.ReadAsync(callback, nullptr, false);
            else
                done = true;
        };
        request.ReadAsync(callback, nullptr, true);
        WaitUntil([&] { return done; });
        return steps;
    }
};

TEST_F(RequestTest, ScalarsAndRowsAreReadWithOneGet)
{
    auto sim = Simulator({});
    auto scalars = Request(sim->Port(), kSystem, ListScalars, 0);
    EXPECT_FALSE(scalars->ReadSync(true));
    EXPECT_EQ(scalars->Vars.Get(0).Value, "Keltra QG2312 Gigabit Ethernet Switch, firmware 3.01-B23");
    EXPECT_EQ(scalars->Vars.Get(0).CurrentOid, "1.3.6.1.2.1.1.1.0");
    EXPECT_EQ(scalars->Vars.Get(1).CurrentOid, "1.3.6.1.2.1.1.5.0");

    auto row = Request(sim->Port(), kIfX, ListRow, 0);
    row->Vars.Instance = "53";
    const std::vector<Step> steps = Run(*row);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].code, 0);
    EXPECT_TRUE(steps[0].finished);
    EXPECT_EQ(row->Vars.Get(2).Value, "1/3");
    EXPECT_EQ(row->Vars.Get(2).CurrentOid, "1.3.6.1.2.1.31.1.1.1.1.53");
}

TEST_F(RequestTest, TableWalkDeliversEveryRowThenNotDone)
{
    auto sim = Simulator({"--fdb-rows", "3"});
    for (quint8 version : {0, 1}) {
        auto fdb = Request(sim->Port(), kFdb, ListTable, 2, version);
        const std::vector<Step> steps = Run(*fdb);
        ASSERT_EQ(steps.size(), 4u) << int(version);
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(steps[row].code, 0);
            EXPECT_FALSE(steps[row].finished);
            EXPECT_EQ(steps[row].values[0], "1");
            EXPECT_EQ(steps[row].values[2], QString::number(51 + row));
        }
        EXPECT_TRUE(steps[3].finished);
        EXPECT_EQ(steps[3].code, 0);
        EXPECT_EQ(steps[3].values[2], "(NOTDONE)");
        EXPECT_EQ(steps[3].values[3], "(NOTDONE)");
    }
}

TEST_F(RequestTest, VersionOneEndOfMibEndsTheWalkSuccessfully)
{
    auto sim = Simulator({});
    const KtSNMPVarDef lastColumn[] = {
        {"1.3.6.1.6.3.16.1.5.2.1.6", "vacmViewTreeFamilyStatus", SyntaxInteger, AccessRead},
        {},
    };
    auto request = Request(sim->Port(), lastColumn, ListTable, 0, 0);
    const std::vector<Step> steps = Run(*request);
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps.back().code, 0);
    EXPECT_TRUE(steps.back().finished);

    auto sync = Request(sim->Port(), lastColumn, ListTable, 0, 0);
    int rows = 0;
    for (bool more = sync->ReadSync(true); more; more = sync->ReadSync(false))
        ++rows;
    EXPECT_EQ(rows, int(steps.size()) - 1);
}

TEST_F(RequestTest, ColumnEndingEarlyShowsNotDoneWhileOthersGoOn)
{
    auto sim = Simulator({});
    auto request = Request(sim->Port(), kUnitsAndPorts, ListTable, 1);
    const std::vector<Step> steps = Run(*request, 6);
    ASSERT_GE(steps.size(), 5u);
    EXPECT_EQ(steps[0].values[1], "1"); // unit 1 starts at port 1
    EXPECT_EQ(steps[3].values[1], "(NOTDONE)");
    EXPECT_FALSE(steps[3].finished);
    EXPECT_FALSE(steps[3].values[2].startsWith("(")) << steps[3].values[2].toStdString();
}

TEST_F(RequestTest, ShortInstanceRaises514)
{
    auto sim = Simulator({});
    auto sync = Request(sim->Port(), kIfX, ListTable, 2);
    try {
        sync->ReadSync(true);
        FAIL();
    } catch (const KtException &error) {
        EXPECT_EQ(error.Code, -514);
    }
    // Asynchronously the error arrives as the outcome, and Pending falls.
    auto async = Request(sim->Port(), kIfX, ListTable, 2);
    const std::vector<Step> steps = Run(*async);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].code, -514);
    EXPECT_TRUE(steps[0].finished);
    EXPECT_EQ(async->Pending, 0);
}

TEST_F(RequestTest, SelectedWriteSendsTheSourceAndKeepsTheListAsItWas)
{
    auto sim = Simulator({});
    auto request = Request(sim->Port(), kIfX, ListTable, 1);
    request->Vars.Get(0).Value = "52";
    request->Vars.Get(1).Value = "old alias";
    request->Vars.Get(3).Value = "1";
    const QStringList source{"uplink", "2"};
    EXPECT_FALSE(request->WriteSync(false, "1,3", &source));
    EXPECT_EQ(Values(request->Vars), (QStringList{"52", "old alias", "", "1"}));
    EXPECT_EQ(request->Vars.Get(1).Access, int(AccessReadWrite)); // no skip mark left

    auto check = Request(sim->Port(), kIfX, ListRow, 0);
    check->Vars.Instance = "52";
    check->ReadSync(true);
    EXPECT_EQ(check->Vars.Get(1).Value, "uplink");
    EXPECT_EQ(check->Vars.Get(3).Value, "2");
}

TEST_F(RequestTest, FailedWriteRaisesTheAgentsError)
{
    auto sim = Simulator({});
    auto request = Request(sim->Port(), kSystem, ListScalars, 0);
    request->Vars.Get(0).Access = AccessReadWrite; // sysDescr is read-only on the agent
    request->Vars.Get(0).Value = "changed";
    try {
        request->WriteSync(false);
        FAIL();
    } catch (const KtException &error) {
        EXPECT_EQ(error.Code, -117); // notWritable
        EXPECT_EQ(error.Message, "(SNMP) Cannot create/set variable, Not Writable!");
    }
    EXPECT_EQ(request->Vars.Get(0).Value, "changed");
}

TEST_F(RequestTest, DroppedRequestsTimeOutAfterRetriesPlusOneTries)
{
    auto sim = Simulator({"--drop-every", "1"});
    auto request = Request(sim->Port(), kSystem, ListScalars, 0);
    request->TimeOut = 30;
    QElapsedTimer clock;
    clock.start();
    const std::vector<Step> steps = Run(*request);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].code, -405);
    EXPECT_GE(clock.elapsed(), 550);
    try {
        request->ReadSync(true);
        FAIL();
    } catch (const KtException &error) {
        EXPECT_EQ(error.Code, -405);
        EXPECT_EQ(error.Message, "(SNMPClass) SNMP request timed out!");
    }
}

TEST_F(RequestTest, DestructorWaitsForAnOutstandingRead)
{
    auto sim = Simulator({"--delay-ms", "300"});
    auto request = Request(sim->Port(), kSystem, ListScalars, 0);
    bool called = false;
    request->ReadAsync([&](void *, const KtSNMPError &, KtSNMPVarList &) { called = true; }, nullptr, true);
    EXPECT_EQ(request->Pending, 1);
    QElapsedTimer clock;
    clock.start();
    request.reset();
    EXPECT_TRUE(called);
    EXPECT_GE(clock.elapsed(), 200);
    EXPECT_LT(clock.elapsed(), 6000);
}

TEST_F(RequestTest, LateCompletionNeverReachesADestroyedRequest)
{
    auto sim = Simulator({"--delay-ms", "6400"});
    bool called = false;
    {
        auto request = Request(sim->Port(), kSystem, ListScalars, 0);
        request->TimeOut = 1000;
        request->ReadAsync([&](void *, const KtSNMPError &, KtSNMPVarList &) { called = true; }, nullptr,
                           true);
    } // gives up waiting after six seconds
    EXPECT_FALSE(called);
    QElapsedTimer clock;
    clock.start();
    WaitUntil([&] { return clock.elapsed() > 800; });
    EXPECT_FALSE(called); // the late answer was dropped, and touched nothing freed
}

TEST_F(RequestTest, StuckAgentDoesNotWalkForever)
{
    auto sim = Simulator({"--stuck-walk", "1.3.6.1.2.1.31.1.1.1.1"});
    auto request = Request(sim->Port(), kUnitsAndPorts, ListTable, 1);
    const std::vector<Step> steps = Run(*request, 1000);
    EXPECT_LT(steps.size(), 10u);
    EXPECT_TRUE(steps.back().finished);
}

TEST_F(RequestTest, UserBasedReads)
{
    auto sim = Simulator({});
    struct Case
    {
        QString user;
        qint32 level, auth, priv;
        QString authPass, privPass;
        int expected;
    };
    const Case cases[] = {
        {"md5user", 2, 2, 1, "md5password", "", 0},
        {"desuser", 3, 2, 2, "md5password", "despassword", 0},
        {"md5user", 2, 2, 1, "not the password", "", -308},
    };
    for (const Case &c : cases) {
        auto request = Request(sim->Port(), kSystem, ListScalars, 0, 3);
        request->Security.SecurityModel = 3;
        request->Security.SecurityName = c.user;
        request->Security.SecurityLevel = c.level;
        request->Security.AuthProtocol = c.auth;
        request->Security.PrivProtocol = c.priv;
        request->Security.AuthPassword = c.authPass;
        request->Security.PrivPassword = c.privPass;
        const std::vector<Step> steps = Run(*request);
        ASSERT_EQ(steps.size(), 1u);
        EXPECT_EQ(steps[0].code, c.expected) << c.user.toStdString();
        if (c.expected == 0) {
            EXPECT_EQ(steps[0].values[1], "bldg-a-core");
        }
    }
}

// A switch that restarts comes back with a new engine ID (as qgsim does on
// every start) and new engine boots and time. The next read of a window
// reading over SNMPv2c and of windows reading over SNMPv3 succeeds without
// restarting the module: the engine is discovered again and the read sent
// once more, asynchronously and synchronously.
TEST_F(RequestTest, ReadsGoOnAfterTheAgentRestartsWithANewEngine)
{
    auto sim = Simulator({});
    const quint16 port = sim->Port();
    ASSERT_NE(port, 0);
    auto community = Request(port, kSystem, ListScalars, 0, 1);
    std::vector<std::unique_ptr<KtSNMPRequest>> users;
    for (const char *user : {"md5user", "desuser"}) {
        auto request = Request(port, kSystem, ListScalars, 0, 3);
        request->Security.SecurityModel = 3;
        request->Security.SecurityName = user;
        request->Security.SecurityLevel = QByteArray(user) == "desuser" ? 3 : 2;
        request->Security.AuthProtocol = 2;
        request->Security.PrivProtocol = QByteArray(user) == "desuser" ? 2 : 1;
        request->Security.AuthPassword = "md5password";
        request->Security.PrivPassword = "despassword";
        users.push_back(std::move(request));
    }
    auto readAll = [&](const char *when) {
        for (KtSNMPRequest *request : {community.get(), users[0].get(), users[1].get()}) {
            const std::vector<Step> steps = Run(*request);
            ASSERT_EQ(steps.size(), 1u) << when;
            EXPECT_EQ(steps[0].code, 0) << when << ", version " << int(request->Security.Version) << " "
                                        << request->Security.SecurityName.toStdString();
            EXPECT_EQ(steps[0].values.value(1), "bldg-a-core") << when;
        }
        // The synchronous path of the dedicated windows, with the same users.
        EXPECT_NO_THROW(users[1]->ReadSync(true)) << when;
        EXPECT_EQ(users[1]->Vars.Get(1).Value, "bldg-a-core") << when;
    };
    readAll("before the restart");

    sim.reset();
    sim = Simulator({}, port);
    ASSERT_EQ(sim->Port(), port);
    readAll("after the restart");

    // Once more for the synchronous path first.
    sim.reset();
    sim = Simulator({}, port);
    EXPECT_NO_THROW(users[0]->ReadSync(true));
    EXPECT_EQ(users[0]->Vars.Get(1).Value, "bldg-a-core");
}

// The agent answers the first request after its restart at once, with a
// Report the library cannot take: the engine is discovered again then and
// there, and the request sent once more, long before its time-out; its
// completion comes once, with the answer.
TEST_F(RequestTest, AfterAnAgentRestartTheFirstAnswerComesWithoutWaitingForATimeOut)
{
    auto sim = Simulator({});
    const quint16 port = sim->Port();
    ASSERT_NE(port, 0);
    const std::pair<const char *, int> users[] = {{"md5user", 2}, {"desuser", 3}};
    std::vector<std::unique_ptr<KtSNMPRequest>> requests;
    for (const auto &[user, level] : users) {
        auto request = Request(port, kSystem, ListScalars, 0, 3);
        request->Security.SecurityModel = 3;
        request->Security.SecurityName = user;
        request->Security.SecurityLevel = level;
        request->Security.AuthProtocol = 2;
        request->Security.PrivProtocol = level == 3 ? 2 : 1;
        request->Security.AuthPassword = "md5password";
        request->Security.PrivPassword = "despassword";
        request->TimeOut = 1000; // ten seconds: far longer than a recovery may take
        request->Retries = 0;
        ASSERT_EQ(Run(*request).at(0).code, 0) << user;
        requests.push_back(std::move(request));
    }

    sim.reset();
    sim = Simulator({}, port);
    ASSERT_EQ(sim->Port(), port);
    for (auto &request : requests) {
        SCOPED_TRACE(request->Security.SecurityName.toStdString());
        int completions = 0;
        int code = 1;
        QElapsedTimer clock;
        clock.start();
        request->ReadAsync(
            [&](void *, const KtSNMPError &error, KtSNMPVarList &) {
                ++completions;
                code = error.Code;
            },
            nullptr, true);
        ASSERT_TRUE(WaitUntil([&] { return completions > 0; }, 30000));
        EXPECT_EQ(code, 0);
        EXPECT_LT(clock.elapsed(), 5000) << "the recovery waited for the time-out";
        EXPECT_EQ(request->Vars.Get(1).Value, "bldg-a-core");
        WaitUntil([] { return false; }, 300);
        EXPECT_EQ(completions, 1);
    }
}

// When the agent is gone for good, the time-out is what the window shows.
TEST_F(RequestTest, AgentThatStaysAwayStillTimesOut)
{
    auto sim = Simulator({});
    const quint16 port = sim->Port();
    auto request = Request(port, kSystem, ListScalars, 0, 3);
    request->Security.SecurityModel = 3;
    request->Security.SecurityName = "md5user";
    request->Security.SecurityLevel = 2;
    request->Security.AuthProtocol = 2;
    request->Security.AuthPassword = "md5password";
    ASSERT_EQ(Run(*request)[0].code, 0);
    sim.reset();
    request->TimeOut = 20;
    const std::vector<Step> steps = Run(*request);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].code, -405);
}

// SNMPv2c walks ask for many rows per GetBulk; with the device's GetBulk
// switched off, and always with SNMPv1, one get-next per row.
TEST_F(RequestTest, UseGetBulkOffKeepsGetNext)
{
    auto sim = Simulator({"--fdb-rows", "40"});
    PduTypeRecorder recorder(sim->Port());
    struct Case
    {
        quint8 version;
        bool useGetBulk;
        int type;
    };
    for (const Case c : {Case{1, true, PduTypeRecorder::GetBulk}, Case{1, false, PduTypeRecorder::GetNext},
                         Case{0, true, PduTypeRecorder::GetNext}}) {
        recorder.Types.clear();
        auto fdb = Request(recorder.Port(), kFdb, ListTable, 2, c.version);
        fdb->Device.UseGetBulk = c.useGetBulk;
        const std::vector<Step> steps = Run(*fdb);
        ASSERT_EQ(steps.size(), 41u) << int(c.version) << c.useGetBulk;
        EXPECT_EQ(steps[0].values[2], "51");
        EXPECT_FALSE(steps[39].finished);
        EXPECT_TRUE(steps[40].finished);
        EXPECT_EQ(recorder.Types.count(c.type), recorder.Types.size()) << int(c.version) << c.useGetBulk;
        if (c.type == PduTypeRecorder::GetBulk)
            EXPECT_LE(recorder.Types.size(), 4);
        else
            EXPECT_EQ(recorder.Types.size(), 41);
    }
}

// An SNMPv3 walk takes its rows from GetBulk too: the same steps as an
// SNMPv2c get-next walk of the same table.
TEST_F(RequestTest, UserBasedWalkWithGetBulkGivesTheGetNextRows)
{
    auto sim = Simulator({"--fdb-rows", "30"});
    auto getNext = Request(sim->Port(), kFdb, ListTable, 2, 1);
    getNext->Device.UseGetBulk = false;
    auto bulk = Request(sim->Port(), kFdb, ListTable, 2, 3);
    bulk->Security.SecurityModel = 3;
    bulk->Security.SecurityName = "md5user";
    bulk->Security.SecurityLevel = 2;
    bulk->Security.AuthProtocol = 2;
    bulk->Security.AuthPassword = "md5password";
    const std::vector<Step> expected = Run(*getNext);
    const std::vector<Step> walked = Run(*bulk);
    ASSERT_EQ(walked.size(), expected.size());
    ASSERT_EQ(walked.size(), 31u);
    for (size_t i = 0; i < walked.size(); ++i) {
        EXPECT_EQ(walked[i].code, expected[i].code) << i;
        EXPECT_EQ(walked[i].finished, expected[i].finished) << i;
        EXPECT_EQ(walked[i].values, expected[i].values) << i;
    }
}

TEST(MapResultTest, LibraryResultsMapToApplicationCodes)
{
    const std::pair<int, int> cases[] = {
        {0, 0},        {1400, 0},     {-1401, 0},   {1, -101},     {18, -118},
        {-1402, -201}, {-1418, -217}, {1401, -301}, {1414, -314},  {-5, -405},
        {-23, -423},   {19, -528},    {-24, -528},  {-1400, -528}, {1415, -528},
    };
    for (auto [result, code] : cases)
        EXPECT_EQ(MapResult(result).Code, code) << result;
    EXPECT_EQ(MapResult(-5).Message, "(SNMPClass) SNMP request timed out!");
}

} // namespace

// ---- agents with the quirks of real ones ----------------------------------------

const KtSNMPVarDef kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.2.2.1.4", "ifMtu", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.2.2.1.5", "ifSpeed", SyntaxGauge32, AccessRead},
    {},
};
constexpr int kMtu = 2;

void UseMd5User(KtSNMPRequest &request)
{
    request.Security.SecurityModel = 3;
    request.Security.SecurityName = "md5user";
    request.Security.SecurityLevel = 2;
    request.Security.AuthProtocol = 2;
    request.Security.AuthPassword = "md5password";
}

// Every row a walk delivered, and how it ended.
struct WalkResult
{
    std::vector<QStringList> rows;
    int code = 0;
    QString message;
};

WalkResult Walk(KtSNMPRequest &request)
{
    WalkResult result;
    bool done = false;
    KtSNMPCallback callback = [&](void *, const KtSNMPError &error, KtSNMPVarList &vars) {
        if (error.Code == 0 && !error.Finished) {
            QStringList values;
            for (int i = 0; i < vars.Count(); ++i)
                values << vars.Get(i).Value;
            result.rows.push_back(values);
            request.ReadAsync(callback, nullptr, false);
            return;
        }
        result.code = error.Code;
        result.message = error.Message;
        done = true;
    };
    request.ReadAsync(callback, nullptr, true);
    WaitUntil([&] { return done; }, 60000);
    return result;
}

// The same walk, blocking.
WalkResult WalkSync(KtSNMPRequest &request)
{
    WalkResult result;
    try {
        for (bool more = request.ReadSync(true); more; more = request.ReadSync(false)) {
            QStringList values;
            for (int i = 0; i < request.Vars.Count(); ++i)
                values << request.Vars.Get(i).Value;
            result.rows.push_back(values);
        }
    } catch (const KtException &error) {
        result.code = error.Code;
        result.message = error.Message;
    }
    return result;
}

// Each quirk against get-next (SNMPv1, SNMPv2c with GetBulk off) and GetBulk
// (SNMPv2c, SNMPv3), asynchronously and blocking: the rows are those of the
// ideal agent, with empty cells where the agent lacks them, or the walk
// stops with its reason and keeps the rows read before.
TEST_F(RequestTest, QuirkyAgentsGiveTheRowsOfTheTable)
{
    auto ideal = Simulator({});
    auto reference = Request(ideal->Port(), kIfTable, ListTable, 1);
    const std::vector<QStringList> table = Walk(*reference).rows;
    ASSERT_GE(table.size(), 20u);
    ASSERT_EQ(table[9][0], "60") << "rows 10-12 are ifIndex 60-62";
    std::vector<QStringList> sparse = table;
    for (int row : {9, 10, 11})
        sparse[size_t(row)][kMtu] = "(NULL)";
    const std::vector<QStringList> firstThree(table.begin(), table.begin() + 3);

    struct Case
    {
        const char *name;
        QStringList options;
        std::vector<QStringList> rows;
        int code;
        int rowLimit;
    };
    const Case cases[] = {
        {"sparse", {"--sparse", "1.3.6.1.2.1.2.2.1.4:60-62"}, sparse, 0, 0},
        {"short GetBulk answers", {"--bulk-max-bindings", "5"}, table, 0, 0},
        {"fewer bindings than names", {"--bulk-max-bindings", "2"}, table, 0, 0},
        {"endOfMibView named with the request OID", {"--end-of-view-at", "1.3.6.1.2.1.2.2"}, table, 0, 0},
        {"sparse and short answers at the end of the view",
         {"--sparse", "1.3.6.1.2.1.2.2.1.4:60-62", "--bulk-max-bindings", "7", "--end-of-view-at",
          "1.3.6.1.2.1.2"},
         sparse,
         0,
         0},
        {"non-increasing OID",
         {"--non-increasing", "1.3.6.1.2.1.2.2.1.4"},
         firstThree,
         KtWalkNotIncreasing,
         0},
        {"endless table", {"--endless-table", "1.3.6.1.2.1.2.2.1"}, {}, KtWalkCut, 300},
    };
    struct Manner
    {
        const char *name;
        quint8 version;
        bool useGetBulk;
    };
    const Manner manners[] = {{"v1", 0, true}, {"v2c get-next", 1, false}, {"v2c", 1, true}, {"v3", 3, true}};
    for (const Case &c : cases) {
        auto sim = Simulator(c.options);
        ASSERT_NE(sim->Port(), 0) << sim->StandardError().toStdString();
        for (const Manner &m : manners)
            for (bool blocking : {false, true}) {
                const std::string label =
                    std::string(c.name) + ", " + m.name + (blocking ? ", blocking" : "");
                auto request = Request(sim->Port(), kIfTable, ListTable, 1, m.version);
                if (m.version == 3)
                    UseMd5User(*request);
                request->Device.UseGetBulk = m.useGetBulk;
                if (c.rowLimit > 0)
                    request->RowLimit = c.rowLimit;
                const WalkResult walked = blocking ? WalkSync(*request) : Walk(*request);
                EXPECT_EQ(walked.code, c.code) << label << ": " << walked.message.toStdString();
                if (c.rowLimit > 0) {
                    EXPECT_EQ(walked.rows.size(), size_t(c.rowLimit)) << label;
                    EXPECT_TRUE(walked.message.contains("cut at 300 rows")) << walked.message.toStdString();
                } else {
                    EXPECT_EQ(walked.rows, c.rows) << label;
                }
                if (c.code == KtWalkNotIncreasing) {
                    EXPECT_TRUE(walked.message.startsWith("The agent returned an OID that does not increase"))
                        << walked.message.toStdString();
                }
                EXPECT_EQ(request->Pending, 0) << label;
            }
    }
}
