#include "ScriptedAgent.h"

#include "QgListeningProcess.h"

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
    port_ = QgListeningProcess::Start(
        process_, QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(QG_SUPPORT_DIR "/scripted_agent.py"), dir_.filePath(QStringLiteral("agent.script"))});
    return port_ != 0;
}

QString ScriptedAgent::StandardError()
{
    return QString::fromUtf8(process_.readAllStandardError());
}
