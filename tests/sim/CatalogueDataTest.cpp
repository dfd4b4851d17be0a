// The objects qgsim serves for the windows of the menu catalogue are a
// committed data file: regenerating it from the catalogue must give that
// file, so that a change of the catalogue is followed by a deliberate
// regeneration (build/bin/qgsimdata sim/data/catalogue.txt).

#include <QFile>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(CatalogueDataTest, RegeneratingGivesTheCommittedFile)
{
    QFile file(QStringLiteral(QG_SOURCE_DIR "/sim/data/catalogue.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList committed = QString::fromUtf8(file.readAll()).split('\n');

    QProcess generator;
    generator.start(QStringLiteral(QG_BIN_DIR "/qgsimdata"), {});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    const QStringList generated = QString::fromUtf8(generator.readAllStandardOutput()).split('\n');

    // Line by line, so that a failure names the first line that differs.
    for (qsizetype i = 0; i < std::min(committed.size(), generated.size()); ++i)
        ASSERT_EQ(generated[i].toStdString(), committed[i].toStdString())
            << "line " << i + 1 << "; regenerate: build/bin/qgsimdata sim/data/catalogue.txt";
    EXPECT_EQ(generated.size(), committed.size());
}

} // namespace
