#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of a program to its end: its exit code (-1 when it crashed, was
// killed or did not start) and what it wrote.
struct QgProgramRun
{
    bool finished = false; // within the time given
    int exitCode = -1;
    QString out;
    QString err;
};

// Starts the program on `process` (with the environment and working
// directory set on it) and waits for its end; after timeoutMs it is killed.
//   QProcess process;
//   process.setProcessEnvironment(environment);
//   const QgProgramRun run = RunProgram(process, QG_BIN_DIR "/qgview", {"--help"}, 20000);
QgProgramRun RunProgram(QProcess &process, const QString &program, const QStringList &arguments,
                        int timeoutMs);
