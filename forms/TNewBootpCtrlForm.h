#pragma once

#include <QDialog>
#include <QPointer>

class QLineEdit;
class QPushButton;
class TBOOTCtrlTableForm;

// The dialog that adds a BOOTP relay server: an interface name and a server
// address. Its edit boxes are the index controls of the table window's
// binding, so selecting a row in the table fills them even while the dialog
// is hidden.
class TNewBootpCtrlForm : public QDialog
{
    Q_OBJECT
public:
    explicit TNewBootpCtrlForm(TBOOTCtrlTableForm *table);
    ~TNewBootpCtrlForm() override;

    // Writes the entry through the table window; on success empties both
    // boxes and closes.
    void SetEntry();

    // The dialog of the open table window, if one is open.
    static QPointer<TNewBootpCtrlForm> Current;

    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QPushButton *SetBtn = nullptr;
    QPushButton *CloseBtn = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    TBOOTCtrlTableForm *table_;
    bool activated_ = false;
};
