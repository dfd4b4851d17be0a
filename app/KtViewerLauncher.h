#pragma once

#include "KtLaunchSettings.h"

#include <QRect>
#include <QString>
#include <QStringList>

class KtRegistry;

// Starts one of the hosting platform's MIB viewer programs for a view
// ("/TRmon_History": the program Rmon, view History), handing on the device
// address and credentials the module itself was started with. The module
// neither waits for the viewer nor checks that it started.
class KtViewerLauncher
{
public:
    // "Rmon" for "/TRmon_History".
    static QString ToolOf(const QString &argument);

    // The tool followed by its parameters, one element each: the address and
    // communities, the argument and, for SNMPv3, the SNMPv3 switches. A
    // value with blanks stays one parameter.
    static QStringList Arguments(const QString &argument, const KtLaunchTexts &texts,
                                 const KtLaunchFlags &flags, int securityVersion);
    // The same joined with blanks, as a person would type it (for display).
    static QString CommandLine(const QString &argument, const KtLaunchTexts &texts,
                               const KtLaunchFlags &flags, int securityVersion);

    // The status message about the platform installation: empty when the
    // platform is found, "OpenView : File Path Error!" or "No Path!".
    static QString PlatformStatus(KtRegistry &registry);

    // Where the module's own viewer programs lie: the package's private
    // directory lib/qg2312/viewers, found from the module's executable in
    // bin/.
    static QString ViewerDirectory();

    // The program a tool name starts: the file of that name in
    // viewerDirectory when it is executable there, else the one found on
    // PATH; empty when there is none.
    static QString ProgramPath(const QString &tool, const QString &viewerDirectory);

    // The environment variable that tells a viewer the frame of the window
    // that started it, "x,y,width,height", so that it can open beside it;
    // the command line stays as it is.
    static constexpr const char *MainWindowVariable = "QG_MAIN_WINDOW";

    // Starts the program named by the first element (ProgramPath), detached,
    // with the other elements as its parameters, each handed on whole (no
    // shell, no splitting), and the main window's frame in
    // MainWindowVariable when one is given. Returns whether it started.
    static bool Start(const QStringList &arguments, const QString &viewerDirectory = {},
                      const QRect &mainWindowFrame = {});
};
