#pragma once

#include "TBindingForm.h"
#include "TRowCountLabel.h"

#include <QList>
#include <functional>
#include <initializer_list>
#include <memory>

class KtAccessSnapshot;
class KtSNMPRequest2Edits;
class QHBoxLayout;
class QPushButton;
class QTreeWidget;
class QWidget;

// The frame of a window that shows one table in a list view and one row of
// it in editors: the Refresh/Edit/Add/Delete row with a label that counts the
// list's rows, the two states of the row (a row chosen: Edit and Delete; none:
// Add and the editors of the row's key) and the reset after every read.
class TListEditForm : public TBindingForm
{
public:
    // Edit and Delete with a selected row, Add and the key editors without.
    void SetRowState(bool row);
    // Empties the editors and shows the list's row count.
    void ClearEditors();

    // Reads the table, then goes back to no row chosen; a failure goes to
    // the status line.
    virtual void Refresh();
    virtual void EditRow() = 0;
    virtual void AddRow() = 0;
    virtual void DeleteRow() = 0;

    std::unique_ptr<KtSNMPRequest2Edits> &Binding = OwnedBinding();
    QPushButton *GetButton = nullptr;
    QPushButton *EditButton = nullptr;
    QPushButton *AddButton = nullptr;
    QPushButton *DeleteButton = nullptr;

protected:
    using TBindingForm::TBindingForm;

    // Builds GetButton, EditButton, AddButton and DeleteButton, each clicking
    // its handler above.
    void AddRowButtons();
    // Lays out the four buttons, then `extra`, a stretch and the count label
    // (built here under `countName`, showing "0"), which counts `list`.
    QHBoxLayout *RowButtonLayout(QTreeWidget *list, const QString &countName,
                                 std::initializer_list<QPushButton *> extra = {});

    // The window's own part of ClearEditors.
    virtual void ClearFields() = 0;
    // What enables or disables editors after every reset.
    virtual void ApplyEditorRules() {}

    // Writes with the columns `exclude` leaves out, then reads the table
    // again; a failure goes to the status line and keeps the row state when
    // `keepRowState`.
    void WriteAndRead(const std::function<void(KtAccessSnapshot &)> &exclude, bool keepRowState = false);

    TRowCountLabel *RowCountLabel = nullptr;
    // The editors of the row's key: open only while no row is chosen.
    QList<QWidget *> KeyEditors;

private:
    void Reset();
};
