#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <Qt>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// What people do with a list of table rows, the same in every list view of
// the module: a click on a column header sorts by that column (by value,
// see KtSortKey; the third click gives back the agent's order), Ctrl+F shows
// a filter box that keeps the rows holding its text in any shown column,
// Ctrl+C and the context menu copy the selected rows (tab-separated, with a
// header line), and "Export CSV..." writes every shown row to a file.
//
// Rows keep who they are: sorting and filtering move and hide the list's
// items, never rebuild them, so whatever reads the selected item (the
// binding's row copy, Edit, Delete, Set) gets the row the user sees
// selected. A row the filter hides is deselected first; a row that window
// code selects is shown. A walk that refills the list keeps the sort and
// the filter, and selects again the row with the same index values.
class KtListViewTools : public QObject
{
    Q_OBJECT

public:
    // A cell that shows something other than the agent's value (a port list
    // as unit:port ranges) keeps the value under this role.
    static constexpr int AgentValueRole = Qt::UserRole + 8;

    // The tools of a list view, made on the first call.
    static KtListViewTools *Attach(QTreeWidget *list);
    static KtListViewTools *Of(const QTreeWidget *list);
    // The agent's value of a cell: its AgentValueRole, or its text.
    static QString CellValue(const QTreeWidgetItem *item, int column);

    // Column -1 is the agent's order.
    void SortBy(int column, Qt::SortOrder order = Qt::AscendingOrder);
    int SortColumn() const { return sortColumn_; }

    void ShowFilter();
    void SetFilterText(const QString &text);
    QString FilterText() const { return filter_; }
    QLineEdit *FilterBox() const { return filterBox_; }
    QLabel *CountLabel() const { return countLabel_; }
    // The rows the filter lets through, in list order.
    QList<int> ShownRows() const;
    // "N of M rows".
    QString RowCountText() const;

    QString SelectedRowsText() const;
    void CopySelectedRows() const;
    QString CsvText() const;
    // Written whole or not at all; *reason says why not.
    bool ExportCsvTo(const QString &path, QString *reason) const;
    // Asks for a file, writes it and says so when it fails.
    void ExportCsv();

    // The walk of the list's binding: before the list is emptied (the rows
    // are told apart by the cells of keyColumns, every column when empty),
    // after each batch of rows from `first` on, and at its end.
    void BeginRefresh(const QList<int> &keyColumns);
    void RowsAppended(int first);
    void EndRefresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit KtListViewTools(QTreeWidget *list);
    void AddActions();
    void OnHeaderSort(int column, Qt::SortOrder order);
    void ApplySort();
    void NumberNewRows();
    void ApplyFilter(int first);
    bool Matches(const QTreeWidgetItem *item, const QList<int> &columns) const;
    QList<int> ShownColumns() const;
    void ShowSelectedRows();
    void UpdateCount();
    QWidget *MakeFilterBar();
    void PlaceBelowList(QWidget *bar);
    QString RowKey(const QTreeWidgetItem *item) const;
    void SelectRowWithKey(const QString &key, quint64 refresh);
    bool ShowCellTip(const QPoint &position, const QPoint &globalPosition);

    QTreeWidget *list_;
    const QObject *viewport_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    QString filter_;
    QPointer<QWidget> filterBar_;
    QLineEdit *filterBox_ = nullptr;
    QLabel *countLabel_ = nullptr;
    QList<int> keyColumns_;
    QString selectedKey_;
    quint64 refreshes_ = 0;
    int nextOrder_ = 0;
};
