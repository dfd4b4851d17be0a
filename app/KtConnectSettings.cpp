#include "KtConnectSettings.h"

#include <QRegularExpression>
#include <arpa/inet.h>

namespace {

bool IsIpAddress(const QString &text)
{
    const QByteArray address = text.toLatin1();
    unsigned char buffer[16];
    return inet_pton(AF_INET, address.constData(), buffer) == 1 ||
           inet_pton(AF_INET6, address.constData(), buffer) == 1;
}

bool IsHostName(const QString &text)
{
    static const QRegularExpression name(
        QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]{0,62})(\\.[A-Za-z0-9]([A-Za-z0-9-]{0,62}))*\\.?$"));
    return text.size() <= 253 && name.match(text).hasMatch();
}

// A value carrying "/" could be read as a further switch by the module's
// command line ("/Rab/Icd" would set the address).
QString SlashProblem(const QString &value, const QString &what)
{
    if (value.contains(QLatin1Char('/')))
        return QStringLiteral("The %1 cannot contain \"/\": the module would read what follows as "
                              "another switch.")
            .arg(what);
    return {};
}

QString PassPhraseProblem(const QString &passPhrase, const QString &what)
{
    if (passPhrase.size() < KtConnectSettings::MinimumPassPhrase)
        return QStringLiteral("The %1 pass phrase needs at least %2 characters.")
            .arg(what)
            .arg(KtConnectSettings::MinimumPassPhrase);
    return SlashProblem(passPhrase, what + QStringLiteral(" pass phrase"));
}

} // namespace

QString KtConnectSettings::Problem() const
{
    if (Address.isEmpty())
        return QStringLiteral("Enter the address of the switch.");
    if (!IsIpAddress(Address) && !IsHostName(Address))
        return QStringLiteral("\"%1\" is not an IP address or host name.").arg(Address);
    bool ok = false;
    const int port = Port.trimmed().toInt(&ok, 10);
    if (!ok || port < 1 || port > 65535)
        return QStringLiteral("The port must be a number from 1 to 65535.");
    if (UsesCommunities()) {
        if (ReadCommunity.isEmpty())
            return QStringLiteral("Enter the read community.");
        if (QString problem = SlashProblem(ReadCommunity, QStringLiteral("read community"));
            !problem.isEmpty())
            return problem;
        return SlashProblem(WriteCommunity, QStringLiteral("write community"));
    }
    if (User.isEmpty())
        return QStringLiteral("Enter the SNMPv3 user name.");
    if (User.contains(QLatin1Char(' ')))
        return QStringLiteral("The user name cannot contain blanks.");
    if (QString problem = SlashProblem(User, QStringLiteral("user name")); !problem.isEmpty())
        return problem;
    if (UsesAuthentication()) {
        if (AuthProtocol == NoProtocol)
            return QStringLiteral("Choose an authentication protocol: the security level needs one.");
        if (QString problem = PassPhraseProblem(AuthPassPhrase, QStringLiteral("authentication"));
            !problem.isEmpty())
            return problem;
    }
    if (UsesPrivacy()) {
        if (PrivProtocol == NoProtocol)
            return QStringLiteral("Choose a privacy protocol: the security level needs one.");
        return PassPhraseProblem(PrivPassPhrase, QStringLiteral("privacy"));
    }
    return {};
}

QStringList KtConnectSettings::Parameters() const
{
    const QString port = QString::number(Port.trimmed().toInt());
    QStringList parameters{QStringLiteral("/I") + Address};
    if (UsesCommunities()) {
        parameters << QStringLiteral("/R") + ReadCommunity << QStringLiteral("/W") + WriteCommunity;
        if (port.toInt() != DefaultPort)
            parameters << QStringLiteral("/v3") << QStringLiteral("/t") + port;
        parameters << QStringLiteral("/v") + QString::number(Version);
        return parameters;
    }
    parameters << QStringLiteral("/v3") << QStringLiteral("/t") + port << QStringLiteral("/m3")
               << QStringLiteral("/n") + User << QStringLiteral("/l") + QString::number(Level);
    if (UsesAuthentication())
        parameters << QStringLiteral("/a") + QString::number(AuthProtocol)
                   << QStringLiteral("/A") + AuthPassPhrase;
    if (UsesPrivacy())
        parameters << QStringLiteral("/p") + QString::number(PrivProtocol)
                   << QStringLiteral("/P") + PrivPassPhrase;
    return parameters;
}
