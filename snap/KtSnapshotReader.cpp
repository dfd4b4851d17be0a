#include "KtSnapshotReader.h"

#include "KtException.h"
#include "KtRawValue.h"
#include "KtSnapshotRequest.h"
#include "KtSnapshotWindow.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

namespace {

constexpr KtSNMPVarDef HeaderVars[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.2.1.1.2", "sysObjectID", SyntaxOid, AccessRead},
    {},
};

// A menu path with the blanks some captions end in taken off each caption,
// as a user types it: "802.1Q VLAN  > Static Table" is "802.1Q VLAN > Static Table".
QString WithoutOuterBlanks(const QString &path)
{
    QStringList captions = path.split(QStringLiteral(" > "));
    for (QString &caption : captions)
        caption = caption.trimmed();
    return captions.join(QStringLiteral(" > "));
}

// An error status of the agent (tooBig to inconsistentName): a get of the
// variables one by one may still read the others.
bool IsAgentRefusal(int code)
{
    return code <= -101 && code >= -118;
}

} // namespace

KtSnapshotReader::KtSnapshotReader(QObject *parent) : QObject(parent) {}

KtSnapshotReader::~KtSnapshotReader()
{
    if (request_)
        request_->Abandon();
}

bool KtSnapshotReader::Selects(const QStringList &paths, const QString &window)
{
    if (paths.isEmpty())
        return true;
    const QString shown = WithoutOuterBlanks(window);
    for (const QString &path : paths) {
        const QString wanted = WithoutOuterBlanks(path);
        if (shown == wanted || shown.startsWith(wanted + QStringLiteral(" > ")))
            return true;
    }
    return false;
}

std::unique_ptr<KtSnapshotRequest> KtSnapshotReader::NewRequest(const KtSnapshotWindow *window)
{
    auto request = std::make_unique<KtSnapshotRequest>();
    if (!window) {
        request->Vars = KtSNMPVarList(HeaderVars);
        return request;
    }
    request->Vars = KtSNMPVarList(window->Vars, window->Kind, window->IndexCount);
    for (int i = 0; i < request->Vars.Count(); ++i)
        if (!window->IsSetting(i))
            request->Vars.Get(i).Access |= AccessSkip;
    return request;
}

void KtSnapshotReader::Start()
{
    windows_.clear();
    for (const KtSnapshotWindow &window : KtSnapshotWindow::All())
        if (Selects(Only, window.Path))
            windows_.push_back(&window);
    next_ = 0;
    result_ = KtSnapshot();
    result_.Address =
        QStringLiteral("%1:%2").arg(KtSNMPDefaults.Device.Address).arg(KtSNMPDefaults.Device.Port);
    result_.Time = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    result_.Program = QCoreApplication::applicationName() + QStringLiteral(" " QG_VERSION);
    result_.WithSecrets = WithSecrets;
    error_.clear();
    running_ = true;
    window_ = nullptr;
    request_ = NewRequest(nullptr);
    try {
        request_->ReadAsync(
            [this](void *, const KtSNMPError &outcome, KtSNMPVarList &vars) { HeaderRead(outcome, vars); },
            nullptr, true);
    } catch (const KtException &failure) {
        QTimer::singleShot(0, this, [this, message = failure.Message] { Finish(false, message); });
    }
}

void KtSnapshotReader::Cancel()
{
    if (!running_)
        return;
    if (request_)
        request_->Abandon();
    Finish(false, QStringLiteral("cancelled"));
}

void KtSnapshotReader::HeaderRead(const KtSNMPError &outcome, KtSNMPVarList &vars)
{
    if (outcome.Code == KtSnapshotRequest::TimeOutCode) {
        Finish(false, QStringLiteral("no answer from %1: %2").arg(result_.Address, outcome.Message));
        return;
    }
    if (outcome.Code != 0) {
        Finish(false,
               QStringLiteral("%1 does not tell its sysDescr: %2").arg(result_.Address, outcome.Message));
        return;
    }
    result_.SysDescr = vars.Get(0).Value;
    result_.SysObjectId = vars.Get(1).Value;
    WindowDone();
}

// The next step runs from the event loop, after the callback that ended the
// previous request has returned and the request can be freed.
void KtSnapshotReader::WindowDone()
{
    finished_ = std::move(request_);
    if (window_)
        emit Progress(int(next_), int(windows_.size()));
    QTimer::singleShot(0, this, &KtSnapshotReader::ReadNextWindow);
}

void KtSnapshotReader::ReadNextWindow()
{
    finished_.reset();
    if (!running_)
        return;
    if (next_ >= windows_.size()) {
        Finish(true, {});
        return;
    }
    window_ = windows_[next_++];
    request_ = NewRequest(window_);
    if (!window_->IsTable()) {
        ReadScalars(-1);
        return;
    }
    try {
        request_->ReadAsync([this](void *, const KtSNMPError &outcome, KtSNMPVarList &) { RowRead(outcome); },
                            nullptr, true);
    } catch (const KtException &failure) {
        for (int i : Settings())
            AddUnreadable(i, {}, QString::fromLatin1(window_->Vars[i].Oid), failure.Message);
        WindowDone();
    }
}

std::vector<int> KtSnapshotReader::Settings() const
{
    std::vector<int> settings;
    for (int i = 0; window_->Vars[i].Oid; ++i)
        if (window_->IsSetting(i) && (scalarOnly_ < 0 || scalarOnly_ == i))
            settings.push_back(i);
    return settings;
}

void KtSnapshotReader::ReadScalars(int only)
{
    if (!running_)
        return;
    scalarOnly_ = only;
    for (int i = 0; i < request_->Vars.Count(); ++i) {
        KtSNMPVar &var = request_->Vars.Get(i);
        var.Access = window_->Vars[i].Access;
        if (!window_->IsSetting(i) || (only >= 0 && only != i))
            var.Access |= AccessSkip;
    }
    request_->ClearReceived();
    try {
        request_->ReadAsync(
            [this](void *, const KtSNMPError &outcome, KtSNMPVarList &) { ScalarsRead(outcome); }, nullptr,
            true);
    } catch (const KtException &failure) {
        KtSNMPError outcome;
        outcome.Code = failure.Code;
        outcome.Message = failure.Message;
        QTimer::singleShot(0, this, [this, outcome] { ScalarsRead(outcome); });
    }
}

void KtSnapshotReader::ScalarsRead(const KtSNMPError &outcome)
{
    if (!running_)
        return;
    const std::vector<int> settings = Settings();
    if (outcome.Code != 0 && scalarOnly_ < 0 && settings.size() > 1 && IsAgentRefusal(outcome.Code)) {
        // One refused variable spoils the get of all (SNMPv1): ask each alone.
        QTimer::singleShot(0, this, [this, first = settings.front()] { ReadScalars(first); });
        return;
    }
    for (int i : settings) {
        const QString oid = QString::fromLatin1(window_->Vars[i].Oid) + QStringLiteral(".0");
        if (outcome.Code != 0)
            AddUnreadable(i, {}, oid, outcome.Message);
        else
            AddReceived(i, {}, oid);
    }
    if (scalarOnly_ >= 0) {
        int next = scalarOnly_ + 1;
        while (window_->Vars[next].Oid && !window_->IsSetting(next))
            ++next;
        if (window_->Vars[next].Oid) {
            QTimer::singleShot(0, this, [this, next] { ReadScalars(next); });
            return;
        }
        scalarOnly_ = -1;
    }
    WindowDone();
}

QString KtSnapshotReader::RowIndexText() const
{
    if (window_->IndexCount == 0)
        return request_->RowIndex();
    QStringList parts;
    for (int i = 0; i < window_->IndexCount; ++i)
        parts << request_->Vars.Get(i).Value;
    return parts.join(QStringLiteral(", "));
}

void KtSnapshotReader::RowRead(const KtSNMPError &outcome)
{
    if (outcome.Code == 0 && !outcome.Finished) {
        const QString index = RowIndexText();
        for (int i : Settings()) {
            const QString column = QString::fromLatin1(window_->Vars[i].Oid);
            if (request_->Received(i) && !KtIsMissingValue(request_->Vars.Get(i).Value))
                AddReceived(i, index, request_->Vars.Get(i).CurrentOid);
            else
                AddUnreadable(i, index, column + QLatin1Char('.') + request_->RowIndex(),
                              QStringLiteral("no value in this row"));
        }
        request_->ClearReceived();
        request_->ReadAsync([this](void *, const KtSNMPError &next, KtSNMPVarList &) { RowRead(next); },
                            nullptr, false);
        return;
    }
    if (outcome.Code != 0)
        for (int i : Settings())
            AddUnreadable(i, {}, QString::fromLatin1(window_->Vars[i].Oid),
                          QStringLiteral("the table could not be read whole: %1").arg(outcome.Message));
    WindowDone();
}

void KtSnapshotReader::AddReceived(int i, const QString &index, const QString &oid)
{
    const KtVb *vb = request_->Received(i);
    const std::optional<QString> raw = vb ? KtRawValue::Text(*vb) : std::nullopt;
    if (!raw) {
        AddUnreadable(i, index, oid, vb ? KtRawValue::ExceptionName(vb->Type()) : QStringLiteral("no value"));
        return;
    }
    KtSnapshotEntry entry{window_->Path, QString::fromUtf8(window_->Vars[i].Name),
                          index,         request_->Vars.Get(i).Value,
                          oid,           *raw};
    if (!WithSecrets && KtSnapshotWindow::IsSecret(QString::fromLatin1(window_->Vars[i].Oid))) {
        entry.Status = KtSnapshotEntry::State::Masked;
        entry.Text.clear();
        entry.Raw.clear();
    }
    result_.Entries.push_back(entry);
}

void KtSnapshotReader::AddUnreadable(int i, const QString &index, const QString &oid, const QString &why)
{
    KtSnapshotEntry entry{window_->Path, QString::fromUtf8(window_->Vars[i].Name), index, why, oid, {}};
    entry.Status = KtSnapshotEntry::State::Unreadable;
    result_.Entries.push_back(entry);
}

void KtSnapshotReader::Finish(bool ok, const QString &error)
{
    running_ = false;
    error_ = error;
    window_ = nullptr;
    emit Finished(ok);
}
