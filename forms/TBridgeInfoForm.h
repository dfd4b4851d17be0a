#pragma once

#include "TBindingForm.h"
#include "TRowCountLabel.h"

#include <functional>
#include <vector>

class KtDeviceState;

class KtSNMPRequest2Edits;
class KtSNMPVarList;
class QHBoxLayout;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QVBoxLayout;
class TStackingPortUitForm;

// What the bridge information windows share beyond TBindingForm: the status
// memo every binding reports into, the button row, the row count of a table
// window, unit/port grid pages and the ready flags of the windows that must
// not overlap their requests.
class TBridgeInfoForm : public TBindingForm
{
public:
    ~TBridgeInfoForm() override;

    // Application-wide ready flags of the GARP and port-capability windows:
    // a read clears RefreshIdle (a write both) and the end of the request,
    // good or bad, sets both again, so that requests never overlap.
    static bool RefreshIdle;
    static bool SetIdle;
    static void ResetReadyFlags();

    // Get on every binding, each in its own guarded block.
    void GetAll();
    // "Samples": the number of rows of the table's list view.
    void WriteRowCount();

    TRowCountLabel *ST_Count = nullptr;
    QPushButton *RefreshBtn;
    QPushButton *SetBtn = nullptr;

protected:
    TBridgeInfoForm(QWidget *owner, const QString &objectName, const QString &caption,
                    KtDeviceState *state = nullptr);

    // A binding of this window, its status target Memo1.
    KtSNMPRequest2Edits *AddBinding(const KtSNMPVarList &vars);
    // The list view of a table window with the "Samples" count beside the
    // buttons, rewritten on every change of its rows.
    QTreeWidget *AddListView(const QString &objectName);
    QPushButton *AddButton(const QString &objectName, const QString &text);
    // A page of `pages` holding a unit/port grid.
    TStackingPortUitForm *AddGridPage(QTabWidget *pages, const QString &title);
    // Selects the first row captioned `caption`; `passedOver` runs for every
    // row before it. False when there is none.
    static bool SelectRowByCaption(QTreeWidget *list, const QString &caption,
                                   const std::function<void()> &passedOver);
    static QString SelectedCaption(const QTreeWidget *list);
    // Set by the windows that hold the ready flags: closing frees them, so a
    // read cut short by the close cannot block every later one.
    bool FreesReadyFlagsOnClose = false;
    void Closing() override;

    QVBoxLayout *Content;
    QHBoxLayout *Buttons;
    QTreeWidget *ListView = nullptr;

private:
    std::vector<KtSNMPRequest2Edits *> added_;
};
