#include "KtSession.h"

#include "KtCatalogue.h"
#include "KtException.h"

#include <net-snmp/library/large_fd_set.h>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cstdlib>
#include <string>

KtSession *KtSNMPSession = nullptr;

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

QString SessionKey(const KtSNMPTarget &target, bool write, qint32 securityLevel, const KtUsmUser *user)
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

bool SetUserKeys(snmp_session &session, const KtUsmUser &user, qint32 securityLevel)
{
    if (securityLevel >= SNMP_SEC_LEVEL_AUTHNOPRIV) {
        const QByteArray pass = user.AuthPassword.toUtf8();
        if (user.AuthProtocol == 3) {
            session.securityAuthProto = snmp_duplicate_objid(usmHMACSHA1AuthProtocol, USM_AUTH_PROTO_SHA_LEN);
            session.securityAuthProtoLen = USM_AUTH_PROTO_SHA_LEN;
        } else {
            session.securityAuthProto = snmp_duplicate_objid(usmHMACMD5AuthProtocol, USM_AUTH_PROTO_MD5_LEN);
            session.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
        }
        session.securityAuthKeyLen = USM_AUTH_KU_LEN;
        if (generate_Ku(session.securityAuthProto, session.securityAuthProtoLen,
                        reinterpret_cast<const u_char *>(pass.constData()), pass.size(),
                        session.securityAuthKey, &session.securityAuthKeyLen) != SNMPERR_SUCCESS)
            return false;
    }
    if (securityLevel >= SNMP_SEC_LEVEL_AUTHPRIV) {
        const QByteArray pass = user.PrivPassword.toUtf8();
        session.securityPrivProto = snmp_duplicate_objid(usmDESPrivProtocol, USM_PRIV_PROTO_DES_LEN);
        session.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
        session.securityPrivKeyLen = USM_PRIV_KU_LEN;
        if (generate_Ku(session.securityAuthProto, session.securityAuthProtoLen,
                        reinterpret_cast<const u_char *>(pass.constData()), pass.size(),
                        session.securityPrivKey, &session.securityPrivKeyLen) != SNMPERR_SUCCESS)
            return false;
    }
    return true;
}

} // namespace

int KtSession::Create()
{
    if (!KtSNMPSession) {
        KtSNMPSession = new KtSession;
        ConfigureLibrary();
        InitLibraryWithoutMibs();
    }
    return KtSNMPSession->status_;
}

KtSession::~KtSession()
{
    for (snmp_session *session : std::as_const(sessions_))
        snmp_close(session);
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
    if (authProtocol < 1 || authProtocol > 3)
        return -312;
    if (privProtocol != 1 && privProtocol != 2)
        return -313; // IDEA (9) and anything else: this engine has no such cipher
    users_.insert(securityName, KtUsmUser{authProtocol, privProtocol, authPassword, privPassword});
    return 0;
}

const KtUsmUser *KtSession::FindUser(const QString &securityName) const
{
    auto it = users_.constFind(securityName);
    return it == users_.cend() ? nullptr : &it.value();
}

snmp_session *KtSession::SessionFor(const KtSNMPTarget &target, bool write, qint32 securityLevel)
{
    const KtUsmUser *user = target.UserBased ? FindUser(target.SecurityName) : nullptr;
    const QString key = SessionKey(target, write, securityLevel, user);
    if (snmp_session *open = sessions_.value(key))
        return open;

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
        if (user && !SetUserKeys(settings, *user, securityLevel))
            return nullptr;
    } else {
        settings.version = target.Version == 1 ? SNMP_VERSION_2c : SNMP_VERSION_1;
        community = (write ? target.WriteCommunity : target.ReadCommunity).toUtf8();
        settings.community = reinterpret_cast<u_char *>(community.data());
        settings.community_len = size_t(community.size());
    }
    snmp_session *session = snmp_open(&settings);
    SNMP_FREE(settings.securityAuthProto);
    SNMP_FREE(settings.securityPrivProto);
    if (!session)
        return nullptr;
    sessions_.insert(key, session);
    return session;
}

void KtSession::ProcessPendingEvents()
{
    int numfds = 0;
    int block = 0;
    timeval timeout{0, 0};
    netsnmp_large_fd_set readfds;
    netsnmp_large_fd_set_init(&readfds, FD_SETSIZE);
    snmp_select_info2(&numfds, &readfds, &timeout, &block);
    timeval zero{0, 0};
    if (numfds > 0 && netsnmp_large_fd_set_select(numfds, &readfds, nullptr, nullptr, &zero) > 0)
        snmp_read2(&readfds);
    snmp_timeout();
    netsnmp_large_fd_set_cleanup(&readfds);
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
    } else {
        target.Version = security.Version;
        target.ReadCommunity = security.ReadCommunity;
        target.WriteCommunity = security.WriteCommunity;
    }
    return target;
}
