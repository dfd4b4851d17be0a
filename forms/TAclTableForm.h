#pragma once

#include "TBindingForm.h"

#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class KtDeviceState;

class KtSNMPRequest2Edits;
class KtSNMPVarDef;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QWidget;
class TStackingPortUitForm;

// The common frame of the access-profile windows: one table bound to a list
// view and to the window's controls in blocking mode, a status bar with one
// panel, optionally a unit/port grid, and the per-click column selection
// (save the access bits, leave columns out of the write, put them back
// before the table is read again).
class TAclTableForm : public TBindingForm
{
public:
    explicit TAclTableForm(QWidget *owner, KtDeviceState *state);

    // Copies the access bits of every variable; RestoreColumnAccess puts
    // them all back, RestoreColumn one of them.
    void SaveColumnAccess();
    void RestoreColumnAccess();
    void RestoreColumn(int column);
    // Leaves one variable out of the operation under way.
    void ExcludeColumn(int column);
    void ExcludeColumns(int first, int last);
    bool IsExcluded(int column) const;

    // True when a list row's caption is `key` (and, with a second key, its
    // first sub-item is `second`).
    bool HasRow(const QString &key, const QString &second = QString()) const;
    bool AnyPortChecked() const;

    // A mask text is acceptable when it is empty, or has at most 32
    // characters all of which are hexadecimal digits.
    static bool HexMaskText(const QString &text);
    // A group of a payload mask or rule counts unless it is empty or 32 zeros.
    static bool GroupCounts(const QString &text);

    QTreeWidget *ListView1 = nullptr;
    QLabel *&StatusPanel = StatusPanel0;
    QWidget *StackingPortPanel = nullptr;
    TStackingPortUitForm *PortGrid = nullptr;
    std::unique_ptr<KtSNMPRequest2Edits> &Binding = OwnedBinding();

protected:
    // Builds the list view, the status bar and, with `withPortGrid`, the host
    // of the port grid; the subclass lays them out.
    void CreateFrame(bool withPortGrid);
    // Builds the port grid in StackingPortPanel; a failed read of the unit
    // list goes into the status panel.
    void BuildPortGrid();
    // Creates the blocking binding over a table and attaches the list view.
    void CreateBinding(const KtSNMPVarDef *table, int indexCount);

    // Reads the table; a failure goes into the status panel. False on
    // failure.
    bool ReadTable();
    // One write flow: `shape` leaves columns out (it runs after the access
    // bits are saved), then the controls are written, the access bits put
    // back and the table read again. Every outcome ends with Finish(); a
    // failed write re-reads the table only with `rereadOnFailure`. False
    // when the write or the read failed.
    bool WriteFlow(const std::function<void()> &shape, bool rereadOnFailure = false);
    void ShowError(const QString &message);

    // The idle and row states of the buttons, and the editors' reset.
    virtual void SetIdleState() = 0;
    virtual void SetRowState() = 0;
    virtual void ClearEditors() = 0;
    // What every request flow does last, after the idle state and the
    // editors' reset.
    virtual void AfterFlow() {}
    void Finish();

    // A closed window takes no more clicks.
    void Closing() override;

private:
    std::vector<int> saved_;
};
