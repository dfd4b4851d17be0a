#pragma once

#include "KtSNMPRequest.h"
#include "KtViewCatalogue.h"

#include <QObject>
#include <QStringList>
#include <QVector>

// One row of a read: the instance suffix that names it ("" for a scalar
// group, "3" for ifIndex 3) and the value text of every variable.
struct KtSectionRow
{
    QString Key;
    QStringList Values;
};

// The outcome of one read of a section.
struct KtSectionRead
{
    QVector<KtSectionRow> Rows;
    int Code = 0; // 0, or the error code of the read (rows read so far are kept)
    QString Message;
};

// Reads one section of a view asynchronously through the request engine: a
// get of a scalar group, or a get-next walk of a table one row per response.
// The window stays responsive; Finished() tells when the read is over.
class KtSectionReader : public QObject
{
    Q_OBJECT
public:
    // The request copies the process-wide device settings; version chooses
    // between the section's variable lists.
    KtSectionReader(const KtViewSection &section, int version, QObject *parent = nullptr);
    ~KtSectionReader() override;

    // Starts a read unless one is running; returns whether it started.
    bool Start();
    bool Busy() const { return busy_; }

    const KtSNMPVarList &Vars() const { return request_.Vars; }
    const KtSectionRead &LastRead() const { return last_; }

signals:
    void Finished();

private:
    void Send(bool first);
    void OnResponse(const KtSNMPError &error);
    QString RowKey() const;
    void Finish(int code, const QString &message);

    bool busy_ = false;
    KtSectionRead pending_;
    KtSectionRead last_;
    // Last, so that it goes first: its destructor ends outstanding sends
    // before the read state they would write to.
    KtSNMPRequest request_;
};
