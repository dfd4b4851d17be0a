#pragma once

#include "KtConnectSettings.h"

#include <QList>

// The switches the connect dialog started the module for, most recent first,
// kept with QSettings. Only what identifies a switch and how to reach it is
// kept: address, port, version, user, security level and protocols, never a
// community or a pass phrase.
class KtRecentSwitches
{
public:
    static constexpr int MaximumCount = 10;

    static QList<KtConnectSettings> Load();

    // Puts these settings first, without their secrets, dropping an older
    // entry for the same address, port, version and user.
    static void Remember(const KtConnectSettings &settings);

    // "10.0.0.5:161 SNMPv3 admin" for the list of the dialog.
    static QString Caption(const KtConnectSettings &settings);

private:
    static void Save(const QList<KtConnectSettings> &entries);
};
