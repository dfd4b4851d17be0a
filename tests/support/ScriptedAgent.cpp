#include "ScriptedAgent.h"

#include <QDeadlineTimer>
#include <QFile>

ScriptedAgent::ScriptedAgent(const QByteArray &script)
{
    QFile file(dir_.filePath(QStringLiteral("agent.script")));
    if (file.open(QIODevice::WriteOnly))
        file.write(script);
}

ScriptedAgent::~ScriptedAgent()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished();
    }
}

bool ScriptedAgent::Start()
{
    // Debian's interpreter, whose packages hold pysnmp, whatever else PATH offers.
    process_.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(QG_SUPPORT_DIR "/scripted_agent.py"),
                                                        dir_.filePath(QStringLiteral("agent.script"))});
    if (!process_.waitForStarted(5000))
        return false;
    QByteArray output;
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && !output.contains('\n')) {
        if (!process_.waitForReadyRead(100) && process_.state() != QProcess::Running)
            return false;
        output += process_.readAllStandardOutput();
    }
    const QByteArray line = output.left(output.indexOf('\n')).trimmed();
    if (!line.startsWith("listening on "))
        return false;
    bool ok = false;
    port_ = line.mid(line.lastIndexOf(':') + 1).toUShort(&ok);
    return ok && port_ != 0;
}

QString ScriptedAgent::StandardError()
{
    return QString::fromUtf8(process_.readAllStandardError());
}
