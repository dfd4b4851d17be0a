#include "KtSnapTool.h"

#include "KtLaunchSettings.h"
#include "KtSnapshotDiff.h"
#include "KtSnapshotReader.h"
#include "KtSnapshotRestore.h"
#include "KtStartup.h"

#include <QEventLoop>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <unistd.h>

const char KtSnapTool::Usage[] =
    "Usage: qgsnap save [-o FILE] [--with-secrets] /IADDRESS [/RCOMMUNITY] [/WCOMMUNITY] [/vVERSION] ...\n"
    "  or:  qgsnap diff A B\n"
    "  or:  qgsnap diff A --live [--with-secrets] /IADDRESS ...\n"
    "  or:  qgsnap restore A --live /IADDRESS ... [--window PATH]... [--dry-run] [--yes]\n"
    "Configuration snapshots of a Keltra switch: every setting the module's\n"
    "windows show, one line per value, saved, compared and put back.\n"
    "\n"
    "The switch and its credentials are given with the module's own switches\n"
    "(see qg2312 --help); an SNMPv1/v2c agent on a port other than 161 is given\n"
    "as /v3 /tPORT /vVERSION, or through the per-device configuration file.\n"
    "\n"
    "Commands:\n"
    "  save      read the switch and write the snapshot to standard output or FILE\n"
    "  diff      compare two snapshots, or a snapshot with the switch now, window by\n"
    "            window: values changed, only in A, only in B\n"
    "  restore   put back the values of snapshot A that differ on the switch now, in\n"
    "            scalars and in rows that exist on both sides; it prints the exact\n"
    "            SETs, asks once, then sends them window by window and stops at the\n"
    "            first error. Rows are neither created nor deleted; actions (restart,\n"
    "            save configuration, clearing counters, ping, file transfers) are\n"
    "            saved but never compared or sent.\n"
    "\n"
    "Options:\n"
    "  -o FILE          write the snapshot to FILE (whole or not at all)\n"
    "  --with-secrets   read community strings, keys and pass phrases instead of\n"
    "                   masking them (diff and restore read them whenever the\n"
    "                   snapshot holds them); a masked value is never restored\n"
    "  --window PATH    restore only this window, or the windows below this menu\n"
    "                   (\"Basic Configuration > System Log\"); may be repeated\n"
    "  --dry-run        print the SETs and send nothing\n"
    "  --yes            send without asking; needed when standard input is not a\n"
    "                   terminal, where restore otherwise refuses and sends nothing\n"
    "  --help           display this help and exit\n"
    "  --version        output version information and exit\n"
    "\n"
    "Exit status: 0 done (diff: no differences), 1 differences (diff) or a restore\n"
    "that stopped at an error, 2 trouble (usage, files, no answer).\n";

void KtSnapTool::Print(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

bool KtSnapTool::Complain(const QString &message)
{
    std::fprintf(stderr, "qgsnap: %s\n", qPrintable(message));
    return false;
}

int KtSnapTool::Fail(const QString &message)
{
    Complain(message);
    return ExitTrouble;
}

bool KtSnapTool::Parse(const QStringList &arguments, Options &options)
{
    options.Command = arguments.value(0);
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool takesParameters = options.Command == QLatin1String("save") || options.Live;
        if (argument == QLatin1String("-o") && i + 1 < arguments.size())
            options.Output = arguments[++i];
        else if (argument == QLatin1String("--window") && i + 1 < arguments.size())
            options.Windows << arguments[++i];
        else if (argument == QLatin1String("--live"))
            options.Live = true;
        else if (argument == QLatin1String("--with-secrets"))
            options.WithSecrets = true;
        else if (argument == QLatin1String("--dry-run"))
            options.DryRun = true;
        else if (argument == QLatin1String("--yes"))
            options.Yes = true;
        else if (argument.startsWith(QLatin1Char('/')) && takesParameters)
            options.Parameters << argument;
        else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1)
            return Complain(QStringLiteral("unknown option %1 (see qgsnap --help)").arg(argument));
        else
            options.Files << argument;
    }
    return true;
}

int KtSnapTool::Run(const QStringList &arguments)
{
    Options options;
    if (!Parse(arguments, options))
        return ExitTrouble;
    const bool wantsLive = options.Command == QLatin1String("save") || options.Live;
    if (wantsLive && options.Parameters.isEmpty())
        return Fail(QStringLiteral("no switch given: the module's switches such as /I127.0.0.1 /Rpublic"));
    if (options.Command == QLatin1String("save") && options.Files.isEmpty())
        return Save(options);
    if (options.Command == QLatin1String("diff") && options.Files.size() == (options.Live ? 1 : 2))
        return Diff(options);
    if (options.Command == QLatin1String("restore") && options.Files.size() == 1 && options.Live)
        return Restore(options);
    return Fail(QStringLiteral("usage: qgsnap save|diff|restore ... (see qgsnap --help)"));
}

bool KtSnapTool::ReadLive(const Options &options, bool withSecrets, KtSnapshot &live)
{
    try {
        const KtStartupPaths paths = KtStartup::Initialize();
        KtLaunchTexts texts;
        QStringList notes;
        KtStartup::ApplyParameters(options.Parameters, paths.ConfigurationDirectory, KtSNMPDefaults, texts,
                                   LaunchFlags, &notes);
    } catch (const std::exception &error) {
        return Complain(QString::fromUtf8(error.what()));
    }
    KtSnapshotReader reader;
    reader.WithSecrets = withSecrets;
    reader.Only = options.Windows;
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&reader, &KtSnapshotReader::Finished, &loop, [&](bool done) {
        ok = done;
        loop.quit();
    });
    reader.Start();
    if (reader.IsRunning())
        loop.exec();
    if (!ok)
        return Complain(reader.Error());
    live = reader.Result();
    return true;
}

bool KtSnapTool::LoadFile(const QString &path, KtSnapshot &snapshot)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Complain(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    QString error;
    if (!snapshot.FromText(QString::fromUtf8(file.readAll()), &error))
        return Complain(QStringLiteral("%1: %2").arg(path, error));
    return true;
}

QString KtSnapTool::LiveName(const KtSnapshot &live)
{
    return QStringLiteral("the switch %1 now").arg(live.Address);
}

QString KtSnapTool::FileName(const QString &path, const KtSnapshot &snapshot)
{
    return QStringLiteral("%1 (%2, %3)").arg(path, snapshot.Address, snapshot.Time);
}

int KtSnapTool::Save(const Options &options)
{
    KtSnapshot snapshot;
    if (!ReadLive(options, options.WithSecrets, snapshot))
        return ExitTrouble;
    const QByteArray text = snapshot.ToText().toUtf8();
    if (options.Output.isEmpty()) {
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? ExitOk
                                                                : Fail(QStringLiteral("cannot write"));
    }
    QSaveFile file(options.Output);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return Fail(QStringLiteral("cannot write %1: %2").arg(options.Output, file.errorString()));
    return ExitOk;
}

int KtSnapTool::Diff(const Options &options)
{
    KtSnapshot a;
    KtSnapshot b;
    if (!LoadFile(options.Files[0], a))
        return ExitTrouble;
    // Secrets saved in A are compared with the switch's own.
    if (options.Live ? !ReadLive(options, options.WithSecrets || a.WithSecrets, b)
                     : !LoadFile(options.Files[1], b))
        return ExitTrouble;
    const KtSnapshotDiff diff(a, b);
    Print(diff.ToText(FileName(options.Files[0], a),
                      options.Live ? LiveName(b) : FileName(options.Files[1], b)));
    return diff.IsEmpty() ? ExitOk : ExitDifferent;
}

bool KtSnapTool::Confirm(const QString &question)
{
    Print(question);
    char line[64] = {};
    if (!std::fgets(line, sizeof line, stdin))
        return false;
    const QString answer = QString::fromLocal8Bit(line).trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}

int KtSnapTool::Restore(const Options &options)
{
    KtSnapshot snapshot;
    if (!LoadFile(options.Files[0], snapshot))
        return ExitTrouble;
    for (const QString &window : options.Windows) {
        const auto windows = snapshot.Windows();
        if (std::none_of(windows.begin(), windows.end(),
                         [&](const QString &path) { return KtSnapshotReader::Selects({window}, path); }))
            return Fail(QStringLiteral("no window of the snapshot is \"%1\" or lies below it").arg(window));
    }
    if (!options.DryRun && !options.Yes && !isatty(STDIN_FILENO))
        return Fail(
            QStringLiteral("standard input is not a terminal: restore asks before it writes; give --yes "
                           "to write without asking, or --dry-run. Nothing was sent."));
    KtSnapshot live;
    if (!ReadLive(options, snapshot.WithSecrets, live))
        return ExitTrouble;
    const KtSnapshotRestore restore(snapshot, live, options.Windows);
    Print(QStringLiteral("A: %1\nB: %2\n").arg(FileName(options.Files[0], snapshot), LiveName(live)));
    Print(restore.PlanText());
    if (options.DryRun || restore.Writes().empty())
        return ExitOk;
    if (!options.Yes &&
        !Confirm(QStringLiteral("Send these %1 in %2 to %3? [y/N] ")
                     .arg(KtSnapshotRestore::Counted(size_t(restore.BindingCount()), QStringLiteral("value")),
                          KtSnapshotRestore::Counted(restore.Writes().size(), QStringLiteral("set")),
                          live.Address))) {
        Print(QStringLiteral("nothing sent\n"));
        return ExitOk;
    }
    QString report;
    const bool ok = restore.Send(&report);
    Print(report);
    return ok ? ExitOk : ExitDifferent;
}
