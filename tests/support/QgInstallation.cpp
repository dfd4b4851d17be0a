#include "QgInstallation.h"

#include <QFile>

bool QgInstallation::Write(quint16 agentPort) const
{
    QFile registry(RegistryPath());
    const bool registryOpen = registry.open(QIODevice::WriteOnly);
    registry.write(
        QStringLiteral("[SOFTWARE\\Keltra\\Ovix5.1\\MibFile]\nPath=%1/\n").arg(dir_.path()).toUtf8());
    registry.close();
    QFile config(Path(QStringLiteral("127.0.0.1.cfg")));
    const bool configOpen = config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=3\n"
                                "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n")
                     .arg(agentPort)
                     .toUtf8());
    config.close();
    return registryOpen && configOpen;
}
