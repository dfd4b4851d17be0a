// The list tools on a bare list view: sorting by header clicks, the filter,
// copy and export, and that the selected row stays the same row throughout.
#include "KtListViewTools.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

enum Column
{
    Secret, // a zero-width column, as the binding gives hidden variables
    Index,
    Address,
    Mac,
    Name
};

// Rows in the agent's order: index, address, MAC address, name.
const QStringList kRows[] = {
    {"s1", "1", "10.0.0.10", "001B21000010", "=HYPERLINK(\"x\")"},
    {"s2", "2", "10.0.0.9", "001B2100000F", "core, north"},
    {"s10", "10", "9.1.1.1", "00A000000001", "edge"},
    {"s9", "9", "192.168.0.1", "000000000002", "Edge 2"},
};

struct ListWindow
{
    QWidget Window;
    QTreeWidget *List = new QTreeWidget;
    KtListViewTools *Tools = nullptr;

    ListWindow()
    {
        auto *layout = new QVBoxLayout(&Window);
        layout->addWidget(new QLabel("above"));
        layout->addWidget(List);
        List->setHeaderLabels({"Secret", "Index", "Address", "MAC", "Name"});
        List->header()->setSectionResizeMode(QHeaderView::Interactive);
        List->header()->setStretchLastSection(false);
        List->setColumnWidth(Secret, 0);
        for (const QStringList &cells : kRows)
            List->addTopLevelItem(new QTreeWidgetItem(cells));
        Tools = KtListViewTools::Attach(List);
        Window.resize(600, 300);
        Window.show();
    }
    QStringList Column(int column) const
    {
        QStringList cells;
        for (int row = 0; row < List->topLevelItemCount(); ++row)
            if (!List->topLevelItem(row)->isHidden())
                cells << List->topLevelItem(row)->text(column);
        return cells;
    }
    void ClickHeader(int column) const
    {
        QHeaderView *header = List->header();
        const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }
    QTreeWidgetItem *Row(const QString &index) const
    {
        const auto found = List->findItems(index, Qt::MatchExactly, Index);
        return found.value(0);
    }
};

TEST(KtListViewToolsTest, HeaderClicksSortByValueThenGiveBackTheAgentsOrder)
{
    ListWindow window;
    const struct
    {
        int column;
        QStringList ascending;
    } cases[] = {
        {Index, {"1", "2", "9", "10"}},
        {Address, {"9.1.1.1", "10.0.0.9", "10.0.0.10", "192.168.0.1"}},
        {Mac, {"000000000002", "001B2100000F", "001B21000010", "00A000000001"}},
    };
    for (const auto &c : cases) {
        const QStringList agentOrder = window.Column(c.column);
        window.ClickHeader(c.column);
        EXPECT_EQ(window.Column(c.column), c.ascending) << c.column;
        window.ClickHeader(c.column);
        QStringList descending = c.ascending;
        std::reverse(descending.begin(), descending.end());
        EXPECT_EQ(window.Column(c.column), descending) << c.column;
        window.ClickHeader(c.column);
        EXPECT_EQ(window.Column(c.column), agentOrder) << c.column;
        EXPECT_EQ(window.List->header()->sortIndicatorSection(), -1);
    }
}

TEST(KtListViewToolsTest, SortingKeepsTheSelectedRowWithoutASelectionChange)
{
    ListWindow window;
    QTreeWidgetItem *row = window.Row("10");
    window.List->setCurrentItem(row);
    QSignalSpy changes(window.List, &QTreeWidget::itemSelectionChanged);
    window.Tools->SortBy(Address, Qt::AscendingOrder);
    window.Tools->SortBy(Index, Qt::DescendingOrder);
    EXPECT_EQ(changes.count(), 0);
    ASSERT_EQ(window.List->selectedItems().size(), 1);
    EXPECT_EQ(window.List->selectedItems().first(), row);
    EXPECT_EQ(window.List->currentItem(), row);
    EXPECT_EQ(window.List->indexOfTopLevelItem(row), 0);
}

TEST(KtListViewToolsTest, FilterKeepsRowsWithTheTextInAnyShownColumn)
{
    ListWindow window;
    window.List->setFocus();
    QTest::keyClick(window.List, Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(window.Tools->FilterBox(), nullptr);
    EXPECT_TRUE(window.Tools->FilterBox()->isVisible());
    // The bar sits under the list, in the list's place in the window's layout.
    EXPECT_TRUE(window.List->isVisible());
    EXPECT_GT(window.Tools->FilterBox()->mapTo(&window.Window, QPoint()).y(),
              window.List->mapTo(&window.Window, QPoint()).y());

    QTest::keyClicks(window.Tools->FilterBox(), "EDGE");
    EXPECT_EQ(window.Column(Index), (QStringList{"10", "9"}));
    EXPECT_EQ(window.Tools->CountLabel()->text(), "2 of 4 rows");
    window.Tools->SetFilterText("10.0.0");
    EXPECT_EQ(window.Column(Index), (QStringList{"1", "2"}));
    // The zero-width column is not searched.
    window.Tools->SetFilterText("s10");
    EXPECT_TRUE(window.Column(Index).isEmpty());
    EXPECT_EQ(window.Tools->CountLabel()->text(), "0 of 4 rows");
    // Sorting a filtered list keeps the filter.
    window.Tools->SetFilterText("10.0.0");
    window.Tools->SortBy(Address, Qt::AscendingOrder);
    EXPECT_EQ(window.Column(Index), (QStringList{"2", "1"}));
    // Escape gives every row back and hides the bar.
    QTest::keyClick(window.Tools->FilterBox(), Qt::Key_Escape);
    EXPECT_EQ(window.Column(Index).size(), 4);
    EXPECT_FALSE(window.Tools->FilterBox()->isVisible());
}

TEST(KtListViewToolsTest, ARowTheFilterHidesIsDeselectedAndARowCodeSelectsIsShown)
{
    ListWindow window;
    window.List->setCurrentItem(window.Row("1"));
    QSignalSpy changes(window.List, &QTreeWidget::itemSelectionChanged);
    window.Tools->SetFilterText("edge");
    EXPECT_TRUE(window.List->selectedItems().isEmpty());
    EXPECT_EQ(changes.count(), 1);
    // Window code that looks a row up and selects it gets a row on view.
    QSignalSpy selected(window.List, &QTreeWidget::itemSelectionChanged);
    window.List->setCurrentItem(window.Row("2"));
    EXPECT_FALSE(window.Row("2")->isHidden());
    EXPECT_EQ(window.List->selectedItems(), QList<QTreeWidgetItem *>{window.Row("2")});
    EXPECT_EQ(selected.count(), 2); // the hidden row, then the row on view
    EXPECT_EQ(window.Column(Index), (QStringList{"2", "10", "9"}));
}

TEST(KtListViewToolsTest, CopyGivesTheSelectedRowsWithAHeaderLine)
{
    ListWindow window;
    window.Tools->SortBy(Index, Qt::DescendingOrder);
    window.List->setCurrentItem(window.Row("1"));
    window.List->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(window.List, Qt::Key_C, Qt::ControlModifier);
    // Shown columns only; a text a spreadsheet would evaluate gets an apostrophe.
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Index\tAddress\tMAC\tName\n1\t10.0.0.10\t001B21000010\t'=HYPERLINK(\"x\")\n");
    // Nothing selected: the clipboard keeps what it had.
    window.List->clearSelection();
    QApplication::clipboard()->setText("kept");
    window.Tools->CopySelectedRows();
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");
}

TEST(KtListViewToolsTest, ExportWritesTheShownRowsInTheShownOrder)
{
    ListWindow window;
    window.Tools->SetFilterText("0.");
    window.Tools->SortBy(Address, Qt::DescendingOrder);
    QTemporaryDir dir;
    const QString path = dir.filePath("rows.csv");
    QString reason;
    ASSERT_TRUE(window.Tools->ExportCsvTo(path, &reason)) << reason.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), "Index,Address,MAC,Name\r\n"
                                                 "9,192.168.0.1,000000000002,Edge 2\r\n"
                                                 "1,10.0.0.10,001B21000010,\"'=HYPERLINK(\"\"x\"\")\"\r\n"
                                                 "2,10.0.0.9,001B2100000F,\"core, north\"\r\n");

    // No row shown: the header line alone.
    window.Tools->SetFilterText("no such text");
    EXPECT_EQ(window.Tools->CsvText(), "Index,Address,MAC,Name\r\n");

    // A file that cannot be written says why and leaves nothing behind.
    const QString blocked = dir.filePath("missing/rows.csv");
    EXPECT_FALSE(window.Tools->ExportCsvTo(blocked, &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(QFile::exists(blocked));
}

} // namespace
