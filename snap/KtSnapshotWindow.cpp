#include "KtSnapshotWindow.h"

#include "KtDedicatedWindows.h"
#include "KtMenuCatalogue.h"

namespace {

// The secrets among the writable objects of the catalogue and the dedicated
// windows.
constexpr const char *SecretOidTexts[] = {
    "1.3.6.1.6.3.15.1.2.2.1.6",           // usmUserAuthKeyChange
    "1.3.6.1.6.3.15.1.2.2.1.7",           // usmUserOwnAuthKeyChange
    "1.3.6.1.6.3.15.1.2.2.1.9",           // usmUserPrivKeyChange
    "1.3.6.1.6.3.15.1.2.2.1.10",          // usmUserOwnPrivKeyChange
    "1.3.6.1.6.3.18.1.1.1.2",             // snmpCommunityName, the community string
    "1.3.6.1.4.1.47893.11.55.2.3.4.1.2",  // the MD5 key of Layer 3 management
    "1.3.6.1.4.1.47893.11.55.2.3.7.1.10", // OSPF virtual interface authentication key
    "1.3.6.1.4.1.47893.11.55.2.3.8.1.19", // OSPF interface authentication key
    "1.3.6.1.2.1.68.1.3.1.10",            // VRRP authentication key
    "1.3.6.1.4.1.47893.12.8.1.3.1.9",     // single-IP member password
    "1.3.6.1.4.1.47893.12.5.10.1.4",      // authentication server key (TACACS, RADIUS)
};

// Writable objects whose write starts something instead of setting it:
// a restore must never send them, whatever their value.
constexpr const char *ActionOidTexts[] = {
    "1.3.6.1.4.1.47893.12.1.2.3",        // System Reset State: cold-start restarts the switch
    "1.3.6.1.4.1.47893.12.1.2.6",        // Save Config
    "1.3.6.1.4.1.47893.12.1.2.1.1.9",    // the update files' Status: start begins a download or upload
    "1.3.6.1.4.1.47893.12.1.4.3",        // agentPingTestControl: active starts a ping test
    "1.3.6.1.4.1.47893.11.55.2.2.1.2.4", // Clean All Statistic Counter
    "1.3.6.1.4.1.47893.12.7.2.5", // swSSLCertificateFileCtrl: start loads, delete removes the certificate
};

// Writable objects whose values move on by themselves.
constexpr const char *RunningOidTexts[] = {
    "1.3.6.1.4.1.47893.12.10.2", // the switch's clock, "Current Clock"
};

const QString PathSeparator = QStringLiteral(" > ");

bool HasSetting(const KtSnapshotWindow &window)
{
    for (int i = 0; window.Vars[i].Oid; ++i)
        if (window.IsSetting(i))
            return true;
    return false;
}

// Whether a value's OID lies below one of the objects.
template <size_t N> bool IsBelowOneOf(const QString &oid, const char *const (&objects)[N])
{
    for (const char *object : objects)
        if (oid.startsWith(QLatin1String(object)) &&
            oid.mid(qsizetype(qstrlen(object))).startsWith(QLatin1Char('.')))
            return true;
    return false;
}

// A dedicated window's tables that hold settings: the first under the
// window's path, any other under the path and the table's caption.
void CollectDedicated(const KtMenuItem &item, const QString &path, std::vector<KtSnapshotWindow> &windows)
{
    const KtDedicatedWindowDef *dedicated = KtFindDedicatedWindow(item.ClassName);
    if (!dedicated || !dedicated->Tables)
        return;
    bool first = true;
    for (const KtDescriptorTable &table : dedicated->Tables()) {
        KtSnapshotWindow window{path, table.Vars, table.Kind, table.IndexCount, table.StatusVariable};
        if (!HasSetting(window))
            continue;
        if (!first)
            window.Path += QStringLiteral(" [%1]").arg(QString::fromUtf8(table.Caption));
        first = false;
        windows.push_back(window);
    }
}

void Collect(const KtMenuItem *items, const QString &parent, std::vector<KtSnapshotWindow> &windows)
{
    for (const KtMenuItem *item = items; item && item->Caption; ++item) {
        const QString caption = QString::fromUtf8(item->Caption);
        const QString path = parent.isEmpty() ? caption : parent + PathSeparator + caption;
        if (item->Action == KtMenuAction::Submenu) {
            Collect(item->Children, path, windows);
            continue;
        }
        if (item->Action == KtMenuAction::Dedicated) {
            CollectDedicated(*item, path, windows);
            continue;
        }
        if (!item->OpensGenericWindow())
            continue;
        KtSnapshotWindow window{path, item->Vars, item->Kind, item->IndexCount, item->AddIndex};
        // A port window's row is every row of its table.
        if (item->Kind == ListRow)
            window.Kind = ListTable;
        if (HasSetting(window))
            windows.push_back(window);
    }
}

} // namespace

bool KtSnapshotWindow::IsSetting(int i) const
{
    const int access = Vars[i].Access;
    const bool index = IsTable() && i < IndexCount;
    return !index && (access & AccessRead) && (access & AccessWrite);
}

QString KtSnapshotWindow::StatusOid() const
{
    return StatusVariable < 0 ? QString() : QString::fromLatin1(Vars[StatusVariable].Oid);
}

const std::vector<KtSnapshotWindow> &KtSnapshotWindow::All()
{
    static const std::vector<KtSnapshotWindow> windows = [] {
        std::vector<KtSnapshotWindow> all;
        Collect(MainMenu1, {}, all);
        Collect(PortInfoPopupMenu, QStringLiteral("Port pop-up"), all);
        return all;
    }();
    return windows;
}

const KtSnapshotWindow *KtSnapshotWindow::Find(const QString &path)
{
    for (const KtSnapshotWindow &window : All())
        if (window.Path == path)
            return &window;
    return nullptr;
}

const std::vector<QString> &KtSnapshotWindow::SecretOids()
{
    static const std::vector<QString> oids(std::begin(SecretOidTexts), std::end(SecretOidTexts));
    return oids;
}

bool KtSnapshotWindow::IsSecret(const QString &oid)
{
    const auto &oids = SecretOids();
    return std::find(oids.begin(), oids.end(), oid) != oids.end();
}

bool KtSnapshotWindow::ChangesByItself(const QString &oid)
{
    return IsBelowOneOf(oid, RunningOidTexts);
}

bool KtSnapshotWindow::IsAction(const QString &oid)
{
    return IsBelowOneOf(oid, ActionOidTexts);
}

bool KtSnapshotWindow::NeverCompared(const QString &oid)
{
    return !WhyNeverRestored(oid).isEmpty();
}

QString KtSnapshotWindow::WhyNeverRestored(const QString &oid)
{
    if (ChangesByItself(oid))
        return QStringLiteral("changes by itself, not restored");
    if (IsAction(oid))
        return QStringLiteral("an action, never restored");
    return {};
}
