// The write audit: every window of the menu that can write (the generic
// editor and list windows, the Summer Time window and every dedicated
// window), opened against an agent that never answers and against one that
// holds its first read back until the buttons have been pressed (or, for a
// window that waits for that read before it comes up, for a while), has each
// of its write buttons pressed without any control being touched: at once,
// while the first read is still on its way, and for the silent agent again
// once that read has failed. Each window is a case of its own; the agents are
// shared by the whole run (by each process of a sharded one), and the
// buttons each window had pressed are pinned in coverage.txt, so that a
// window or a button the audit no longer reaches fails. Nothing was read then
// and nothing was typed, so the window has no value of the switch to send:
// every binding the silent agent's set log shows is a value the window did
// not show. A window whose first read blocks has read the slow agent's
// values before its buttons can be pressed: it may write back exactly those.
#include "KtDedicatedWindows.h"
#include "KtMenuCatalogue.h"
#include "KtMenuWindowOpener.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSession.h"
#include "QgMainFormOpener.h"
#include "QgMessageCapture.h"
#include "QgShardClaim.h"
#include "QgSimProcess.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TConfigForm.h"
#include "TMainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTextStream>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace {

// The buttons that write, by caption. "Check All" is pressed before "Set
// Checked": it chooses what to write and changes no value.
const QStringList kWriteCaptions = {"Set", "Set Checked", "Add", "Edit", "Delete", "OK", "Ok", "Apply"};

struct Agent
{
    const char *Name;
    QStringList Arguments;
    int TimeOutMs;       // the module's time-out for this agent
    bool PressAfterRead; // press again once the first read has ended
    // A window whose first read blocks has read before a button can be
    // pressed: it may write back what it read and shows, the value an
    // untouched agent holds.
    bool ReadBeforePress;
};

// The values of an untouched simulator, as the set log writes them. Few
// windows write back what they read: the simulator starts with the first
// value asked for.
class ReferenceAgent
{
public:
    QString Value(const QgSetBinding &binding)
    {
        if (sim_.Port() == 0 && !sim_.Start()) {
            ADD_FAILURE() << "the reference agent did not start: " << sim_.StandardError().toStdString();
            return {};
        }
        QString text = RunSnmpTool("snmpget", {"-v2c", "-c", "public", "-On", "-Ox", "-Oq", "-Oe",
                                               sim_.Address(), binding.Oid})
                           .out.section(' ', 1)
                           .trimmed();
        if (binding.Type == "octets")
            return text.remove(' ').remove('\n').remove('"').toUpper();
        if (binding.Type == "ipaddress")
            return text.remove('"');
        bool ok = false;
        const qlonglong number = text.toLongLong(&ok);
        return ok ? QString::number(number) : text;
    }

private:
    QgSimProcess sim_{{"--static-leds"}};
};

// The silent agent logs a SET as it drops it; the slow one when it answers.
// The slow one answers late only the first read after a SET: the audit's
// synchronisation with the set log after each window is such a SET, so the
// late read is the next window's first. The audit has it answered as soon as
// the buttons have been pressed: only a window that waits for its first read
// before it comes up waits the whole delay.
const Agent kAgents[] = {
    {"silent", {"--static-leds", "--drop-every", "1"}, 150, true, false},
    {"slow", {"--static-leds", "--delay-first-read-ms", "700"}, 3000, false, true},
};

struct Coverage
{
    int Presses = 0;
    QSet<QString> Buttons; // window > caption
};

QString CaptionOf(const QAbstractButton *button)
{
    return button->text().remove(QLatin1Char('&')).trimmed();
}

class WriteAudit
{
public:
    explicit WriteAudit(Coverage &coverage) : coverage_(coverage) {}

    // Presses every enabled, visible write button of `window`, once each;
    // dialogs a press opens are handled the same way and then closed.
    void PressWriteButtons(QWidget *window, const QString &name)
    {
        QPointer<QWidget> guard(window);
        const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
        if (QPushButton *checkAll = Find(buttons, "Check All"); checkAll && checkAll->isEnabled())
            checkAll->click();
        for (QPointer<QPushButton> button : buttons) {
            if (!guard || !button || !button->isVisible() || !button->isEnabled())
                continue;
            const QString caption = CaptionOf(button);
            if (!kWriteCaptions.contains(caption))
                continue;
            coverage_.Buttons.insert(name + " > " + caption);
            ++coverage_.Presses;
            HandleDialogsOpenedBy(name + " > " + caption, [&button] {
                if (button)
                    button->click();
            });
        }
    }

private:
    static QPushButton *Find(const QList<QPushButton *> &buttons, const QString &caption)
    {
        for (QPushButton *button : buttons)
            if (CaptionOf(button) == caption && button->isVisible())
                return button;
        return nullptr;
    }

    // Runs `press`; a modal dialog it opens (a row dialog, an entry dialog)
    // gets its own write buttons pressed and is then closed.
    void HandleDialogsOpenedBy(const QString &name, const std::function<void()> &press)
    {
        QWidget *before = QApplication::activeModalWidget();
        auto *watch = new QTimer;
        watch->setInterval(30);
        QSet<QWidget *> handled;
        QObject::connect(watch, &QTimer::timeout, [this, before, name, &handled] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == before || handled.contains(modal))
                return;
            handled.insert(modal);
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                box->accept();
                return;
            }
            PressWriteButtons(modal, name + " dialog");
            if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && dialog->isVisible())
                dialog->reject();
        });
        watch->start();
        press();
        watch->stop();
        delete watch;
    }

    Coverage &coverage_;
};

// A window that can write, with its place in the menu ("VLAN > ... > Static
// Table"), which names it in the coverage file and in its case's name.
struct MenuWindow
{
    const KtMenuItem *Item;
    QString Path;
};

// A variable list with something to write.
bool CanWrite(const KtMenuItem &item)
{
    if (!item.OpensGenericWindow())
        return true;
    for (const KtSNMPVarDef *var = item.Vars; var->Oid; ++var)
        if (var->Access & AccessWrite)
            return true;
    return false;
}

bool OpensAuditedWindow(const KtMenuItem &item)
{
    if (item.OpensGenericWindow())
        return item.Vars && CanWrite(item);
    return item.ClassName &&
           (KtFindDedicatedWindow(item.ClassName) || qstrcmp(item.ClassName, "TSummerTimeForm") == 0);
}

void CollectWindows(const KtMenuItem *items, const QString &path, std::vector<MenuWindow> &out)
{
    for (const KtMenuItem *item = items; item && item->Caption; ++item) {
        const QString here = (path.isEmpty() ? QString() : path + " > ") + QString::fromUtf8(item->Caption);
        if (item->Children)
            CollectWindows(item->Children, here, out);
        else if (OpensAuditedWindow(*item))
            out.push_back({item, here});
    }
}

// The dedicated windows come first: some wait seconds for blocking reads,
// and the processes of a sharded run end together when the long cases start
// early.
std::vector<MenuWindow> WritingWindows()
{
    std::vector<MenuWindow> windows;
    CollectWindows(MainMenu1, {}, windows);
    std::stable_partition(windows.begin(), windows.end(),
                          [](const MenuWindow &window) { return !window.Item->OpensGenericWindow(); });
    return windows;
}

// A case name of letters, digits and underscores from the menu path.
std::string CaseName(const ::testing::TestParamInfo<MenuWindow> &info)
{
    std::string name;
    for (const QChar c : info.param.Path) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            name += char(c.unicode());
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    return name;
}

// The pinned coverage: "menu path | button" lines, a dialog's buttons as
// "menu path | dialog > caption"; QG_AUDIT_PRINT_COVERAGE=1 prints the lines
// a run found.
const QString kCoverageFile = QStringLiteral(QG_SOURCE_DIR "/tests/audit/coverage.txt");
constexpr QLatin1String kSeparator(" | ");
// A window whose write buttons are all disabled or hidden while nothing was
// read.
constexpr QLatin1String kNoButton("(no write button)");

std::map<QString, QStringList> PinnedCoverage()
{
    std::map<QString, QStringList> pinned;
    QFile file(kCoverageFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return pinned;
    QTextStream lines(&file);
    while (!lines.atEnd()) {
        const QString line = lines.readLine();
        const qsizetype at = line.indexOf(kSeparator);
        if (at > 0)
            pinned[line.left(at)] << line.mid(at + kSeparator.size());
    }
    return pinned;
}

// No request of any window is on its way: every read has been answered or
// has failed.
bool SessionIdle()
{
    return !KtSNMPSession || !KtSNMPSession->HasOutstandingSends();
}

// Every message box is answered at once (questions with OK) by the capture.
// The agents live as long as the run.
class WriteAuditTest : public ::testing::TestWithParam<MenuWindow>
{
protected:
    static void SetUpTestSuite()
    {
        for (const Agent &agent : kAgents) {
            sims_.push_back(std::make_unique<QgSimProcess>(agent.Arguments));
            ASSERT_TRUE(sims_.back()->Start()) << sims_.back()->StandardError().toStdString();
        }
        reference_ = std::make_unique<ReferenceAgent>();
    }
    static void TearDownTestSuite()
    {
        sims_.clear();
        reference_.reset();
    }

    void SetUp() override
    {
        if (!QgShardClaim::Take())
            GTEST_SKIP() << QgShardClaim::LeftToAnother;
    }
    void TearDown() override
    {
        KtMenuWindowOpener::ShowHook = nullptr;
        opener_.Close();
    }

    // Opens the window against one agent and presses its write buttons;
    // what the agent received that the window did not show goes to findings.
    void Audit(const Agent &agent, QgSimProcess &sim, QStringList &findings)
    {
        const KtMenuItem &item = *GetParam().Item;
        const QString name = QString::fromUtf8(item.Caption);
        TMainForm &form = opener_.Open(sim.Port());
        KtSNMPDefaults.TimeOut = agent.TimeOutMs / 10; // hundredths of a second
        // The main window's own reads for a window (the RMON state after it
        // closes, the STP version before it opens) wait as long as its reads.
        for (KtSNMPRequest2Edits *state : {form.RmonStateBinding.get(), form.StpVersionBinding.get()})
            state->Request.TimeOut = KtSNMPDefaults.TimeOut;
        WriteAudit audit(coverage_);
        auto exercise = [&](QWidget *window, const std::function<bool()> &readDone) {
            window->show();
            audit.PressWriteButtons(window, name);
            if (agent.PressAfterRead) {
                // A window that reads again and again never runs out of
                // requests: its first read has failed well within this.
                const int failedWithin = agent.TimeOutMs * 4 + 500;
                WaitUntil(readDone, failedWithin);
                RunQueuedEvents();
                WaitUntil(readDone, failedWithin);
                audit.PressWriteButtons(window, name);
            }
            // Nothing more is pressed: a read held back has done its part.
            sim.ReleaseHeldReads();
        };
        if (item.OpensGenericWindow()) {
            KtMenuWindowOpener::ShowHook = [&](TConfigForm &window) {
                exercise(&window, [&window] {
                    return window.CurrentBinding && !window.CurrentBinding->Busy && SessionIdle();
                });
                window.close();
            };
            form.OpenMenuWindow(item, -1);
        } else {
            // The dedicated windows run their own modal loop: the first
            // modal window that comes up is this entry's.
            WhenModal({}, [&](QDialog *window) {
                exercise(window, SessionIdle);
                window->reject();
            });
            form.OpenMenuWindow(item, -1);
        }
        KtMenuWindowOpener::ShowHook = nullptr;
        opener_.Close();
        // A SET sent last is in the log before the log is read.
        ASSERT_TRUE(sim.WaitForSets()) << name.toStdString();
        for (const QgSetPdu &pdu : sim.Sets().Read())
            for (const QgSetBinding &binding : pdu.Bindings) {
                const QString write =
                    QStringLiteral("%1 (%2 agent): %3=%4:%5")
                        .arg(GetParam().Path, agent.Name, binding.Oid, binding.Type, binding.Value);
                if (!agent.ReadBeforePress || binding.Value != reference_->Value(binding))
                    findings << write;
                if (qEnvironmentVariableIsSet("QG_AUDIT_PRINT_WRITES"))
                    std::printf("audit write: %s\n", qPrintable(write));
            }
        sim.Sets().Clear();
    }

    // The buttons this case pressed, as the coverage file writes them.
    QStringList PressedButtons() const
    {
        const QString prefix = QString::fromUtf8(GetParam().Item->Caption);
        QStringList pressed;
        for (QString button : coverage_.Buttons) {
            button.remove(0, prefix.size());
            pressed << (button.startsWith(" > ") ? button.mid(3) : button.mid(1));
        }
        pressed.sort();
        return pressed.isEmpty() ? QStringList{kNoButton} : pressed;
    }

    static inline std::vector<std::unique_ptr<QgSimProcess>> sims_;
    static inline std::unique_ptr<ReferenceAgent> reference_;
    Coverage coverage_;
    QgMessageCapture capture_;
    QgMainFormOpener opener_;
};

TEST_P(WriteAuditTest, WritesNoValueItDidNotShow)
{
    ASSERT_EQ(sims_.size(), std::size(kAgents));
    QStringList findings;
    for (size_t i = 0; i < std::size(kAgents); ++i) {
        sims_[i]->Sets().Clear();
        Audit(kAgents[i], *sims_[i], findings);
    }
    EXPECT_TRUE(findings.isEmpty()) << findings.join('\n').toStdString();
    const auto pinned = PinnedCoverage();
    const auto found = pinned.find(GetParam().Path);
    const QStringList expected = found == pinned.end() ? QStringList() : found->second;
    if (qEnvironmentVariableIsSet("QG_AUDIT_PRINT_COVERAGE"))
        for (const QString &button : PressedButtons())
            std::printf("audit coverage: %s%s%s\n", qPrintable(GetParam().Path), kSeparator.data(),
                        qPrintable(button));
    EXPECT_EQ(PressedButtons(), expected)
        << "the buttons pressed differ from " << kCoverageFile.toStdString();
}

INSTANTIATE_TEST_SUITE_P(MenuWindows, WriteAuditTest, ::testing::ValuesIn(WritingWindows()), CaseName);

// A window pinned in the coverage file that the menu no longer offers (or
// that no longer writes) is coverage lost.
TEST(WriteAuditCoverage, EveryPinnedWindowIsAudited)
{
    if (!QgShardClaim::Take())
        GTEST_SKIP() << QgShardClaim::LeftToAnother;
    QStringList audited;
    for (const MenuWindow &window : WritingWindows())
        audited << window.Path;
    QStringList lost;
    for (const auto &[path, buttons] : PinnedCoverage())
        if (!audited.contains(path))
            lost << path;
    EXPECT_FALSE(PinnedCoverage().empty()) << kCoverageFile.toStdString();
    EXPECT_TRUE(lost.isEmpty()) << lost.join('\n').toStdString();
}

} // namespace
