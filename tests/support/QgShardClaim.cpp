#include "QgShardClaim.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

bool QgShardClaim::Take()
{
    const QString claims = qEnvironmentVariable("QG_SHARD_CLAIMS");
    if (claims.isEmpty())
        return true;
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    QString name = QString::fromStdString(std::string(test->test_suite_name()) + '.' + test->name());
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    // Creating the file fails for every process but the first.
    QFile claim(QDir(claims).filePath(name));
    return claim.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}
