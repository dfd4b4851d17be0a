#include "KtSNMPRequest2Controls.h"
#include "KtMessageBox.h"

#include "KtCatalogue.h"
#include "KtException.h"
#include "KtStatusPanelElision.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTime>

namespace {

const QString kError = QStringLiteral("[ERROR]");
const QString kVarList = QStringLiteral("[VARLIST]");
const QString kTime = QStringLiteral("[TIME]");

// "hh:nn:ss ampm" on the 12-hour clock with the locale's designators.
QString ClockText(const QTime &time)
{
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QLocale locale;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? locale.amText() : locale.pmText());
}

// Replaces the placeholders in one left-to-right pass, so that inserted
// texts are never searched again.
QString ReplacePlaceholders(const QString &text, const QList<std::pair<QString, QString>> &replacements)
{
    QString result;
    qsizetype at = 0;
    while (at < text.size()) {
        bool replaced = false;
        for (const auto &[placeholder, value] : replacements) {
            if (QStringView(text).mid(at).startsWith(placeholder)) {
                result += value;
                at += placeholder.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            result += text.at(at++);
    }
    return result;
}

} // namespace

KtSNMPRequest2Controls::KtSNMPRequest2Controls(QWidget *owner) : Owner(owner) {}

KtSNMPRequest2Controls::~KtSNMPRequest2Controls()
{
    // Completions that arrive while the request waits for them must not
    // reach the parts of this object that are already gone.
    destroying_ = true;
    Busy = false;
    Request.Enabled = false;
}

void KtSNMPRequest2Controls::SetStatusBar(QStatusBar *bar)
{
    memo_ = nullptr;
    panel_ = nullptr;
    bar_ = bar;
}

void KtSNMPRequest2Controls::SetStatusPanel(QLabel *panel)
{
    memo_ = nullptr;
    bar_ = nullptr;
    panel_ = panel;
    KtStatusPanelElision::Install(panel);
}

void KtSNMPRequest2Controls::SetStatusMemo(QPlainTextEdit *memo)
{
    bar_ = nullptr;
    panel_ = nullptr;
    memo_ = memo;
}

bool KtSNMPRequest2Controls::HasStatusTarget() const
{
    return memo_ || bar_ || panel_;
}

QString KtSNMPRequest2Controls::FormatStatusLine(const QString &templ, const QString &caption,
                                                 const QString &message, const QTime &time)
{
    QString line = templ;
    QList<std::pair<QString, QString>> replacements;
    if (caption.isEmpty()) {
        // Drop everything after "[ERROR]" up to and including "[VARLIST]".
        const qsizetype e = line.indexOf(kError);
        const qsizetype v = line.indexOf(kVarList);
        if (e >= 0 && v >= e)
            line.remove(e + kError.size(), v - e + kVarList.size() - kError.size());
    } else {
        replacements.append({kVarList, caption});
    }
    replacements.append({kError, message});
    replacements.append({kTime, ClockText(time)});
    return ReplacePlaceholders(line, replacements);
}

void KtSNMPRequest2Controls::ShowStatus(const QString &message)
{
    if (!HasStatusTarget())
        return;
    const QString templ = SnmpMsg.Text(LastOperation == OperationGet ? 0 : 1);
    WriteLine(FormatStatusLine(templ, Request.Vars.Caption, message, QTime::currentTime()));
}

void KtSNMPRequest2Controls::ShowStatus(const QString &message, Operation operation)
{
    LastOperation = operation;
    ShowStatus(message);
}

void KtSNMPRequest2Controls::WriteLine(const QString &line)
{
    if (memo_) {
        memo_->appendPlainText(line);
    } else if (bar_) {
        bar_->showMessage(line);
    } else if (panel_) {
        // The panel shows what fits when it is painted; the whole line is
        // its tool tip.
        panel_->setText(line);
        panel_->setToolTip(line);
    }
}

void KtSNMPRequest2Controls::Report(const QString &message)
{
    if (HasStatusTarget())
        ShowStatus(message);
    else
        KtMessageBox::Error(Owner, message);
}

void KtSNMPRequest2Controls::OnGetError(const KtSNMPError &record)
{
    LastOperation = OperationGet;
    Report(record.Message);
}

void KtSNMPRequest2Controls::OnSetError(const KtSNMPError &record)
{
    LastOperation = OperationSet;
    Report(record.Message);
}

bool KtSNMPRequest2Controls::RowPassesFilter()
{
    return Request.ConditionHolds(QString()) && Request.RowConditionHolds();
}

void KtSNMPRequest2Controls::AcceptRow()
{
    if (RowPassesFilter()) {
        OnRow();
        ++RowCount;
    }
}

void KtSNMPRequest2Controls::Get()
{
    LastOperation = OperationGet;
    OnGetBegin();
    RowCount = 0;
    try {
        if (!Asynchronous) {
            GetBlocking();
            return;
        }
        Busy = true;
        if (Request.Enabled)
            Request.ReadAsync(&KtSNMPRequest2Controls::GetCompletion, this, true);
        else
            Busy = false;
    } catch (...) {
        Busy = false;
        throw;
    }
}

void KtSNMPRequest2Controls::GetBlocking()
{
    Busy = true;
    try {
        if (Request.Vars.IsTable()) {
            for (bool more = Request.ReadSync(true); more; more = Request.ReadSync(false))
                AcceptRow();
        } else {
            Request.ReadSync(true);
            AcceptRow();
        }
    } catch (...) {
        // A failed read still ends the read (OnGetAborted, as when a row
        // cannot be shown): a list whose painting it paused shows what it
        // holds again, and the caller reports the error.
        Busy = false;
        OnGetAborted();
        throw;
    }
    OnGetEnd();
    Busy = false;
    ShowStatus(KtErrorText(0));
}

void KtSNMPRequest2Controls::GetCompletion(void *self, const KtSNMPError &record, KtSNMPVarList &)
{
    auto *binding = static_cast<KtSNMPRequest2Controls *>(self);
    if (!binding->destroying_)
        binding->HandleGetResponse(record);
}

void KtSNMPRequest2Controls::HandleGetResponse(const KtSNMPError &record)
{
    if (record.Code != 0) {
        // A walk that stopped early still ends the read: the rows read so
        // far stand, with the reason in the status line.
        if (IsWalkStop(record.Code))
            OnGetEnd();
        Busy = false;
        OnGetError(record);
        if (OnGetDone)
            OnGetDone(this, record);
        return;
    }
    try {
        if (Request.Vars.IsTable() && !record.Finished) {
            AcceptRow();
            if (Request.Enabled) {
                Request.ReadAsync(&KtSNMPRequest2Controls::GetCompletion, this, false);
                return;
            }
        } else if (!Request.Vars.IsTable()) {
            AcceptRow();
        }
    } catch (const KtException &error) {
        Busy = false;
        LastOperation = OperationGet;
        OnGetAborted();
        Report(error.Message);
        return;
    }
    FinishGet();
    if (OnGetDone)
        OnGetDone(this, record);
}

void KtSNMPRequest2Controls::FinishGet()
{
    OnGetEnd();
    Busy = false;
    if (HasStatusTarget()) {
        LastOperation = OperationGet;
        ShowStatus(KtErrorText(0));
    }
}

void KtSNMPRequest2Controls::Set(bool refreshAfterSet, bool collect, const QString &selection,
                                 const QStringList *source)
{
    LastOperation = OperationSet;
    RefreshAfterSet = refreshAfterSet;
    OnSetBegin();
    if (collect)
        OnCollect();
    if (!Asynchronous) {
        Busy = true;
        try {
            Request.WriteSync(false, selection, source);
            OnSetEnd();
        } catch (...) {
            Busy = false;
            throw;
        }
        Busy = false;
        ShowStatus(KtErrorText(0));
        if (Request.Vars.IsTable() && RefreshAfterSet)
            Get();
        return;
    }
    Busy = true;
    if (!Request.Enabled) {
        Busy = false;
        return;
    }
    try {
        Request.WriteAsync(&KtSNMPRequest2Controls::SetCompletion, this, false, selection, source);
    } catch (...) {
        Busy = false;
        throw;
    }
}

void KtSNMPRequest2Controls::SetCompletion(void *self, const KtSNMPError &record, KtSNMPVarList &)
{
    auto *binding = static_cast<KtSNMPRequest2Controls *>(self);
    if (!binding->destroying_)
        binding->HandleSetResponse(record);
}

void KtSNMPRequest2Controls::HandleSetResponse(const KtSNMPError &record)
{
    Busy = false;
    if (record.Code != 0) {
        OnSetError(record);
        if (OnSetDone)
            OnSetDone(this, record);
        return;
    }
    OnSetEnd();
    LastOperation = OperationSet;
    ShowStatus(KtErrorText(0));
    if (OnSetDone)
        OnSetDone(this, record);
    if (Request.Vars.IsTable() && RefreshAfterSet) {
        try {
            Get();
        } catch (const KtException &error) {
            Report(error.Message);
        }
    }
}
