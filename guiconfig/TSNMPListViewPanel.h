#pragma once

#include "TSNMPEditorPanel.h"

#include <QString>
#include <functional>

class QDialog;
class QTreeWidgetItem;
class TListViewPanel;

// A table window: the rows in a list view, and modal dialogs that borrow the
// editor rows to edit the selected row or add a new one; Delete destroys the
// selected row through its row-status variable.
class TSNMPListViewPanel : public TSNMPEditorPanel
{
    Q_OBJECT
public:
    // Called with the panel and the clicked control.
    using Notification = std::function<void(TSNMPListViewPanel *panel, QObject *sender)>;

    TSNMPListViewPanel(QWidget *parent, KtSNMPRequest2Edits *binding);
    ~TSNMPListViewPanel() override;

    // The row-status variable and the label that creates (deletes) a row;
    // the label must be one of that row's combo-box items. Raise otherwise.
    void SetAddStatus(int index, const QString &value);
    void SetDeleteStatus(int index, const QString &value);

    void RefreshClick();
    void AddClick(QObject *sender);
    void EditClick(QObject *sender);
    void DeleteClick();
    void AddRowDialog();
    void EditRowDialog();

    // The tool tip of a row: one line per column, "caption<tabs>  text".
    QString RowHint(const QTreeWidgetItem *item) const;

    TListViewPanel *ListViewPanel;
    Notification BeforeAdd;
    Notification AfterAdd;
    Notification BeforeEdit;
    Notification AfterEdit;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A dialog with its own bar around the borrowed editor rows.
    QDialog *CreateRowDialog(const QString &caption, TSNMPPanel *&panel);
    // Puts the editor rows back into this panel (hidden) and frees the dialog.
    void ReturnRows(QDialog *dialog);
    QString DialogCaption() const;
    void UpdateRowButtons();
    void UpdateCount();
    void UpdateHint(const QPoint &position);
};
