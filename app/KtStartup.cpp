#include "KtStartup.h"

#include "KtCatalogue.h"
#include "KtException.h"
#include "KtIni.h"
#include "KtRegistry.h"
#include "KtRegularFile.h"

#include <QFileInfo>
#include <limits>

KtLaunchFlags LaunchFlags;

namespace {

constexpr qint64 kInt32Min = std::numeric_limits<qint32>::min();
constexpr qint64 kInt32Max = std::numeric_limits<qint32>::max();

qint32 ToInt32(const QString &text)
{
    return qint32(KtStartup::ToInteger(text, kInt32Min, kInt32Max));
}

quint16 ToPort(const QString &text)
{
    return quint16(KtStartup::ToInteger(text, 0, 65535));
}

quint8 ToVersion(const QString &text)
{
    return quint8(KtStartup::ToInteger(text, 0, 255));
}

// The switch letters in their order of search, and which of them count only
// under SNMPv3.
constexpr char kAlwaysSwitches[] = {'R', 'W', 'v'};
constexpr char kVersion3Switches[] = {'t', 'c', 'd', 'm', 'l', 'n', 'A', 'P', 'a', 'p'};

bool FindSwitch(const QString &parameter, char letter, QString &value)
{
    const QString marker = QStringLiteral("/") + QLatin1Char(letter);
    const qsizetype at = parameter.indexOf(marker, 0, Qt::CaseSensitive);
    if (at < 0)
        return false;
    value = parameter.mid(at + 2);
    return true;
}

bool Version3Applies(const KtSNMPSettings &settings, const KtLaunchTexts &texts)
{
    return texts.Version == QLatin1String("3") || settings.Security.Version == 3;
}

void ApplySwitch(char letter, const QString &value, KtSNMPSettings &s, KtLaunchTexts &texts,
                 KtLaunchFlags &flags)
{
    KtSNMPSecurity &security = s.Security;
    switch (letter) {
    case 'R':
        security.ReadCommunity = texts.ReadCommunity = value;
        break;
    case 'W':
        security.WriteCommunity = texts.WriteCommunity = value;
        break;
    case 'v':
        security.Version = ToVersion(value);
        break;
    case 't':
        s.Device.Port = ToPort(value);
        texts.AgentPort = QString::number(s.Device.Port);
        break;
    case 'c':
        s.Scope.ContextName = value;
        if (!value.isEmpty()) {
            texts.ContextName = value;
            flags.ContextNameGiven = true;
        }
        break;
    case 'd':
        s.Scope.ContextEngineID = texts.ContextEngineID = value;
        break;
    case 'm':
        security.SecurityModel = ToInt32(value);
        texts.SecurityModel = QString::number(security.SecurityModel);
        break;
    case 'l':
        security.SecurityLevel = ToInt32(value);
        if (security.SecurityLevel != 0) {
            flags.SecurityLevelGiven = true;
            texts.SecurityLevel = QString::number(security.SecurityLevel);
        }
        break;
    case 'n':
        security.SecurityName = texts.SecurityName = value;
        break;
    case 'A':
        security.AuthPassword = value;
        if (!value.isEmpty()) {
            flags.AuthPasswordGiven = true;
            texts.AuthPassword = value;
        }
        break;
    case 'P':
        security.PrivPassword = value;
        if (!value.isEmpty()) {
            texts.PrivPassword = value;
            flags.PrivPasswordGiven = true;
        }
        break;
    case 'a':
        security.AuthProtocol = ToInt32(value);
        if (security.AuthProtocol != 0) {
            texts.AuthProtocol = QString::number(security.AuthProtocol);
            flags.AuthProtocolGiven = true;
        }
        break;
    case 'p':
        security.PrivProtocol = ToInt32(value);
        if (security.PrivProtocol != 0) {
            texts.PrivProtocol = QString::number(security.PrivProtocol);
            flags.PrivProtocolGiven = true;
        }
        break;
    }
}

void ApplyParameterSwitch(const QString &parameter, KtSNMPSettings &settings, KtLaunchTexts &texts,
                          KtLaunchFlags &flags)
{
    QString value;
    for (char letter : kAlwaysSwitches) {
        if (FindSwitch(parameter, letter, value)) {
            ApplySwitch(letter, value, settings, texts, flags);
            return;
        }
    }
    if (!Version3Applies(settings, texts))
        return;
    for (char letter : kVersion3Switches) {
        if (FindSwitch(parameter, letter, value)) {
            ApplySwitch(letter, value, settings, texts, flags);
            return;
        }
    }
}

// A key counted from 0 in the file: "0" leaves the field alone, anything
// else is stored plus one, so the largest 32-bit value is refused as any
// other bad number is.
bool ApplyCountedFromZero(const QString &text, qint32 &field, QString &launchText)
{
    if (text == QLatin1String("0"))
        return false;
    field = qint32(KtStartup::ToInteger(text, kInt32Min, kInt32Max - 1) + 1);
    launchText = QString::number(field);
    return true;
}

} // namespace

qint64 KtStartup::ToInteger(const QString &text, qint64 minimum, qint64 maximum)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok, 10);
    if (!ok || trimmed.isEmpty() || value < minimum || value > maximum)
        throw KtConvertError(text);
    return value;
}

KtStartupPaths KtStartup::ReadRegistryPaths(KtRegistry &registry)
{
    KtStartupPaths paths;
    QString helpPath;
    if (registry.OpenKey(QLatin1String(HelpPathKey)))
        helpPath = registry.ReadString(QLatin1String(HelpPathValue));
    // The help path ends with a 12-character file name; what is left is the
    // module directory with its trailing separator.
    paths.ModuleDirectory = helpPath.size() > 12 ? helpPath.left(helpPath.size() - 12) : QString();

    if (registry.OpenKey(QLatin1String(ExePathKey)))
        paths.ConfigurationDirectory =
            registry.ReadString(QStringLiteral("Path")) + QStringLiteral("../Conf/MBF/");
    if (registry.OpenKey(QLatin1String(MibFileKey)))
        paths.ConfigurationDirectory = registry.ReadString(QStringLiteral("Path"));
    return paths;
}

KtStartupPaths KtStartup::Initialize()
{
    KtSNMPInitialize(QString());
    KtSNMPDefaults.Security.Version = 0;
    KtRegistry registry;
    const KtStartupPaths paths = ReadRegistryPaths(registry);
    LoadAllCatalogues(paths.ModuleDirectory);
    return paths;
}

void KtStartup::ApplyConfigFile(const QString &path, KtSNMPSettings &s, KtLaunchTexts &texts,
                                KtLaunchFlags &flags)
{
    const KtIni ini(path);
    auto read = [&](const char *key) {
        return ini.ReadString(QLatin1String(ConfigSection), QLatin1String(key), {});
    };
    KtSNMPSecurity &security = s.Security;

    s.Device.Port = ToPort(read("AgentPort"));
    texts.AgentPort = QString::number(s.Device.Port);

    texts.Version = read("Version");
    security.Version = ToVersion(texts.Version);

    if (const QString contextName = read("ContextName"); !contextName.isEmpty()) {
        s.Scope.ContextName = texts.ContextName = contextName;
        flags.ContextNameGiven = true;
    }
    s.Scope.ContextEngineID = texts.ContextEngineID = read("ContextEngineID");
    // Optional: 0 makes table walks use get-next for agents with a broken GetBulk.
    s.Device.UseGetBulk = read("UseGetBulk").trimmed() != QLatin1String("0");
    // Optional: the most rows a table walk takes (a positive number).
    bool rowsGiven = false;
    const int maxRows = read("MaxTableRows").trimmed().toInt(&rowsGiven);
    if (rowsGiven && maxRows > 0)
        s.Device.MaxTableRows = maxRows;

    security.SecurityModel = ToInt32(read("SecurityModel"));
    texts.SecurityModel = QString::number(security.SecurityModel);

    if (ApplyCountedFromZero(read("SecurityLevel"), security.SecurityLevel, texts.SecurityLevel))
        flags.SecurityLevelGiven = true;
    security.SecurityName = texts.SecurityName = read("SecurityName");
    if (ApplyCountedFromZero(read("AuthProtocol"), security.AuthProtocol, texts.AuthProtocol))
        flags.AuthProtocolGiven = true;
    if (ApplyCountedFromZero(read("PrivProtocol"), security.PrivProtocol, texts.PrivProtocol))
        flags.PrivProtocolGiven = true;

    if (const QString password = read("AuthPassword"); !password.isEmpty()) {
        security.AuthPassword = texts.AuthPassword = password;
        flags.AuthPasswordGiven = true;
    }
    if (const QString password = read("PrivPassword"); !password.isEmpty()) {
        security.PrivPassword = texts.PrivPassword = password;
        flags.PrivPasswordGiven = true;
    }
}

void KtStartup::ApplyParameters(const QStringList &parameters, const QString &configurationDirectory,
                                KtSNMPSettings &settings, KtLaunchTexts &texts, KtLaunchFlags &flags,
                                QStringList *notes)
{
    const bool configFileFound = flags.ConfigFileFound;
    flags = KtLaunchFlags{};
    flags.ConfigFileFound = configFileFound;

    QStringList noted;
    for (const QString &parameter : parameters) {
        QString address;
        if (FindSwitch(parameter, 'I', address)) {
            settings.Device.Address = texts.IpAddress = address;
            continue;
        }
        const QString configPath = configurationDirectory + texts.IpAddress + QStringLiteral(".cfg");
        const QFileInfo config(configPath);
        flags.ConfigFileFound = config.isFile();
        if (flags.ConfigFileFound)
            ApplyConfigFile(configPath, settings, texts, flags);
        else if (config.exists() && !noted.contains(configPath))
            noted << configPath; // a FIFO, device, socket or directory, perhaps behind a link
        ApplyParameterSwitch(parameter, settings, texts, flags);
    }
    for (const QString &path : std::as_const(noted)) {
        const QString note = QStringLiteral("not a regular file; ignored");
        KtFileNote(path, note);
        if (notes)
            *notes << QStringLiteral("%1: %2").arg(path, note);
    }
}
