#pragma once

// Shared pieces of the spanning-tree window tests: one simulator per suite,
// the SNMP defaults pointed at it, captured message boxes, a stand-in main
// window with its version text, and net-snmp's tools to look at the agent.
#include "KtMessageBox.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Controls.h"
#include "KtSession.h"
#include "QgSimProcess.h"
#include "TMainWindowAnchor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace stp_test {

inline const QString kStpBase = QStringLiteral("1.3.6.1.4.1.47893.12.15.1");
inline const QString kStateOid = QStringLiteral("1.3.6.1.4.1.47893.11.55.2.2.1.2.1.0");

inline QString StpOid(int subId)
{
    return QStringLiteral("%1.%2.0").arg(kStpBase).arg(subId);
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

inline QString RunTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(20000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The integer the agent holds, or -1.
inline int GetInt(const QgSimProcess &sim, const QString &oid)
{
    const QString out =
        RunTool(QStringLiteral("snmpget"), {"-v2c", "-c", "public", "-On", "-Oq", "-Oe", sim.Address(), oid});
    bool ok = false;
    const int value = out.section(QLatin1Char(' '), 1).trimmed().toInt(&ok);
    return ok ? value : -1;
}

inline bool SetInt(const QgSimProcess &sim, const QString &oid, int value)
{
    return !RunTool(QStringLiteral("snmpset"),
                    {"-v2c", "-c", "private", sim.Address(), oid, "i", QString::number(value)})
                .isEmpty();
}

class StpTest : public ::testing::Test
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
        KtSNMPDefaults.Device = {QStringLiteral("127.0.0.1"), sim_->Port()};
        KtSNMPDefaults.Security.Version = 1;
        KtSNMPDefaults.Security.ReadCommunity = QStringLiteral("public");
        KtSNMPDefaults.Security.WriteCommunity = QStringLiteral("private");
        KtSNMPDefaults.TimeOut = 100;
        messages_.clear();
        KtMessageBox::Replace([this](const KtMessageBox::Message &message) {
            messages_ << message.Text;
            return confirm_;
        });
        mainWindow_ = std::make_unique<QWidget>();
        versionText_ = new QLabel(mainWindow_.get());
        versionText_->setObjectName(QStringLiteral("ST_STPVersion"));
        TMainWindowAnchor::SetMainWindow(mainWindow_.get());
    }

    void TearDown() override
    {
        TMainWindowAnchor::SetMainWindow(nullptr);
        mainWindow_.reset();
        KtMessageBox::Replace({});
    }

    static std::unique_ptr<QgSimProcess> sim_;
    QStringList messages_;
    bool confirm_ = true;
    std::unique_ptr<QWidget> mainWindow_;
    QLabel *versionText_ = nullptr;
};

inline std::unique_ptr<QgSimProcess> StpTest::sim_;

} // namespace stp_test
