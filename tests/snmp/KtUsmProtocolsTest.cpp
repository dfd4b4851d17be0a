// SNMPv3 with every authentication and privacy protocol the engine offers,
// against the switch simulator and against Debian's snmpd over real UDP on
// loopback, and the checks that refuse a user before anything is sent.
#include "KtUsmProtocols.h"
#include "KtException.h"
#include "KtSNMPRequest.h"
#include "KtSession.h"
#include "QgSimProcess.h"
#include "QgWait.h"
#include "SnmpdProcess.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <QElapsedTimer>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

// One user per combination, created in both agents under the same name.
struct Combination
{
    qint32 Auth = AuthNone;
    qint32 Priv = PrivNone;

    qint32 Level() const { return Auth == AuthNone ? 1 : Priv == PrivNone ? 2 : 3; }
    // "HMAC-SHA-256" -> "SHA-256", the name agents' configuration uses.
    QString AuthName() const { return KtAuthProtocolName(Auth).remove(QStringLiteral("HMAC-")); }
    QString PrivName() const { return KtPrivProtocolName(Priv); }
    QString User() const
    {
        static const QRegularExpression punctuation(QStringLiteral("[^a-z0-9]"));
        QString name = QStringLiteral("t") + (Auth == AuthNone ? QStringLiteral("noauth") : AuthName());
        if (Priv != PrivNone)
            name += PrivName();
        return name.toLower().remove(punctuation);
    }
    QString AuthPass() const { return "auth-" + User(); }
    QString PrivPass() const { return "priv-" + User(); }
    std::string What() const { return User().toStdString(); }
};

std::vector<Combination> EveryCombination()
{
    std::vector<Combination> all;
    for (qint32 auth : KtAuthProtocolCodes())
        for (qint32 priv : KtPrivProtocolCodes())
            if (auth != AuthNone || priv == PrivNone) // privacy needs authentication
                all.push_back({auth, priv});
    return all;
}

QStringList SnmpdUserLines()
{
    QStringList lines;
    for (const Combination &c : EveryCombination()) {
        QString create = "createUser " + c.User();
        if (c.Level() >= 2)
            create += QString(" %1 \"%2\"").arg(c.AuthName(), c.AuthPass());
        if (c.Level() == 3)
            create += QString(" %1 \"%2\"").arg(c.PrivName(), c.PrivPass());
        lines << create << "rwuser " + c.User() + " noauth";
    }
    return lines;
}

QStringList SimUserOptions()
{
    QStringList options;
    for (const Combination &c : EveryCombination()) {
        QStringList fields{c.User()};
        if (c.Level() >= 2)
            fields << c.AuthName() << c.AuthPass();
        if (c.Level() == 3)
            fields << c.PrivName() << c.PrivPass();
        options << "--user" << fields.join(':');
    }
    return options;
}

KtSNMPSecurity SecurityOf(const Combination &c, const QString &authPass)
{
    KtSNMPSecurity security;
    security.Version = 3;
    security.SecurityModel = 3;
    security.SecurityLevel = c.Level();
    security.SecurityName = c.User();
    security.AuthProtocol = c.Auth;
    security.PrivProtocol = c.Priv;
    security.AuthPassword = authPass;
    security.PrivPassword = c.PrivPass();
    return security;
}

struct Outcome
{
    KtSNMPError Error;
    QString Value;
    qint64 ElapsedMs = 0;
};

constexpr KtSNMPVarDef kSysDescr[] = {{"1.3.6.1.2.1.1.1", "sysDescr", SyntaxDisplayString, AccessRead}, {}};

// One asynchronous get of sysDescr through the request engine.
Outcome Get(quint16 port, const KtSNMPSecurity &security)
{
    KtSNMPRequest request;
    request.Device = {QStringLiteral("127.0.0.1"), port};
    request.Security = security;
    request.TimeOut = 100;
    request.Vars = KtSNMPVarList(kSysDescr);
    std::optional<Outcome> outcome;
    QElapsedTimer clock;
    clock.start();
    request.ReadAsync(
        [&](void *, const KtSNMPError &error, KtSNMPVarList &vars) {
            outcome = Outcome{error, vars.Get(0).Value, clock.elapsed()};
        },
        nullptr, true);
    WaitUntil([&] { return outcome.has_value(); }, 20000);
    EXPECT_TRUE(outcome.has_value());
    KtSNMPError none;
    none.Code = -999;
    return outcome.value_or(Outcome{none, {}, clock.elapsed()});
}

// The localised keys the library holds for a user, per agent engine.
std::vector<std::pair<size_t, size_t>> LocalisedKeyLengths(const QString &name)
{
    std::vector<std::pair<size_t, size_t>> lengths;
    const QByteArray wanted = name.toUtf8();
    for (struct usmUser *user = usm_get_userList(); user; user = user->next)
        if (user->engineIDLen > 0 && user->name && wanted == user->name)
            lengths.emplace_back(user->authKeyLen, user->privKeyLen);
    return lengths;
}

size_t HashLength(qint32 auth)
{
    switch (auth) {
    case AuthMD5:
        return 16;
    case AuthSHA:
        return 20;
    case AuthSHA224:
        return 28;
    case AuthSHA256:
        return 32;
    case AuthSHA384:
        return 48;
    case AuthSHA512:
        return 64;
    default:
        return 0;
    }
}

size_t PrivKeyLength(qint32 priv)
{
    switch (priv) {
    case PrivDES:    // 8 octets of key, 8 of pre-IV
    case PrivAES128: // 128 bits
        return 16;
    case PrivAES192:
        return 24;
    case PrivAES256:
        return 32;
    default:
        return 0;
    }
}

TEST(KtUsmProtocolsTest, EveryCombinationReadsAndAWrongPassPhraseGivesTheUsmError)
{
    KtSession::Create();
    _SnmpEventProcessor::Instance().Start();
    EXPECT_EQ(EveryCombination().size(), 1u + 6u * 5u);

    SnmpdProcess snmpd(SnmpdUserLines());
    ASSERT_TRUE(snmpd.Start());
    QgSimProcess sim(SimUserOptions() + QStringList{"--static-leds", "--scenario", "single"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    const std::pair<const char *, quint16> agents[] = {{"snmpd", snmpd.Port()}, {"qgsim", sim.Port()}};

    for (const auto &[agent, port] : agents) {
        for (const Combination &c : EveryCombination()) {
            const std::string what = std::string(agent) + " " + c.What();
            const Outcome read = Get(port, SecurityOf(c, c.AuthPass()));
            EXPECT_EQ(read.Error.Code, 0) << what << ": " << read.Error.Message.toStdString();
            EXPECT_FALSE(read.Value.isEmpty() || read.Value == "(NULL)") << what;
            if (c.Level() < 2)
                continue;

            const auto keys = LocalisedKeyLengths(c.User());
            EXPECT_FALSE(keys.empty()) << what;
            for (const auto &[authKey, privKey] : keys) {
                EXPECT_EQ(authKey, HashLength(c.Auth)) << what;
                // The library keeps a localised privacy key as long as the
                // hash and uses its first octets; shorter ones (MD5 and SHA-1
                // with AES-192 or AES-256) must have been extended.
                if (c.Level() == 3) {
                    EXPECT_GE(privKey, PrivKeyLength(c.Priv)) << what;
                }
            }

            // The agent answers a wrong key with a Report, long before the
            // time-out of one second.
            const Outcome wrong = Get(port, SecurityOf(c, c.AuthPass() + "x"));
            EXPECT_EQ(wrong.Error.Code, -308) << what << ": " << wrong.Error.Message.toStdString();
            EXPECT_EQ(wrong.Error.Message, "(SNMPv3USM) Authentication failure!") << what;
            EXPECT_LT(wrong.ElapsedMs, 900) << what;
        }
    }
    EXPECT_EQ(sim.Stop(), 0);
}

// BuildTarget refuses, before anything is sent, protocols the engine does
// not offer and pass phrases the security level needs but that are too short.
TEST(KtUsmProtocolsTest, UnsupportedProtocolsAndShortPassPhrasesAreRefused)
{
    KtSession::Create();
    struct Case
    {
        qint32 level, auth, priv;
        QString authPass, privPass;
        int expected;
    };
    const Case cases[] = {
        {3, AuthSHA512, PrivAES256, "12345678", "abcdefgh", 0},
        {1, AuthMD5, PrivDES, "", "", 0},                      // noAuthNoPriv uses no pass phrase
        {2, AuthSHA256, PrivAES128, "12345678", "short", 0},   // authNoPriv: privacy unused
        {2, AuthSHA256, PrivNone, "1234567", "", -315},        // seven characters
        {3, AuthSHA, PrivAES192, "12345678", "1234567", -315}, // the privacy pass phrase
        {2, AuthNone, PrivNone, "short", "", -315},            // keys are made for levels above 1
        {1, 8, PrivNone, "", "", -312},                        // past HMAC-SHA-512
        {1, 0, PrivNone, "", "", -312},
        {2, 8, PrivNone, "short", "", -312}, // the protocol is named first
        {1, AuthMD5, 9, "", "", -313},       // IDEA
        {1, AuthMD5, 3, "", "", -313},
        {1, AuthMD5, 18, "", "", -313},
        {1, AuthMD5, 22, "", "", -313},
    };
    for (const Case &c : cases) {
        KtSNMPSecurity security;
        security.Version = 3;
        security.SecurityModel = 3;
        security.SecurityLevel = c.level;
        security.SecurityName = "checked";
        security.AuthProtocol = c.auth;
        security.PrivProtocol = c.priv;
        security.AuthPassword = c.authPass;
        security.PrivPassword = c.privPass;
        const std::string what = std::to_string(c.level) + "/" + std::to_string(c.auth) + "/" +
                                 std::to_string(c.priv) + "/" + c.authPass.toStdString() + "/" +
                                 c.privPass.toStdString();
        int code = 0;
        QString message;
        try {
            BuildTarget(KtSNMPDevice{"127.0.0.1", 161}, security, 100, 1);
        } catch (const KtException &error) {
            code = error.Code;
            message = error.Message;
        }
        EXPECT_EQ(code, c.expected) << what;
        if (c.expected == -315) {
            EXPECT_EQ(message, "(SNMPv3USM) Pass phrase too short: it needs at least 8 characters!") << what;
        }
        if (c.expected == -313) {
            EXPECT_EQ(message, "(SNMPv3USM) Unsupported PrivProtocol!") << what;
        }
    }
}

} // namespace
