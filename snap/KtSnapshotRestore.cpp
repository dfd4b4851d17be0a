#include "KtSnapshotRestore.h"

#include "KtException.h"
#include "KtRawValue.h"
#include "KtSnapshotDiff.h"
#include "KtSnapshotReader.h"
#include "KtSnapshotRequest.h"
#include "KtSnapshotWindow.h"

#include <QHash>

namespace {

bool IsStatusColumn(const KtSnapshotWindow &window, const QString &oid)
{
    const QString status = window.StatusOid();
    return !status.isEmpty() && oid.startsWith(status + QLatin1Char('.'));
}

} // namespace

QString KtSnapshotRestore::Counted(size_t count, const QString &noun)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(noun, count == 1 ? QString() : QStringLiteral("s"));
}

KtSnapshotRestore::KtSnapshotRestore(const KtSnapshot &snapshot, const KtSnapshot &live,
                                     const QStringList &windows)
{
    Plan(snapshot, live, windows);
}

void KtSnapshotRestore::Plan(const KtSnapshot &snapshot, const KtSnapshot &live, const QStringList &windows)
{
    using State = KtSnapshotEntry::State;
    const QHash<QString, const KtSnapshotEntry *> now = live.ByOid();
    const QSet<QString> liveRows = live.Rows();
    const QSet<QString> snapshotRows = snapshot.Rows();
    QSet<QString> missingRowsSeen;
    QHash<QString, QString> writtenBy;  // OID -> window
    QHash<QString, QStringList> masked; // window -> names of masked variables
    QHash<QString, int> maskedCount;
    for (const KtSnapshotEntry &then : snapshot.Entries) {
        if (!KtSnapshotReader::Selects(windows, then.Window))
            continue;
        const KtSnapshotWindow *window = KtSnapshotWindow::Find(then.Window);
        const QString label = KtSnapshotDiff::Label(then);
        if (!window) {
            AddSkip(then.Window, QStringLiteral("%1: no such window in this program").arg(label));
            continue;
        }
        if (then.Status == State::Masked) {
            QStringList &names = masked[then.Window];
            if (!names.contains(then.Variable))
                names << then.Variable;
            ++maskedCount[then.Window];
            continue;
        }
        if (then.Status == State::Unreadable) {
            AddSkip(then.Window, QStringLiteral("%1: unreadable in the snapshot").arg(label));
            continue;
        }
        const QString rowKey = KtSnapshot::Key(then.Window, then.Index);
        if (!liveRows.contains(rowKey)) {
            if (!missingRowsSeen.contains(rowKey))
                AddSkip(then.Window,
                        QStringLiteral("row [%1] is not on the switch: creating rows is left out")
                            .arg(then.Index));
            missingRowsSeen.insert(rowKey);
            continue;
        }
        const KtSnapshotEntry *current = now.value(KtSnapshot::Key(then.Window, then.Oid));
        if (!current) {
            AddSkip(then.Window, QStringLiteral("%1: not on the switch").arg(label));
            continue;
        }
        if (current->Status != State::Value) {
            AddSkip(then.Window, QStringLiteral("%1: %2 on the switch").arg(label, current->Shown()));
            continue;
        }
        if (current->Raw == then.Raw)
            continue;
        if (const QString why = KtSnapshotWindow::WhyNeverRestored(then.Oid); !why.isEmpty()) {
            AddSkip(then.Window,
                    QStringLiteral("%1: %2 -> %3: %4").arg(label, current->Shown(), then.Shown(), why));
            continue;
        }
        if (IsStatusColumn(*window, then.Oid)) {
            AddSkip(then.Window, QStringLiteral("%1: %2 -> %3: the row status is left out")
                                     .arg(label, current->Shown(), then.Shown()));
            continue;
        }
        if (writtenBy.contains(then.Oid)) {
            AddSkip(then.Window,
                    QStringLiteral("%1: written for \"%2\" already").arg(label, writtenBy[then.Oid]));
            continue;
        }
        writtenBy.insert(then.Oid, then.Window);
        WriteFor(then.Window, then.Index)
            .Bindings.push_back({then.Oid, then.Raw, label, current->Text, then.Text});
    }
    for (const QString &window : snapshot.Windows())
        if (masked.contains(window))
            AddSkip(window, QStringLiteral("%1, masked in the snapshot (%2): never restored")
                                .arg(Counted(size_t(maskedCount[window]), QStringLiteral("secret")),
                                     masked[window].join(QStringLiteral(", "))));
    QSet<QString> extraRowsSeen;
    for (const KtSnapshotEntry &entry : live.Entries) {
        const QString rowKey = KtSnapshot::Key(entry.Window, entry.Index);
        if (KtSnapshotReader::Selects(windows, entry.Window) && !snapshotRows.contains(rowKey) &&
            !extraRowsSeen.contains(rowKey)) {
            extraRowsSeen.insert(rowKey);
            AddSkip(entry.Window, QStringLiteral("row [%1] is not in the snapshot: deleting rows is left out")
                                      .arg(entry.Index));
        }
    }
}

void KtSnapshotRestore::AddSkip(const QString &window, const QString &text)
{
    skipped_.push_back({window, text});
}

KtSnapshotRestore::Write &KtSnapshotRestore::WriteFor(const QString &window, const QString &index)
{
    for (Write &write : writes_)
        if (write.Window == window && write.Index == index)
            return write;
    writes_.push_back({window, index, {}});
    return writes_.back();
}

int KtSnapshotRestore::BindingCount() const
{
    int count = 0;
    for (const Write &write : writes_)
        count += int(write.Bindings.size());
    return count;
}

QString KtSnapshotRestore::WriteTitle(const Write &write)
{
    return write.Index.isEmpty() ? write.Window
                                 : QStringLiteral("%1, row [%2]").arg(write.Window, write.Index);
}

QString KtSnapshotRestore::PlanText() const
{
    std::vector<QString> windows;
    auto note = [&windows](const QString &window) {
        if (std::find(windows.begin(), windows.end(), window) == windows.end())
            windows.push_back(window);
    };
    for (const Write &write : writes_)
        note(write.Window);
    for (const Skip &skip : skipped_)
        note(skip.Window);
    QString text;
    for (const QString &window : windows) {
        text += QStringLiteral("== %1\n").arg(window);
        for (const Write &write : writes_) {
            if (write.Window != window)
                continue;
            text += write.Index.isEmpty() ? QStringLiteral("  set:\n")
                                          : QStringLiteral("  set row [%1]:\n").arg(write.Index);
            for (const Binding &binding : write.Bindings)
                text += QStringLiteral("    %1 %2 %3  # %4: %5 -> %6\n")
                            .arg(binding.Oid, KtRawValue::TypeOf(binding.Raw),
                                 KtRawValue::ValueOf(binding.Raw), binding.Label,
                                 KtSnapshot::Escape(binding.Now), KtSnapshot::Escape(binding.Then));
        }
        for (const Skip &skip : skipped_)
            if (skip.Window == window)
                text += QStringLiteral("  skipped: %1\n").arg(skip.Text);
    }
    text += writes_.empty() ? QStringLiteral("nothing to restore\n")
                            : QStringLiteral("%1 in %2\n")
                                  .arg(Counted(size_t(BindingCount()), QStringLiteral("value")),
                                       Counted(writes_.size(), QStringLiteral("set")));
    return text;
}

bool KtSnapshotRestore::SendOne(const Write &write, QString *error)
{
    std::vector<QByteArray> texts;
    texts.reserve(write.Bindings.size() * 2);
    std::vector<KtSNMPVarDef> defs;
    for (const Binding &binding : write.Bindings) {
        texts.push_back(binding.Oid.toLatin1());
        const char *oid = texts.back().constData();
        texts.push_back(binding.Label.toUtf8());
        defs.push_back({oid, texts.back().constData(), SyntaxOctets, AccessReadWrite});
    }
    defs.push_back({});
    KtSnapshotRequest request;
    request.Vars = KtSNMPVarList(defs.data(), ListRow, 0);
    for (size_t i = 0; i < write.Bindings.size(); ++i)
        request.Vars.Get(int(i)).Value = write.Bindings[i].Raw;
    try {
        request.WriteSync(false);
        return true;
    } catch (const KtException &failure) {
        *error = failure.Message;
        if (failure.Code == KtSnapshotRequest::TimeOutCode)
            *error += QStringLiteral(" (the switch may or may not have taken this set)");
        return false;
    }
}

bool KtSnapshotRestore::Send(QString *report) const
{
    report->clear();
    size_t written = 0;
    for (; written < writes_.size(); ++written) {
        const Write &write = writes_[written];
        QString error;
        if (!SendOne(write, &error)) {
            *report += QStringLiteral("FAILED: %1: %2\n").arg(WriteTitle(write), error);
            for (size_t rest = written + 1; rest < writes_.size(); ++rest)
                *report += QStringLiteral("not sent: %1\n").arg(WriteTitle(writes_[rest]));
            *report += QStringLiteral("stopped at the first error: %1 of %2 written\n")
                           .arg(written)
                           .arg(Counted(writes_.size(), QStringLiteral("set")));
            return false;
        }
        *report += QStringLiteral("written: %1 (%2)\n")
                       .arg(WriteTitle(write), Counted(write.Bindings.size(), QStringLiteral("value")));
    }
    *report += writes_.empty()
                   ? QStringLiteral("nothing written: nothing to restore\n")
                   : QStringLiteral("%1 written\n").arg(Counted(writes_.size(), QStringLiteral("set")));
    return true;
}
