// Starts the real program in an empty working directory.
#include "KtSNMPEngine.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs qg2312 until it has written the boot counter, then stops it.
void StartAndStop(const QString &workDir, const QByteArray &expectedLine)
{
    QProcess program;
    program.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KELTRA_REGISTRY", workDir + "/no-registry.ini");
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QG_BIN_DIR "/qg2312"), {"/I127.0.0.1", "/Rpublic"});
    ASSERT_TRUE(program.waitForStarted());
    const QString counterFile = workDir + "/" + KtBootCounterFileName;
    QDeadlineTimer deadline(20000);
    while (!ReadFile(counterFile).contains(expectedLine) && !deadline.hasExpired())
        QThread::msleep(20);
    program.terminate();
    if (!program.waitForFinished(5000))
        program.kill();
    program.waitForFinished();
}

TEST(ProgramTest, TwoStartsCountTwoBoots)
{
    QTemporaryDir dir;
    const QByteArray own = KtLocalEngineID.toHex().toUpper();
    StartAndStop(dir.path(), own + " 1\n");
    StartAndStop(dir.path(), own + " 2\n");
    EXPECT_EQ(ReadFile(dir.filePath(KtBootCounterFileName)), own + " 2\n");
}

} // namespace
