#pragma once

#include "KtSNMPEngine.h"

#include <QHash>
#include <QString>
#include <array>
#include <functional>
#include <memory>

struct snmp_session;
struct snmp_pdu;
struct netsnmp_large_fd_set_s;
class QObject;

// The SNMP target of one send: addressing, version, credentials, retries and
// time-out. Community targets carry both communities (reads use the read
// community, writes the write community); user-based targets carry the
// security model and name, whose keys come from the session's user table.
struct KtSNMPTarget
{
    bool UserBased = false;
    QString Address; // as given
    QString Peer;    // resolved, "udp:a.b.c.d:port"
    quint16 Port = 161;
    quint8 Version = 0;
    int Retries = 1;
    qint32 TimeOut = 100; // hundredths of a second
    QString ReadCommunity;
    QString WriteCommunity;
    qint32 SecurityModel = 3;
    QString SecurityName;
};

// One registered SNMPv3 user: the two protocol codes (KtUsmProtocols.h)
// and the two pass phrases.
struct KtUsmUser
{
    qint32 AuthProtocol = 1;
    qint32 PrivProtocol = 1;
    QString AuthPassword;
    QString PrivPassword;
};

// Results of the transport are in the SNMP library's result space that
// MapResult turns into application codes: 0 success, 1 to 18 a PDU error
// status, -1 to -23 session errors (-5 time-out, -8 session closed),
// -1402 to -1418 message-processing errors, 1401 to 1414 user-based
// security errors.
namespace KtLibraryResult {
constexpr int Success = 0;
constexpr int Error = -1;
constexpr int ResourceUnavailable = -2;
constexpr int InternalError = -3;
constexpr int Timeout = -5;
constexpr int SessionDestroyed = -8;
constexpr int InvalidPdu = -11;
constexpr int InvalidTarget = -12;
constexpr int InvalidAddress = -18;
constexpr int TransportFailed = -22;
constexpr int MpUnsupportedSecurityModel = -1402;
constexpr int MpInvalidMessage = -1405;
constexpr int MpParseError = -1408;
constexpr int MpUsmError = -1414;
constexpr int UsmError = 1401;
constexpr int UsmUnsupportedSecurityLevel = 1403;
constexpr int UsmUnknownSecurityName = 1404;
constexpr int UsmEncryptionError = 1405;
constexpr int UsmDecryptionError = 1406;
constexpr int UsmAuthenticationFailure = 1408;
constexpr int UsmParseError = 1409;
constexpr int UsmUnknownEngineID = 1410;
constexpr int UsmNotInTimeWindow = 1411;
} // namespace KtLibraryResult

// Called once per asynchronous send with the library result and, when one
// arrived, the response (owned by the library, valid only during the call).
using KtSendCompletion = std::function<void(int result, snmp_pdu *response)>;

// The process-wide SNMP session. Every request of every window sends through
// it. The SNMP library keeps version, credentials and destination per
// library session, so this object keeps one library session per distinct
// set of target settings, each on an ephemeral local UDP port.
class KtSession
{
public:
    // Creates the process-wide instance (KtSNMPSession) and returns the
    // library status (0 on success). The instance is stored even on failure.
    static int Create();

    ~KtSession();

    void SetLocalEngine(const QByteArray &engineID, qint32 boots);

    // Registers (or replaces) a user in the user table keyed by security
    // name. Returns 0, or -312 / -313 for an authentication or privacy
    // protocol this engine does not support.
    int UsmAddUserName(const QString &securityName, qint32 authProtocol, qint32 privProtocol,
                       const QString &authPassword, const QString &privPassword);
    const KtUsmUser *FindUser(const QString &securityName) const;

    // Sends a PDU (taking ownership of it) without waiting. The completion
    // runs later, from ProcessPendingEvents, exactly once unless the send is
    // cancelled. For SNMPv3 the agent's engine ID is discovered first,
    // asynchronously as well. Returns a handle for Cancel; raises the mapped
    // library result when the PDU cannot be sent at all.
    quint64 AsyncSend(const KtSNMPTarget &target, bool write, qint32 securityLevel, snmp_pdu *pdu,
                      KtSendCompletion completion);

    // Forgets a send: its completion will not run.
    void Cancel(quint64 handle);

    // Sends a PDU (taking ownership of it) and waits for the answer, for at
    // most (retries + 1) time-outs (plus as much again for SNMPv3 engine
    // discovery). Returns the library result; *response is set when a
    // response arrived and must be freed with FreePdu.
    int SyncSend(const KtSNMPTarget &target, bool write, qint32 securityLevel, snmp_pdu *pdu,
                 snmp_pdu **response);

    static void FreePdu(snmp_pdu *pdu);

    // Sends retries, detects time-outs and delivers received responses
    // without blocking; request callbacks run inside this call. Re-entrant
    // calls (from a callback that pumps window messages) do nothing.
    void ProcessPendingEvents();
    // Whether any send awaits its completion (retries and time-outs to drive).
    bool HasOutstandingSends() const { return !sends_.isEmpty(); }
    // Runs when a send is queued while none was outstanding, so that a pump
    // that sleeps while the session is idle starts ticking again.
    std::function<void()> WhenBusy;

    // Library result of a net-snmp error number or of a received Report.
    static int LibraryResultOf(int netsnmpError);
    static int ResultOfResponse(snmp_pdu *response);

    // Number of library sessions currently open (for tests and benchmarks).
    int OpenSessionCount() const { return int(channels_.size()); }

    struct Channel;
    struct PendingSend;
    // Entry of the library's completion callback.
    void CompleteSend(PendingSend *send, int result, snmp_pdu *response);

private:
    KtSession();

    Channel *ChannelFor(const KtSNMPTarget &target, bool write, qint32 securityLevel);
    void WatchSocket(Channel &channel);
    void StartDiscovery(Channel &channel);
    void DiscoveryDone(Channel &channel, int result, snmp_pdu *response);
    bool DiscoverSync(Channel &channel);
    bool SendToLibrary(PendingSend *send);
    void Dispatch(PendingSend *send);
    void Fail(PendingSend *send, int result);

    // Recovery from an SNMPv3 agent's restart.
    using UsmDropCounts = std::array<unsigned int, 6>;
    static UsmDropCounts CountUsmDrops();
    // The result of the first kind of drop counted since `before`, or 0.
    static int DroppedSince(const UsmDropCounts &before);
    void ReadChannels(netsnmp_large_fd_set_s *readable);
    bool HasSendsInLibrary(const Channel &channel) const;
    void RecoverFromRestart(Channel &channel);
    bool ShouldRediscover(const Channel &channel, int result) const;
    bool RediscoverAndResend(PendingSend *send, int result);
    void ForgetEngine(Channel &channel);
    int RealCause(Channel &channel, int result);
    void KeepCopyForResend(PendingSend &send);
    void FreeCopy(PendingSend &send);
    int SyncSendOnce(Channel &channel, snmp_pdu *pdu, snmp_pdu **response);

    int status_ = 0;
    bool processing_ = false;
    quint64 nextHandle_ = 1;
    std::unique_ptr<QObject> notifierOwner_;
    QHash<QString, KtUsmUser> users_;
    QHash<QString, Channel *> channels_;
    QHash<quint64, PendingSend *> sends_;
};

extern KtSession *KtSNMPSession;

// Builds the target of one send from a request's copy of the settings.
// Raises -509 for an address that is neither a dotted IP address nor a
// resolvable name, -312/-313 for unsupported SNMPv3 protocols, -315 for a
// pass phrase the security level needs that is shorter than 8 characters.
KtSNMPTarget BuildTarget(const KtSNMPDevice &device, const KtSNMPSecurity &security, qint32 timeOut,
                         int retries);
