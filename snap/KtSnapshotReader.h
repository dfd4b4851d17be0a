#pragma once

#include "KtSnapshot.h"

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

class KtSnapshotRequest;
struct KtSnapshotWindow;
struct KtSNMPError;
class KtSNMPVarList;

// Reads a snapshot of the switch the process-wide defaults point at: the
// header (sysDescr, sysObjectID), then every window of KtSnapshotWindow in
// menu order, one request at a time and without blocking: scalar windows
// with one get (variable by variable when the agent refuses the whole get),
// tables with a walk. What cannot be read becomes an unreadable entry; only
// an agent that does not answer the header fails the whole read.
//   KtSnapshotReader reader;
//   connect(&reader, &KtSnapshotReader::Finished, ...);
//   reader.Start();
class KtSnapshotReader : public QObject
{
    Q_OBJECT
public:
    explicit KtSnapshotReader(QObject *parent = nullptr);
    ~KtSnapshotReader() override;

    // Secrets are read as they are instead of masked.
    bool WithSecrets = false;
    // The windows to read (a path or a submenu's path); empty reads all.
    QStringList Only;

    void Start();
    // Stops at once; Finished(false) follows with the error "cancelled".
    void Cancel();
    bool IsRunning() const { return running_; }
    int WindowCount() const { return int(windows_.size()); }

    const KtSnapshot &Result() const { return result_; }
    // Why the read failed, when Finished said so.
    QString Error() const { return error_; }

    // Whether a window's path is one of the paths or lies below one; the
    // blanks a caption of the menu ends in count for nothing.
    static bool Selects(const QStringList &paths, const QString &window);

signals:
    void Progress(int windowsDone, int windowsTotal);
    void Finished(bool ok);

private:
    std::unique_ptr<KtSnapshotRequest> NewRequest(const KtSnapshotWindow *window);
    void HeaderRead(const KtSNMPError &outcome, KtSNMPVarList &vars);
    void ReadNextWindow();
    void ReadScalars(int only);
    void ScalarsRead(const KtSNMPError &outcome);
    void RowRead(const KtSNMPError &outcome);
    void WindowDone();
    void Finish(bool ok, const QString &error);

    // The window's settings that take part (scalarOnly, or all).
    std::vector<int> Settings() const;
    QString RowIndexText() const;
    void AddReceived(int i, const QString &index, const QString &oid);
    void AddUnreadable(int i, const QString &index, const QString &oid, const QString &why);

    std::vector<const KtSnapshotWindow *> windows_;
    size_t next_ = 0;
    const KtSnapshotWindow *window_ = nullptr;
    std::unique_ptr<KtSnapshotRequest> request_;
    std::unique_ptr<KtSnapshotRequest> finished_; // freed once its callback has returned
    int scalarOnly_ = -1;                         // the variable read alone, or -1 for the whole window
    KtSnapshot result_;
    QString error_;
    bool running_ = false;
};
