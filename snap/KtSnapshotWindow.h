#pragma once

#include "KtSNMPVarDef.h"

#include <QString>
#include <vector>

// A window of the menu catalogue that holds settings: a generic window with
// at least one readable and writable variable, or a table of a dedicated
// window with one, as a snapshot reads it. Scalar windows are read with one
// get, tables walked; the port pop-up's windows, which show one row of a
// port table at a time, are walked over every port. A dedicated window's
// first such table goes by the window's menu path, any other by the path
// and the table's caption: "VLAN > ... > Basic Configure [Traffic Classes]".
struct KtSnapshotWindow
{
    QString Path; // menu path, "Basic Configuration > System Log > System Log State"
    const KtSNMPVarDef *Vars = nullptr;
    KtListKind Kind = ListScalars; // ListScalars, or a table kind for every table and the port windows
    int IndexCount = 0;
    int StatusVariable = -1; // the variable that creates and deletes rows, or -1

    bool IsTable() const { return Kind != ListScalars; }
    // A variable the snapshot reads and a restore may write: readable and
    // writable, and no index variable of a table.
    bool IsSetting(int i) const;
    // The column OID of the row-status variable, empty when there is none.
    QString StatusOid() const;

    // Every such window of the menu bar, then of the port pop-up menu, in
    // menu order; a dedicated window's tables in the window's order.
    static const std::vector<KtSnapshotWindow> &All();
    // The window of a menu path, or nullptr.
    static const KtSnapshotWindow *Find(const QString &path);

    // Objects whose values are secrets (community strings, keys, pass
    // phrases): a snapshot masks them unless asked not to. Column or scalar
    // OID without instance.
    static bool IsSecret(const QString &oid);
    static const std::vector<QString> &SecretOids();

    // Whether a value (full OID) changes by itself, as a running clock does.
    static bool ChangesByItself(const QString &oid);
    // Whether a value (full OID) belongs to an object whose write starts
    // something (a restart, saving the configuration, clearing counters, a
    // ping, a file transfer) instead of setting a value.
    static bool IsAction(const QString &oid);
    // Either of the two: the value is saved, but never compared or restored.
    static bool NeverCompared(const QString &oid);
    // Why such a value is never restored, as a restore tells it; empty for
    // any other value.
    static QString WhyNeverRestored(const QString &oid);
};
