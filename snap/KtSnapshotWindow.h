#pragma once

#include "KtSNMPVarDef.h"

#include <QString>
#include <vector>

// A window of the menu catalogue that holds settings: a generic window with
// at least one readable and writable variable, as a snapshot reads it.
// Scalar windows are read with one get, tables walked; the port pop-up's
// windows, which show one row of a port table at a time, are walked over
// every port.
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
    // menu order.
    static const std::vector<KtSnapshotWindow> &All();
    // The window of a menu path, or nullptr.
    static const KtSnapshotWindow *Find(const QString &path);

    // Objects whose values are secrets (community strings, keys, pass
    // phrases): a snapshot masks them unless asked not to. Column or scalar
    // OID without instance.
    static bool IsSecret(const QString &oid);
    static const std::vector<QString> &SecretOids();

    // Whether a value (full OID) changes by itself, as a running clock does:
    // it is saved, but never compared or restored.
    static bool ChangesByItself(const QString &oid);
};
