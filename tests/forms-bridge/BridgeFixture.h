#pragma once

// Shared pieces of the bridge window tests: a simulator per suite, the SNMP
// defaults pointed at it, a stand-in main window whose unit list the port
// grids read, captured message boxes, and net-snmp's tools to look at what
// the agent holds.
#include "KtMessageBox.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Controls.h"
#include "KtSession.h"
#include "QgSimProcess.h"
#include "TBridgeInfoForm.h"
#include "TMainWindowAnchor.h"
#include "TStackingPortUitForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace bridge_test {

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

inline QString GetValue(const QgSimProcess &sim, const QString &oid)
{
    return RunTool(QStringLiteral("snmpget"),
                   {"-v2c", "-c", "public", "-On", "-Oq", "-Ov", sim.Address(), oid})
        .remove(QLatin1Char('"'))
        .trimmed();
}

inline QString Set(const QgSimProcess &sim, const QStringList &varbinds)
{
    return RunTool(QStringLiteral("snmpset"), QStringList{"-v2c", "-c", "private", sim.Address()} + varbinds);
}

inline QList<int> CheckedBoxes(const TStackingPortUitForm *grid)
{
    QList<int> checked;
    for (int i = 0; i < grid->PortBoxes.size(); ++i)
        if (grid->PortBoxes[i]->isChecked())
            checked << i;
    return checked;
}

inline QStringList Captions(const QTreeWidget *list)
{
    QStringList captions;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        captions << list->topLevelItem(row)->text(0);
    return captions;
}

inline bool SelectRow(QTreeWidget *list, const QString &caption)
{
    const QList<QTreeWidgetItem *> rows = list->findItems(caption, Qt::MatchExactly, 0);
    if (rows.isEmpty())
        return false;
    list->setCurrentItem(rows.first());
    return true;
}

inline int MemoLines(const TBridgeInfoForm &form)
{
    const QString text = form.Memo1->toPlainText();
    return text.isEmpty() ? 0 : int(text.count(QLatin1Char('\n'))) + 1;
}

class BridgeSimTest : public ::testing::Test
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
            return true;
        });
        TBridgeInfoForm::ResetReadyFlags();
        mainWindow_ = std::make_unique<QWidget>();
        unitList_ = new QTreeWidget(mainWindow_.get());
        unitList_->setObjectName(QStringLiteral("UnitListView"));
        unitList_->setColumnCount(9);
        auto *unit = new QTreeWidgetItem(unitList_);
        unit->setText(0, QStringLiteral("1"));
        unit->setText(3, QStringLiteral("12"));
        unit->setText(8, QStringLiteral("QG2312"));
        TMainWindowAnchor::SetMainWindow(mainWindow_.get());
    }
    void TearDown() override
    {
        TMainWindowAnchor::SetMainWindow(nullptr);
        mainWindow_.reset();
        KtMessageBox::Replace({});
        TStackingPortUitForm::ResetRefreshUnitList();
        TBridgeInfoForm::ResetReadyFlags();
    }

    static std::unique_ptr<QgSimProcess> sim_;
    std::unique_ptr<QWidget> mainWindow_;
    QTreeWidget *unitList_ = nullptr;
    QStringList messages_;
};

inline std::unique_ptr<QgSimProcess> BridgeSimTest::sim_;

} // namespace bridge_test
