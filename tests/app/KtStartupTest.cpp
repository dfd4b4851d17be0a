#include "KtStartup.h"
#include "KtException.h"
#include "KtIni.h"
#include "KtRegistry.h"
#include "QgFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const char *kFullConfig = "[Program Information]\n"
                          "AgentPort=1161\n"
                          "Version=3\n"
                          "ContextName=ctx\n"
                          "ContextEngineID=80001f88\n"
                          "SecurityModel=3\n"
                          "SecurityLevel=2\n"
                          "SecurityName=fileuser\n"
                          "AuthProtocol=1\n"
                          "PrivProtocol=1\n"
                          "AuthPassword=authpass\n"
                          "PrivPassword=privpass\n";

class StartupTest : public ::testing::Test
{
protected:
    QString ConfigDir() const { return dir_.path() + "/"; }

    void WriteFile(const QString &name, const QByteArray &content)
    {
        ASSERT_TRUE(::WriteFile(dir_.filePath(name), content));
    }

    void Apply(const QStringList &parameters)
    {
        KtStartup::ApplyParameters(parameters, ConfigDir(), settings_, texts_, flags_);
    }

    QTemporaryDir dir_;
    KtSNMPSettings settings_;
    KtLaunchTexts texts_;
    KtLaunchFlags flags_;
};

TEST_F(StartupTest, CommunitySwitchesWithoutConfigurationFile)
{
    Apply({"/I10.0.0.5", "/Rpublic", "/Wprivate"});
    EXPECT_EQ(settings_.Device.Address, "10.0.0.5");
    EXPECT_EQ(settings_.Device.Port, 161);
    EXPECT_EQ(settings_.Security.Version, 0);
    EXPECT_EQ(settings_.Security.ReadCommunity, "public");
    EXPECT_EQ(settings_.Security.WriteCommunity, "private");
    EXPECT_EQ(texts_.IpAddress, "10.0.0.5");
    EXPECT_FALSE(flags_.ConfigFileFound);
}

// A configuration file that is no regular file is not read, and says so
// once (not once per parameter), on standard error and to the caller.
TEST_F(StartupTest, AConfigurationFileThatIsNoRegularFileGetsANote)
{
    const QString path = dir_.filePath("10.0.0.5.cfg");
    const std::function<void()> makers[] = {
        [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0); },
        [&] { ASSERT_TRUE(QFile::link("/dev/null", path)); }, // a link to a device
        [&] { ASSERT_TRUE(QDir(dir_.path()).mkdir("10.0.0.5.cfg")); },
    };
    for (const std::function<void()> &make : makers) {
        QFile::remove(path);
        QDir(dir_.path()).rmdir("10.0.0.5.cfg");
        make();
        QStringList notes;
        KtStartup::ApplyParameters({"/I10.0.0.5", "/Rpublic", "/Wprivate"}, ConfigDir(), settings_, texts_,
                                   flags_, &notes);
        EXPECT_FALSE(flags_.ConfigFileFound);
        EXPECT_EQ(notes, QStringList{path + ": not a regular file; ignored"});
    }
}

TEST_F(StartupTest, Version3SwitchesCountOnlyAfterVersion3)
{
    struct Case
    {
        QStringList parameters;
        QString expectedName;
    };
    const Case cases[] = {
        {{"/I10.0.0.5", "/v3", "/nadmin"}, "admin"},
        {{"/I10.0.0.5", "/nadmin", "/v3"}, ""},
        {{"/I10.0.0.5", "/v3", "/nadmin", "/v1", "/nother"}, "admin"},
    };
    for (const Case &c : cases) {
        settings_ = {};
        Apply(c.parameters);
        EXPECT_EQ(settings_.Security.SecurityName, c.expectedName) << c.parameters.join(' ').toStdString();
    }
}

TEST_F(StartupTest, FileIsReadAgainBeforeEveryParameter)
{
    WriteFile("10.0.0.5.cfg", kFullConfig);
    Apply({"/I10.0.0.5", "/v1", "/t1162"});
    // The file put the version back to 3 before /t, so /t counted.
    EXPECT_EQ(settings_.Security.Version, 3);
    EXPECT_EQ(settings_.Device.Port, 1162);
    EXPECT_EQ(texts_.AgentPort, "1162");
    EXPECT_EQ(texts_.Version, "3");
    EXPECT_TRUE(flags_.ConfigFileFound);
    EXPECT_EQ(settings_.Security.SecurityLevel, 3);
    EXPECT_EQ(texts_.SecurityLevel, "3");
    EXPECT_EQ(settings_.Security.AuthProtocol, 2);
    EXPECT_EQ(settings_.Scope.ContextName, "ctx");
    EXPECT_TRUE(flags_.ContextNameGiven && flags_.SecurityLevelGiven && flags_.AuthPasswordGiven);
}

TEST_F(StartupTest, FileBeatsEarlierSwitchesButNotLaterOnes)
{
    WriteFile("10.0.0.5.cfg", kFullConfig);
    Apply({"/I10.0.0.5", "/v3", "/nswitchuser", "/Rpublic"});
    EXPECT_EQ(settings_.Security.SecurityName, "fileuser"); // the file came back for /R
    EXPECT_EQ(settings_.Security.ReadCommunity, "public");

    Apply({"/I10.0.0.5", "/nswitchuser"});
    EXPECT_EQ(settings_.Security.SecurityName, "switchuser");
}

TEST_F(StartupTest, UseGetBulkIsOnUnlessTheFileSaysZero)
{
    const std::pair<QByteArray, bool> cases[] = {
        {"", true}, {"UseGetBulk=1\n", true}, {"UseGetBulk=0\n", false}, {"UseGetBulk= 0 \n", false}};
    for (const auto &[line, expected] : cases) {
        settings_ = {};
        WriteFile("10.0.0.5.cfg", QByteArray(kFullConfig) + line);
        Apply({"/I10.0.0.5", "/Rpublic"});
        EXPECT_EQ(settings_.Device.UseGetBulk, expected) << line.toStdString();
    }
}

TEST_F(StartupTest, ZeroCountedKeysLeaveDefaults)
{
    QByteArray config(kFullConfig);
    config.replace("SecurityLevel=2", "SecurityLevel=0")
        .replace("AuthProtocol=1", "AuthProtocol=0")
        .replace("PrivProtocol=1", "PrivProtocol=0");
    WriteFile("10.0.0.5.cfg", config);
    Apply({"/I10.0.0.5", "/Rpublic"});
    EXPECT_EQ(settings_.Security.SecurityLevel, 1);
    EXPECT_EQ(settings_.Security.AuthProtocol, 1);
    EXPECT_EQ(settings_.Security.PrivProtocol, 1);
    EXPECT_FALSE(flags_.SecurityLevelGiven || flags_.AuthProtocolGiven || flags_.PrivProtocolGiven);
    EXPECT_TRUE(texts_.SecurityLevel.isEmpty());
}

TEST_F(StartupTest, AddressGivenLastLeavesEarlierParametersWithTheBareFileName)
{
    WriteFile(".cfg", QByteArray(kFullConfig).replace("AgentPort=1161", "AgentPort=2000"));
    WriteFile("10.0.0.5.cfg", kFullConfig);
    Apply({"/Rpublic", "/I10.0.0.5"});
    EXPECT_EQ(settings_.Device.Port, 2000);
    EXPECT_EQ(settings_.Device.Address, "10.0.0.5");
}

TEST_F(StartupTest, AddressSwitchIsSearchedFirst)
{
    Apply({"/v3", "/Asecret/Ihost"});
    EXPECT_EQ(settings_.Device.Address, "host");
    EXPECT_TRUE(settings_.Security.AuthPassword.isEmpty());
}

TEST_F(StartupTest, ZeroValuedSwitchesSetTheFieldButNotTheMark)
{
    Apply({"/I10.0.0.5", "/v3", "/l0", "/a0", "/p0"});
    EXPECT_EQ(settings_.Security.SecurityLevel, 0);
    EXPECT_EQ(settings_.Security.AuthProtocol, 0);
    EXPECT_EQ(settings_.Security.PrivProtocol, 0);
    EXPECT_FALSE(flags_.SecurityLevelGiven || flags_.AuthProtocolGiven || flags_.PrivProtocolGiven);
    Apply({"/a2"});
    EXPECT_EQ(settings_.Security.AuthProtocol, 2);
    EXPECT_EQ(texts_.AuthProtocol, "2");
    EXPECT_TRUE(flags_.AuthProtocolGiven);
}

// Every protocol code: on the command line as it is, in the file counted
// from 0 (the code minus one).
TEST_F(StartupTest, ProtocolCodesFromSwitchesAsTheyAreAndFromTheFileMinusOne)
{
    struct Case
    {
        qint32 auth, priv;
    };
    const Case cases[] = {{2, 2}, {3, 2}, {4, 19}, {5, 20}, {6, 21}, {7, 19}};
    for (const Case &c : cases) {
        const std::string what = std::to_string(c.auth) + "/" + std::to_string(c.priv);
        settings_ = {};
        texts_ = {};
        Apply({"/I10.0.0.6", "/v3", QString("/a%1").arg(c.auth), QString("/p%1").arg(c.priv)});
        EXPECT_EQ(settings_.Security.AuthProtocol, c.auth) << what;
        EXPECT_EQ(settings_.Security.PrivProtocol, c.priv) << what;
        EXPECT_EQ(texts_.AuthProtocol, QString::number(c.auth)) << what;
        EXPECT_EQ(texts_.PrivProtocol, QString::number(c.priv)) << what;

        QByteArray config(kFullConfig);
        config.replace("AuthProtocol=1", "AuthProtocol=" + QByteArray::number(c.auth - 1))
            .replace("PrivProtocol=1", "PrivProtocol=" + QByteArray::number(c.priv - 1));
        WriteFile("10.0.0.5.cfg", config);
        settings_ = {};
        texts_ = {};
        Apply({"/I10.0.0.5", "/Rpublic"});
        EXPECT_EQ(settings_.Security.AuthProtocol, c.auth) << what;
        EXPECT_EQ(settings_.Security.PrivProtocol, c.priv) << what;
        EXPECT_EQ(texts_.AuthProtocol, QString::number(c.auth)) << what;
        EXPECT_EQ(texts_.PrivProtocol, QString::number(c.priv)) << what;
        EXPECT_TRUE(flags_.AuthProtocolGiven && flags_.PrivProtocolGiven) << what;
    }
}

TEST_F(StartupTest, MalformedNumbersRaiseConversionErrors)
{
    const QStringList bad[] = {{"/v"}, {"/vthree"}, {"/v3", "/t99999"}, {"/v3", "/m1x"}, {"/v256"}};
    for (const QStringList &parameters : bad) {
        settings_ = {};
        EXPECT_THROW(Apply(parameters), KtConvertError) << parameters.join(' ').toStdString();
    }
    QByteArray withoutModel(kFullConfig);
    withoutModel.replace("SecurityModel=3\n", "");
    WriteFile("10.0.0.5.cfg", withoutModel);
    try {
        Apply({"/I10.0.0.5", "/Rpublic"});
        FAIL() << "a missing SecurityModel key must end start-up";
    } catch (const KtConvertError &error) {
        EXPECT_EQ(error.Message, "'' is not a valid integer value");
    }
}

// Codes counted from 0 are raised by one: the largest 32-bit value would
// overflow and is refused as a malformed number is, the one below it is not.
TEST_F(StartupTest, CountedFromZeroKeysRefuseTheLargestValue)
{
    for (const char *key : {"SecurityLevel", "AuthProtocol", "PrivProtocol"}) {
        QByteArray config(kFullConfig);
        config.replace(QByteArray(key) + "=", QByteArray(key) + "=2147483647\nWas=");
        WriteFile("10.0.0.5.cfg", config);
        settings_ = {};
        EXPECT_THROW(Apply({"/I10.0.0.5", "/Rpublic"}), KtConvertError) << key;

        config = kFullConfig;
        config.replace(QByteArray(key) + "=", QByteArray(key) + "=2147483646\nWas=");
        WriteFile("10.0.0.5.cfg", config);
        settings_ = {};
        Apply({"/I10.0.0.5", "/Rpublic"});
        const qint32 field = QByteArray(key) == "SecurityLevel"  ? settings_.Security.SecurityLevel
                             : QByteArray(key) == "AuthProtocol" ? settings_.Security.AuthProtocol
                                                                 : settings_.Security.PrivProtocol;
        EXPECT_EQ(field, 2147483647) << key;
    }
}

TEST_F(StartupTest, HighPortsAreHandedOnAsWritten)
{
    Apply({"/v3", "/t40000"});
    EXPECT_EQ(settings_.Device.Port, 40000);
    EXPECT_EQ(texts_.AgentPort, "40000");
}

TEST(KtIniTest, ReadsProfileStrings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.ini");
    ASSERT_TRUE(WriteFile(path, "; comment\n[other]\nAgentPort=1\n[ program information ]\n"
                                "  agentport =   1161   \nQuoted=\"a b\"\nEmpty=\n"));
    const KtIni ini(path);
    EXPECT_EQ(ini.ReadString("Program Information", "AgentPort", ""), "1161");
    EXPECT_EQ(ini.ReadString("PROGRAM INFORMATION", "Quoted", ""), "a b");
    EXPECT_EQ(ini.ReadString("Program Information", "Empty", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Program Information", "Missing", ""), "");
    EXPECT_EQ(ini.ReadString("Nowhere", "AgentPort", "x"), "x");
    EXPECT_EQ(KtIni(dir.filePath("none.ini")).ReadString("a", "b", "c"), "c");
}

TEST(KtRegistryTest, DirectoriesFromTheRegistryValues)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("registry.ini");
    struct Case
    {
        QByteArray content;
        QString moduleDir;
        QString configDir;
    };
    const Case cases[] = {
        {"", "", ""},
        {"[SOFTWARE\\Keltra\\Modules\\HelpPath]\n1.3.6.1.4.1.47893.10.55.2=/opt/qg/QG2312MB.hlp\n"
         "[SOFTWARE\\Keltra\\Ovix5.1\\ExePath]\nPath=/opt/ovix/bin/\n",
         "/opt/qg/", "/opt/ovix/bin/../Conf/MBF/"},
        {"[\\SOFTWARE\\Keltra\\Modules\\HelpPath]\n1.3.6.1.4.1.47893.10.55.2=short.hlp\n"
         "[SOFTWARE\\Keltra\\Ovix5.1\\ExePath]\nPath=/opt/ovix/bin/\n"
         "[software\\keltra\\ovix5.1\\mibfile]\nPath=/etc/conf/\n",
         "", "/etc/conf/"},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(WriteFile(path, c.content));
        KtRegistry registry(path);
        const KtStartupPaths paths = KtStartup::ReadRegistryPaths(registry);
        EXPECT_EQ(paths.ModuleDirectory, c.moduleDir);
        EXPECT_EQ(paths.ConfigurationDirectory, c.configDir);
    }
}

} // namespace
