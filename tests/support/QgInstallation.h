#pragma once

#include <QString>
#include <QTemporaryDir>

// The module's installation as ./run writes it, in a directory of its own:
// the registry stand-in (registry.ini, what KELTRA_REGISTRY names) gives
// that directory as the configuration directory, whose device file
// 127.0.0.1.cfg holds the agent's port (SNMPv2c, no user).
class QgInstallation
{
public:
    // Writes both files for the agent on `agentPort` of 127.0.0.1; false if
    // one could not be written.
    bool Write(quint16 agentPort) const;

    QString Dir() const { return dir_.path(); }
    QString Path(const QString &name) const { return dir_.filePath(name); }
    QString RegistryPath() const { return Path(QStringLiteral("registry.ini")); }

private:
    QTemporaryDir dir_;
};
