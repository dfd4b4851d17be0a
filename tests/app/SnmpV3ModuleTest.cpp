// The module started for SNMPv3 with SHA-2 and AES, against Debian's snmpd:
// the windows read and write through the user, and the SNMPv3 user table
// names the new protocols.
#include "KtDeviceState.h"
#include "KtMenuCatalogue.h"
#include "KtMenuWindowOpener.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "QgMessageCapture.h"
#include "QgSimProcess.h"
#include "QgWait.h"
#include "SnmpTool.h"
#include "SnmpdProcess.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMainForm.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QStringList kUsers{
    "createUser aesadmin SHA-256 \"sha256password\" AES-128 \"aes128password\"", "rwuser aesadmin priv",
    "createUser bigadmin SHA-512 \"sha512password\" AES-256 \"aes256password\"", "rwuser bigadmin priv",
    "createUser midadmin SHA-224 \"sha224password\" AES-192 \"aes192password\"", "rwuser midadmin priv",
};

// snmpget with the module's user, printing the value alone.
QString SnmpGet(quint16 port, const QString &oid)
{
    return RunSnmpTool("snmpget", {"-v3", "-l", "authPriv", "-u", "aesadmin", "-a", "SHA-256", "-A",
                                   "sha256password", "-x", "AES-128", "-X", "aes128password", "-Oqv",
                                   QStringLiteral("127.0.0.1:%1").arg(port), oid})
        .out.trimmed()
        .remove('"');
}

const KtMenuItem *FindGenericItem(const KtMenuItem *items, const char *name)
{
    for (const KtMenuItem *item = items; item->Caption; ++item) {
        if (item->Children)
            if (const KtMenuItem *found = FindGenericItem(item->Children, name))
                return found;
        if (item->OpensGenericWindow() && qstrcmp(item->Name, name) == 0)
            return item;
    }
    return nullptr;
}

QTreeWidgetItem *RowWith(QTreeWidget *list, int column, const QString &text)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(column) == text)
            return list->topLevelItem(i);
    return nullptr;
}

QStringList TextsOf(const QTreeWidgetItem *row)
{
    QStringList texts;
    for (int i = 0; row && i < row->columnCount(); ++i)
        texts << row->text(i);
    return texts;
}

class SnmpV3ModuleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(dir_.path()); // boot counter; no configuration file here
        qputenv("KELTRA_REGISTRY", dir_.filePath("no-registry.ini").toUtf8());
    }
    void TearDown() override
    {
        KtMenuWindowOpener::ShowHook = nullptr;
        form_.reset();
        QDir::setCurrent(previousDir_);
    }

    // The module for snmpd's user aesadmin: HMAC-SHA-256 and AES-128.
    TMainForm &Start()
    {
        EXPECT_TRUE(agent_.Start());
        form_ = std::make_unique<TMainForm>(
            QStringList{"/I127.0.0.1", "/v3", QStringLiteral("/t%1").arg(agent_.Port()), "/m3", "/naesadmin",
                        "/l3", "/a5", "/Asha256password", "/p19", "/Paes128password"});
        return *form_;
    }

    // Opens a generic window of the menu and runs `use` on it after its
    // first read.
    void WithWindow(const char *name, const std::function<void(TConfigForm &, TSNMPListViewPanel &)> &use)
    {
        const KtMenuItem *item = FindGenericItem(MainMenu1, name);
        ASSERT_NE(item, nullptr) << name;
        bool shown = false;
        KtMenuWindowOpener::ShowHook = [&](TConfigForm &window) {
            shown = true;
            window.show();
            ASSERT_TRUE(WaitUntil([&] { return window.CurrentBinding && !window.CurrentBinding->Busy; }));
            auto *panel = window.findChild<TSNMPListViewPanel *>();
            ASSERT_NE(panel, nullptr);
            use(window, *panel);
            window.close();
        };
        form_->OpenMenuWindow(*item, -1);
        EXPECT_TRUE(shown) << name;
    }

    QgMessageCapture capture_;
    QTemporaryDir dir_;
    QString previousDir_;
    SnmpdProcess agent_{kUsers};
    std::unique_ptr<TMainForm> form_;
};

TEST_F(SnmpV3ModuleTest, WindowsBuiltWithSha256AndAes128WriteTheIfXAliasThatSnmpgetReadsBack)
{
    TMainForm &form = Start();
    EXPECT_EQ(KtSNMPDefaults.Security.AuthProtocol, 5);
    EXPECT_EQ(KtSNMPDefaults.Security.PrivProtocol, 19);
    EXPECT_TRUE(form.VACM1->menuAction()->isEnabled());
    form.FirstActivation(); // a standard agent: no units, but the tables are read through the user
    QStringList &messages = capture_.Messages;
    messages.clear();

    const QString alias = QStringLiteral("uplink-%1").arg(agent_.Port());
    WithWindow("IFXTable1", [&](TConfigForm &window, TSNMPListViewPanel &panel) {
        QTreeWidget *list = panel.ListViewPanel->ListView;
        QTreeWidgetItem *first = RowWith(list, 0, "1");
        ASSERT_NE(first, nullptr) << "no interface 1 among " << list->topLevelItemCount() << " rows";
        EXPECT_EQ(first->text(1), "lo");
        list->setCurrentItem(first);
        ASSERT_TRUE(panel.BtnPanel->EditBtn->isEnabled() && !panel.BtnPanel->EditBtn->isHidden());
        WhenModal("RowDialog", [&](QDialog *dialog) {
            TEditsPanel *rows = panel.EditsPanel;
            EXPECT_EQ(rows->EditBox(0)->text(), "1");
            rows->EditBox(18)->clear();
            QTest::keyClicks(rows->EditBox(18), alias);
            QTest::mouseClick(rows->Rows[18].CheckBox, Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<TCtrlBtnPanel *>()->SetCheckedBtn, Qt::LeftButton);
        });
        QTest::mouseClick(panel.BtnPanel->EditBtn, Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([&] { return !window.CurrentBinding->Busy; }));
        const QString memo = panel.MessagePanel()->Memo->toPlainText();
        EXPECT_TRUE(memo.contains("Set: (KtSNMP++) Ok!")) << memo.toStdString();
        ASSERT_NE(RowWith(list, 0, "1"), nullptr);
        EXPECT_EQ(RowWith(list, 0, "1")->text(18), alias);
    });
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_EQ(SnmpGet(agent_.Port(), "1.3.6.1.2.1.31.1.1.1.18.1"), alias);
}

// The AES example of the README and the Help, with the simulator's port.
TEST_F(SnmpV3ModuleTest, TheDocumentedAes256ExampleBuildsThePanelsFromTheSimulator)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    form_ = std::make_unique<TMainForm>(
        QStringList{"/I127.0.0.1", "/v3", QStringLiteral("/t%1").arg(sim.Port()), "/m3", "/naes256user",
                    "/l3", "/a5", "/Asha256password", "/p21", "/Paes256password"});
    form_->FirstActivation();
    EXPECT_EQ(form_->DeviceState->UnitRows().size(), 3);
    EXPECT_EQ(form_->PanelWindows.size(), 3);
}

TEST_F(SnmpV3ModuleTest, UserTableNamesTheSha2AndAesProtocols)
{
    Start();
    const std::pair<QString, QStringList> expected[] = {
        {"aesadmin", {"SHA-256", "AES-128"}}, {"bigadmin", {"SHA-512", "AES-256"}},
        {"midadmin", {"SHA-224", "AES-192"}}, {"md5user", {"MD5", "None"}},
        {"desuser", {"MD5", "DES"}},
    };
    WithWindow("UserTable1", [&](TConfigForm &, TSNMPListViewPanel &panel) {
        QTreeWidget *list = panel.ListViewPanel->ListView;
        for (const auto &[user, names] : expected) {
            const QStringList texts = TextsOf(RowWith(list, 1, user));
            ASSERT_FALSE(texts.isEmpty()) << user.toStdString();
            for (const QString &name : names)
                EXPECT_TRUE(texts.contains(name))
                    << user.toStdString() << ": " << texts.join('|').toStdString();
        }
    });
}

} // namespace
