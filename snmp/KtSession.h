#pragma once

#include "KtSNMPEngine.h"

#include <QHash>
#include <QString>
#include <memory>

struct snmp_session;

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

// One registered SNMPv3 user: protocols coded 1 none / 2 MD5 / 3 SHA and
// 1 none / 2 DES / 9 IDEA, and the two pass phrases.
struct KtUsmUser
{
    qint32 AuthProtocol = 1;
    qint32 PrivProtocol = 1;
    QString AuthPassword;
    QString PrivPassword;
};

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

    // The library session for a target, opened on first use. For community
    // targets `write` picks the write community. Returns nullptr when the
    // library cannot open it. Only the SNMP layer itself uses this.
    snmp_session *SessionFor(const KtSNMPTarget &target, bool write, qint32 securityLevel);

    // Sends retries, detects time-outs and delivers received responses
    // without blocking; request callbacks run inside this call.
    void ProcessPendingEvents();

    // Number of library sessions currently open (for tests and benchmarks).
    int OpenSessionCount() const { return int(sessions_.size()); }

private:
    KtSession() = default;
    int status_ = 0;
    QHash<QString, KtUsmUser> users_;
    QHash<QString, snmp_session *> sessions_;
};

extern KtSession *KtSNMPSession;

// Builds the target of one send from a request's copy of the settings.
// Raises -509 for an address that is neither a dotted IP address nor a
// resolvable name, -312/-313 for unsupported SNMPv3 protocols.
KtSNMPTarget BuildTarget(const KtSNMPDevice &device, const KtSNMPSecurity &security, qint32 timeOut,
                         int retries);
