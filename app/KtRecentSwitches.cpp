#include "KtRecentSwitches.h"

#include <QSettings>

namespace {

const QString kOrganisation = QStringLiteral("Keltra");
const QString kApplication = QStringLiteral("qg2312");
const QString kGroup = QStringLiteral("RecentSwitches");

bool SameSwitch(const KtConnectSettings &a, const KtConnectSettings &b)
{
    return a.Address == b.Address && a.Port.trimmed() == b.Port.trimmed() && a.Version == b.Version &&
           a.User == b.User;
}

// What may be kept of the settings: nothing secret, and the user and
// SNMPv3 choices only for SNMPv3.
KtConnectSettings Shareable(const KtConnectSettings &settings)
{
    KtConnectSettings kept;
    kept.Address = settings.Address;
    kept.Port = settings.Port.trimmed();
    kept.Version = settings.Version;
    if (settings.Version == 3) {
        kept.User = settings.User;
        kept.Level = settings.Level;
        kept.AuthProtocol = settings.AuthProtocol;
        kept.PrivProtocol = settings.PrivProtocol;
    }
    return kept;
}

} // namespace

QList<KtConnectSettings> KtRecentSwitches::Load()
{
    QSettings store(kOrganisation, kApplication);
    QList<KtConnectSettings> entries;
    const int count = store.beginReadArray(kGroup);
    for (int i = 0; i < count && entries.size() < MaximumCount; ++i) {
        store.setArrayIndex(i);
        KtConnectSettings entry;
        entry.Address = store.value(QStringLiteral("Address")).toString();
        entry.Port = store.value(QStringLiteral("Port"), entry.Port).toString();
        entry.Version = store.value(QStringLiteral("Version"), 0).toInt();
        entry.User = store.value(QStringLiteral("User")).toString();
        entry.Level = store.value(QStringLiteral("Level"), 1).toInt();
        entry.AuthProtocol = store.value(QStringLiteral("AuthProtocol"), entry.AuthProtocol).toInt();
        entry.PrivProtocol = store.value(QStringLiteral("PrivProtocol"), entry.PrivProtocol).toInt();
        const bool knownVersion = entry.Version == 0 || entry.Version == 1 || entry.Version == 3;
        if (!entry.Address.isEmpty() && knownVersion && entry.Level >= 1 && entry.Level <= 3)
            entries << entry;
    }
    store.endArray();
    return entries;
}

void KtRecentSwitches::Remember(const KtConnectSettings &settings)
{
    const KtConnectSettings kept = Shareable(settings);
    QList<KtConnectSettings> entries = Load();
    entries.removeIf([&](const KtConnectSettings &entry) { return SameSwitch(entry, kept); });
    entries.prepend(kept);
    Save(entries.mid(0, MaximumCount));
}

void KtRecentSwitches::Save(const QList<KtConnectSettings> &entries)
{
    QSettings store(kOrganisation, kApplication);
    store.remove(kGroup);
    store.beginWriteArray(kGroup, int(entries.size()));
    for (int i = 0; i < entries.size(); ++i) {
        const KtConnectSettings &entry = entries[i];
        store.setArrayIndex(i);
        store.setValue(QStringLiteral("Address"), entry.Address);
        store.setValue(QStringLiteral("Port"), entry.Port);
        store.setValue(QStringLiteral("Version"), entry.Version);
        if (entry.Version == 3) {
            store.setValue(QStringLiteral("User"), entry.User);
            store.setValue(QStringLiteral("Level"), entry.Level);
            store.setValue(QStringLiteral("AuthProtocol"), entry.AuthProtocol);
            store.setValue(QStringLiteral("PrivProtocol"), entry.PrivProtocol);
        }
    }
    store.endArray();
}

QString KtRecentSwitches::Caption(const KtConnectSettings &settings)
{
    const char *version = settings.Version == 3 ? "SNMPv3" : settings.Version == 1 ? "SNMPv2c" : "SNMPv1";
    QString caption =
        settings.Address + QLatin1Char(':') + settings.Port + QLatin1Char(' ') + QLatin1String(version);
    if (settings.Version == 3)
        caption += QLatin1Char(' ') + settings.User;
    return caption;
}
