#pragma once

// Shared pieces of the generic-window tests: one simulator per test suite,
// the process-wide SNMP defaults pointed at it, captured message boxes, and
// helpers that wait for reads and drive modal dialogs from timers.
#include "KtMessageBox.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSession.h"
#include "QgSimProcess.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace guiconfig_test {

inline void PointDefaultsAt(quint16 port)
{
    KtSNMPDefaults.Device = {QStringLiteral("127.0.0.1"), port};
    KtSNMPDefaults.Security.Version = 1;
    KtSNMPDefaults.Security.ReadCommunity = QStringLiteral("public");
    KtSNMPDefaults.Security.WriteCommunity = QStringLiteral("private");
    KtSNMPDefaults.TimeOut = 100;
}

// Lets window messages and SNMP completions run until `done` holds.
inline bool WaitUntil(const std::function<bool()> &done, int timeoutMs = 15000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}

inline bool WaitIdle(const KtSNMPRequest2Controls *binding)
{
    return WaitUntil([binding] { return !binding->Busy; });
}

// Runs `action` on the first visible modal dialog with the given object
// name (any name when empty), once it is up; a test that opens a dialog with
// exec() arms this first.
inline void WhenModal(const QString &objectName, std::function<void(QDialog *)> action, int triesLeft = 500)
{
    QTimer::singleShot(20, [objectName, action, triesLeft] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible() && (objectName.isEmpty() || dialog->objectName() == objectName)) {
            action(dialog);
            return;
        }
        if (triesLeft > 0)
            WhenModal(objectName, action, triesLeft - 1);
        else
            ADD_FAILURE() << "no modal dialog " << objectName.toStdString() << " appeared";
    });
}

// The output of one of net-snmp's command-line tools against the simulator.
inline QString RunTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(20000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString Walk(const QgSimProcess &sim, const QString &oid)
{
    return RunTool(QStringLiteral("snmpwalk"), {"-v2c", "-c", "public", "-On", "-Oe", sim.Address(), oid});
}

inline QString GetHex(const QgSimProcess &sim, const QString &oid)
{
    return RunTool(QStringLiteral("snmpget"),
                   {"-v2c", "-c", "public", "-On", "-Ox", "-Oq", sim.Address(), oid})
        .section(QLatin1Char(' '), 1)
        .remove(QLatin1Char('"'))
        .trimmed();
}

// A simulator for the whole suite and the message boxes of each test.
class SimTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        KtSession::Create();
        _SnmpEventProcessor::Instance().Start();
        sim_ = std::make_unique<QgSimProcess>(QStringList{"--static-leds"});
        ASSERT_TRUE(sim_->Start()) << sim_->StandardError().toStdString();
    }
    static void TearDownTestSuite() { sim_.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(sim_ && sim_->Port());
        PointDefaultsAt(sim_->Port());
        messages_.clear();
        KtMessageBox::Replace([this](const KtMessageBox::Message &message) {
            messages_ << message.Text;
            return confirm_;
        });
    }
    void TearDown() override { KtMessageBox::Replace({}); }

    static std::unique_ptr<QgSimProcess> sim_;
    QStringList messages_;
    bool confirm_ = true;
};

inline std::unique_ptr<QgSimProcess> SimTest::sim_;

} // namespace guiconfig_test
