#include "QgSimSuite.h"

#include "KtSNMPEngine.h"
#include "KtSession.h"
#include "SnmpdProcess.h"

std::unique_ptr<QgSimProcess> QgSimSuite::sim_;

void StartEngine()
{
    KtSession::Create();
    if (!_SnmpEventProcessor::Instance().IsRunning())
        _SnmpEventProcessor::Instance().Start();
}

void PointEngineAt(quint16 port)
{
    StartEngine();
    KtSNMPDefaults.Device = {QStringLiteral("127.0.0.1"), port};
    KtSNMPDefaults.Security.Version = 1;
    KtSNMPDefaults.Security.ReadCommunity = QStringLiteral("public");
    KtSNMPDefaults.Security.WriteCommunity = QStringLiteral("private");
    KtSNMPDefaults.TimeOut = 100;
}

void PointEngineAtNoAgent()
{
    const quint16 port = UnusedUdpPort();
    ASSERT_NE(port, 0);
    PointEngineAt(port);
}

void QgSimSuite::StartSim(const QStringList &arguments)
{
    StartEngine();
    sim_ = std::make_unique<QgSimProcess>(arguments);
    ASSERT_TRUE(sim_->Start()) << sim_->StandardError().toStdString();
}

void QgSimSuite::SetUp()
{
    ASSERT_TRUE(sim_ && sim_->Port());
    PointEngineAt(sim_->Port());
}

void QgSimSuite::StartOwnSim(const QStringList &arguments)
{
    own_ = std::make_unique<QgSimProcess>(arguments);
    ASSERT_TRUE(own_->Start()) << own_->StandardError().toStdString();
    PointEngineAt(own_->Port());
}
