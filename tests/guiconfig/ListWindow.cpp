#include "ListWindow.h"

#include "KtListViewTools.h"
#include "KtSNMPRequest2Edits.h"
#include "QgWait.h"
#include "TListViewPanel.h"
#include "TSNMPListViewPanel.h"

#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace guiconfig_test {

ListWindow::ListWindow(const KtSNMPVarDef *table, int indexCount, int statusIndex)
{
    auto binding = std::make_unique<KtSNMPRequest2Edits>(&Form);
    binding->Request.Vars = KtSNMPVarList(table, ListTable, indexCount);
    Form.setWindowTitle("List");
    const bool rows = statusIndex >= 0;
    Panel = Form.SetListViewType(std::move(binding), statusIndex, rows ? "createAndGo" : "", statusIndex,
                                 rows ? "destroy" : "");
    Form.show();
    EXPECT_TRUE(Read(60000));
}

bool ListWindow::Read(int timeoutMs)
{
    return WaitUntil([this] { return Form.CurrentBinding && !Form.CurrentBinding->Busy; }, timeoutMs);
}

KtSNMPRequest2Edits *ListWindow::Binding() const
{
    return Form.RequestList.front().get();
}

QTreeWidget *ListWindow::List() const
{
    return Panel->ListViewPanel->ListView;
}

KtListViewTools *ListWindow::Tools() const
{
    return KtListViewTools::Of(List());
}

TCtrlBtnPanel *ListWindow::Bar() const
{
    return Panel->BtnPanel;
}

QStringList ListWindow::Column(int column) const
{
    QStringList cells;
    for (int row : Tools()->ShownRows())
        cells << List()->topLevelItem(row)->text(column);
    return cells;
}

std::vector<QStringList> ListWindow::Cells() const
{
    std::vector<QStringList> rows;
    for (int row = 0; row < List()->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < List()->columnCount(); ++column)
            cells << List()->topLevelItem(row)->text(column);
        rows.push_back(cells);
    }
    return rows;
}

void ListWindow::ClickShownRow(int n) const
{
    QTreeWidgetItem *item = List()->topLevelItem(Tools()->ShownRows().value(n));
    List()->scrollToItem(item);
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                      QPoint(8, List()->visualItemRect(item).center().y()));
}

QStringList ListWindow::Selected(int column) const
{
    QStringList cells;
    for (const QTreeWidgetItem *item : List()->selectedItems())
        cells << item->text(column);
    return cells;
}

} // namespace guiconfig_test
