#pragma once

#include <QString>
#include <QStringList>

class KtSnapshot;

// The qgsnap program: save, diff and restore of configuration snapshots
// (KtSnapshot) from the command line, talking to the switch with the
// module's own command-line switches (/I127.0.0.1 /Rpublic ...).
// Exit codes: 0 done (diff: no differences), 1 differences found or a
// restore that stopped at an error, 2 a usage error, a file that cannot be
// read or written, or a switch that does not answer.
class KtSnapTool
{
public:
    static const char Usage[];

    int Run(const QStringList &arguments);

private:
    enum ExitCode
    {
        ExitOk = 0,
        ExitDifferent = 1,
        ExitTrouble = 2
    };
    struct Options
    {
        QString Command;
        QStringList Files;
        QStringList Parameters; // the module's switches
        QString Output;
        QStringList Windows;
        bool Live = false;
        bool WithSecrets = false;
        bool DryRun = false;
        bool Yes = false;
    };

    bool Parse(const QStringList &arguments, Options &options);
    int Save(const Options &options);
    int Diff(const Options &options);
    int Restore(const Options &options);

    bool ReadLive(const Options &options, bool withSecrets, KtSnapshot &live);
    bool LoadFile(const QString &path, KtSnapshot &snapshot);
    bool Confirm(const QString &question);
    static QString LiveName(const KtSnapshot &live);
    static QString FileName(const QString &path, const KtSnapshot &snapshot);

    // The message on standard error; false, or the exit code of trouble.
    static bool Complain(const QString &message);
    static int Fail(const QString &message);
    static void Print(const QString &text);
};
