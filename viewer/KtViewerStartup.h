#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The start of the MIB viewer program: its own options, the view the "/T"
// parameter names, and the module's start-up (registry stand-in, message
// catalogues, command line and per-device configuration file), then the
// window.
class KtViewerStartup
{
public:
    // Exit codes besides 0 (success).
    static constexpr int ExitReadFailed = 1; // start-up failed, or the first read (--screenshot)
    static constexpr int ExitUsage = 2;      // no view, an unknown view, or a malformed option

    struct Options
    {
        QString Screenshot;              // --screenshot FILE
        QString Csv;                     // --csv FILE: every table and scalar list as CSV
        bool ExitAfterFirstRead = false; // --exit-after-first-read
        int Reads = 1;                   // --reads N: the picture or exit after N reads
        int IntervalSeconds = 0;         // --interval S: refresh interval (0: the window's default)
        QList<int> ChartRows;            // --select 0,2: rows selected in the charted table
        QString View;                    // the "/T" parameter without "/T"
        QStringList Parameters;          // the module's command line
        QString Error;                   // why the arguments cannot be used
    };

    // Options come first; the first parameter starting with "/T" names the
    // view; all parameters, that one included, are the module's command line
    // (an empty numeric switch such as "/t" counting as not given).
    static Options Parse(const QStringList &arguments);

    // Runs the program (QApplication exists); returns the exit code.
    static int Run(const QStringList &arguments);

private:
    static void Fail(const QString &message);
};
