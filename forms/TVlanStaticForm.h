#pragma once

#include "KtDescriptorTable.h"
#include "TBindingForm.h"
#include "TRowCountLabel.h"

#include <memory>

class KtDeviceState;

class KtSNMPRequest2Edits;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// The static VLAN table: create, change and destroy 802.1Q VLANs with their
// egress, forbidden and untagged port sets, each edited on a unit/port grid.
class TVlanStaticForm : public TBindingForm
{
public:
    explicit TVlanStaticForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshBtnClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    // Unchecks every box of the three grids and empties the edit controls.
    void ClearEditors();

    QTreeWidget *LV_dot1qVlanStaticEntry;
    QLineEdit *ED_VLANID;
    QLineEdit *ED_VLANName;
    QComboBox *Status;
    QLabel *NextFreeLocalVlanIndex;
    QTabWidget *PortPageControl;
    TStackingPortUitForm *EgressGrid;
    TStackingPortUitForm *ForbiddenGrid;
    TStackingPortUitForm *UntaggedGrid;
    QPushButton *RefreshBtn;
    QPushButton *SetBtn;
    QPushButton *AddBtn;
    QPushButton *DeleteBtn;
    TRowCountLabel *ST_Count2;

    std::unique_ptr<KtSNMPRequest2Edits> &TableBinding = OwnedBinding();
    std::unique_ptr<KtSNMPRequest2Edits> &NextIndexBinding = OwnedBinding();

    // Items of the Status combo box that Add and Delete select.
    static constexpr int CreateAndGoItem = 3;
    static constexpr int DestroyItem = 5;

private:
    void SelectionChanged();
    void SetWithStatus(int statusItem);
};
