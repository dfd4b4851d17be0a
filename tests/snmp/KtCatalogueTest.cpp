#include "KtCatalogue.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <QFile>

namespace {

class CatalogueTest : public ::testing::Test
{
protected:
    void TearDown() override { ResetAllCatalogues(); }

    QString Write(const QByteArray &content)
    {
        QString path = dir_.filePath("catalogue.txt");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(CatalogueTest, BuiltInTablesHaveTheirSizes)
{
    const std::pair<KtCatalogue *, int> sizes[] = {
        {&CommonErr, 19},    {&SnmpErr, 18},   {&SnmpV3Err, 17}, {&SnmpUsmErr, 15},
        {&SnmpClassErr, 23}, {&KtSnmpErr, 29}, {&SnmpMsg, 2},
    };
    for (auto [table, size] : sizes)
        EXPECT_EQ(table->BuiltInCount(), size);
    EXPECT_EQ(KtSnmpErr[0], "(KtSNMP++) Ok!");
    EXPECT_EQ(SnmpClassErr[4], "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(CommonErr[9], "(KtCommon) Please enter a delimited number string with delimiter "
                            "'[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!");
}

TEST_F(CatalogueTest, ErrorCodesMapToTheirEntries)
{
    const std::pair<int, const char *> cases[] = {
        {0, "(KtSNMP++) Ok!"},
        {-1, "(KtCommon) Bad logic operand!"},
        {-102, "(SNMP) Variable does not exist!"},
        {-118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {-211, "(SNMPv3) Unknown UserName!"},
        {-313, "(SNMPv3USM) Unsupported PrivProtocol!"},
        {-315, "(SNMPv3USM) Pass phrase too short: it needs at least 8 characters!"},
        {-316, "(KtSNMP++) Unknown error code!"},
        {-405, "(SNMPClass) SNMP request timed out!"},
        {-509, "(KtSNMP++) Invalid IP Address or DNS name!"},
        {-528, "(KtSNMP++) Unknown error code!"},
        {-999, "(KtSNMP++) Unknown error code!"},
    };
    for (auto [code, text] : cases)
        EXPECT_EQ(KtErrorText(code), QString::fromUtf8(text)) << code;
}

TEST_F(CatalogueTest, LoadingReplacesTextsAndFallsBackPastTheFile)
{
    ASSERT_TRUE(LoadCatalogue(KtSnmpErr, Write("Done.\r\n\n   \n  Second kept blank\n")));
    EXPECT_EQ(KtSnmpErr.LoadedCount(), 2);
    EXPECT_EQ(KtSnmpErr[0], "Done.");
    EXPECT_EQ(KtSnmpErr[1], "  Second kept blank");
    EXPECT_EQ(KtSnmpErr[9], "(KtSNMP++) Invalid IP Address or DNS name!");
    EXPECT_EQ(KtSnmpErr[29], "");
}

TEST_F(CatalogueTest, BlankLinesBetweenMessagesDoNotCount)
{
    LoadCatalogue(SnmpMsg, Write("a\nb\n"));
    QStringList plain = {SnmpMsg[0], SnmpMsg[1]};
    LoadCatalogue(SnmpMsg, Write("\n\na\n\t\n\nb\n\n"));
    EXPECT_EQ(plain, (QStringList{SnmpMsg[0], SnmpMsg[1]}));
}

TEST_F(CatalogueTest, FilesThatAreNotUsedKeepTheBuiltInTexts)
{
    const QByteArray unusable[] = {"", "\n \r\n\t\n", QByteArray("Done.\0\x01\x02\n", 9)};
    for (const QByteArray &content : unusable) {
        EXPECT_FALSE(LoadCatalogue(KtSnmpErr, Write(content)));
        EXPECT_EQ(KtSnmpErr[0], "(KtSNMP++) Ok!");
    }
    EXPECT_FALSE(LoadCatalogue(KtSnmpErr, dir_.filePath("missing")));
    EXPECT_FALSE(LoadCatalogue(KtSnmpErr, dir_.path())); // a directory
    EXPECT_EQ(KtSnmpErr.LoadedCount(), 0);
}

TEST_F(CatalogueTest, LongLinesArriveInPiecesOf1023)
{
    QByteArray line(1500, 'x');
    LoadCatalogue(SnmpMsg, Write(line + "\n" + QByteArray(1023, 'y') + "\nlast\n"));
    EXPECT_EQ(SnmpMsg.LoadedCount(), 4);
    EXPECT_EQ(SnmpMsg[0].size(), 1023);
    EXPECT_EQ(SnmpMsg[1].size(), 477);
    EXPECT_EQ(SnmpMsg[2], QString(1023, 'y'));
    EXPECT_EQ(SnmpMsg[3], "last");
}

TEST_F(CatalogueTest, LoadAllUsesTheModuleDirectoryAsPrefix)
{
    QDir(dir_.path()).mkdir("errmsg");
    QFile file(dir_.filePath("errmsg/ktsnmp.err"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Done.\n");
    file.close();
    LoadAllCatalogues(dir_.path() + "/");
    EXPECT_EQ(KtErrorText(0), "Done.");
    EXPECT_EQ(KtErrorText(-102), "(SNMP) Variable does not exist!");
}

} // namespace
