#include "KtSNMPRequest2Edits.h"
#include "KtMessageBox.h"

#include "KtCatalogue.h"
#include "KtControlForms.h"
#include "KtEditConstraint.h"
#include "KtErrorCode.h"
#include "KtListViewTools.h"
#include "KtNumList.h"
#include "KtOptionControls.h"
#include "KtOptionList.h"
#include "KtPortListText.h"
#include "KtValueImage.h"

#include <algorithm>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <exception>

namespace {

constexpr int kNoOptions = -520;
constexpr int kTooFewControls = -522;
constexpr qint64 kRepaintEveryMs = 40;
// Rows that a walk delivers are added to the list view in batches, the
// first 50 ms after the row that opens it, however fast or slow rows come.
// Laying out the list view after a batch takes time in proportion to all its
// rows, so batches come further apart as the list grows: at least four times
// the last layout's time, which keeps layout to a fifth of the walk.
constexpr int kRowBatchEveryMs = 50;
constexpr int kRowBatchAtMostMs = 1000;
constexpr int kRowBatchPerLayoutTime = 4;

// The directives of a format, each with its "{...}" options: "%i{n1x9}.%i"
// gives "%i{n1x9}" and "%i". "%%" and a trailing "%" are no directives.
QStringList Directives(const QString &format)
{
    QStringList directives;
    for (qsizetype at = 0; at < format.size(); ++at) {
        if (format.at(at) != QLatin1Char('%') || at + 1 >= format.size())
            continue;
        const QChar kind = format.at(at + 1);
        if (!QStringLiteral("shiufn").contains(kind))
            continue;
        qsizetype end = at + 2;
        if (kind == QLatin1Char('n') && end < format.size() && format.at(end) != QLatin1Char('{'))
            ++end; // the delimiter of a number list
        if (end < format.size() && format.at(end) == QLatin1Char('{')) {
            const qsizetype close = format.indexOf(QLatin1Char('}'), end);
            end = close < 0 ? format.size() : close + 1;
        }
        directives << format.mid(at, end - at);
        at = end - 1;
    }
    return directives;
}

// The edit boxes' input checks run when the focus leaves a box; a box that
// never had the focus (or a value the program put there) is checked here,
// before anything is written.
void RefuseInvalidInput(const KtEditConstraint &constraint, const KtControlBinding &binding)
{
    for (const QPointer<QWidget> &control : binding.Controls)
        if (auto *box = qobject_cast<QLineEdit *>(control.data()))
            if (const QString problem = constraint.Problem(box); !problem.isEmpty())
                throw KtValueError(problem);
}

} // namespace

KtSNMPRequest2Edits::KtSNMPRequest2Edits(QWidget *owner)
    : KtSNMPRequest2Controls(owner), Constraint(std::make_unique<KtEditConstraint>(owner, true)),
      rowBatchTimer_(std::make_unique<QTimer>())
{
    rowBatchTimer_->setInterval(kRowBatchEveryMs);
    QObject::connect(rowBatchTimer_.get(), &QTimer::timeout, [this] { FlushQueuedRows(); });
}

KtSNMPRequest2Edits::~KtSNMPRequest2Edits()
{
    rowBatchTimer_.reset();
    DropQueuedRows();
    QObject::disconnect(selectionConnection_);
    Bindings.clear();
    Constraint.reset();
}

// ---- binding ------------------------------------------------------------------

void KtSNMPRequest2Edits::AddBinding(std::unique_ptr<KtControlBinding> binding)
{
    Bindings.push_back(std::move(binding));
}

bool KtSNMPRequest2Edits::IsWholeValue(const KtControlBinding &binding) const
{
    return binding.Offset == 0 && binding.Syntax == Request.Vars.Get(binding.Item).Syntax;
}

const KtOptionList *KtSNMPRequest2Edits::OptionsOf(const KtControlBinding &binding) const
{
    if (binding.Options || !IsWholeValue(binding))
        return binding.Options;
    return Request.Vars.Get(binding.Item).Options;
}

void KtSNMPRequest2Edits::BindPartial(int item, int offset, int syntax, const KtOptionList *options,
                                      const QString &format, const QList<QLineEdit *> &boxes)
{
    const QStringList directives = Directives(format);
    QList<QLineEdit *> used;
    for (qsizetype i = 0; i < directives.size() && i < boxes.size(); ++i) {
        Constraint->AttachOne(directives[i], boxes[i]);
        used << boxes[i];
    }
    auto binding = std::make_unique<KtControlBinding>();
    binding->Item = item;
    binding->Offset = offset;
    binding->Syntax = syntax;
    binding->Options = options;
    for (QLineEdit *box : used)
        binding->Controls << box;
    AddBinding(std::move(binding));
}

void KtSNMPRequest2Edits::BindEdit(int item, const QString &format, const QList<QLineEdit *> &boxes)
{
    BindPartial(item, 0, Request.Vars.Get(item).Syntax, nullptr, format, boxes);
}

void KtSNMPRequest2Edits::BindControl(int item, int offset, int syntax, const KtOptionList *options,
                                      QWidget *control, QWidget *second)
{
    const KtSNMPVar &var = Request.Vars.Get(item);
    if (!options && offset == 0 && syntax == var.Syntax)
        options = var.Options;
    auto *combo = qobject_cast<QComboBox *>(control);
    auto *radioGroup = qobject_cast<QGroupBox *>(control);
    if ((combo || radioGroup) && !options)
        KtRaise(kNoOptions);
    if (combo) {
        if (options->Kind() == OptionPrefix && !second)
            KtRaise(kTooFewControls);
        KtOptionControls::FillItems(*options, combo);
    } else if (radioGroup) {
        KtOptionControls::FillItems(*options, radioGroup);
    }
    auto binding = std::make_unique<KtControlBinding>();
    binding->Item = item;
    binding->Offset = offset;
    binding->Syntax = syntax;
    binding->Options = options;
    binding->Controls << control;
    if (second)
        binding->Controls << second;
    AddBinding(std::move(binding));
}

void KtSNMPRequest2Edits::BindStaticText(int item, QWidget *label)
{
    BindControl(item, 0, Request.Vars.Get(item).Syntax, nullptr, label);
}

void KtSNMPRequest2Edits::BindWinControl(int item, QWidget *control)
{
    BindControl(item, 0, Request.Vars.Get(item).Syntax, nullptr, control);
}

void KtSNMPRequest2Edits::BindComboBox(int item, QComboBox *combo)
{
    combo->setEditable(false);
    BindControl(item, 0, Request.Vars.Get(item).Syntax, nullptr, combo);
}

void KtSNMPRequest2Edits::BindOptionCombo(int item, int offset, int syntax, const KtOptionList *options,
                                          QComboBox *combo)
{
    combo->setEditable(false);
    BindControl(item, offset, syntax, options, combo);
}

void KtSNMPRequest2Edits::BindCheckBoxes(int item, const QString &bitNumbers, const QList<QCheckBox *> &boxes)
{
    KtNumList<int> numbers;
    numbers.Delimiter = ',';
    numbers.Parse(bitNumbers);
    auto binding = std::make_unique<KtControlBinding>();
    binding->Item = item;
    binding->Syntax = Request.Vars.Get(item).Syntax;
    for (int i = 0; i < numbers.Count() && i < boxes.size(); ++i) {
        binding->BitNumbers << numbers.Get(i);
        binding->Controls << boxes[i];
    }
    AddBinding(std::move(binding));
}

void KtSNMPRequest2Edits::BindCheckBoxList(int item, const QString &bitNumbers,
                                           const QList<QCheckBox *> &boxes)
{
    BindCheckBoxes(item, bitNumbers, boxes);
}

void KtSNMPRequest2Edits::Unbind(int item)
{
    for (auto it = Bindings.begin(); it != Bindings.end();) {
        if ((*it)->Item != item) {
            ++it;
            continue;
        }
        for (const QPointer<QWidget> &control : (*it)->Controls)
            if (auto *box = qobject_cast<QLineEdit *>(control.data()))
                Constraint->Detach(box);
        it = Bindings.erase(it);
    }
}

void KtSNMPRequest2Edits::SetConstraintOwner(QWidget *window)
{
    Constraint->SetWindow(window);
}

void KtSNMPRequest2Edits::EnableControls(bool enabled)
{
    for (const auto &binding : Bindings)
        for (const QPointer<QWidget> &control : binding->Controls)
            if (control)
                control->setEnabled(enabled);
}

// ---- showing and collecting ------------------------------------------------------

void KtSNMPRequest2Edits::ShowBinding(const KtControlBinding &binding)
{
    const KtSNMPVar &var = Request.Vars.Get(binding.Item);
    QString text = var.Options ? var.Options->NameToValue(var.Value) : var.Value;
    QByteArray image = ImageOfShownValue(text, var.Syntax);
    const KtOptionList *options = OptionsOf(binding);
    if (!IsWholeValue(binding)) {
        image = ExtractPart(image, binding.Offset, binding.Syntax);
        text = DecodeValue(image, binding.Syntax);
    }
    if (options)
        text = options->ValueToName(text);
    KtControlForms::Show(binding, text, image);
    // What a box shows now is what a rejected entry brings back: never the
    // text of a row shown before.
    for (const QPointer<QWidget> &control : binding.Controls)
        if (auto *box = qobject_cast<QLineEdit *>(control.data()))
            Constraint->SaveText(box);
}

// Every binding is shown, also after one of them failed: a control left out
// would keep the value of the row shown before, and a write would send it
// for this one. The first failure is raised afterwards.
void KtSNMPRequest2Edits::ShowValues(int item)
{
    std::exception_ptr firstFailure;
    for (const auto &binding : Bindings) {
        if (item >= 0 && binding->Item != item)
            continue;
        if (Request.Vars.Get(binding->Item).Access & AccessSkip)
            continue;
        try {
            ShowBinding(*binding);
        } catch (const KtException &) {
            if (!firstFailure)
                firstFailure = std::current_exception();
        }
    }
    if (firstFailure)
        std::rethrow_exception(firstFailure);
}

// A text that is no value of its field names the field: with several
// fields in a window, the user sees which one to correct.
void KtSNMPRequest2Edits::CollectVariable(int item)
{
    KtSNMPVar &var = Request.Vars.Get(item);
    try {
        CollectInto(var, item);
    } catch (const KtValueError &error) {
        throw error.ForField(var.Name);
    }
}

// A whole-value binding gives the whole value: what its controls hold
// replaces the value, never lies over the rest of a longer one read
// before. Parts (and check-box groups, which hold the bits of their boxes
// only) are written into the value read.
void KtSNMPRequest2Edits::CollectInto(KtSNMPVar &var, int item)
{
    const QString valueText = var.Options ? var.Options->NameToValue(var.Value) : var.Value;
    QByteArray image = ImageOfShownValue(valueText, var.Syntax);
    const bool isIndex = Request.Vars.IsTable() && item < Request.Vars.IndexCount;
    bool bound = false;
    // An empty octet string typed is a value: its empty image must not
    // become "(NULL)", which sends no value at all.
    bool emptyValueTyped = false;
    for (const auto &binding : Bindings) {
        if (binding->Item != item)
            continue;
        bound = true;
        RefuseInvalidInput(*Constraint, *binding);
        const KtOptionList *options = OptionsOf(*binding);
        QByteArray part;
        const QString partText = KtControlForms::Collect(*binding, &part);
        // An index nobody filled in (or one the agent did not give) would
        // address row 0, a row nobody chose.
        if (isIndex && !binding->IsCheckBoxGroup() &&
            (partText.trimmed().isEmpty() || partText == QLatin1String("(NULL)")))
            throw KtValueError(CommonErr.Text(3));
        if (binding->IsCheckBoxGroup()) {
            image = PatchPart(image, binding->Offset, part);
            continue;
        }
        const QString valueText = options ? options->NameToValue(partText) : partText;
        part = EncodeValue(valueText, binding->Syntax);
        image = IsWholeValue(*binding) ? part : PatchPart(image, binding->Offset, part);
        emptyValueTyped = IsWholeValue(*binding) && part.isEmpty() && valueText != QLatin1String("(NULL)");
    }
    if (!bound)
        return;
    QString text = image.isEmpty() && emptyValueTyped ? QString() : DecodeValue(image, var.Syntax);
    var.Value = var.Options ? var.Options->ValueToName(text) : text;
}

void KtSNMPRequest2Edits::CollectValues(int item)
{
    for (int i = 0; i < Request.Vars.Count(); ++i) {
        if ((item >= 0 && i != item) || !Request.Vars.IsWritable(i))
            continue;
        CollectVariable(i);
    }
}

// ---- the operations of a get and a set ---------------------------------------------

void KtSNMPRequest2Edits::OnGetBegin()
{
    if (!ListView)
        return;
    BuildColumns();
    DropQueuedRows();
    rowBatchTimer_->setInterval(kRowBatchEveryMs);
    KtListViewTools::Attach(ListView)->BeginRefresh(KeyColumns());
    ListView->clear();
    longestCells_.assign(size_t(ListView->columnCount()), LongestCell{});
    // An asynchronous walk returns to the event loop between responses, so
    // the list view paints as its batches come; a blocking one paints only
    // when LetWindowRepaint lets it.
    PauseListPainting(!Asynchronous);
    sinceRepaint_.start();
}

// While a walk fills the list view it is painted a few times a second, not
// after every row: a repaint per row would cost more than the walk itself.
void KtSNMPRequest2Edits::PauseListPainting(bool paused)
{
    if (ListView)
        ListView->setUpdatesEnabled(!paused);
}

void KtSNMPRequest2Edits::OnGetError(const KtSNMPError &record)
{
    FlushQueuedRows();
    PauseListPainting(false);
    WidenColumnsToValues();
    EndListRefresh();
    KtSNMPRequest2Controls::OnGetError(record);
}

void KtSNMPRequest2Edits::OnGetAborted()
{
    FlushQueuedRows();
    PauseListPainting(false);
    EndListRefresh();
}

void KtSNMPRequest2Edits::EndListRefresh()
{
    if (ListView)
        KtListViewTools::Attach(ListView)->EndRefresh();
}

void KtSNMPRequest2Edits::OnRow()
{
    if (!ListView) {
        ShowValues(-1);
        return;
    }
    QueueRow();
    if (!Asynchronous)
        LetWindowRepaint();
}

// Lets the window repaint now and then during a long walk, without paying
// for a full round of window messages after every row. Clicks and keys wait
// until the walk is over: a click on Close would free this binding while the
// walk is still inside it.
void KtSNMPRequest2Edits::LetWindowRepaint()
{
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintEveryMs)
        return;
    FlushQueuedRows();
    PauseListPainting(false);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    PauseListPainting(true);
    sinceRepaint_.start();
}

void KtSNMPRequest2Edits::OnCollect()
{
    for (int i = 0; i < Request.Vars.Count(); ++i)
        Request.Vars.Get(i).Value.clear();
    if (ListView)
        SelectedRowToValues();
    CollectValues(-1);
}

void KtSNMPRequest2Edits::OnGetEnd()
{
    FlushQueuedRows();
    PauseListPainting(false);
    WidenColumnsToValues();
    EndListRefresh();
    if (ListView && AutoDisable && Request.Vars.Kind == ListTable)
        EnableControls(false);
}

// ---- the list view ----------------------------------------------------------------

void KtSNMPRequest2Edits::AttachListView(QTreeWidget *listView, bool autoDisable)
{
    QObject::disconnect(selectionConnection_);
    ListView = listView;
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView->setSelectionMode(QAbstractItemView::SingleSelection);
    listView->setRootIsDecorated(false);
    listView->setItemsExpandable(false);
    listView->setUniformRowHeights(true);
    listView->setAllColumnsShowFocus(true);
    // Connected after the window's own handlers, so those run first.
    selectionConnection_ = QObject::connect(listView, &QTreeWidget::itemSelectionChanged, listView,
                                            [this] { OnListSelectionChanged(); });
    AutoDisable = autoDisable;
    BuildColumns();
    KtListViewTools::Attach(listView);
}

void KtSNMPRequest2Edits::OnListSelectionChanged()
{
    const QList<QTreeWidgetItem *> selected = ListView->selectedItems();
    try {
        OnSelectItem(ListView, selected.value(0), !selected.isEmpty());
    } catch (const KtException &error) {
        KtMessageBox::Error(Owner, error.Message);
    }
}

// The columns follow the variables' designed access. The skip mark that a
// write sets for a moment leaves them where they are: otherwise the cells of
// the selected row would be copied into the wrong variables during exactly
// the write that relies on them.
std::vector<int> KtSNMPRequest2Edits::ColumnVariables() const
{
    std::vector<int> hidden;
    std::vector<int> visible;
    for (int i = 0; i < Request.Vars.Count(); ++i) {
        const int access = Request.Vars.Get(i).Access & ~AccessSkip;
        if (access == AccessWrite || (access & AccessHide))
            hidden.push_back(i);
        else if (access & (AccessIndex | AccessShow | AccessRead))
            visible.push_back(i);
    }
    hidden.insert(hidden.end(), visible.begin(), visible.end());
    return hidden;
}

// The columns of the index variables: they tell rows apart.
QList<int> KtSNMPRequest2Edits::KeyColumns() const
{
    QList<int> keys;
    const std::vector<int> columns = ColumnVariables();
    for (int column = 0; column < int(columns.size()); ++column)
        if (Request.Vars.Get(columns[size_t(column)]).Access & AccessIndex)
            keys << column;
    return keys;
}

// A variable bound to a whole unit/port grid holds a port list.
bool KtSNMPRequest2Edits::IsPortList(int item) const
{
    constexpr int gridBits = KtPortListText::UnitPages * KtPortListText::PortsPerUnit;
    return std::any_of(Bindings.begin(), Bindings.end(),
                       [&](const std::unique_ptr<KtControlBinding> &binding) {
                           const QList<int> &bits = binding->BitNumbers;
                           if (binding->Item != item || bits.size() != gridBits)
                               return false;
                           for (int i = 0; i < gridBits; ++i)
                               if (bits[i] != i)
                                   return false;
                           return true;
                       });
}

void KtSNMPRequest2Edits::BuildColumns()
{
    if (!ListView)
        return;
    const std::vector<int> columns = ColumnVariables();
    // A fresh list view has one unnamed column; designed ones keep theirs.
    const bool designed =
        !(ListView->columnCount() == 1 && ListView->headerItem()->text(0) == QLatin1String("1"));
    if (designed && ListView->columnCount() >= int(columns.size()))
        return;
    ListView->clear();
    ListView->setColumnCount(int(columns.size()));
    QStringList captions;
    for (int i : columns)
        captions << Request.Vars.Get(i).Name;
    ListView->setHeaderLabels(captions);
    ListView->header()->setSectionResizeMode(QHeaderView::Interactive);
    ListView->header()->setStretchLastSection(false);
    const QFontMetrics metrics = ListView->header()->fontMetrics();
    for (int column = 0; column < int(columns.size()); ++column) {
        const int var = columns[size_t(column)];
        const int width =
            Request.Vars.IsHiddenColumn(var) ? 0 : metrics.horizontalAdvance(Request.Vars.Get(var).Name) + 16;
        ListView->setColumnWidth(column, width);
    }
}

void KtSNMPRequest2Edits::AddRow()
{
    if (!ListView)
        return;
    ListView->addTopLevelItem(NewRow());
}

// A list row of the variables' values. A cell the agent did not supply is
// empty and marked, so that the row gives it back as a missing value. A port
// list reads as unit:port ranges; its value stays with the cell and shows
// in the cell's tip.
QTreeWidgetItem *KtSNMPRequest2Edits::NewRow() const
{
    auto *row = new QTreeWidgetItem;
    int column = 0;
    for (int i : ColumnVariables()) {
        const QString &value = Request.Vars.Get(i).Value;
        if (KtIsMissingValue(value)) {
            row->setData(column, kMissingCellRole, true);
        } else if (IsPortList(i)) {
            row->setText(column, KtPortListText::FromHex(value));
            row->setData(column, KtListViewTools::AgentValueRole, value);
            row->setToolTip(column, value);
        } else {
            row->setText(column, value);
        }
        ++column;
    }
    return row;
}

// A row of a walk waits for the next batch: inserting rows one by one costs
// the list view (and whoever watches its model) one round of bookkeeping
// per row.
void KtSNMPRequest2Edits::QueueRow()
{
    QTreeWidgetItem *row = NewRow();
    QStringList cells;
    for (int column = 0; column < row->columnCount(); ++column)
        cells << row->text(column);
    NoteLongestCells(cells, ListView->topLevelItemCount() + int(queuedRows_.size()));
    // Spares the layout asking each row for children it never has.
    row->setFlags(row->flags() | Qt::ItemNeverHasChildren);
    queuedRows_.append(row);
    if (!rowBatchTimer_->isActive())
        rowBatchTimer_->start();
}

void KtSNMPRequest2Edits::FlushQueuedRows()
{
    rowBatchTimer_->stop();
    if (queuedRows_.isEmpty())
        return;
    if (!ListView) {
        DropQueuedRows();
        return;
    }
    QElapsedTimer layoutTime;
    layoutTime.start();
    // Window code that watches the list may close the window, and so free
    // this binding, while the rows go in.
    const std::weak_ptr<const bool> alive = lifetime_;
    const int first = ListView->topLevelItemCount();
    ListView->addTopLevelItems(std::exchange(queuedRows_, {}));
    if (alive.expired())
        return;
    KtListViewTools::Attach(ListView)->RowsAppended(first);
    ListView->doItemsLayout();
    rowBatchTimer_->setInterval(
        std::clamp(int(layoutTime.elapsed()) * kRowBatchPerLayoutTime, kRowBatchEveryMs, kRowBatchAtMostMs));
}

void KtSNMPRequest2Edits::NoteLongestCells(const QStringList &cells, int row)
{
    const size_t columns = std::min(size_t(cells.size()), longestCells_.size());
    for (size_t column = 0; column < columns; ++column) {
        LongestCell &longest = longestCells_[column];
        if (cells[qsizetype(column)].size() > longest.Length)
            longest = {cells[qsizetype(column)].size(), row};
    }
}

// After a read every shown column is at least as wide as the values it
// holds, so that MAC addresses, port lists and labels read whole. Only the
// longest value of each column is measured: measuring every row would cost
// a tenth of a 1,000-row walk. Columns only grow here (a designed or
// user-chosen width stays when it is wider), hidden columns stay hidden,
// and the user can still resize them. The limit holds a 91-octet port list
// in hexadecimal, the longest value a list shows as one word.
void KtSNMPRequest2Edits::WidenColumnsToValues()
{
    if (!ListView)
        return;
    const QHeaderView *header = ListView->header();
    const int limit = ListView->fontMetrics().horizontalAdvance(QString(192, QLatin1Char('0')));
    const QAbstractItemModel *rows = ListView->model();
    for (int column = 0; column < ListView->columnCount(); ++column) {
        const int current = ListView->columnWidth(column);
        if (current == 0 || header->isSectionHidden(column))
            continue;
        int wanted = header->sectionSizeHint(column);
        const LongestCell longest =
            size_t(column) < longestCells_.size() ? longestCells_[size_t(column)] : LongestCell{};
        if (longest.Row >= 0 && longest.Row < ListView->topLevelItemCount()) {
            const int indent = column == 0 && ListView->rootIsDecorated() ? ListView->indentation() : 0;
            wanted = std::max(wanted,
                              ListView->sizeHintForIndex(rows->index(longest.Row, column)).width() + indent);
        }
        wanted = std::min(wanted, limit);
        if (wanted > current)
            ListView->setColumnWidth(column, wanted);
    }
}

void KtSNMPRequest2Edits::DropQueuedRows()
{
    qDeleteAll(std::exchange(queuedRows_, {}));
}

void KtSNMPRequest2Edits::SelectedRowToValues()
{
    if (!ListView)
        return;
    const QList<QTreeWidgetItem *> selected = ListView->selectedItems();
    if (selected.isEmpty())
        return;
    const std::vector<int> columns = ColumnVariables();
    const QTreeWidgetItem *row = selected.first();
    for (int column = 0; column < int(columns.size()); ++column)
        Request.Vars.Get(columns[size_t(column)]).Value = row->data(column, kMissingCellRole).toBool()
                                                              ? QStringLiteral("(NULL)")
                                                              : KtListViewTools::CellValue(row, column);
}

void KtSNMPRequest2Edits::OnSelectItem(QTreeWidget *, QTreeWidgetItem *, bool selected)
{
    if (!selected)
        return;
    if (AutoDisable)
        EnableControls(true);
    SelectedRowToValues();
    ShowValues(-1);
}
