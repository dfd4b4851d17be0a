#pragma once

#include "KtControlBinding.h"
#include "KtSNMPRequest2Controls.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <initializer_list>
#include <memory>
#include <vector>

class KtEditConstraint;
class KtOptionList;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// The binding almost every window uses: variables tied to edit boxes, labels,
// combo boxes, radio groups and check boxes, and optionally a list view that
// shows the rows of a table. After a get the values go into the controls (or
// the list view); before a set the controls' contents go back into the
// variables.
class KtSNMPRequest2Edits : public KtSNMPRequest2Controls
{
public:
    explicit KtSNMPRequest2Edits(QWidget *owner);
    ~KtSNMPRequest2Edits() override;

    void OnGetBegin() override;
    void OnRow() override;
    void OnCollect() override;
    void OnGetEnd() override;
    void OnGetError(const KtSNMPError &record) override;
    virtual void OnSelectItem(QTreeWidget *sender, QTreeWidgetItem *item, bool selected);

    // One directive ("%" and one of s h i u f n, with any "{...}" options
    // after it) per edit box; the edit boxes get the matching constraint.
    void BindEdit(int item, const QString &format, const QList<QLineEdit *> &boxes);
    void BindPartial(int item, int offset, int syntax, const KtOptionList *options, const QString &format,
                     const QList<QLineEdit *> &boxes);
    // One control, or a combo box and an edit box holding the rest of the
    // value. Raises -520 for a combo box or radio group without options and
    // -522 for prefix options without the second control.
    void BindControl(int item, int offset, int syntax, const KtOptionList *options, QWidget *control,
                     QWidget *second = nullptr);
    void BindStaticText(int item, QWidget *label);
    void BindWinControl(int item, QWidget *control);
    void BindComboBox(int item, QComboBox *combo);
    void BindOptionCombo(int item, int offset, int syntax, const KtOptionList *options, QComboBox *combo);
    // Bit numbers "0,9,..." counted from the most significant bit of octet 0,
    // one check box per number.
    void BindCheckBoxes(int item, const QString &bitNumbers, const QList<QCheckBox *> &boxes);
    void BindCheckBoxList(int item, const QString &bitNumbers, const QList<QCheckBox *> &boxes);
    // Removes every binding of a variable, its edit boxes from the constraint.
    void Unbind(int item);
    void SetConstraintOwner(QWidget *window);
    void EnableControls(bool enabled);

    // item -1: every binding / every variable.
    void ShowValues(int item);
    void CollectValues(int item);

    // The list-view half.
    void AttachListView(QTreeWidget *listView, bool autoDisable);
    void BuildColumns();
    void AddRow();
    // Marks a list cell the agent did not supply (shown empty).
    static constexpr int kMissingCellRole = Qt::UserRole + 7;
    void SelectedRowToValues();
    // The variable shown in each list-view column: hidden columns first.
    std::vector<int> ColumnVariables() const;
    QList<int> KeyColumns() const;
    bool IsPortList(int item) const;

    QTreeWidget *ListView = nullptr;
    std::vector<std::unique_ptr<KtControlBinding>> Bindings;
    std::unique_ptr<KtEditConstraint> Constraint;
    bool AutoDisable = true;

protected:
    void OnGetAborted() override;

private:
    void AddBinding(std::unique_ptr<KtControlBinding> binding);
    const KtOptionList *OptionsOf(const KtControlBinding &binding) const;
    bool IsWholeValue(const KtControlBinding &binding) const;
    void ShowBinding(const KtControlBinding &binding);
    void CollectVariable(int item);
    void CollectInto(KtSNMPVar &var, int item);
    void OnListSelectionChanged();
    void LetWindowRepaint();
    void PauseListPainting(bool paused);
    void QueueRow();
    QTreeWidgetItem *NewRow() const;
    void FlushQueuedRows();
    void DropQueuedRows();
    void EndListRefresh();

    QMetaObject::Connection selectionConnection_;
    QElapsedTimer sinceRepaint_;
    // Rows of a walk under way, added to the list view in batches.
    QList<QTreeWidgetItem *> queuedRows_;
    std::unique_ptr<QTimer> rowBatchTimer_;
    // Expires with the binding: code that runs window code in between checks it.
    std::shared_ptr<const bool> lifetime_ = std::make_shared<const bool>(true);
    // Per column, the row of the walk whose value has the most characters:
    // the one value measured when the columns are widened after the walk.
    struct LongestCell
    {
        qsizetype Length = -1;
        int Row = -1;
    };
    std::vector<LongestCell> longestCells_;
    void NoteLongestCells(const QStringList &cells, int row);
    void WidenColumnsToValues();
};
