#include "QgPythonAgent.h"

#include "QgListeningProcess.h"

QgPythonAgent::~QgPythonAgent()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished();
    }
}

bool QgPythonAgent::Start(const QString &script, const QStringList &arguments)
{
    // -B: the shared module the agents import leaves no compiled copy in the source tree.
    port_ = QgListeningProcess::Start(
        process_, QStringLiteral("/usr/bin/python3"),
        QStringList{QStringLiteral("-B"), QStringLiteral(QG_SUPPORT_DIR "/") + script} + arguments);
    return port_ != 0;
}

QString QgPythonAgent::StandardError()
{
    return QString::fromUtf8(process_.readAllStandardError());
}
