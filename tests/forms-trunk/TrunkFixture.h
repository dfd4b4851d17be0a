#pragma once

// Shared pieces of the trunk, mirror and segmentation window tests: one
// simulator per suite, the SNMP defaults pointed at it, a stand-in main
// window whose unit list the port grids read, captured message boxes, and
// the net-snmp tools that check what the agent holds.
#include "KtMessageBox.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Controls.h"
#include "KtSession.h"
#include "QgSimProcess.h"
#include "TMainWindowAnchor.h"
#include "TStackingPortUitForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace trunk_test {

inline void PointDefaultsAt(quint16 port)
{
    KtSNMPDefaults.Device = {QStringLiteral("127.0.0.1"), port};
    KtSNMPDefaults.Security.Version = 1;
    KtSNMPDefaults.Security.ReadCommunity = QStringLiteral("public");
    KtSNMPDefaults.Security.WriteCommunity = QStringLiteral("private");
    KtSNMPDefaults.TimeOut = 100;
}

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

inline QString RunTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(20000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()) +
           QString::fromUtf8(process.readAllStandardError());
}

// The value of one object as bare hexadecimal octets ("00 FF ...").
inline QString GetHex(const QgSimProcess &sim, const QString &oid)
{
    return RunTool(QStringLiteral("snmpget"),
                   {"-v2c", "-c", "public", "-On", "-Ox", "-Oq", "-Ov", sim.Address(), oid})
        .remove(QLatin1Char('"'))
        .simplified();
}

// The value of one object as a bare number or text, or the tool's
// complaint when there is no such object.
inline QString GetValue(const QgSimProcess &sim, const QString &oid)
{
    return RunTool(QStringLiteral("snmpget"),
                   {"-v2c", "-c", "public", "-On", "-Oq", "-Ov", "-Oe", sim.Address(), oid})
        .remove(QLatin1Char('"'))
        .trimmed();
}

inline QString Set(const QgSimProcess &sim, const QStringList &varbinds)
{
    return RunTool(QStringLiteral("snmpset"), QStringList{"-v2c", "-c", "private", sim.Address()} + varbinds);
}

// The hexadecimal text of a 91-octet port list with the given bits set.
inline QString PortListHex(const QList<int> &bits)
{
    QByteArray octets(TStackingPortUitForm::BoxCount / 8, '\0');
    for (int bit : bits)
        octets[bit / 8] = char(quint8(octets[bit / 8]) | (0x80 >> (bit % 8)));
    return QString::fromLatin1(octets.toHex(' ').toUpper());
}

inline QList<int> CheckedBoxes(const TStackingPortUitForm *grid)
{
    QList<int> checked;
    for (int i = 0; i < grid->PortBoxes.size(); ++i)
        if (grid->PortBoxes[i]->isChecked())
            checked << i;
    return checked;
}

// A simulator for the suite; per test a stand-in main window with the
// simulator's stack (units 1 to 3) in its unit list and captured messages.
class TrunkSimTest : public ::testing::Test
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
            return true;
        });
        mainWindow_ = std::make_unique<QWidget>();
        unitList_ = new QTreeWidget(mainWindow_.get());
        unitList_->setObjectName(QStringLiteral("UnitListView"));
        unitList_->setColumnCount(9);
        const char *units[][3] = {{"1", "12", "QG2312"}, {"2", "26", "QF1824"}, {"3", "50", "QL2448"}};
        for (const auto &unit : units) {
            auto *row = new QTreeWidgetItem(unitList_);
            row->setText(0, QString::fromLatin1(unit[0]));
            row->setText(3, QString::fromLatin1(unit[1]));
            row->setText(8, QString::fromLatin1(unit[2]));
        }
        TMainWindowAnchor::SetMainWindow(mainWindow_.get());
    }
    void TearDown() override
    {
        TMainWindowAnchor::SetMainWindow(nullptr);
        mainWindow_.reset();
        KtMessageBox::Replace([](const KtMessageBox::Message &) { return false; });
        TStackingPortUitForm::ResetRefreshUnitList();
    }

    static std::unique_ptr<QgSimProcess> sim_;
    std::unique_ptr<QWidget> mainWindow_;
    QTreeWidget *unitList_ = nullptr;
    QStringList messages_;
};

inline std::unique_ptr<QgSimProcess> TrunkSimTest::sim_;

} // namespace trunk_test
