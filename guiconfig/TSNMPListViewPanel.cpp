#include "TSNMPListViewPanel.h"
#include "KtBusyWait.h"

#include "KtException.h"
#include "KtMessageBox.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <memory>

namespace {

constexpr int kWaitForReadMs = 1000;
constexpr int kEditValueWidth = 200;

} // namespace

TSNMPListViewPanel::TSNMPListViewPanel(QWidget *parent, KtSNMPRequest2Edits *binding)
    : TSNMPEditorPanel(parent, binding), ListViewPanel(new TListViewPanel(ClientPanel, binding))
{
    QTreeWidget *list = ListViewPanel->ListView;
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        // Only a table that offers editing opens the edit dialog.
        if (item && item->isSelected() && !BtnPanel->EditBtn->isHidden() && BtnPanel->EditBtn->isEnabled())
            BtnPanel->EditBtn->click();
    });
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateRowButtons(); });
    QAbstractItemModel *model = list->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { UpdateCount(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { UpdateCount(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { UpdateCount(); });
    list->viewport()->setMouseTracking(true);
    list->viewport()->installEventFilter(this);

    BtnPanel->OnRefreshClick = [this](QPushButton *) { RefreshClick(); };
    BtnPanel->OnEditClick = [this](QPushButton *sender) { EditClick(sender); };
    BtnPanel->OnAddClick = [this](QPushButton *sender) { AddClick(sender); };
    BtnPanel->OnDeleteClick = [this](QPushButton *) { DeleteClick(); };

    ListViewPanel->ArrangeCtrlBtn(BtnPanel);
    if (!EditsPanel->HasWriteRow()) {
        BtnPanel->EditBtn->hide();
        BtnPanel->ArrangeButtons();
    }
    SetContent(ListViewPanel);
    BeforeAdd = [](TSNMPListViewPanel *panel, QObject *) { panel->EditsPanel->ClearRows(); };
}

TSNMPListViewPanel::~TSNMPListViewPanel()
{
    // The list view outlives this part of the object while the children are
    // destroyed; its signals must not reach the panel any more.
    QTreeWidget *list = ListViewPanel->ListView;
    list->viewport()->removeEventFilter(this);
    disconnect(list, nullptr, this, nullptr);
    disconnect(list->model(), nullptr, this, nullptr);
}

// ---- configuration ---------------------------------------------------------------

void TSNMPListViewPanel::SetAddStatus(int index, const QString &value)
{
    const QComboBox *combo = EditsPanel->ComboBox(index);
    if (!combo || combo->findText(value) < 0)
        throw KtException(QStringLiteral("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:") + value,
                          -1);
    ListViewPanel->AddIndex = index;
    ListViewPanel->AddValue = value;
    BtnPanel->AddBtn->show();
    BtnPanel->ArrangeButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(int index, const QString &value)
{
    const QComboBox *combo = EditsPanel->ComboBox(index);
    if (!combo || combo->findText(value) < 0)
        throw KtException(
            QStringLiteral("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:") + value, -1);
    ListViewPanel->DeleteIndex = index;
    ListViewPanel->DeleteValue = value;
    BtnPanel->DeleteBtn->show();
    BtnPanel->DeleteBtn->setEnabled(!ListViewPanel->ListView->selectedItems().isEmpty());
    BtnPanel->ArrangeButtons();
}

// ---- list events --------------------------------------------------------------------

void TSNMPListViewPanel::UpdateRowButtons()
{
    const bool selected = !ListViewPanel->ListView->selectedItems().isEmpty();
    BtnPanel->EditBtn->setEnabled(selected);
    BtnPanel->DeleteBtn->setEnabled(selected);
}

void TSNMPListViewPanel::UpdateCount()
{
    BtnPanel->CountText->setText(QString::number(ListViewPanel->ListView->topLevelItemCount()));
}

QString TSNMPListViewPanel::RowHint(const QTreeWidgetItem *item) const
{
    if (!item)
        return {};
    const QTreeWidgetItem *header = ListViewPanel->ListView->headerItem();
    const int columns = ListViewPanel->ListView->columnCount();
    qsizetype longest = 0;
    for (int column = 0; column < columns; ++column)
        longest = std::max(longest, header->text(column).size());
    QString hint;
    for (int column = 0; column < columns; ++column) {
        const QString caption = header->text(column);
        hint += caption + QString(longest - caption.size(), QLatin1Char('\t')) + QStringLiteral("  ") +
                item->text(column) + QLatin1Char('\n');
    }
    return hint;
}

void TSNMPListViewPanel::UpdateHint(const QPoint &position)
{
    QTreeWidget *list = ListViewPanel->ListView;
    const QTreeWidgetItem *item = list->itemAt(position);
    list->viewport()->setToolTip(RowHint(item));
}

bool TSNMPListViewPanel::eventFilter(QObject *watched, QEvent *event)
{
    QTreeWidget *list = ListViewPanel->ListView;
    if (watched != list->viewport())
        return TSNMPEditorPanel::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        UpdateHint(static_cast<QMouseEvent *>(event)->position().toPoint());
        break;
    case QEvent::MouseButtonRelease:
        // A click beside the rows leaves nothing selected: the editor rows
        // forget the last row.
        UpdateRowButtons();
        if (list->selectedItems().isEmpty())
            EditsPanel->ClearRows();
        break;
    case QEvent::ToolTip: {
        const auto *help = static_cast<QHelpEvent *>(event);
        UpdateHint(help->pos());
        const QString hint = list->viewport()->toolTip();
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint.trimmed(), list->viewport());
        return true;
    }
    default:
        break;
    }
    return TSNMPEditorPanel::eventFilter(watched, event);
}

// ---- buttons ---------------------------------------------------------------------------

void TSNMPListViewPanel::RefreshClick()
{
    if (EditCtrl->Asynchronous && EditCtrl->Busy)
        return; // the running read shows the rows
    BtnPanel->EditBtn->setEnabled(false);
    BtnPanel->DeleteBtn->setEnabled(false);
    GetWithStatus();
}

void TSNMPListViewPanel::AddClick(QObject *sender)
{
    if (BeforeAdd)
        BeforeAdd(this, sender);
    AddRowDialog();
    if (AfterAdd)
        AfterAdd(this, sender);
}

void TSNMPListViewPanel::EditClick(QObject *sender)
{
    if (BeforeEdit)
        BeforeEdit(this, sender);
    EditRowDialog();
    if (AfterEdit)
        AfterEdit(this, sender);
}

void TSNMPListViewPanel::DeleteClick()
{
    if (ListViewPanel->DeleteIndex < 0 || ListViewPanel->ListView->selectedItems().isEmpty())
        return;
    if (!KtMessageBox::Ask(window(), QStringLiteral("Are you sure to delete?")))
        return;
    KtSNMPVarList &vars = EditCtrl->Request.Vars;
    const bool asynchronous = EditCtrl->Asynchronous;
    EditCtrl->Asynchronous = false;
    std::vector<int> skipped;
    for (int i = std::max(vars.IndexCount, 0); i < vars.Count(); ++i) {
        if (i != ListViewPanel->DeleteIndex && !(vars.Get(i).Access & AccessSkip)) {
            vars.Get(i).Access |= AccessSkip;
            skipped.push_back(i);
        }
    }
    try {
        EditCtrl->OnCollect();
        vars.Get(ListViewPanel->DeleteIndex).Value = ListViewPanel->DeleteValue;
        EditCtrl->Set(false, false, QString(), nullptr);
    } catch (const KtException &error) {
        EditCtrl->ShowStatus(error.Message, KtSNMPRequest2Controls::OperationSet);
    } catch (const std::exception &error) {
        EditCtrl->ShowStatus(QString::fromUtf8(error.what()), KtSNMPRequest2Controls::OperationSet);
    }
    for (int i : skipped)
        vars.Get(i).Access &= ~AccessSkip;
    RefreshClick();
    EditCtrl->Asynchronous = asynchronous;
}

// ---- row dialogs ------------------------------------------------------------------------

QString TSNMPListViewPanel::DialogCaption() const
{
    QWidget *parent = parentWidget();
    if (parent && parent->isWindow())
        return parent->windowTitle();
    // A page of a tab control sits in the control's stacked widget.
    if (parent && qobject_cast<QStackedWidget *>(parent->parentWidget()))
        if (auto *tabs = qobject_cast<QTabWidget *>(parent->parentWidget()->parentWidget()))
            return tabs->tabText(tabs->indexOf(parent));
    return HostForm ? HostForm->windowTitle() : QString();
}

QDialog *TSNMPListViewPanel::CreateRowDialog(const QString &caption, TSNMPPanel *&panel)
{
    auto *dialog = new QDialog(window());
    dialog->setObjectName(QStringLiteral("RowDialog"));
    dialog->setWindowTitle(caption);
    dialog->setModal(true);
    EditCtrl->SetConstraintOwner(dialog);
    panel = new TSNMPPanel(dialog, MessagePanel(), EditCtrl);
    panel->BtnPanel->SetCheckedBtn->setProperty("Tag", 1);
    panel->BtnPanel->OnSetCheckedClick = [this](QPushButton *sender) { SetCheckedClick(sender); };
    panel->BtnPanel->OnCheckAllClick = [this](QPushButton *) { CheckAllClick(); };
    panel->BtnPanel->OnClearChecksClick = [this](QPushButton *) { ClearChecksClick(); };
    return dialog;
}

void TSNMPListViewPanel::ReturnRows(QDialog *dialog)
{
    EditsPanel->hide();
    if (BottomSplitter->indexOf(EditsPanel) < 0)
        BottomSplitter->insertWidget(0, EditsPanel);
    EditsPanel->hide();
    delete dialog;
    EditCtrl->SetConstraintOwner(HostForm ? HostForm.data() : window());
}

void TSNMPListViewPanel::AddRowDialog()
{
    TSNMPPanel *panel = nullptr;
    QDialog *dialog = CreateRowDialog(DialogCaption() + QStringLiteral(" (Add)"), panel);
    try {
        const KtSNMPVarList &vars = EditCtrl->Request.Vars;
        // The user must fill the index of the new row.
        for (int i = 0; i < vars.IndexCount && i < EditsPanel->RowCount(); ++i) {
            EditsPanel->EnableRow(i);
            QCheckBox *box = EditsPanel->Rows[size_t(i)].CheckBox;
            box->setChecked(true);
            box->show();
            box->setEnabled(false);
        }
        const int addIndex = ListViewPanel->AddIndex;
        if (addIndex >= 0 && addIndex < EditsPanel->RowCount()) {
            TEditsPanel::EditRow &row = EditsPanel->Rows[size_t(addIndex)];
            if (QComboBox *combo = EditsPanel->ComboBox(addIndex))
                combo->setCurrentIndex(combo->findText(ListViewPanel->AddValue));
            if (row.ValueControl)
                row.ValueControl->setEnabled(false);
            row.CheckBox->setChecked(true);
            row.CheckBox->setEnabled(false);
        }
        EditsPanel->ArrangeCtrlBtn(panel->BtnPanel);
        panel->BtnPanel->RefreshBtn->hide();
        panel->BtnPanel->ArrangeButtons();
        EditsPanel->LayoutRows(true);
        panel->SetContent(EditsPanel);
        panel->FitForm(dialog);
        ListViewPanel->ListView->clearSelection();
        BtnPanel->EditBtn->setEnabled(false);
        BtnPanel->DeleteBtn->setEnabled(false);
    } catch (...) {
        ReturnRows(dialog);
        throw;
    }
    dialog->exec();
    ReturnRows(dialog);
    RefreshClick();
}

void TSNMPListViewPanel::EditRowDialog()
{
    if (EditCtrl->Asynchronous) {
        // A running read may still be filling the list; give it a second.
        EditCtrl->Request.Enabled = false;
        KtBusyWait::WhileBusy(EditCtrl, KtBusyWait::Input::Taken, {}, kWaitForReadMs);
        EditCtrl->Request.Enabled = true;
    }
    TSNMPPanel *panel = nullptr;
    QDialog *dialog = CreateRowDialog(HostForm ? HostForm->windowTitle() : DialogCaption(), panel);
    panel->BtnPanel->SetCheckedBtn->setEnabled(false);

    struct Removed
    {
        int Row;
        int Position;
        QString Label;
    };
    std::vector<Removed> removed;
    std::vector<int> hidden;
    try {
        EditsPanel->ResetRows(false);
        EditsPanel->ArrangeCtrlBtn(panel->BtnPanel);
        EditsPanel->LayoutRows(true);
        panel->BtnPanel->RefreshBtn->hide();
        panel->BtnPanel->ArrangeButtons();
        EditsPanel->SetValueWidth(kEditValueWidth);
        panel->SetContent(EditsPanel);
        panel->FitForm(dialog);
        // An existing row can take any status but the creating and the
        // deleting one.
        const std::pair<int, QString> offered[] = {{ListViewPanel->AddIndex, ListViewPanel->AddValue},
                                                   {ListViewPanel->DeleteIndex, ListViewPanel->DeleteValue}};
        for (const auto &[index, label] : offered) {
            QComboBox *combo = index >= 0 ? EditsPanel->ComboBox(index) : nullptr;
            if (!combo)
                continue;
            const int position = combo->findText(label);
            if (position >= 0) {
                combo->removeItem(position);
                removed.push_back({index, position, label});
            }
            if (combo->count() == 0 && !EditsPanel->IsHiddenRow(index)) {
                EditsPanel->HideRow(index);
                hidden.push_back(index);
            }
        }
        if (!hidden.empty())
            EditsPanel->LayoutRows(false);
    } catch (...) {
        ReturnRows(dialog);
        throw;
    }
    dialog->exec();
    for (int index : hidden)
        EditsPanel->ShowRow(index);
    // Put the labels back where they were taken from, last removed first, so
    // that the items equal the option labels in order again.
    for (auto it = removed.rbegin(); it != removed.rend(); ++it) {
        if (QComboBox *combo = EditsPanel->ComboBox(it->Row)) {
            // An emptied combo box would select the first label put back.
            const bool noSelection = combo->currentIndex() < 0;
            combo->insertItem(it->Position, it->Label);
            if (noSelection)
                combo->setCurrentIndex(-1);
        }
    }
    ReturnRows(dialog);
    RefreshClick();
}
