#include "KtSectionReader.h"

#include "KtException.h"

KtSectionReader::KtSectionReader(const KtViewSection &section, int version, QObject *parent) : QObject(parent)
{
    request_.Vars = KtSNMPVarList(section.VarsFor(version), section.Kind, section.IndexCount);
    request_.Vars.Caption = QString::fromUtf8(section.Title);
}

KtSectionReader::~KtSectionReader()
{
    request_.Enabled = false;
}

bool KtSectionReader::Start()
{
    if (busy_)
        return false;
    busy_ = true;
    pending_ = {};
    Send(true);
    return true;
}

// A read refused before anything is sent (settings the engine cannot use,
// an address that does not resolve) ends the read with its reason, like an
// error of the agent.
void KtSectionReader::Send(bool first)
{
    try {
        request_.ReadAsync([this](void *, const KtSNMPError &error, KtSNMPVarList &) { OnResponse(error); },
                           nullptr, first);
    } catch (const KtException &error) {
        Finish(error.Code, error.Message);
    }
}

void KtSectionReader::OnResponse(const KtSNMPError &error)
{
    if (!request_.Enabled) // the reader is being destroyed
        return;
    if (error.Code != 0) {
        // A walk that stopped early keeps the rows read so far.
        Finish(error.Code, error.Message);
        return;
    }
    const bool rowDelivered = request_.Vars.IsTable() ? !error.Finished : true;
    if (rowDelivered) {
        KtSectionRow row;
        row.Key = RowKey();
        for (int i = 0; i < request_.Vars.Count(); ++i)
            row.Values << request_.Vars.Get(i).Value;
        pending_.Rows.append(row);
    }
    if (request_.Vars.IsTable() && !error.Finished) {
        Send(false);
        return;
    }
    Finish(0, error.Message);
}

QString KtSectionReader::RowKey() const
{
    return request_.Vars.IsTable() ? request_.RowIndex() : QString();
}

void KtSectionReader::Finish(int code, const QString &message)
{
    pending_.Code = code;
    pending_.Message = message;
    last_ = std::move(pending_);
    pending_ = {};
    busy_ = false;
    emit Finished();
}
