#include "KtListViewTools.h"

#include "KtMessageBox.h"
#include "KtSortKey.h"
#include "KtTableText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

namespace {

// The position of a row in the agent's order, on column 0.
constexpr int kAgentOrderRole = Qt::UserRole + 9;
// Cell padding that a view adds around the text.
constexpr int kCellPadding = 8;

} // namespace

KtListViewTools::KtListViewTools(QTreeWidget *list) : QObject(list), list_(list), viewport_(list->viewport())
{
    QHeaderView *header = list->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicatorClearable(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sortIndicatorChanged, this, &KtListViewTools::OnHeaderSort);
    connect(list, &QTreeWidget::itemSelectionChanged, this, &KtListViewTools::ShowSelectedRows);
    list->viewport()->installEventFilter(this);
    list->installEventFilter(this);
    AddActions();
}

KtListViewTools *KtListViewTools::Attach(QTreeWidget *list)
{
    if (KtListViewTools *tools = Of(list))
        return tools;
    return new KtListViewTools(list);
}

KtListViewTools *KtListViewTools::Of(const QTreeWidget *list)
{
    return list ? list->findChild<KtListViewTools *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QString KtListViewTools::CellValue(const QTreeWidgetItem *item, int column)
{
    const QVariant value = item->data(column, AgentValueRole);
    return value.isValid() ? value.toString() : item->text(column);
}

void KtListViewTools::AddActions()
{
    const auto add = [this](const QString &caption, const QKeySequence &keys, auto handler) {
        auto *action = new QAction(caption, list_);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, handler);
        list_->addAction(action);
    };
    add(QStringLiteral("Copy"), QKeySequence::Copy, &KtListViewTools::CopySelectedRows);
    add(QStringLiteral("Filter..."), QKeySequence::Find, &KtListViewTools::ShowFilter);
    add(QStringLiteral("Export CSV..."), QKeySequence(), &KtListViewTools::ExportCsv);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// ---- sorting ---------------------------------------------------------------------

void KtListViewTools::SortBy(int column, Qt::SortOrder order)
{
    const QSignalBlocker quiet(list_->header());
    list_->header()->setSortIndicator(column, order);
    OnHeaderSort(column, order);
}

void KtListViewTools::OnHeaderSort(int column, Qt::SortOrder order)
{
    sortColumn_ = column;
    sortOrder_ = order;
    ApplySort();
}

// Rows read by a walk carry their place in the agent's order; rows that
// arrive otherwise are numbered in the order they stand when first met.
void KtListViewTools::NumberNewRows()
{
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = list_->topLevelItem(row);
        if (!item->data(0, kAgentOrderRole).isValid())
            item->setData(0, kAgentOrderRole, nextOrder_++);
    }
}

// The items are taken out and put back in the new order, with their hidden
// state, the current item and the selection as they were: a sort changes
// where rows stand, never which row is selected. The list's own signals are
// held meanwhile, so that no window sees the selection come and go.
void KtListViewTools::ApplySort()
{
    const int count = list_->topLevelItemCount();
    if (count < 2)
        return;
    NumberNewRows();
    std::vector<int> order;
    if (sortColumn_ < 0) {
        order.resize(size_t(count));
        std::iota(order.begin(), order.end(), 0);
        std::vector<int> places(static_cast<size_t>(count));
        for (int row = 0; row < count; ++row)
            places[size_t(row)] = list_->topLevelItem(row)->data(0, kAgentOrderRole).toInt();
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return places[size_t(a)] < places[size_t(b)]; });
    } else {
        QStringList cells;
        cells.reserve(count);
        for (int row = 0; row < count; ++row)
            cells << CellValue(list_->topLevelItem(row), sortColumn_);
        order = KtSortKey::Order(cells, sortOrder_);
    }
    bool unchanged = true;
    for (int row = 0; row < count && unchanged; ++row)
        unchanged = order[size_t(row)] == row;
    if (unchanged)
        return;

    const QSignalBlocker quiet(list_);
    std::vector<bool> hidden(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) {
        hidden[size_t(row)] = list_->isRowHidden(row, QModelIndex());
        if (hidden[size_t(row)])
            list_->setRowHidden(row, QModelIndex(), false);
    }
    const QList<QTreeWidgetItem *> selected = list_->selectedItems();
    QTreeWidgetItem *current = list_->currentItem();
    const QList<QTreeWidgetItem *> taken = list_->invisibleRootItem()->takeChildren();
    QList<QTreeWidgetItem *> sorted;
    sorted.reserve(count);
    for (int row : order)
        sorted << taken[row];
    list_->addTopLevelItems(sorted);
    for (int row = 0; row < count; ++row)
        if (hidden[size_t(order[size_t(row)])])
            list_->setRowHidden(row, QModelIndex(), true);
    if (current)
        list_->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem *item : selected)
        item->setSelected(true);
    if (current)
        list_->scrollToItem(current);
}

// ---- filtering -------------------------------------------------------------------

void KtListViewTools::ShowFilter()
{
    if (!filterBar_) {
        filterBar_ = MakeFilterBar();
        PlaceBelowList(filterBar_);
    }
    filterBar_->show();
    UpdateCount();
    filterBox_->setFocus();
    filterBox_->selectAll();
}

QWidget *KtListViewTools::MakeFilterBar()
{
    auto *bar = new QWidget;
    bar->setObjectName(QStringLiteral("ListFilterBar"));
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Filter:"), bar));
    filterBox_ = new QLineEdit(bar);
    filterBox_->setObjectName(QStringLiteral("ListFilter"));
    filterBox_->setPlaceholderText(QStringLiteral("text in any column"));
    filterBox_->setClearButtonEnabled(true);
    filterBox_->setText(filter_);
    filterBox_->installEventFilter(this);
    connect(filterBox_, &QLineEdit::textChanged, this, &KtListViewTools::SetFilterText);
    layout->addWidget(filterBox_, 1);
    countLabel_ = new QLabel(bar);
    countLabel_->setObjectName(QStringLiteral("ListFilterCount"));
    layout->addWidget(countLabel_);
    QAbstractItemModel *rows = list_->model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &KtListViewTools::UpdateCount);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &KtListViewTools::UpdateCount);
    connect(rows, &QAbstractItemModel::modelReset, this, &KtListViewTools::UpdateCount);
    return bar;
}

// The bar goes under the list: the list and the bar share a holder that
// takes the list's place in its layout or splitter, or its geometry in a
// window laid out by hand.
void KtListViewTools::PlaceBelowList(QWidget *bar)
{
    QWidget *parent = list_->parentWidget();
    auto *holder = new QWidget(parent);
    holder->setObjectName(QStringLiteral("ListWithFilter"));
    bool placed = false;
    if (auto *splitter = qobject_cast<QSplitter *>(parent)) {
        splitter->replaceWidget(splitter->indexOf(list_), holder);
        placed = true;
    } else if (parent && parent->layout()) {
        if (QLayoutItem *old = parent->layout()->replaceWidget(list_, holder)) {
            delete old;
            placed = true;
        }
    }
    if (!placed)
        holder->setGeometry(list_->geometry());
    auto *layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(list_, 1);
    layout->addWidget(bar);
    list_->show();
    holder->show();
}

void KtListViewTools::SetFilterText(const QString &text)
{
    if (text == filter_)
        return;
    filter_ = text;
    if (filterBox_ && filterBox_->text() != text)
        filterBox_->setText(text);
    ApplyFilter(0);
    UpdateCount();
}

QList<int> KtListViewTools::ShownColumns() const
{
    QList<int> columns;
    for (int column = 0; column < list_->columnCount(); ++column)
        if (!list_->header()->isSectionHidden(column) && list_->columnWidth(column) > 0)
            columns << column;
    return columns;
}

bool KtListViewTools::Matches(const QTreeWidgetItem *item, const QList<int> &columns) const
{
    return std::any_of(columns.begin(), columns.end(),
                       [&](int column) { return item->text(column).contains(filter_, Qt::CaseInsensitive); });
}

// A selected row that the filter hides is deselected first, as if the user
// had clicked beside the rows, so that no window keeps acting on a row
// nobody sees.
void KtListViewTools::ApplyFilter(int first)
{
    const QList<int> columns = ShownColumns();
    for (QTreeWidgetItem *item : list_->selectedItems())
        if (!filter_.isEmpty() && !Matches(item, columns))
            list_->clearSelection();
    for (int row = first; row < list_->topLevelItemCount(); ++row) {
        const bool hide = !filter_.isEmpty() && !Matches(list_->topLevelItem(row), columns);
        if (list_->isRowHidden(row, QModelIndex()) != hide)
            list_->setRowHidden(row, QModelIndex(), hide);
    }
}

// Whatever selects a row (window code looking a row up by its caption, the
// selection kept over a refresh) gets a row the user can see. The list
// leaves a hidden row out of its selected items, so whoever watched the
// selection change is told again once the row shows.
void KtListViewTools::ShowSelectedRows()
{
    bool shown = false;
    for (const QModelIndex &index : list_->selectionModel()->selectedRows())
        if (!index.parent().isValid() && list_->isRowHidden(index.row(), QModelIndex())) {
            list_->setRowHidden(index.row(), QModelIndex(), false);
            shown = true;
        }
    if (shown)
        emit list_->itemSelectionChanged();
}

QList<int> KtListViewTools::ShownRows() const
{
    QList<int> rows;
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        if (!list_->isRowHidden(row, QModelIndex()))
            rows << row;
    return rows;
}

QString KtListViewTools::RowCountText() const
{
    return QStringLiteral("%1 of %2 rows").arg(ShownRows().size()).arg(list_->topLevelItemCount());
}

void KtListViewTools::UpdateCount()
{
    if (countLabel_ && filterBar_ && filterBar_->isVisible())
        countLabel_->setText(RowCountText());
}

// ---- copy and export -------------------------------------------------------------

QString KtListViewTools::SelectedRowsText() const
{
    QList<int> rows;
    for (QTreeWidgetItem *item : list_->selectedItems())
        rows << list_->indexOfTopLevelItem(item);
    if (rows.isEmpty())
        return {};
    std::sort(rows.begin(), rows.end());
    return KtTableText::Tabbed(*list_->model(), rows, ShownColumns());
}

void KtListViewTools::CopySelectedRows() const
{
    const QString text = SelectedRowsText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

QString KtListViewTools::CsvText() const
{
    const QList<int> rows = ShownRows();
    const QString text =
        KtTableText::Csv(*list_->model(), rows.isEmpty() ? QList<int>{0} : rows, ShownColumns());
    // With no row shown, the header line alone.
    return rows.isEmpty() ? text.left(text.indexOf(QLatin1String("\r\n")) + 2) : text;
}

bool KtListViewTools::ExportCsvTo(const QString &path, QString *reason) const
{
    return KtTableText::SaveFile(path, CsvText(), reason);
}

void KtListViewTools::ExportCsv()
{
    QWidget *window = list_->window();
    const QString path = QFileDialog::getSaveFileName(window, QStringLiteral("Export CSV"), QString(),
                                                      QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    QString reason;
    if (!ExportCsvTo(path, &reason))
        KtMessageBox::Error(window, QStringLiteral("The rows were not written to %1: %2").arg(path, reason));
}

// ---- the binding's walk ----------------------------------------------------------

QString KtListViewTools::RowKey(const QTreeWidgetItem *item) const
{
    QStringList cells;
    if (keyColumns_.isEmpty())
        for (int column = 0; column < list_->columnCount(); ++column)
            cells << CellValue(item, column);
    for (int column : keyColumns_)
        cells << CellValue(item, column);
    return cells.join(QChar(0x1f));
}

void KtListViewTools::BeginRefresh(const QList<int> &keyColumns)
{
    ++refreshes_;
    keyColumns_ = keyColumns;
    const QList<QTreeWidgetItem *> selected = list_->selectedItems();
    selectedKey_ = selected.isEmpty() ? QString() : RowKey(selected.first());
    nextOrder_ = 0;
}

void KtListViewTools::RowsAppended(int first)
{
    for (int row = first; row < list_->topLevelItemCount(); ++row)
        list_->topLevelItem(row)->setData(0, kAgentOrderRole, nextOrder_++);
    if (!filter_.isEmpty())
        ApplyFilter(first);
}

// The row selected before the walk is selected again once the window's own
// code after the read (which may clear its editors) has run: the selection
// then fills the editors from the row as a click would.
void KtListViewTools::EndRefresh()
{
    ApplySort();
    UpdateCount();
    if (selectedKey_.isEmpty())
        return;
    QTimer::singleShot(0, this, [this, key = std::exchange(selectedKey_, {}), refresh = refreshes_] {
        SelectRowWithKey(key, refresh);
    });
}

void KtListViewTools::SelectRowWithKey(const QString &key, quint64 refresh)
{
    // A newer walk, or a row the user picked meanwhile, wins.
    if (refresh != refreshes_ || !list_->selectedItems().isEmpty())
        return;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = list_->topLevelItem(row);
        if (RowKey(item) == key) {
            list_->setCurrentItem(item);
            list_->scrollToItem(item);
            return;
        }
    }
}

// ---- events ----------------------------------------------------------------------

bool KtListViewTools::eventFilter(QObject *watched, QEvent *event)
{
    // Compared by address only: the list may be half destroyed by now.
    if (watched == viewport_ && event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        return ShowCellTip(help->pos(), help->globalPos());
    }
    // The list view would copy its current cell itself, and a shortcut only
    // fires in the active window: the keys are taken here first.
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy)) {
            CopySelectedRows();
            return true;
        }
        if (key->matches(QKeySequence::Find)) {
            ShowFilter();
            return true;
        }
    }
    if (watched == filterBox_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        SetFilterText(QString());
        filterBar_->hide();
        list_->setFocus();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// A cell cut by its column's width shows its whole text; a cell with a tip
// of its own (a port list's hexadecimal value) shows that too.
bool KtListViewTools::ShowCellTip(const QPoint &position, const QPoint &globalPosition)
{
    const QModelIndex index = list_->indexAt(position);
    const QTreeWidgetItem *item = list_->itemAt(position);
    if (!index.isValid() || !item) {
        QToolTip::hideText();
        return true;
    }
    const int column = index.column();
    const QString text = item->text(column);
    const bool cut =
        list_->fontMetrics().horizontalAdvance(text) + kCellPadding > list_->visualRect(index).width();
    QStringList tip;
    if (cut)
        tip << text;
    if (!item->toolTip(column).isEmpty())
        tip << item->toolTip(column);
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPosition, tip.join(QLatin1Char('\n')), list_->viewport(),
                           list_->visualRect(index));
    return true;
}
