#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Starts a test agent (qgsim, a pysnmp agent) that binds a free loopback
// port and says so in its first line of output, "listening on ADDRESS:PORT".
class QgListeningProcess
{
public:
    // The port of that first line, or 0 when the program did not start, ended
    // or said something else within 20 seconds.
    static quint16 Start(QProcess &process, const QString &program, const QStringList &arguments);
};
