// The list tools in the generic list window against the simulator: sorting
// by address, MAC address and index, and that Delete and Edit after a
// filter or a sort write the row shown selected, never the row that stood
// in its place before.
#include "FdbTable.h"
#include "KtListViewTools.h"
#include "KtSNMPRequest2Edits.h"
#include "ListWindow.h"
#include "QgSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TSNMPListViewPanel.h"
#include "TestTables.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace guiconfig_test;

namespace {

// Columns of the syslog server list.
constexpr int kServerId = 0;
constexpr int kUdpPort = 3;
constexpr int kAddress = 4;

class ListToolsWindowTest : public QgSimSuite
{
protected:
    // Syslog servers 1 to 4, with addresses whose text order is not their order.
    void FourServers()
    {
        StartOwnSim();
        const QString columns = kSysLogColumns;
        ASSERT_TRUE(Set(*own_, {columns + ".5.1", "a", "10.0.0.10"}).contains("IpAddress"));
        const char *addresses[] = {"10.0.0.9", "9.1.1.1", "192.168.0.1"};
        for (int id = 2; id <= 4; ++id)
            ASSERT_TRUE(Set(*own_, {columns + QStringLiteral(".7.%1").arg(id), "i", "4",
                                    columns + QStringLiteral(".5.%1").arg(id), "a", addresses[id - 2]})
                            .contains("IpAddress"));
        own_->Sets().Clear();
    }
    QStringList SetTexts() const
    {
        EXPECT_TRUE(own_->WaitForSets());
        QStringList texts;
        for (const QgSetPdu &pdu : own_->Sets().Read())
            texts << pdu.Texts().join(' ');
        return texts;
    }
};

} // namespace

TEST_F(ListToolsWindowTest, SortsByAddressByIndexAndByMacAddress)
{
    FourServers();
    ListWindow servers(kSysLogServers, 1, kSysLogStatus);
    servers.Tools()->SortBy(kAddress);
    EXPECT_EQ(servers.Column(kAddress), (QStringList{"9.1.1.1", "10.0.0.9", "10.0.0.10", "192.168.0.1"}));
    servers.Tools()->SortBy(kServerId, Qt::DescendingOrder);
    EXPECT_EQ(servers.Column(kServerId), (QStringList{"4", "3", "2", "1"}));
    servers.Tools()->SortBy(-1);
    EXPECT_EQ(servers.Column(kServerId), (QStringList{"1", "2", "3", "4"}));

    ListWindow fdb(Dot1qTpFdbTable, 2); // as the menu's "Unicast Forwarding Information"
    const QStringList agentOrder = fdb.Column(1);
    ASSERT_GE(agentOrder.size(), 20);
    fdb.Tools()->SortBy(1, Qt::DescendingOrder);
    QStringList descending = agentOrder;
    std::sort(descending.begin(), descending.end(), std::greater<>());
    EXPECT_EQ(fdb.Column(1), descending);
    // Port numbers by value: 9 before 10.
    fdb.Tools()->SortBy(2);
    const QStringList ports = fdb.Column(2);
    EXPECT_TRUE(std::is_sorted(ports.begin(), ports.end(),
                               [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); }));
    EXPECT_NE(ports, [&] {
        QStringList asText = ports;
        asText.sort();
        return asText;
    }());
    fdb.Tools()->SortBy(-1);
    EXPECT_EQ(fdb.Column(1), agentOrder);
}

TEST_F(ListToolsWindowTest, FilterThenDeleteDeletesTheRowShownAndNothingElse)
{
    FourServers();
    ListWindow window(kSysLogServers, 1, kSysLogStatus);
    window.ClickShownRow(0);
    ASSERT_EQ(window.Selected(kServerId), QStringList{"1"});
    // The filter hides the selected row: it is no longer selected.
    window.Tools()->SetFilterText("192.168");
    EXPECT_TRUE(window.List()->selectedItems().isEmpty());
    EXPECT_FALSE(window.Bar()->DeleteBtn->isEnabled());
    ASSERT_EQ(window.Column(kServerId), QStringList{"4"});

    window.ClickShownRow(0);
    ASSERT_TRUE(window.Bar()->DeleteBtn->isEnabled());
    confirm_ = true;
    QTest::mouseClick(window.Bar()->DeleteBtn, Qt::LeftButton);
    ASSERT_TRUE(window.Read());
    EXPECT_EQ(SetTexts(), QStringList{QString(kSysLogColumns) + ".7.4=integer:6"});
    // The refresh keeps the filter; the deleted row is gone.
    EXPECT_TRUE(window.Column(kServerId).isEmpty());
    window.Tools()->SetFilterText(QString());
    EXPECT_EQ(window.Column(kServerId), (QStringList{"1", "2", "3"}));
}

TEST_F(ListToolsWindowTest, SortThenEditWritesTheRowShownAndARefreshKeepsSortAndSelection)
{
    FourServers();
    ListWindow window(kSysLogServers, 1, kSysLogStatus);
    window.ClickShownRow(0); // server 1, first in the agent's order
    window.Tools()->SortBy(kAddress);
    ASSERT_EQ(window.Selected(kServerId), QStringList{"1"});
    window.ClickShownRow(0);
    ASSERT_EQ(window.Selected(kServerId), QStringList{"3"});

    window.List()->setFocus();
    QTest::keyClick(window.List(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Server ID\tFacility\tSeverity\tUDP Port\tServer IP Address\t"
              "Server State\tRow Status\n"
              "3\tlocal0\tall\t514\t9.1.1.1\tdisabled\tactive\n");

    bool seen = false;
    WhenModal("RowDialog", [&](QDialog *dialog) {
        seen = true;
        TEditsPanel *rows = window.Panel->EditsPanel;
        EXPECT_EQ(rows->EditBox(kAddress)->text(), "9.1.1.1");
        rows->EditBox(kUdpPort)->setText("600");
        QTest::mouseClick(rows->Rows[kUdpPort].CheckBox, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseClick(dialog->findChild<TCtrlBtnPanel *>()->SetCheckedBtn, Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
        dialog->close();
    });
    QTest::mouseClick(window.Bar()->EditBtn, Qt::LeftButton);
    ASSERT_TRUE(seen);
    ASSERT_TRUE(window.Read());
    EXPECT_EQ(SetTexts(), QStringList{QString(kSysLogColumns) + ".4.3=integer:600"});

    // The read after the write kept the order and selects server 3 again.
    EXPECT_EQ(window.Column(kServerId), (QStringList{"3", "2", "1", "4"}));
    EXPECT_TRUE(WaitUntil([&] { return window.Selected(kServerId) == QStringList{"3"}; }));
    EXPECT_EQ(window.Selected(kUdpPort), QStringList{"600"});
    EXPECT_TRUE(window.Bar()->EditBtn->isEnabled());
}
