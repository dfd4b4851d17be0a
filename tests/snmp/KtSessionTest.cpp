// The transport against Debian's snmpd over real UDP on loopback.
#include "KtSession.h"
#include "QgWait.h"
#include "SnmpdProcess.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

snmp_pdu *GetSysDescr()
{
    snmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GET);
    static const oid sysDescr[] = {1, 3, 6, 1, 2, 1, 1, 1, 0};
    snmp_add_null_var(pdu, sysDescr, OID_LENGTH(sysDescr));
    return pdu;
}

struct Outcome
{
    int result = 0;
    bool hadResponse = false;
    QByteArray firstValue;
    qint64 elapsedMs = 0;
};

class KtSessionTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        KtSession::Create();
        agent_ = new SnmpdProcess;
        ASSERT_TRUE(agent_->Start());
    }
    static void TearDownTestSuite()
    {
        delete agent_;
        agent_ = nullptr;
    }

    static KtSNMPTarget Target(quint16 port, quint8 version, const QString &user = {}, qint32 level = 1,
                               qint32 auth = 1, qint32 priv = 1, const QString &authPass = {},
                               const QString &privPass = {}, qint32 timeOut = 100)
    {
        KtSNMPSecurity security;
        security.Version = version;
        security.ReadCommunity = "public";
        security.WriteCommunity = "private";
        security.SecurityModel = 3;
        security.SecurityLevel = level;
        security.SecurityName = user;
        security.AuthProtocol = auth;
        security.PrivProtocol = priv;
        security.AuthPassword = authPass;
        security.PrivPassword = privPass;
        return BuildTarget(KtSNMPDevice{"127.0.0.1", port}, security, timeOut, 1);
    }

    // Sends asynchronously and runs the event loop (the pump and the socket
    // notifiers) until the completion arrives.
    static Outcome SendAsync(const KtSNMPTarget &target, qint32 level, qint64 *sendMs = nullptr)
    {
        _SnmpEventProcessor::Instance().Start();
        std::optional<Outcome> outcome;
        QElapsedTimer clock;
        clock.start();
        KtSNMPSession->AsyncSend(target, false, level, GetSysDescr(), [&](int result, snmp_pdu *response) {
            Outcome o;
            o.result = result;
            o.hadResponse = response != nullptr;
            if (response && response->variables && response->variables->type == ASN_OCTET_STR)
                o.firstValue = QByteArray(reinterpret_cast<const char *>(response->variables->val.string),
                                          int(response->variables->val_len));
            o.elapsedMs = clock.elapsed();
            outcome = o;
        });
        if (sendMs)
            *sendMs = clock.elapsed();
        WaitUntil([&] { return outcome.has_value(); }, 20000);
        EXPECT_TRUE(outcome.has_value());
        Outcome failed;
        failed.result = -999;
        return outcome.value_or(failed);
    }

    static SnmpdProcess *agent_;
};

SnmpdProcess *KtSessionTest::agent_ = nullptr;

TEST_F(KtSessionTest, CommunityVersionsAnswer)
{
    for (quint8 version : {0, 1}) {
        const Outcome outcome = SendAsync(Target(agent_->Port(), version), 1);
        EXPECT_EQ(outcome.result, 0);
        EXPECT_TRUE(outcome.firstValue.startsWith("Linux")) << outcome.firstValue.constData();
    }
}

TEST_F(KtSessionTest, UserBasedReadsDiscoverTheEngineWithoutBlocking)
{
    struct Case
    {
        QString user;
        qint32 level, auth, priv;
        QString authPass, privPass;
    };
    const Case cases[] = {
        {"md5user", 2, 2, 1, "md5password", ""},
        {"desuser", 3, 2, 2, "md5password", "despassword"},
        {"shauser", 2, 3, 1, "shapassword", ""},
    };
    for (const Case &c : cases) {
        qint64 sendMs = 0;
        const Outcome outcome =
            SendAsync(Target(agent_->Port(), 3, c.user, c.level, c.auth, c.priv, c.authPass, c.privPass),
                      c.level, &sendMs);
        EXPECT_EQ(outcome.result, 0) << c.user.toStdString();
        EXPECT_TRUE(outcome.firstValue.startsWith("Linux")) << c.user.toStdString();
        EXPECT_LT(sendMs, 300) << "the send itself must not wait for the agent";
    }
}

TEST_F(KtSessionTest, WrongCredentialsGiveSecurityErrorsNotTimeOuts)
{
    struct Case
    {
        QString user;
        QString authPass;
        int expected;
    };
    const Case cases[] = {
        {"md5user", "wrongpassword", KtLibraryResult::UsmAuthenticationFailure},
        {"nosuchuser", "md5password", KtLibraryResult::UsmUnknownSecurityName},
    };
    for (const Case &c : cases) {
        const Outcome outcome = SendAsync(Target(agent_->Port(), 3, c.user, 2, 2, 1, c.authPass), 2);
        EXPECT_EQ(outcome.result, c.expected) << c.user.toStdString();
        EXPECT_LT(outcome.elapsedMs, 900) << "answered by a Report, not by the time-out";
    }
}

TEST_F(KtSessionTest, DeadAgentCostsRetriesPlusOneTimeOuts)
{
    SilentAgent silent;
    const quint16 dead = silent.Port();
    for (quint8 version : {1, 3}) {
        qint64 sendMs = 0;
        const Outcome outcome =
            SendAsync(Target(dead, version, "md5user", 2, 2, 1, "md5password", {}, 30), 2, &sendMs);
        EXPECT_EQ(outcome.result, KtLibraryResult::Timeout);
        EXPECT_LT(sendMs, 300);
        EXPECT_GE(outcome.elapsedMs, 550);
        EXPECT_LT(outcome.elapsedMs, 3000);
    }
}

TEST_F(KtSessionTest, CancelledSendsNeverComplete)
{
    _SnmpEventProcessor::Instance().Start();
    bool called = false;
    const quint64 handle = KtSNMPSession->AsyncSend(Target(agent_->Port(), 1), false, 1, GetSysDescr(),
                                                    [&](int, snmp_pdu *) { called = true; });
    KtSNMPSession->Cancel(handle);
    // The agent answers in turn, on the one library session of the target:
    // the answer to the cancelled send has come once that to a later one has.
    bool later = false;
    KtSNMPSession->AsyncSend(Target(agent_->Port(), 1), false, 1, GetSysDescr(),
                             [&](int, snmp_pdu *) { later = true; });
    WaitUntil([&] { return later; }, 20000);
    EXPECT_FALSE(called);
}

TEST_F(KtSessionTest, SynchronousSends)
{
    snmp_pdu *response = nullptr;
    EXPECT_EQ(KtSNMPSession->SyncSend(Target(agent_->Port(), 1), false, 1, GetSysDescr(), &response), 0);
    ASSERT_NE(response, nullptr);
    KtSession::FreePdu(response);

    const KtSNMPTarget user = Target(agent_->Port(), 3, "desuser", 3, 2, 2, "md5password", "despassword");
    EXPECT_EQ(KtSNMPSession->SyncSend(user, false, 3, GetSysDescr(), &response), 0);
    KtSession::FreePdu(response);

    const KtSNMPTarget wrong = Target(agent_->Port(), 3, "shauser", 2, 3, 1, "wrongpassword");
    EXPECT_EQ(KtSNMPSession->SyncSend(wrong, false, 2, GetSysDescr(), &response),
              KtLibraryResult::UsmAuthenticationFailure);
    KtSession::FreePdu(response);
}

} // namespace
