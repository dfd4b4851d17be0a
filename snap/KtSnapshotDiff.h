#pragma once

#include "KtSnapshot.h"

#include <vector>

// The differences between two snapshots, A (older) and B (newer), window by
// window in the order the windows come in A and then in B: values changed,
// values only in A and values only in B, matched by window and OID. A masked
// value compares with nothing, so secrets never show as changed; an
// unreadable value differs from a value read. A value that changes by
// itself (the switch's clock) never shows as changed.
class KtSnapshotDiff
{
public:
    struct Window
    {
        QString Path;
        std::vector<std::pair<KtSnapshotEntry, KtSnapshotEntry>> Changed; // (A, B)
        std::vector<KtSnapshotEntry> OnlyInA;
        std::vector<KtSnapshotEntry> OnlyInB;
    };

    KtSnapshotDiff(const KtSnapshot &a, const KtSnapshot &b);

    const std::vector<Window> &Windows() const { return windows_; }
    bool IsEmpty() const { return windows_.empty(); }

    // The report: a line naming each side, then per window its groups, one
    // value per line ("name [index]: old -> new"); "no differences" alone
    // when there are none.
    QString ToText(const QString &nameA, const QString &nameB) const;

    // "Variable [index]", or the name alone for a scalar.
    static QString Label(const KtSnapshotEntry &entry);

private:
    static bool Differ(const KtSnapshotEntry &a, const KtSnapshotEntry &b);
    Window &WindowOf(const QString &path);

    std::vector<Window> windows_;
};
