#pragma once

#include <QString>
#include <QStringList>

// What the connect dialog asks for: one switch and the credentials to reach
// it. Versions and protocols use the command-line codes (version 0 = v1,
// 1 = v2c, 3 = v3; level 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv;
// protocol 1 = none).
struct KtConnectSettings
{
    static constexpr int DefaultPort = 161;
    static constexpr int NoProtocol = 1;
    static constexpr int MinimumPassPhrase = 8;

    QString Address;
    QString Port = QString::number(DefaultPort); // as typed, checked by Problem
    int Version = 0;
    QString ReadCommunity;
    QString WriteCommunity;
    QString User;
    int Level = 1;
    int AuthProtocol = NoProtocol;
    QString AuthPassPhrase;
    int PrivProtocol = NoProtocol;
    QString PrivPassPhrase;

    bool UsesCommunities() const { return Version != 3; }
    bool UsesAuthentication() const { return Version == 3 && Level >= 2; }
    bool UsesPrivacy() const { return Version == 3 && Level >= 3; }

    // Why these settings cannot start the module, as a sentence for the
    // user; empty when they can. Only what the chosen version and level use
    // is checked.
    QString Problem() const;

    // The module's command line for these settings: only what the chosen
    // version and level use, in an order in which every switch counts. An
    // SNMPv1/v2c port other than 161 is given under a passing /v3, the only
    // version under which the module reads /t.
    QStringList Parameters() const;
};
