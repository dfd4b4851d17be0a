#include "KtUsmProtocols.h"

#include "KtSNMPEngine.h"
#include "KtSession.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <span>

namespace {

struct ProtocolEntry
{
    qint32 Code;
    const char *Name;
    const oid *Protocol;
    size_t Length;
};

const ProtocolEntry kAuthProtocols[] = {
    {AuthNone, "none", usmNoAuthProtocol, OID_LENGTH(usmNoAuthProtocol)},
    {AuthMD5, "HMAC-MD5", usmHMACMD5AuthProtocol, OID_LENGTH(usmHMACMD5AuthProtocol)},
    {AuthSHA, "HMAC-SHA", usmHMACSHA1AuthProtocol, OID_LENGTH(usmHMACSHA1AuthProtocol)},
    {AuthSHA224, "HMAC-SHA-224", usmHMAC128SHA224AuthProtocol, OID_LENGTH(usmHMAC128SHA224AuthProtocol)},
    {AuthSHA256, "HMAC-SHA-256", usmHMAC192SHA256AuthProtocol, OID_LENGTH(usmHMAC192SHA256AuthProtocol)},
    {AuthSHA384, "HMAC-SHA-384", usmHMAC256SHA384AuthProtocol, OID_LENGTH(usmHMAC256SHA384AuthProtocol)},
    {AuthSHA512, "HMAC-SHA-512", usmHMAC384SHA512AuthProtocol, OID_LENGTH(usmHMAC384SHA512AuthProtocol)},
};

const ProtocolEntry kPrivProtocols[] = {
    {PrivNone, "none", usmNoPrivProtocol, OID_LENGTH(usmNoPrivProtocol)},
    {PrivDES, "DES", usmDESPrivProtocol, OID_LENGTH(usmDESPrivProtocol)},
    {PrivAES128, "AES-128", usmAESPrivProtocol, OID_LENGTH(usmAESPrivProtocol)},
    {PrivAES192, "AES-192", usmAES192PrivProtocol, OID_LENGTH(usmAES192PrivProtocol)},
    {PrivAES256, "AES-256", usmAES256PrivProtocol, OID_LENGTH(usmAES256PrivProtocol)},
};

const ProtocolEntry *Find(std::span<const ProtocolEntry> table, qint32 code)
{
    for (const ProtocolEntry &entry : table)
        if (entry.Code == code)
            return &entry;
    return nullptr;
}

QList<qint32> CodesOf(std::span<const ProtocolEntry> table)
{
    QList<qint32> codes;
    for (const ProtocolEntry &entry : table)
        codes << entry.Code;
    return codes;
}

// At a level that uses a protocol, "none" and unknown codes fall back to
// the first real one (MD5, DES), as the user table always has.
const ProtocolEntry &InUse(std::span<const ProtocolEntry> table, qint32 code)
{
    const ProtocolEntry *entry = Find(table, code);
    return entry && entry->Code != table.front().Code ? *entry : table[1];
}

// One protocol and the master key (Ku) of its pass phrase, hashed with the
// authentication protocol, into a session's fields; no key when the library
// makes none.
void SetProtocolAndKey(const ProtocolEntry &protocol, const ProtocolEntry &hash, const QString &passPhrase,
                       oid *&protocolField, size_t &protocolLength, u_char *key, size_t &keyLength,
                       size_t keyCapacity)
{
    protocolField = snmp_duplicate_objid(protocol.Protocol, protocol.Length);
    protocolLength = protocol.Length;
    const QByteArray pass = passPhrase.toUtf8();
    keyLength = keyCapacity;
    if (generate_Ku(hash.Protocol, u_int(hash.Length), reinterpret_cast<const u_char *>(pass.constData()),
                    size_t(pass.size()), key, &keyLength) != SNMPERR_SUCCESS)
        keyLength = 0;
}

} // namespace

QList<qint32> KtAuthProtocolCodes()
{
    return CodesOf(kAuthProtocols);
}

QList<qint32> KtPrivProtocolCodes()
{
    return CodesOf(kPrivProtocols);
}

bool KtSupportsAuthProtocol(qint32 code)
{
    return Find(kAuthProtocols, code) != nullptr;
}

bool KtSupportsPrivProtocol(qint32 code)
{
    return Find(kPrivProtocols, code) != nullptr;
}

QString KtAuthProtocolName(qint32 code)
{
    const ProtocolEntry *entry = Find(kAuthProtocols, code);
    return entry ? QString::fromLatin1(entry->Name) : QString();
}

QString KtPrivProtocolName(qint32 code)
{
    const ProtocolEntry *entry = Find(kPrivProtocols, code);
    return entry ? QString::fromLatin1(entry->Name) : QString();
}

int KtCheckPassPhrases(const KtSNMPSecurity &security)
{
    const bool authShort = security.SecurityLevel >= SNMP_SEC_LEVEL_AUTHNOPRIV &&
                           security.AuthPassword.toUtf8().size() < KtMinimumPassPhraseLength;
    const bool privShort = security.SecurityLevel >= SNMP_SEC_LEVEL_AUTHPRIV &&
                           security.PrivPassword.toUtf8().size() < KtMinimumPassPhraseLength;
    return authShort || privShort ? KtErrPassPhraseTooShort : 0;
}

void KtSetUserKeys(snmp_session &session, const KtUsmUser &user, qint32 securityLevel)
{
    if (securityLevel < SNMP_SEC_LEVEL_AUTHNOPRIV)
        return;
    const ProtocolEntry &auth = InUse(kAuthProtocols, user.AuthProtocol);
    SetProtocolAndKey(auth, auth, user.AuthPassword, session.securityAuthProto, session.securityAuthProtoLen,
                      session.securityAuthKey, session.securityAuthKeyLen, USM_AUTH_KU_LEN);
    if (securityLevel < SNMP_SEC_LEVEL_AUTHPRIV)
        return;
    const ProtocolEntry &priv = InUse(kPrivProtocols, user.PrivProtocol);
    SetProtocolAndKey(priv, auth, user.PrivPassword, session.securityPrivProto, session.securityPrivProtoLen,
                      session.securityPrivKey, session.securityPrivKeyLen, USM_PRIV_KU_LEN);
}
