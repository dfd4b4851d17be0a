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

// The instance suffix of the row just read, taken from the first column
// that still delivered a value.
QString KtSectionReader::RowKey() const
{
    if (!request_.Vars.IsTable())
        return {};
    for (int i = 0; i < request_.Vars.Count(); ++i) {
        const KtSNMPVar &var = request_.Vars.Get(i);
        const QString base = var.Oid + QLatin1Char('.');
        if ((var.Access & AccessRead) && var.CurrentOid.startsWith(base) &&
            var.Value != QLatin1String("(NOTDONE)"))
            return var.CurrentOid.mid(base.size());
    }
    return {};
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
