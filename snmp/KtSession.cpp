#include "KtSession.h"

#include "KtCatalogue.h"
#include "KtException.h"
#include "KtUsmProtocols.h"

#include <net-snmp/library/large_fd_set.h>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <QObject>
#include <QSocketNotifier>

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cstring>
#include <optional>
#include <string>

KtSession *KtSNMPSession = nullptr;

// One library session: one destination with one set of credentials.
// SNMPv3 sessions are opened without the library's own engine-ID probe,
// which would block inside the first send; this object discovers the
// agent's engine ID asynchronously instead and holds the sends that
// arrive meanwhile.
struct KtSession::Channel
{
    enum class Engine
    {
        NotNeeded,
        Unknown,
        Discovering,
        Known
    };

    snmp_session *Session = nullptr;
    // What the library session was opened with, to open it anew.
    KtSNMPTarget Target;
    bool Write = false;
    qint32 SecurityLevel = 1;
    std::optional<KtUsmUser> User;
    Engine EngineState = Engine::NotNeeded;
    // Set while the sends of a replaced library session end: each is held
    // for the discovery that follows instead of starting one of its own.
    bool Recovering = false;
    QList<PendingSend *> Waiting; // sends held until the engine ID is known
    QSocketNotifier *Notifier = nullptr;
    // Library result of the last SNMPv3 message the library dropped in its
    // security processing (an agent's Report it could not take), 0 if none
    // since the last answer.
    int DroppedResult = 0;
};

struct KtSession::PendingSend
{
    quint64 Handle = 0;
    Channel *Via = nullptr;
    snmp_pdu *Pdu = nullptr; // owned until handed to the library
    KtSendCompletion Completion;
    bool Cancelled = false;
    // Set while the library's send function runs: a failing send may call
    // the completion from inside it, and the record must outlive that call.
    bool InSend = false;
    std::optional<int> FailedDuringSend;
    // SNMPv3: a copy of the PDU for one resend after the agent's engine has
    // been discovered again (the library frees the PDU it sent).
    snmp_pdu *Copy = nullptr;
    bool Resent = false;
};

namespace {

// The library must not read the machine's SNMP configuration, load MIB
// modules (values are printed by the toolkit itself) or write persistent
// state anywhere.
void ConfigureLibrary()
{
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
}

void InitLibraryWithoutMibs()
{
    // MIB loading reads $MIBS; empty it for the duration of the
    // initialisation only, so child processes keep the user's setting.
    const QByteArray oldMibs = qgetenv("MIBS");
    const bool hadMibs = qEnvironmentVariableIsSet("MIBS");
    qputenv("MIBS", "");
    init_snmp("qg2312");
    if (hadMibs)
        qputenv("MIBS", oldMibs);
    else
        qunsetenv("MIBS");
}

QString ResolveIPv4(const QString &address)
{
    if (address.trimmed().isEmpty())
        return {};
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo *result = nullptr;
    if (getaddrinfo(address.toUtf8().constData(), nullptr, &hints, &result) != 0 || !result)
        return {};
    char text[INET_ADDRSTRLEN] = {};
    const auto *in = reinterpret_cast<const sockaddr_in *>(result->ai_addr);
    inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
    freeaddrinfo(result);
    return QString::fromLatin1(text);
}

QString ChannelKey(const KtSNMPTarget &target, bool write, qint32 securityLevel, const KtUsmUser *user)
{
    QStringList parts{target.Peer, QString::number(target.Version), QString::number(target.Retries),
                      QString::number(target.TimeOut)};
    if (target.UserBased) {
        parts << target.SecurityName << QString::number(target.SecurityModel)
              << QString::number(securityLevel);
        if (user)
            parts << QString::number(user->AuthProtocol) << user->AuthPassword
                  << QString::number(user->PrivProtocol) << user->PrivPassword;
    } else {
        parts << (write ? target.WriteCommunity : target.ReadCommunity);
    }
    return parts.join(QChar(0));
}

// Users the library keeps from an earlier session with the same name and
// engine would keep their old keys; drop them so new credentials count.
// Only a user registered for exactly this engine goes: the lookup may also
// answer with the engine-less user the probes are sent as, which stays.
void ForgetLibraryUser(const u_char *engineID, size_t engineIDLength, const char *name)
{
    if (!name || !*name || engineIDLength == 0)
        return;
    while (struct usmUser *user =
               usm_get_user(const_cast<u_char *>(engineID), engineIDLength, const_cast<char *>(name))) {
        const bool sameEngine = user->engineIDLen == engineIDLength &&
                                std::memcmp(user->engineID, engineID, engineIDLength) == 0 && user->name &&
                                std::strcmp(user->name, name) == 0;
        if (!sameEngine)
            return;
        usm_remove_user(user);
        usm_free_user(user);
    }
}

// The empty user the engine-ID probe is sent as.
void EnsureProbeUser()
{
    if (usm_get_user(nullptr, 0, const_cast<char *>("")))
        return;
    struct usmUser *user = usm_create_user();
    if (!user)
        return;
    user->name = strdup("");
    user->secName = strdup("");
    usm_add_user(user);
}

snmp_pdu *CreateProbePdu()
{
    snmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GET);
    pdu->version = SNMP_VERSION_3;
    pdu->securityName = strdup("");
    pdu->securityNameLen = 0;
    pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    return pdu;
}

} // namespace

KtSession::KtSession() : notifierOwner_(std::make_unique<QObject>()) {}

int KtSession::Create()
{
    if (!KtSNMPSession) {
        KtSNMPSession = new KtSession;
        KtSNMPSession->WhenBusy = [] { _SnmpEventProcessor::Instance().Wake(); };
        ConfigureLibrary();
        InitLibraryWithoutMibs();
    }
    return KtSNMPSession->status_;
}

KtSession::~KtSession()
{
    for (PendingSend *send : std::as_const(sends_))
        send->Cancelled = true;
    for (Channel *channel : std::as_const(channels_)) {
        snmp_close(channel->Session);
        delete channel;
    }
}

void KtSession::SetLocalEngine(const QByteArray &engineID, qint32 boots)
{
    set_exact_engineID(reinterpret_cast<const u_char *>(engineID.constData()), engineID.size());
    // The library announces the stored counter plus one.
    std::string stored = std::to_string(boots > 0 ? boots - 1 : 0);
    engineBoots_conf("engineBoots", stored.data());
}

int KtSession::UsmAddUserName(const QString &securityName, qint32 authProtocol, qint32 privProtocol,
                              const QString &authPassword, const QString &privPassword)
{
    if (!KtSupportsAuthProtocol(authProtocol))
        return -312;
    if (!KtSupportsPrivProtocol(privProtocol))
        return -313; // IDEA (9) among others: this engine has no such cipher
    users_.insert(securityName, KtUsmUser{authProtocol, privProtocol, authPassword, privPassword});
    return 0;
}

const KtUsmUser *KtSession::FindUser(const QString &securityName) const
{
    auto it = users_.constFind(securityName);
    return it == users_.cend() ? nullptr : &it.value();
}

namespace {

// Opens one library session for a target; null when the library cannot.
snmp_session *OpenLibrarySession(const KtSNMPTarget &target, bool write, qint32 securityLevel,
                                 const KtUsmUser *user)
{
    snmp_session settings;
    snmp_sess_init(&settings);
    const QByteArray peer = target.Peer.toLatin1();
    settings.peername = const_cast<char *>(peer.constData());
    settings.retries = target.Retries;
    settings.timeout = long(target.TimeOut) * 10000L; // microseconds
    QByteArray community;
    QByteArray name;
    if (target.UserBased) {
        settings.version = SNMP_VERSION_3;
        name = target.SecurityName.toUtf8();
        settings.securityName = name.data();
        settings.securityNameLen = size_t(name.size());
        settings.securityModel = target.SecurityModel;
        settings.securityLevel = securityLevel;
        if (user)
            KtSetUserKeys(settings, *user, securityLevel);
    } else {
        settings.version = target.Version == 1 ? SNMP_VERSION_2c : SNMP_VERSION_1;
        community = (write ? target.WriteCommunity : target.ReadCommunity).toUtf8();
        settings.community = reinterpret_cast<u_char *>(community.data());
        settings.community_len = size_t(community.size());
    }
    snmp_session *session = snmp_open(&settings);
    SNMP_FREE(settings.securityAuthProto);
    SNMP_FREE(settings.securityPrivProto);
    // Opening forgets the flag; without it the first send would probe for
    // the engine ID synchronously.
    if (session && target.UserBased)
        session->flags |= SNMP_FLAGS_DONT_PROBE;
    return session;
}

} // namespace

KtSession::Channel *KtSession::ChannelFor(const KtSNMPTarget &target, bool write, qint32 securityLevel)
{
    const KtUsmUser *user = target.UserBased ? FindUser(target.SecurityName) : nullptr;
    const QString key = ChannelKey(target, write, securityLevel, user);
    if (Channel *open = channels_.value(key))
        return open;
    snmp_session *session = OpenLibrarySession(target, write, securityLevel, user);
    if (!session)
        return nullptr;
    auto *channel = new Channel;
    channel->Session = session;
    channel->Target = target;
    channel->Write = write;
    channel->SecurityLevel = securityLevel;
    if (user)
        channel->User = *user;
    channel->EngineState = target.UserBased ? Channel::Engine::Unknown : Channel::Engine::NotNeeded;
    channels_.insert(key, channel);
    WatchSocket(*channel);
    return channel;
}

// Responses are read as soon as the socket is readable, so a table walk is
// not paced by the 20 ms pump; the pump still drives retries and time-outs.
void KtSession::WatchSocket(Channel &channel)
{
    netsnmp_transport *transport = snmp_sess_transport(snmp_sess_pointer(channel.Session));
    if (!transport || transport->sock < 0)
        return;
    channel.Notifier = new QSocketNotifier(transport->sock, QSocketNotifier::Read, notifierOwner_.get());
    QObject::connect(channel.Notifier, &QSocketNotifier::activated, notifierOwner_.get(),
                     [this] { ProcessPendingEvents(); });
}

namespace {

int OnLibraryCallback(int operation, snmp_session *, int, snmp_pdu *response, void *magic);

} // namespace

quint64 KtSession::AsyncSend(const KtSNMPTarget &target, bool write, qint32 securityLevel, snmp_pdu *pdu,
                             KtSendCompletion completion)
{
    Channel *channel = ChannelFor(target, write, securityLevel);
    if (!channel) {
        snmp_free_pdu(pdu);
        const int code = LibraryResultOf(snmp_errno);
        throw KtException(KtErrorText(code), code); // replaced by the caller's MapResult
    }
    auto *send =
        new PendingSend{nextHandle_++, channel, pdu, std::move(completion), false, false, std::nullopt};
    const quint64 handle = send->Handle;
    const bool wasIdle = sends_.isEmpty();
    sends_.insert(handle, send);
    if (wasIdle && WhenBusy)
        WhenBusy();
    switch (channel->EngineState) {
    case Channel::Engine::Unknown:
        channel->Waiting.append(send);
        StartDiscovery(*channel);
        break;
    case Channel::Engine::Discovering:
        channel->Waiting.append(send);
        break;
    default:
        Dispatch(send);
        break;
    }
    return handle;
}

bool KtSession::SendToLibrary(PendingSend *send)
{
    KeepCopyForResend(*send);
    snmp_pdu *pdu = std::exchange(send->Pdu, nullptr);
    send->InSend = true;
    const int requestID = snmp_async_send(send->Via->Session, pdu, OnLibraryCallback, send);
    send->InSend = false;
    if (requestID != 0)
        return true;
    snmp_free_pdu(pdu);
    if (!send->FailedDuringSend) {
        const int result = LibraryResultOf(send->Via->Session->s_snmp_errno);
        send->FailedDuringSend = result == 0 ? KtLibraryResult::TransportFailed : result;
    }
    return false;
}

void KtSession::Dispatch(PendingSend *send)
{
    // A failure is reported through the completion, as every other outcome.
    if (!SendToLibrary(send))
        Fail(send, *send->FailedDuringSend);
}

void KtSession::Fail(PendingSend *send, int result)
{
    sends_.remove(send->Handle);
    if (send->Pdu)
        snmp_free_pdu(send->Pdu);
    FreeCopy(*send);
    if (!send->Cancelled && send->Completion)
        send->Completion(RealCause(*send->Via, result), nullptr);
    delete send;
}

void KtSession::Cancel(quint64 handle)
{
    if (PendingSend *send = sends_.value(handle))
        send->Cancelled = true;
}

namespace {

// The completion of one library send. The record stays alive until the
// library is done with it, even when its request is gone (then it is only
// marked cancelled).
int OnLibraryCallback(int operation, snmp_session *session, int, snmp_pdu *response, void *magic)
{
    auto *send = static_cast<KtSession::PendingSend *>(magic);
    int result = KtLibraryResult::Success;
    switch (operation) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        result = KtSession::ResultOfResponse(response);
        break;
    case NETSNMP_CALLBACK_OP_SEND_FAILED: {
        // Say why when the library knows (an unknown user, say), not just that it failed.
        const int reason =
            session ? KtSession::LibraryResultOf(session->s_snmp_errno) : KtLibraryResult::Error;
        result = reason == KtLibraryResult::Success || reason == KtLibraryResult::Error
                     ? KtLibraryResult::TransportFailed
                     : reason;
        response = nullptr;
        break;
    }
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        result = KtLibraryResult::Timeout;
        response = nullptr;
        break;
    case NETSNMP_CALLBACK_OP_DISCONNECT:
        result = KtLibraryResult::SessionDestroyed;
        response = nullptr;
        break;
    default:
        // A resend, or a security error in an incoming message: the library
        // goes on and reports the request's final outcome in a later call.
        return 1;
    }
    KtSNMPSession->CompleteSend(send, result, response);
    return 1;
}

} // namespace

void KtSession::CompleteSend(PendingSend *send, int result, snmp_pdu *response)
{
    if (send->InSend) {
        send->FailedDuringSend = result;
        return;
    }
    if (!send->Completion) { // the engine-ID probe of a channel
        sends_.remove(send->Handle);
        Channel *channel = send->Via;
        delete send;
        DiscoveryDone(*channel, result, response);
        return;
    }
    sends_.remove(send->Handle);
    if (!send->Cancelled && RediscoverAndResend(send, result))
        return;
    FreeCopy(*send);
    if (!send->Cancelled)
        send->Completion(RealCause(*send->Via, result), response);
    delete send;
}

void KtSession::StartDiscovery(Channel &channel)
{
    EnsureProbeUser();
    channel.EngineState = Channel::Engine::Discovering;
    auto *probe = new PendingSend{nextHandle_++, &channel, CreateProbePdu(), {}, false, false, std::nullopt};
    sends_.insert(probe->Handle, probe);
    if (!SendToLibrary(probe)) {
        const int result = *probe->FailedDuringSend;
        sends_.remove(probe->Handle);
        delete probe;
        DiscoveryDone(channel, result, nullptr);
    }
}

namespace {

// Takes the agent's engine ID from a probe's Report (the library may have
// stored it already) and registers the session's user, with keys localised
// for that engine, in the library's user table.
bool AdoptEngineID(snmp_session *session, snmp_pdu *response)
{
    if (session->securityEngineIDLen == 0 && response && response->securityEngineIDLen > 0) {
        session->securityEngineID =
            static_cast<u_char *>(netsnmp_memdup(response->securityEngineID, response->securityEngineIDLen));
        session->securityEngineIDLen = response->securityEngineIDLen;
    }
    if (session->contextEngineIDLen == 0 && session->securityEngineIDLen > 0) {
        session->contextEngineID =
            static_cast<u_char *>(netsnmp_memdup(session->securityEngineID, session->securityEngineIDLen));
        session->contextEngineIDLen = session->securityEngineIDLen;
    }
    if (session->securityEngineIDLen == 0)
        return false;
    ForgetLibraryUser(session->securityEngineID, session->securityEngineIDLen, session->securityName);
    return usm_create_user_from_session(session) == SNMPERR_SUCCESS;
}

} // namespace

void KtSession::DiscoveryDone(Channel &channel, int result, snmp_pdu *response)
{
    const bool known = result != KtLibraryResult::Timeout && AdoptEngineID(channel.Session, response);
    channel.EngineState = known ? Channel::Engine::Known : Channel::Engine::Unknown;
    const QList<PendingSend *> waiting = std::exchange(channel.Waiting, {});
    for (PendingSend *send : waiting) {
        if (known)
            Dispatch(send);
        else
            Fail(send, result == KtLibraryResult::Success ? KtLibraryResult::UsmUnknownEngineID : result);
    }
}

bool KtSession::DiscoverSync(Channel &channel)
{
    EnsureProbeUser();
    snmp_pdu *response = nullptr;
    snmp_sess_synch_response(snmp_sess_pointer(channel.Session), CreateProbePdu(), &response);
    const bool known = AdoptEngineID(channel.Session, response);
    if (response)
        snmp_free_pdu(response);
    channel.EngineState = known ? Channel::Engine::Known : Channel::Engine::Unknown;
    return known;
}

int KtSession::SyncSend(const KtSNMPTarget &target, bool write, qint32 securityLevel, snmp_pdu *pdu,
                        snmp_pdu **response)
{
    *response = nullptr;
    Channel *channel = ChannelFor(target, write, securityLevel);
    if (!channel) {
        snmp_free_pdu(pdu);
        return LibraryResultOf(snmp_errno);
    }
    if (channel->EngineState == Channel::Engine::Unknown && !DiscoverSync(*channel)) {
        snmp_free_pdu(pdu);
        return channel->Session->s_snmp_errno == SNMPERR_TIMEOUT ? KtLibraryResult::Timeout
                                                                 : KtLibraryResult::UsmUnknownEngineID;
    }
    // SNMPv3: an agent that restarted with a new engine ID is discovered
    // again and the PDU sent once more, as for asynchronous sends.
    snmp_pdu *copy = channel->EngineState == Channel::Engine::Known ? snmp_clone_pdu(pdu) : nullptr;
    int result = SyncSendOnce(*channel, pdu, response);
    if (copy && ShouldRediscover(*channel, result)) {
        FreePdu(std::exchange(*response, nullptr));
        ForgetEngine(*channel);
        if (DiscoverSync(*channel))
            result = SyncSendOnce(*channel, std::exchange(copy, nullptr), response);
        else if (channel->Session->s_snmp_errno == SNMPERR_TIMEOUT)
            result = KtLibraryResult::Timeout;
    }
    FreePdu(copy);
    return RealCause(*channel, result);
}

int KtSession::SyncSendOnce(Channel &channel, snmp_pdu *pdu, snmp_pdu **response)
{
    const UsmDropCounts before = CountUsmDrops();
    const int status = snmp_sess_synch_response(snmp_sess_pointer(channel.Session), pdu, response);
    if (const int dropped = DroppedSince(before))
        channel.DroppedResult = dropped;
    switch (status) {
    case STAT_SUCCESS:
        return ResultOfResponse(*response);
    case STAT_TIMEOUT:
        return KtLibraryResult::Timeout;
    default:
        if (*response && (*response)->command == SNMP_MSG_REPORT)
            return ResultOfResponse(*response);
        return LibraryResultOf(channel.Session->s_snmp_errno);
    }
}

// An SNMPv3 agent that restarts comes back with new engine boots and time,
// and perhaps a new engine ID. A Report of an unknown engine ID or of a
// message outside the time window then answers our requests, and the
// library may drop it in its own security processing (it cannot take a
// Report for our user from an engine it has no keys for), so that the
// request only times out. Either way the engine is discovered again and
// the request sent once more, as net-snmp's own tools do on every start.
bool KtSession::ShouldRediscover(const Channel &channel, int result) const
{
    if (channel.EngineState != Channel::Engine::Known)
        return false;
    return result == KtLibraryResult::UsmUnknownEngineID || result == KtLibraryResult::UsmNotInTimeWindow ||
           (result == KtLibraryResult::Timeout && channel.DroppedResult != 0);
}

bool KtSession::RediscoverAndResend(PendingSend *send, int result)
{
    Channel &channel = *send->Via;
    const bool recoverable = result == KtLibraryResult::UsmUnknownEngineID ||
                             result == KtLibraryResult::UsmNotInTimeWindow ||
                             result == KtLibraryResult::Timeout;
    if (send->Resent || !send->Copy || !recoverable)
        return false;
    // Sends that fail while the engine is being discovered again wait for it.
    const bool waitForDiscovery = channel.Recovering || channel.EngineState == Channel::Engine::Discovering;
    if (!waitForDiscovery && !ShouldRediscover(channel, result))
        return false;
    send->Resent = true;
    send->Pdu = std::exchange(send->Copy, nullptr);
    sends_.insert(send->Handle, send);
    channel.Waiting.append(send);
    if (!waitForDiscovery) {
        ForgetEngine(channel);
        StartDiscovery(channel);
    }
    return true;
}

// The agent answered with a Report the library dropped (an agent that
// restarted: a new engine ID, or new engine boots and time). Waiting for
// the sends' time-outs would keep the window on its old state for seconds;
// instead the library session goes at once, taking the sends the library
// holds with it (each ends as timed out and is held for one resend), and a
// new session discovers the engine and sends them again.
void KtSession::RecoverFromRestart(Channel &channel)
{
    snmp_session *fresh = OpenLibrarySession(channel.Target, channel.Write, channel.SecurityLevel,
                                             channel.User ? &*channel.User : nullptr);
    if (!fresh)
        return; // the sends end at their time-outs, as before
    snmp_session *old = std::exchange(channel.Session, fresh);
    if (channel.Notifier) {
        channel.Notifier->setEnabled(false);
        channel.Notifier->deleteLater(); // its signal may be running
        channel.Notifier = nullptr;
    }
    WatchSocket(channel);
    channel.EngineState = Channel::Engine::Unknown;
    channel.Recovering = true;
    snmp_close(old);
    channel.Recovering = false;
    channel.DroppedResult = 0;
    // A completion run by the close may have sent anew and started it.
    if (!channel.Waiting.isEmpty() && channel.EngineState == Channel::Engine::Unknown)
        StartDiscovery(channel);
}

bool KtSession::HasSendsInLibrary(const Channel &channel) const
{
    for (const PendingSend *send : sends_)
        if (send->Via == &channel && send->Completion && !send->Cancelled && !channel.Waiting.contains(send))
            return true;
    return false;
}

// Forgets the agent's engine ID (and the context engine ID taken from it),
// so that the next probe's Report sets both anew.
void KtSession::ForgetEngine(Channel &channel)
{
    snmp_session *session = channel.Session;
    const bool contextFromEngine =
        session->contextEngineIDLen == session->securityEngineIDLen && session->securityEngineIDLen > 0 &&
        std::memcmp(session->contextEngineID, session->securityEngineID, session->securityEngineIDLen) == 0;
    if (contextFromEngine) {
        SNMP_FREE(session->contextEngineID);
        session->contextEngineIDLen = 0;
    }
    SNMP_FREE(session->securityEngineID);
    session->securityEngineIDLen = 0;
    // The library registers a session's user once; let it register the
    // user again, with keys localised for the engine found next.
    session->flags &= ~SNMP_FLAGS_USER_CREATED;
    channel.EngineState = Channel::Engine::Unknown;
    channel.DroppedResult = 0;
}

// A time-out after the library dropped the agent's answers is reported as
// the reason of the drop, the real cause; an answer clears that reason.
int KtSession::RealCause(Channel &channel, int result)
{
    if (result != KtLibraryResult::Timeout) {
        channel.DroppedResult = 0;
        return result;
    }
    return channel.DroppedResult != 0 ? channel.DroppedResult : result;
}

void KtSession::KeepCopyForResend(PendingSend &send)
{
    if (send.Completion && !send.Resent && !send.Copy && send.Via->EngineState != Channel::Engine::NotNeeded)
        send.Copy = snmp_clone_pdu(send.Pdu);
}

void KtSession::FreeCopy(PendingSend &send)
{
    FreePdu(std::exchange(send.Copy, nullptr));
}

// The library's counters of SNMPv3 messages its user-based security
// refused, in the order of the results they stand for.
namespace {

constexpr struct
{
    int Statistic;
    int Result;
} kUsmDrops[] = {
    {STAT_USMSTATSUNKNOWNENGINEIDS, KtLibraryResult::UsmUnknownEngineID},
    {STAT_USMSTATSNOTINTIMEWINDOWS, KtLibraryResult::UsmNotInTimeWindow},
    {STAT_USMSTATSUNKNOWNUSERNAMES, KtLibraryResult::UsmUnknownSecurityName},
    {STAT_USMSTATSUNSUPPORTEDSECLEVELS, KtLibraryResult::UsmUnsupportedSecurityLevel},
    {STAT_USMSTATSWRONGDIGESTS, KtLibraryResult::UsmAuthenticationFailure},
    {STAT_USMSTATSDECRYPTIONERRORS, KtLibraryResult::UsmDecryptionError},
};

} // namespace

KtSession::UsmDropCounts KtSession::CountUsmDrops()
{
    UsmDropCounts counts{};
    for (size_t i = 0; i < counts.size(); ++i)
        counts[i] = snmp_get_statistic(kUsmDrops[i].Statistic);
    return counts;
}

int KtSession::DroppedSince(const UsmDropCounts &before)
{
    const UsmDropCounts after = CountUsmDrops();
    for (size_t i = 0; i < after.size(); ++i)
        if (after[i] != before[i])
            return kUsmDrops[i].Result;
    return 0;
}

void KtSession::FreePdu(snmp_pdu *pdu)
{
    if (pdu)
        snmp_free_pdu(pdu);
}

void KtSession::ProcessPendingEvents()
{
    if (processing_)
        return;
    processing_ = true;
    // Without an outstanding send no completion can run, so the notifiers
    // need not be switched off (each switch wakes the event loop again); a
    // datagram that arrives anyway is read and dropped by the library.
    const bool completionsPossible = HasOutstandingSends();
    for (Channel *channel : std::as_const(channels_))
        if (channel->Notifier && completionsPossible)
            channel->Notifier->setEnabled(false);

    int numfds = 0;
    int block = 0;
    timeval timeout{0, 0};
    netsnmp_large_fd_set readfds;
    netsnmp_large_fd_set_init(&readfds, FD_SETSIZE);
    snmp_select_info2(&numfds, &readfds, &timeout, &block);
    timeval zero{0, 0};
    if (numfds > 0 && netsnmp_large_fd_set_select(numfds, &readfds, nullptr, nullptr, &zero) > 0)
        ReadChannels(&readfds);
    snmp_timeout();
    netsnmp_large_fd_set_cleanup(&readfds);

    for (Channel *channel : std::as_const(channels_))
        if (channel->Notifier && completionsPossible)
            channel->Notifier->setEnabled(true);
    processing_ = false;
}

// Reads channel by channel, so that a Report the library drops is known to
// belong to the channel that read it.
void KtSession::ReadChannels(netsnmp_large_fd_set_s *readable)
{
    // Completions may open channels; those have nothing to read yet.
    const QList<Channel *> channels = channels_.values();
    for (Channel *channel : channels) {
        const UsmDropCounts before = CountUsmDrops();
        snmp_sess_read2(snmp_sess_pointer(channel->Session), readable);
        const int dropped = DroppedSince(before);
        if (dropped == 0 || channel->EngineState == Channel::Engine::NotNeeded)
            continue;
        channel->DroppedResult = dropped;
        if (channel->EngineState == Channel::Engine::Known && HasSendsInLibrary(*channel))
            RecoverFromRestart(*channel);
    }
}

int KtSession::ResultOfResponse(snmp_pdu *response)
{
    if (!response)
        return KtLibraryResult::Error;
    if (response->command == SNMP_MSG_REPORT)
        return LibraryResultOf(snmpv3_get_report_type(response));
    return int(response->errstat);
}

int KtSession::LibraryResultOf(int netsnmpError)
{
    using namespace KtLibraryResult;
    switch (netsnmpError) {
    case SNMPERR_SUCCESS:
        return Success;
    case SNMPERR_TIMEOUT:
        return Timeout;
    case SNMPERR_BAD_ADDRESS:
        return InvalidAddress;
    case SNMPERR_BAD_SESSION:
        return -10; // class not valid
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM:
        return TransportFailed;
    case SNMPERR_MALLOC:
        return ResourceUnavailable;
    case SNMPERR_UNKNOWN_PDU:
        return InvalidPdu;
    case SNMPERR_UNKNOWN_SEC_MODEL:
        return MpUnsupportedSecurityModel;
    case SNMPERR_INVALID_MSG:
        return MpInvalidMessage;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
        return UsmUnknownEngineID;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
        return UsmUnknownSecurityName;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
        return UsmUnsupportedSecurityLevel;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
        return UsmAuthenticationFailure;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
        return UsmNotInTimeWindow;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
        return UsmDecryptionError;
    case SNMPERR_USM_ENCRYPTIONERROR:
        return UsmEncryptionError;
    case SNMPERR_USM_PARSEERROR:
        return UsmParseError;
    case SNMPERR_UNKNOWN_REPORT:
    case SNMPERR_USM_GENERICERROR:
        return UsmError;
    default:
        return Error;
    }
}

KtSNMPTarget BuildTarget(const KtSNMPDevice &device, const KtSNMPSecurity &security, qint32 timeOut,
                         int retries)
{
    KtSNMPTarget target;
    target.Address = device.Address;
    target.Port = device.Port;
    const QString ip = ResolveIPv4(device.Address);
    if (ip.isEmpty())
        throw KtException(KtSnmpErr.Text(9), -509);
    target.Peer = QStringLiteral("udp:%1:%2").arg(ip).arg(device.Port);
    target.Retries = retries;
    target.TimeOut = timeOut;
    if (security.Version == 3) {
        target.UserBased = true;
        target.Version = 3;
        target.SecurityModel = security.SecurityModel;
        target.SecurityName = security.SecurityName;
        const int status = KtSNMPSession
                               ? KtSNMPSession->UsmAddUserName(security.SecurityName, security.AuthProtocol,
                                                               security.PrivProtocol, security.AuthPassword,
                                                               security.PrivPassword)
                               : 0;
        if (status != 0)
            throw KtException(KtErrorText(status), status);
        if (const int tooShort = KtCheckPassPhrases(security))
            throw KtException(KtErrorText(tooShort), tooShort);
    } else {
        target.Version = security.Version;
        target.ReadCommunity = security.ReadCommunity;
        target.WriteCommunity = security.WriteCommunity;
    }
    return target;
}
