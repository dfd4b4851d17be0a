#include "QgListeningProcess.h"

#include <QDeadlineTimer>

quint16 QgListeningProcess::Start(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.start(program, arguments);
    if (!process.waitForStarted(5000))
        return 0;
    QByteArray output;
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && !output.contains('\n')) {
        if (!process.waitForReadyRead(100) && process.state() != QProcess::Running)
            return 0;
        output += process.readAllStandardOutput();
    }
    const QByteArray line = output.left(output.indexOf('\n')).trimmed();
    if (!line.startsWith("listening on "))
        return 0;
    bool ok = false;
    const quint16 port = line.mid(line.lastIndexOf(':') + 1).toUShort(&ok);
    return ok ? port : 0;
}
