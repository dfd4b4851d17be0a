// The module's snapshot window against qgsim.

#include "TSnapshotForm.h"

#include "QgSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QString SysLogState = "1.3.6.1.4.1.47893.12.12.1.0";
const QString SysLogWindow = "Basic Configuration > System Log > System Log State";

class TSnapshotFormTest : public QgSimSuite
{
protected:
    static void SetUpTestSuite() { StartSim({"--static-leds"}); }

    // Reads the switch and waits for the snapshot.
    static void Read(TSnapshotForm &form)
    {
        form.ReadSwitch();
        ASSERT_TRUE(form.IsReading());
        EXPECT_FALSE(form.BT_Read->isEnabled()) << "one read at a time";
        ASSERT_TRUE(WaitUntil([&] { return !form.IsReading(); }, 120000));
        ASSERT_TRUE(form.Snapshot()) << qPrintable(form.ST_Status->text());
    }
    static QStringList Rows(const QTreeWidget *tree)
    {
        QStringList rows;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *window = tree->topLevelItem(i);
            for (int k = 0; k < window->childCount(); ++k) {
                const QTreeWidgetItem *value = window->child(k);
                rows << QStringList{window->text(0), value->text(0), value->text(1), value->text(2)}.join(
                    " | ");
            }
        }
        return rows;
    }

    QTemporaryDir dir_;
};

TEST_F(TSnapshotFormTest, ReadsSavesAndShowsTheDifferencesWithASavedFile)
{
    TSnapshotForm form(nullptr);
    EXPECT_FALSE(form.BT_Save->isEnabled()) << "nothing to save before a read";
    Read(form);
    EXPECT_EQ(form.ProgressBar1->value(), form.ProgressBar1->maximum());
    EXPECT_GT(form.ProgressBar1->maximum(), 50);
    EXPECT_TRUE(form.BT_Save->isEnabled());
    const QString path = dir_.filePath("before.snap");
    ASSERT_TRUE(form.SaveTo(path)) << qPrintable(form.ST_Status->text());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains(
        ("\tswSysLogCtrlState\t\tdisabled\t" + SysLogState + "\tinteger:2\n").toUtf8()));

    ASSERT_TRUE(form.CompareWith(path));
    EXPECT_EQ(Rows(form.TV_Differences), QStringList()) << "a snapshot is the same as itself";
    EXPECT_TRUE(form.ST_Status->text().startsWith("No differences")) << qPrintable(form.ST_Status->text());

    ASSERT_FALSE(Set(*sim_, {SysLogState, "i", "3"}).contains("Error"));
    Read(form);
    Set(*sim_, {SysLogState, "i", "2"});
    ASSERT_TRUE(form.CompareWith(path));
    EXPECT_EQ(Rows(form.TV_Differences),
              QStringList{SysLogWindow + " | swSysLogCtrlState | disabled | enabled"});
    EXPECT_TRUE(form.TV_Differences->topLevelItem(0)->isExpanded());
    EXPECT_EQ(sim_->Sets().Read().size(), 2u) << "the window itself writes nothing";
}

TEST_F(TSnapshotFormTest, AFileThatIsNoSnapshotIsNamedAndShowsNothing)
{
    TSnapshotForm form(nullptr);
    Read(form);
    const QString path = dir_.filePath("other.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("hello\n");
    file.close();
    EXPECT_FALSE(form.CompareWith(path));
    EXPECT_EQ(form.TV_Differences->topLevelItemCount(), 0);
    EXPECT_TRUE(form.ST_Status->text().contains("line 1: not a qgsnap snapshot"))
        << qPrintable(form.ST_Status->text());
    EXPECT_FALSE(form.CompareWith(dir_.filePath("missing.snap")));
    EXPECT_FALSE(form.SaveTo(dir_.filePath("no/such/dir/x.snap")));
    EXPECT_TRUE(form.ST_Status->text().startsWith("Cannot write")) << qPrintable(form.ST_Status->text());
}

// Closing the window while it reads stops the read at once; nothing is left
// running that could touch the window afterwards.
TEST_F(TSnapshotFormTest, ClosingWhileReadingStopsTheRead)
{
    auto form = std::make_unique<TSnapshotForm>(nullptr);
    form->ReadSwitch();
    ASSERT_TRUE(WaitUntil([&] { return form->ProgressBar1->value() >= 3; }));
    form->reject();
    EXPECT_FALSE(form->IsReading());
    EXPECT_FALSE(form->Snapshot());
    form.reset();
    RunQueuedEvents();
}

TEST_F(TSnapshotFormTest, ASwitchThatDoesNotAnswerIsNamed)
{
    PointEngineAtNoAgent();
    TSnapshotForm form(nullptr);
    form.ReadSwitch();
    ASSERT_TRUE(WaitUntil([&] { return !form.IsReading(); }));
    EXPECT_FALSE(form.Snapshot());
    EXPECT_TRUE(form.ST_Status->text().startsWith("The switch could not be read: no answer from 127.0.0.1:"))
        << qPrintable(form.ST_Status->text());
    EXPECT_FALSE(form.BT_Save->isEnabled());
}

TEST(TSnapshotFormMenuTest, ToolsMenuComesBeforeHelp)
{
    QMainWindow window;
    window.menuBar()->addMenu("Single IP");
    window.menuBar()->addMenu("Help")->menuAction()->setObjectName("Help1");
    TSnapshotForm::AddMenu(window.menuBar(), &window);
    QStringList tops;
    for (QAction *action : window.menuBar()->actions())
        tops << action->text();
    EXPECT_EQ(tops, QStringList({"Single IP", "Tools", "Help"}));
    auto *entry = window.findChild<QAction *>("ConfigurationSnapshot1");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text(), "Configuration Snapshot...");
    bool opened = false;
    WhenModal("TSnapshotForm", [&](QDialog *dialog) {
        opened = true;
        dialog->reject();
    });
    entry->trigger();
    EXPECT_TRUE(opened);
}

} // namespace
