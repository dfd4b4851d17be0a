// The write audit: every window of the menu that can write (the generic
// editor and list windows, the Summer Time window and every dedicated
// window), opened against an agent that never answers and against one that
// answers late, has each of its write buttons pressed without any control
// being touched: at once, while the first read is still on its way, and for
// the silent agent again once that read has failed. Nothing was read then
// and nothing was typed, so the window has no value of the switch to send:
// every binding the silent agent's set log shows is a value the window did
// not show. A window whose first read blocks has read the slow agent's
// values before its buttons can be pressed: it may write back exactly those.
#include "KtDedicatedWindows.h"
#include "KtMenuCatalogue.h"
#include "KtMenuWindowOpener.h"
#include "KtSNMPRequest2Edits.h"
#include "QgMainFormOpener.h"
#include "QgMessageCapture.h"
#include "QgSimProcess.h"
#include "QgWait.h"
#include "SnmpTool.h"
#include "TConfigForm.h"
#include "TMainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
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

// The values of an untouched simulator, as the set log writes them.
class ReferenceAgent
{
public:
    bool Start() { return sim_.Start(); }
    QString Value(const QgSetBinding &binding)
    {
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
const Agent kAgents[] = {
    {"silent", {"--static-leds", "--drop-every", "1"}, 150, true, false},
    {"slow", {"--static-leds", "--delay-ms", "700"}, 3000, false, true},
};

struct Coverage
{
    int Windows = 0;
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

void CollectItems(const KtMenuItem *items, std::vector<const KtMenuItem *> &out)
{
    for (const KtMenuItem *item = items; item && item->Caption; ++item) {
        if (item->Children)
            CollectItems(item->Children, out);
        else if (item->OpensGenericWindow() && item->Vars)
            out.push_back(item);
        else if (item->ClassName &&
                 (KtFindDedicatedWindow(item->ClassName) || qstrcmp(item->ClassName, "TSummerTimeForm") == 0))
            out.push_back(item);
    }
}

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

// Every message box is answered at once (questions with OK) by the capture.
class WriteAuditTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        KtMenuWindowOpener::ShowHook = nullptr;
        opener_.Close();
    }

    TMainForm &Open(quint16 port, int timeOutMs)
    {
        TMainForm &form = opener_.Open(port);
        KtSNMPDefaults.TimeOut = timeOutMs / 10; // hundredths of a second
        return form;
    }

    QgMessageCapture capture_;
    QgMainFormOpener opener_;
};

TEST_F(WriteAuditTest, NoWindowWritesAValueItDidNotShow)
{
    std::vector<const KtMenuItem *> items;
    CollectItems(MainMenu1, items);
    Coverage coverage;
    QStringList findings;
    ReferenceAgent reference;
    ASSERT_TRUE(reference.Start());
    for (const Agent &agent : kAgents) {
        QgSimProcess sim(agent.Arguments);
        ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
        TMainForm &form = Open(sim.Port(), agent.TimeOutMs);
        WriteAudit audit(coverage);
        for (const KtMenuItem *item : items) {
            if (!CanWrite(*item))
                continue;
            const QString name = QString::fromUtf8(item->Caption);
            sim.Sets().Clear();
            auto exercise = [&](QWidget *window, const std::function<bool()> &readDone) {
                ++coverage.Windows;
                window->show();
                audit.PressWriteButtons(window, name);
                if (agent.PressAfterRead) {
                    // A dedicated window names no read to wait for: its
                    // reads have had the whole time.
                    WaitUntil(
                        readDone ? readDone : [] { return false; }, agent.TimeOutMs * 4 + 500);
                    audit.PressWriteButtons(window, name);
                }
            };
            if (item->OpensGenericWindow()) {
                KtMenuWindowOpener::ShowHook = [&](TConfigForm &window) {
                    exercise(&window,
                             [&window] { return window.CurrentBinding && !window.CurrentBinding->Busy; });
                    window.close();
                };
                form.OpenMenuWindow(*item, -1);
            } else {
                // The dedicated windows run their own modal loop: the first
                // modal window that comes up is this entry's.
                bool done = false;
                auto *watch = new QTimer;
                watch->setInterval(20);
                QObject::connect(watch, &QTimer::timeout, [&] {
                    auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                    if (done || !window)
                        return;
                    done = true;
                    watch->stop();
                    exercise(window, {});
                    window->reject();
                });
                watch->start();
                form.OpenMenuWindow(*item, -1);
                watch->stop();
                delete watch;
            }
            // A SET sent last is in the log before the log is read.
            ASSERT_TRUE(sim.WaitForSets()) << name.toStdString();
            for (const QgSetPdu &pdu : sim.Sets().Read())
                for (const QgSetBinding &binding : pdu.Bindings)
                    if (!agent.ReadBeforePress || binding.Value != reference.Value(binding))
                        findings << QStringLiteral("%1 (%2 agent): %3=%4:%5")
                                        .arg(name, agent.Name, binding.Oid, binding.Type, binding.Value);
        }
        KtMenuWindowOpener::ShowHook = nullptr;
        opener_.Close();
    }
    std::printf(
        "write audit: %d window openings of %zu menu windows, %lld distinct write buttons, %d presses\n",
        coverage.Windows, items.size(), static_cast<long long>(coverage.Buttons.size()), coverage.Presses);
    EXPECT_GT(coverage.Windows, 0);
    EXPECT_TRUE(findings.isEmpty()) << findings.join('\n').toStdString();
}

} // namespace
