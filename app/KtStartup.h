#pragma once

#include "KtLaunchSettings.h"
#include "KtSNMPEngine.h"

#include <QStringList>

class KtRegistry;

// The directories start-up derives from the registry.
struct KtStartupPaths
{
    QString ModuleDirectory;        // where errmsg/ lies; empty = working directory
    QString ConfigurationDirectory; // prefix of the per-device configuration files
};

// Turns the registry values, the command line and the per-device
// configuration file into the device settings.
//
// Command line: one switch per parameter, "/" and a case-sensitive letter
// followed directly by the value (/I10.90.90.90, /v3). /I, /R, /W and /v
// always count; /t, /c, /d, /m, /l, /n, /A, /P, /a and /p only while the
// version is 3. Before every parameter other than /I the configuration file
// "<configuration directory><address>.cfg" is applied again, so a switch
// beats the file for its own parameter and the file beats earlier switches.
class KtStartup
{
public:
    static constexpr const char *HelpPathKey = "\\SOFTWARE\\Keltra\\Modules\\HelpPath";
    static constexpr const char *HelpPathValue = "1.3.6.1.4.1.47893.10.55.2";
    static constexpr const char *ExePathKey = "\\SOFTWARE\\Keltra\\Ovix5.1\\ExePath";
    static constexpr const char *MibFileKey = "\\SOFTWARE\\Keltra\\Ovix5.1\\MibFile";
    static constexpr const char *ConfigSection = "Program Information";

    static KtStartupPaths ReadRegistryPaths(KtRegistry &registry);

    // The start-up steps before the command line, shared by the module and
    // its MIB viewer: the SNMP engine (speaking SNMPv1 until the command line
    // says otherwise), the directories from the registry and the message
    // catalogues from the module directory. Raises what KtSNMPInitialize
    // raises.
    static KtStartupPaths Initialize();

    // Clears the given-marks (all flags but ConfigFileFound) and applies the
    // parameters in order. Raises KtConvertError for a malformed number. A
    // configuration file that exists but is no regular file (a FIFO, a
    // device, a directory, or a link to one) is not read: a note about it
    // goes to standard error and, when notes is given, is appended there.
    static void ApplyParameters(const QStringList &parameters, const QString &configurationDirectory,
                                KtSNMPSettings &settings, KtLaunchTexts &texts, KtLaunchFlags &flags,
                                QStringList *notes = nullptr);

    // Applies one configuration file (which must exist).
    static void ApplyConfigFile(const QString &path, KtSNMPSettings &settings, KtLaunchTexts &texts,
                                KtLaunchFlags &flags);

    // A decimal integer with optional sign and surrounding blanks, within
    // [minimum, maximum]; anything else raises KtConvertError.
    static qint64 ToInteger(const QString &text, qint64 minimum, qint64 maximum);
};
