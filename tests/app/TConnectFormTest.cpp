// The connect dialog of a desktop start: its checks, the command line it
// makes, the recent switches it keeps (never a secret) and the state
// directory of a desktop start.
#include "TConnectForm.h"
#include "KtRecentSwitches.h"
#include "KtStartup.h"
#include "KtStateDirectory.h"
#include "QgFiles.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

KtConnectSettings Version3(int level)
{
    KtConnectSettings s;
    s.Address = "127.0.0.1";
    s.Port = "1161";
    s.Version = 3;
    s.User = "aes256user";
    s.Level = level;
    s.AuthProtocol = 5;
    s.AuthPassPhrase = "sha256password";
    s.PrivProtocol = 21;
    s.PrivPassPhrase = "aes256password";
    return s;
}

KtConnectSettings Version1(int version = 0, const QString &port = "161")
{
    KtConnectSettings s;
    s.Address = "10.90.90.90";
    s.Port = port;
    s.Version = version;
    s.ReadCommunity = "public";
    s.WriteCommunity = "private";
    return s;
}

// What the module makes of a command line, with no configuration file.
KtSNMPSettings Applied(const QStringList &parameters)
{
    QTemporaryDir noFiles;
    KtSNMPSettings settings;
    KtLaunchTexts texts;
    KtLaunchFlags flags;
    KtStartup::ApplyParameters(parameters, noFiles.path() + "/", settings, texts, flags);
    return settings;
}

TEST(KtConnectSettingsTest, BadEntriesAreNamed)
{
    struct Case
    {
        const char *Name;
        std::function<void(KtConnectSettings &)> Change;
        const char *Problem; // part of the message; empty: no problem
    };
    const auto expectProblems = [](const KtConnectSettings &base, const auto &table) {
        for (const Case &c : table) {
            KtConnectSettings s = base;
            c.Change(s);
            if (*c.Problem)
                EXPECT_TRUE(s.Problem().contains(QLatin1String(c.Problem)))
                    << c.Name << ": " << s.Problem().toStdString();
            else
                EXPECT_EQ(s.Problem(), QString()) << c.Name;
        }
    };
    const Case cases[] = {
        {"good v1", [](KtConnectSettings &) {}, ""},
        {"host name", [](KtConnectSettings &s) { s.Address = "switch-1.example.net"; }, ""},
        {"no address", [](KtConnectSettings &s) { s.Address.clear(); }, "Enter the address"},
        {"address with blank", [](KtConnectSettings &s) { s.Address = "10.0.0 .5"; }, "not an IP address"},
        {"address with switch", [](KtConnectSettings &s) { s.Address = "10.0.0.5/Rx"; }, "not an IP address"},
        {"port 0", [](KtConnectSettings &s) { s.Port = "0"; }, "port must be a number from 1 to 65535"},
        {"port too big", [](KtConnectSettings &s) { s.Port = "65536"; }, "port must be"},
        {"port text", [](KtConnectSettings &s) { s.Port = "16x"; }, "port must be"},
        {"port empty", [](KtConnectSettings &s) { s.Port = ""; }, "port must be"},
        {"no read community", [](KtConnectSettings &s) { s.ReadCommunity.clear(); }, "read community"},
        {"empty write community", [](KtConnectSettings &s) { s.WriteCommunity.clear(); }, ""},
        {"slash in community", [](KtConnectSettings &s) { s.ReadCommunity = "ab/Icd"; },
         "cannot contain \"/\""},
        {"slash in write community", [](KtConnectSettings &s) { s.WriteCommunity = "x/v3"; },
         "write community"},
    };
    expectProblems(Version1(), cases);
    const Case version3Cases[] = {
        {"good authPriv", [](KtConnectSettings &) {}, ""},
        {"no user", [](KtConnectSettings &s) { s.User.clear(); }, "user name"},
        {"user with blank", [](KtConnectSettings &s) { s.User = "a b"; }, "blanks"},
        {"no auth protocol", [](KtConnectSettings &s) { s.AuthProtocol = 1; }, "authentication protocol"},
        {"short auth", [](KtConnectSettings &s) { s.AuthPassPhrase = "1234567"; }, "at least 8"},
        {"no priv protocol", [](KtConnectSettings &s) { s.PrivProtocol = 1; }, "privacy protocol"},
        {"short priv", [](KtConnectSettings &s) { s.PrivPassPhrase = "short"; }, "privacy pass phrase"},
        {"slash in priv", [](KtConnectSettings &s) { s.PrivPassPhrase = "abcd/Iefgh"; }, "\"/\""},
        {"communities unused", [](KtConnectSettings &s) { s.ReadCommunity = "a/b"; }, ""},
        {"authNoPriv ignores privacy",
         [](KtConnectSettings &s) {
             s.Level = 2;
             s.PrivProtocol = 1;
             s.PrivPassPhrase.clear();
         },
         ""},
        {"noAuthNoPriv ignores both",
         [](KtConnectSettings &s) {
             s.Level = 1;
             s.AuthProtocol = 1;
             s.AuthPassPhrase = "x";
         },
         ""},
    };
    expectProblems(Version3(3), version3Cases);
}

// The command line gives the module exactly the settings of the dialog.
TEST(KtConnectSettingsTest, TheCommandLineGivesTheModuleTheChosenSettings)
{
    for (const KtConnectSettings &chosen : {Version1(0), Version1(1), Version1(1, "1161"),
                                            Version1(0, "16100"), Version3(1), Version3(2), Version3(3)}) {
        const QStringList parameters = chosen.Parameters();
        SCOPED_TRACE(parameters.join(' ').toStdString());
        const KtSNMPSettings applied = Applied(parameters);
        EXPECT_EQ(applied.Device.Address, chosen.Address);
        EXPECT_EQ(applied.Device.Port, chosen.Port.toInt());
        EXPECT_EQ(applied.Security.Version, chosen.Version);
        if (chosen.UsesCommunities()) {
            EXPECT_EQ(applied.Security.ReadCommunity, chosen.ReadCommunity);
            EXPECT_EQ(applied.Security.WriteCommunity, chosen.WriteCommunity);
            continue;
        }
        EXPECT_EQ(applied.Security.SecurityModel, 3);
        EXPECT_EQ(applied.Security.SecurityName, chosen.User);
        EXPECT_EQ(applied.Security.SecurityLevel, chosen.Level);
        if (chosen.UsesAuthentication()) {
            EXPECT_EQ(applied.Security.AuthProtocol, chosen.AuthProtocol);
            EXPECT_EQ(applied.Security.AuthPassword, chosen.AuthPassPhrase);
        }
        if (chosen.UsesPrivacy()) {
            EXPECT_EQ(applied.Security.PrivProtocol, chosen.PrivProtocol);
            EXPECT_EQ(applied.Security.PrivPassword, chosen.PrivPassPhrase);
        }
    }
}

// Only what the chosen version and level use reaches the command line.
TEST(KtConnectSettingsTest, FieldsTheChoiceDoesNotUseAreNotSent)
{
    KtConnectSettings v1 = Version1();
    v1.User = "admin";
    v1.AuthPassPhrase = "sha256password";
    v1.PrivPassPhrase = "aes256password";
    EXPECT_EQ(v1.Parameters(), QStringList({"/I10.90.90.90", "/Rpublic", "/Wprivate", "/v0"}));

    KtConnectSettings v3 = Version3(2);
    v3.ReadCommunity = "public";
    EXPECT_EQ(v3.Parameters(), QStringList({"/I127.0.0.1", "/v3", "/t1161", "/m3", "/naes256user", "/l2",
                                            "/a5", "/Asha256password"}));
    EXPECT_EQ(Version3(1).Parameters(),
              QStringList({"/I127.0.0.1", "/v3", "/t1161", "/m3", "/naes256user", "/l1"}));

    // An empty write community is sent as empty, not left to a default.
    KtConnectSettings readOnly = Version1();
    readOnly.WriteCommunity.clear();
    EXPECT_EQ(readOnly.Parameters(), QStringList({"/I10.90.90.90", "/Rpublic", "/W", "/v0"}));
    EXPECT_EQ(Applied(readOnly.Parameters()).Security.WriteCommunity, QString());
}

class TConnectFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(settingsDir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
    }

    QByteArray SettingsFile() const { return ReadFile(settingsDir_.filePath("Keltra/qg2312.conf")); }

    static void Type(QLineEdit *edit, const QString &text)
    {
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    static void Choose(QComboBox *box, const QString &text)
    {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
    }

    QTemporaryDir settingsDir_;
};

TEST_F(TConnectFormTest, ABadEntryIsNamedInTheDialogAndNothingStarts)
{
    TConnectForm form;
    form.show();
    Type(form.ED_Address, "10.90.90.90");
    Type(form.ED_Port, "70000");
    Type(form.ED_ReadCommunity, "public");
    QTest::mouseClick(form.BT_Connect, Qt::LeftButton);
    EXPECT_EQ(form.LB_Message->text(), "The port must be a number from 1 to 65535.");
    EXPECT_TRUE(form.LB_Message->isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(KtRecentSwitches::Load().isEmpty());

    Type(form.ED_Port, "161");
    QTest::mouseClick(form.BT_Connect, Qt::LeftButton);
    EXPECT_EQ(form.LB_Message->text(), QString());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Parameters(), QStringList({"/I10.90.90.90", "/Rpublic", "/W", "/v0"}));
}

TEST_F(TConnectFormTest, TheVersionAndLevelShowOnlyTheFieldsTheyUse)
{
    TConnectForm form;
    form.show();
    EXPECT_TRUE(form.GB_Communities->isVisible());
    EXPECT_FALSE(form.GB_SNMPv3->isVisible());
    Choose(form.CB_Version, "SNMPv3");
    EXPECT_FALSE(form.GB_Communities->isVisible());
    EXPECT_TRUE(form.GB_SNMPv3->isVisible());
    EXPECT_FALSE(form.ED_AuthPassPhrase->isEnabled());
    Choose(form.CB_Level, "authNoPriv");
    EXPECT_TRUE(form.ED_AuthPassPhrase->isEnabled());
    EXPECT_FALSE(form.ED_PrivPassPhrase->isEnabled());
    Choose(form.CB_Level, "authPriv");
    EXPECT_TRUE(form.CB_PrivProtocol->isEnabled());
    EXPECT_TRUE(form.ED_PrivPassPhrase->isEnabled());
}

TEST_F(TConnectFormTest, RecentSwitchesKeepNoSecrets)
{
    {
        TConnectForm form;
        form.show();
        EXPECT_FALSE(form.CB_Recent->isEnabled());
        Type(form.ED_Address, "127.0.0.1");
        Type(form.ED_Port, "16100");
        Choose(form.CB_Version, "SNMPv3");
        Type(form.ED_User, "aes256user");
        Choose(form.CB_Level, "authPriv");
        Choose(form.CB_AuthProtocol, "HMAC-SHA-256");
        Type(form.ED_AuthPassPhrase, "sha256password");
        Choose(form.CB_PrivProtocol, "AES-256");
        Type(form.ED_PrivPassPhrase, "aes256password");
        QTest::mouseClick(form.BT_Connect, Qt::LeftButton);
        ASSERT_EQ(form.result(), QDialog::Accepted) << form.LB_Message->text().toStdString();
    }
    KtRecentSwitches::Remember(Version1(1));
    const QByteArray stored = SettingsFile();
    ASSERT_TRUE(stored.contains("aes256user"));
    for (const char *secret : {"sha256password", "aes256password", "public", "private"})
        EXPECT_FALSE(stored.contains(secret)) << secret;

    TConnectForm form;
    form.show();
    ASSERT_EQ(form.CB_Recent->count(), 3);
    EXPECT_EQ(form.CB_Recent->itemText(1), "10.90.90.90:161 SNMPv2c");
    EXPECT_EQ(form.CB_Recent->itemText(2), "127.0.0.1:16100 SNMPv3 aes256user");
    Type(form.ED_ReadCommunity, "typed");
    form.CB_Recent->setCurrentIndex(2);
    emit form.CB_Recent->activated(2);
    const KtConnectSettings shown = form.Settings();
    EXPECT_EQ(shown.Address, "127.0.0.1");
    EXPECT_EQ(shown.Port, "16100");
    EXPECT_EQ(shown.Version, 3);
    EXPECT_EQ(shown.User, "aes256user");
    EXPECT_EQ(shown.Level, 3);
    EXPECT_EQ(shown.AuthProtocol, 5);
    EXPECT_EQ(shown.PrivProtocol, 21);
    EXPECT_EQ(shown.AuthPassPhrase, QString());
    EXPECT_EQ(shown.PrivPassPhrase, QString());
    EXPECT_EQ(shown.ReadCommunity, QString());
}

TEST_F(TConnectFormTest, TheRecentListIsMostRecentFirstWithoutRepeatsAndBounded)
{
    for (int i = 0; i < KtRecentSwitches::MaximumCount + 3; ++i) {
        KtConnectSettings s = Version1();
        s.Address = QStringLiteral("10.0.0.%1").arg(i);
        KtRecentSwitches::Remember(s);
    }
    KtRecentSwitches::Remember(Version1()); // again, with other secrets
    KtConnectSettings again = Version1();
    again.Address = "10.0.0.12";
    KtRecentSwitches::Remember(again);
    const QList<KtConnectSettings> recent = KtRecentSwitches::Load();
    ASSERT_EQ(recent.size(), KtRecentSwitches::MaximumCount);
    EXPECT_EQ(recent[0].Address, "10.0.0.12");
    EXPECT_EQ(recent[1].Address, "10.90.90.90");
    EXPECT_EQ(recent[2].Address, "10.0.0.11");
    int seen = 0;
    for (const KtConnectSettings &entry : recent)
        seen += entry.Address == "10.0.0.12";
    EXPECT_EQ(seen, 1);
}

TEST(KtStateDirectoryTest, ADesktopStartWorksInTheXdgStateDirectory)
{
    QTemporaryDir home;
    const QString previousDir = QDir::currentPath();
    const QByteArray previousState = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "relative/state"); // not absolute: ignored
    EXPECT_EQ(KtStateDirectory::Path(), QDir::homePath() + "/.local/state/qg2312");
    qputenv("XDG_STATE_HOME", home.filePath("state").toUtf8());
    EXPECT_EQ(KtStateDirectory::Enter(), QString());
    EXPECT_EQ(QDir::currentPath(), home.filePath("state/qg2312"));
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_FALSE(QFile::permissions(home.filePath("state/qg2312")) & others);
    QDir::setCurrent(previousDir);

    QFile blocker(home.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_STATE_HOME", home.filePath("blocked").toUtf8());
    EXPECT_TRUE(KtStateDirectory::Enter().startsWith("Cannot create the state directory"));
    EXPECT_EQ(QDir::currentPath(), previousDir);
    if (previousState.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", previousState);
}

} // namespace
