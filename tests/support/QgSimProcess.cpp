#include "QgSimProcess.h"

#include "QgFiles.h"
#include "QgListeningProcess.h"
#include "QgWait.h"

#include <csignal>

QgSimProcess::QgSimProcess(QStringList arguments) : arguments_(std::move(arguments))
{
    const qsizetype given = arguments_.indexOf(QStringLiteral("--set-log"));
    if (given >= 0 && given + 1 < arguments_.size()) {
        sets_ = QgSetLog(arguments_[given + 1]);
        return;
    }
    sets_ = QgSetLog(logDir_.filePath(QStringLiteral("sets.jsonl")));
    arguments_ << QStringLiteral("--set-log") << sets_.Path();
}

QgSimProcess::QgSimProcess(QStringList arguments, const QByteArray &scenario)
    : QgSimProcess(std::move(arguments))
{
    const QString path = logDir_.filePath(QStringLiteral("test.scenario"));
    WriteFile(path, scenario);
    arguments_ << QStringLiteral("--scenario") << path;
}

QgSimProcess::~QgSimProcess()
{
    Stop();
}

QString QgSimProcess::Address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port_);
}

QString QgSimProcess::StandardError()
{
    stderr_ += QString::fromUtf8(process_.readAllStandardError());
    return stderr_;
}

bool QgSimProcess::Start()
{
    QStringList arguments = arguments_;
    if (!arguments.contains("--listen"))
        arguments << "--listen"
                  << "127.0.0.1:0";
    port_ = QgListeningProcess::Start(process_, QStringLiteral(QG_BIN_DIR "/qgsim"), arguments);
    return port_ != 0;
}

int QgSimProcess::Stop()
{
    if (process_.state() == QProcess::NotRunning) {
        // It may have ended by itself, for example on a bad scenario.
        if (process_.error() != QProcess::FailedToStart && exitCode_ == -1 &&
            process_.exitStatus() == QProcess::NormalExit)
            exitCode_ = process_.exitCode();
        StandardError();
        return exitCode_;
    }
    process_.terminate();
    if (!process_.waitForFinished(10000)) {
        process_.kill();
        process_.waitForFinished(2000);
        return exitCode_ = -1;
    }
    StandardError();
    exitCode_ = process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    return exitCode_;
}

bool QgSimProcess::WaitForSets(int timeoutMs) const
{
    const int sync = ++syncs_;
    QProcess tool;
    tool.start(QStringLiteral("snmpset"), {"-v2c", "-c", "private", "-r", "0", "-t", "30", Address(),
                                           QgSetLog::SyncOid, "i", QString::number(sync)});
    const bool logged = WaitUntil([&] { return sets_.HasSync(sync); }, timeoutMs);
    tool.kill();
    tool.waitForFinished();
    return logged;
}

void QgSimProcess::ReleaseHeldReads() const
{
    if (process_.state() == QProcess::Running)
        ::kill(pid_t(process_.processId()), SIGUSR1);
}
