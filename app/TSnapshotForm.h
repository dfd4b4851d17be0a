#pragma once

#include "KtSnapshot.h"
#include "KtSnapshotReader.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QTreeWidget;

// "Configuration Snapshot": reads every setting of the switch the module
// talks to (KtSnapshotReader) under a progress bar, saves that snapshot to a
// file, and compares a saved file with it in a tree: window > variable, with
// the file's value as old and the switch's as new. The window never writes
// to the switch; restoring is qgsnap's.
class TSnapshotForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSnapshotForm(QWidget *owner);
    ~TSnapshotForm() override;

    // The "Tools" menu with the entry "Configuration Snapshot...", placed
    // before "Help"; the entry opens this window modally over owner.
    static void AddMenu(QMenuBar *bar, QWidget *owner);

    // Starts reading the switch; the snapshot is there once IsReading() is
    // false again and Snapshot() holds one.
    void ReadSwitch();
    bool IsReading() const { return reader_.IsRunning(); }
    const std::optional<KtSnapshot> &Snapshot() const { return snapshot_; }
    // Write the snapshot read to a file (whole or not at all) / compare a
    // saved file with it; false, with the reason in the status line, when
    // that could not be done.
    bool SaveTo(const QString &path);
    bool CompareWith(const QString &path);

    QCheckBox *CB_WithSecrets = nullptr;
    QPushButton *BT_Read = nullptr;
    QPushButton *BT_Save = nullptr;
    QPushButton *BT_Compare = nullptr;
    QPushButton *BT_Close = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QTreeWidget *TV_Differences = nullptr;
    QLabel *ST_Status = nullptr;

public slots:
    void reject() override;

private:
    void ReadFinished(bool ok);
    void AskSavePath();
    void AskComparePath();
    void ShowDifferences(const KtSnapshot &file, const QString &path);
    void EnableButtons();
    void ShowStatus(const QString &text);

    KtSnapshotReader reader_;
    std::optional<KtSnapshot> snapshot_;
};
