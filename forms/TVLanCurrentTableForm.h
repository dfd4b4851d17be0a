#pragma once

#include "KtDescriptorTable.h"
#include "TBindingForm.h"
#include "TRowCountLabel.h"

#include <memory>

class KtDeviceState;

class KtSNMPRequest2Edits;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// The current VLAN table, read only: each VLAN's current egress and
// untagged ports on unit/port grids, and the count of deleted VLANs.
class TVLanCurrentTableForm : public TBindingForm
{
public:
    explicit TVLanCurrentTableForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshBtnClick();
    // The Set button is not shown; it writes the selected row.
    void SetBtnClick();
    // Unchecks every box of both grids and empties the VLAN index.
    void ClearEditors();

    QTreeWidget *LV_dot1qVlanCurrentEntry;
    QLabel *StaticText1;
    QLabel *VlanNumDeletes;
    QTabWidget *PortPageControl;
    TStackingPortUitForm *EgressGrid;
    TStackingPortUitForm *UntaggedGrid;
    QPushButton *RefreshBtn;
    QPushButton *SetBtn;
    TRowCountLabel *ST_Count2;

    std::unique_ptr<KtSNMPRequest2Edits> &DeletesBinding = OwnedBinding();
    std::unique_ptr<KtSNMPRequest2Edits> &TableBinding = OwnedBinding();
};
