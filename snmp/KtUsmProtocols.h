#pragma once

#include <QList>
#include <QString>

struct snmp_session;
struct KtSNMPSecurity;
struct KtUsmUser;

// The SNMPv3 protocol codes of the command line and the user table (the
// configuration file holds the code minus one). 1 means none; IDEA (9) is
// a code this engine knows but has no cipher for.
enum KtAuthProtocolCode : qint32
{
    AuthNone = 1,
    AuthMD5 = 2,
    AuthSHA = 3,
    AuthSHA224 = 4,
    AuthSHA256 = 5,
    AuthSHA384 = 6,
    AuthSHA512 = 7,
};

enum KtPrivProtocolCode : qint32
{
    PrivNone = 1,
    PrivDES = 2,
    PrivIDEA = 9,
    PrivAES128 = 19,
    PrivAES192 = 20,
    PrivAES256 = 21,
};

// Pass phrases shorter than this give no key (RFC 3414).
constexpr int KtMinimumPassPhraseLength = 8;

// Catalogue code of a pass phrase that is too short: entry 14 of snmpusm.err.
constexpr int KtErrPassPhraseTooShort = -315;

// The codes this engine offers, "none" first.
QList<qint32> KtAuthProtocolCodes();
QList<qint32> KtPrivProtocolCodes();
bool KtSupportsAuthProtocol(qint32 code);
bool KtSupportsPrivProtocol(qint32 code);

// "HMAC-SHA-256", "AES-128", ...; empty for a code the engine does not offer.
QString KtAuthProtocolName(qint32 code);
QString KtPrivProtocolName(qint32 code);

// 0, or KtErrPassPhraseTooShort when a pass phrase the security level uses
// (authentication from authNoPriv on, privacy at authPriv) is shorter than
// KtMinimumPassPhraseLength.
int KtCheckPassPhrases(const KtSNMPSecurity &security);

// Puts the user's protocols and master keys (Ku, from the pass phrases with
// the authentication hash) into a library session for the given security
// level. The library localises them for the agent's engine ID once it is
// known, extending privacy keys that are longer than the hash (AES-192 and
// AES-256 with MD5 or SHA-1). The protocol OIDs are allocated; the caller
// frees them after opening the session.
void KtSetUserKeys(snmp_session &session, const KtUsmUser &user, qint32 securityLevel);
