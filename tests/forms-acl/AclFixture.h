#pragma once

// Shared pieces of the access-profile window tests: a simulator per suite,
// the SNMP defaults pointed at it, a stand-in main window whose unit list
// the port grids read, captured message boxes, and the net-snmp tools that
// check what the agent holds.
#include "KtMessageBox.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Controls.h"
#include "KtSession.h"
#include "QgSimProcess.h"
#include "TMainWindowAnchor.h"
#include "TStackingPortUitForm.h"

#include <QCheckBox>
#include <QProcess>
#include <QTreeWidget>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <utility>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace acl_test {

inline QString RunTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(20000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()) +
           QString::fromUtf8(process.readAllStandardError());
}

// The value of one object as the agent holds it; octets as bare
// hexadecimal ("00 FF ...").
inline QString GetValue(const QgSimProcess &sim, const QString &oid)
{
    return RunTool(QStringLiteral("snmpget"),
                   {"-v2c", "-c", "public", "-On", "-Ox", "-Oq", "-Ov", "-Oe", sim.Address(), oid})
        .remove(QLatin1Char('"'))
        .simplified();
}

inline QString Set(const QgSimProcess &sim, const QStringList &varbinds)
{
    return RunTool(QStringLiteral("snmpset"), QStringList{"-v2c", "-c", "private", sim.Address()} + varbinds);
}

// The hexadecimal text of a 91-octet port list with the given bits set, or
// with every port of the simulator's stack set (units 1 to 3 with 12, 26 and
// 50 ports: bits 56 to 67, 112 to 137 and 168 to 217), the agent's default.
inline QString PortListHex(QList<int> bits, bool allStackPorts = false)
{
    QByteArray octets(TStackingPortUitForm::BoxCount / 8, '\0');
    if (allStackPorts)
        for (const auto &[first, last] : {std::pair{56, 67}, std::pair{112, 137}, std::pair{168, 217}})
            for (int bit = first; bit <= last; ++bit)
                bits << bit;
    for (int bit : bits)
        octets[bit / 8] = char(quint8(octets[bit / 8]) | (0x80 >> (bit % 8)));
    return QString::fromLatin1(octets.toHex(' ').toUpper());
}

inline QStringList Captions(const QTreeWidget *list)
{
    QStringList rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        rows << list->topLevelItem(row)->text(0);
    return rows;
}

// Selects the list row whose caption (and first sub-item) match, as a click
// does; false if there is none.
inline bool SelectRow(QTreeWidget *list, const QString &key, const QString &second = QString())
{
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = list->topLevelItem(row);
        if (item->text(0) == key && (second.isNull() || item->text(1) == second)) {
            list->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

// A simulator per test (every test starts from the data files' rows); a
// stand-in main window with the simulator's three units and captured
// message boxes.
class AclSimTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        KtSession::Create();
        _SnmpEventProcessor::Instance().Start();
        sim_ = std::make_unique<QgSimProcess>(QStringList{"--static-leds"});
        ASSERT_TRUE(sim_->Start()) << sim_->StandardError().toStdString();
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
        mainWindow_ = std::make_unique<QWidget>();
        auto *unitList = new QTreeWidget(mainWindow_.get());
        unitList->setObjectName(QStringLiteral("UnitListView"));
        unitList->setColumnCount(9);
        const char *units[][3] = {{"1", "12", "QG2312"}, {"2", "26", "QF1824"}, {"3", "50", "QL2448"}};
        for (const auto &unit : units) {
            auto *row = new QTreeWidgetItem(unitList);
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
        KtMessageBox::Replace({});
        TStackingPortUitForm::ResetRefreshUnitList();
        sim_.reset();
    }

    // Nothing answers on the simulator's port once it has stopped.
    void SilenceAgent() { sim_->Stop(); }

    std::unique_ptr<QgSimProcess> sim_;
    std::unique_ptr<QWidget> mainWindow_;
    QStringList messages_;
};

} // namespace acl_test
