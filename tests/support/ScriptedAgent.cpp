#include "ScriptedAgent.h"

#include <QFile>

ScriptedAgent::ScriptedAgent(const QByteArray &script)
{
    QFile file(dir_.filePath(QStringLiteral("agent.script")));
    if (file.open(QIODevice::WriteOnly))
        file.write(script);
}

bool ScriptedAgent::Start()
{
    return agent_.Start(QStringLiteral("scripted_agent.py"), {dir_.filePath(QStringLiteral("agent.script"))});
}
