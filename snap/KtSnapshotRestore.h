#pragma once

#include "KtSnapshot.h"

#include <QSet>
#include <QStringList>
#include <vector>

// Puts a snapshot's values back on a switch: the plan compares the snapshot
// with a snapshot of the switch now and takes every value that differs, of
// a scalar or of a row that exists on both sides, exactly as the snapshot
// file holds it, one SET per scalar window or table row. Left out, and
// listed as skipped: rows on one side only (creating and deleting rows),
// the row-status column, masked secrets, unreadable values, values that
// change by themselves, actions (a restart, saving the configuration ...)
// and an object an earlier window already writes. Nothing else is ever sent.
class KtSnapshotRestore
{
public:
    struct Binding
    {
        QString Oid;
        QString Raw;   // KtRawValue form, as in the snapshot file
        QString Label; // "Variable [index]"
        QString Now;   // the value on the switch now
        QString Then;  // the value in the snapshot
    };
    // One SET PDU: a scalar window's values, or one row's.
    struct Write
    {
        QString Window;
        QString Index;
        std::vector<Binding> Bindings;
    };
    struct Skip
    {
        QString Window;
        QString Text;
    };

    // windows: the paths to restore (a window or a submenu); empty is all.
    KtSnapshotRestore(const KtSnapshot &snapshot, const KtSnapshot &live, const QStringList &windows = {});

    const std::vector<Write> &Writes() const { return writes_; }
    const std::vector<Skip> &Skipped() const { return skipped_; }
    int BindingCount() const;
    // "1 value", "3 values".
    static QString Counted(size_t count, const QString &noun);

    // Per window the SETs, each binding "OID TYPE VALUE  # label: now -> then",
    // then what was skipped; "nothing to restore" when nothing differs.
    QString PlanText() const;

    // Sends the writes in order to the switch the process-wide defaults
    // point at, synchronously, stopping at the first that fails. The report
    // says which sets were written, which one failed and why, and which were
    // not sent. True when every set was written.
    bool Send(QString *report) const;

private:
    void Plan(const KtSnapshot &snapshot, const KtSnapshot &live, const QStringList &windows);
    void AddSkip(const QString &window, const QString &text);
    Write &WriteFor(const QString &window, const QString &index);
    static QString WriteTitle(const Write &write);
    static bool SendOne(const Write &write, QString *error);

    std::vector<Write> writes_;
    std::vector<Skip> skipped_;
};
