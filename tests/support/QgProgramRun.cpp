#include "QgProgramRun.h"

QgProgramRun RunProgram(QProcess &process, const QString &program, const QStringList &arguments,
                        int timeoutMs)
{
    QgProgramRun run;
    process.start(program, arguments);
    run.finished = process.waitForStarted(5000) && process.waitForFinished(timeoutMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished(2000);
    }
    if (run.finished && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
