#include "KtSnapshotDiff.h"

#include "KtSnapshotWindow.h"

#include <QHash>

KtSnapshotDiff::KtSnapshotDiff(const KtSnapshot &a, const KtSnapshot &b)
{
    const QHash<QString, const KtSnapshotEntry *> inA = a.ByOid();
    const QHash<QString, const KtSnapshotEntry *> inB = b.ByOid();
    for (const KtSnapshotEntry &entry : a.Entries) {
        const KtSnapshotEntry *other = inB.value(KtSnapshot::Key(entry.Window, entry.Oid));
        if (!other)
            WindowOf(entry.Window).OnlyInA.push_back(entry);
        else if (Differ(entry, *other))
            WindowOf(entry.Window).Changed.emplace_back(entry, *other);
    }
    for (const KtSnapshotEntry &entry : b.Entries)
        if (!inA.contains(KtSnapshot::Key(entry.Window, entry.Oid)))
            WindowOf(entry.Window).OnlyInB.push_back(entry);
}

bool KtSnapshotDiff::Differ(const KtSnapshotEntry &a, const KtSnapshotEntry &b)
{
    using State = KtSnapshotEntry::State;
    if (a.Status == State::Masked || b.Status == State::Masked || KtSnapshotWindow::NeverCompared(a.Oid))
        return false;
    if (a.Status != b.Status)
        return true;
    return a.Status == State::Value && a.Raw != b.Raw;
}

KtSnapshotDiff::Window &KtSnapshotDiff::WindowOf(const QString &path)
{
    for (Window &window : windows_)
        if (window.Path == path)
            return window;
    windows_.push_back({path, {}, {}, {}});
    return windows_.back();
}

QString KtSnapshotDiff::Label(const KtSnapshotEntry &entry)
{
    return entry.Index.isEmpty() ? entry.Variable
                                 : QStringLiteral("%1 [%2]").arg(entry.Variable, entry.Index);
}

QString KtSnapshotDiff::ToText(const QString &nameA, const QString &nameB) const
{
    QString text = QStringLiteral("A: %1\nB: %2\n").arg(nameA, nameB);
    if (IsEmpty())
        return text + QStringLiteral("no differences\n");
    auto values = [&text](const char *title, const std::vector<KtSnapshotEntry> &entries) {
        if (entries.empty())
            return;
        text += QStringLiteral("  %1:\n").arg(QLatin1String(title));
        for (const KtSnapshotEntry &entry : entries)
            text += QStringLiteral("    %1: %2\n").arg(Label(entry), KtSnapshot::Escape(entry.Shown()));
    };
    for (const Window &window : windows_) {
        text += QStringLiteral("\n== %1\n").arg(window.Path);
        if (!window.Changed.empty())
            text += QStringLiteral("  changed:\n");
        for (const auto &[a, b] : window.Changed)
            text += QStringLiteral("    %1: %2 -> %3\n")
                        .arg(Label(a), KtSnapshot::Escape(a.Shown()), KtSnapshot::Escape(b.Shown()));
        values("only in A", window.OnlyInA);
        values("only in B", window.OnlyInB);
    }
    return text;
}
