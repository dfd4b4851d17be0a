#pragma once

#include "KtDescriptorTable.h"
#include "TBridgeInfoForm.h"

class KtDeviceState;

// The groups the bridge has learnt per VLAN, read only: each group's egress
// ports and the ports learnt through GMRP on unit/port grids.
class TTpGroupDestinationForwardedForm : public TBridgeInfoForm
{
public:
    explicit TTpGroupDestinationForwardedForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshBtnClick();

    QTreeWidget *LV_dot1qTpGroupEntry;
    QTabWidget *PortPageControl;
    TStackingPortUitForm *EgressGrid;
    TStackingPortUitForm *LearntGrid;

    KtSNMPRequest2Edits *TableBinding;
};
