#pragma once

#include "TBridgeInfoForm.h"

// Per VLAN, each VLAN's ports that forward unregistered groups: every such port, the static ones and the
// forbidden ones, on unit/port grids. Set writes the static and forbidden ports of the selected VLAN.
class TForwardUnregisteredInformationForm : public TBridgeInfoForm
{
public:
    explicit TForwardUnregisteredInformationForm(QWidget *owner = nullptr);

    void RefreshBtnClick();
    void SetBtnClick();

    QTreeWidget *LV_dot1qForwardUnregisteredEntry;
    QTabWidget *PortPageControl;
    TStackingPortUitForm *AllGrid;
    TStackingPortUitForm *StaticGrid;
    TStackingPortUitForm *ForbiddenGrid;

    KtSNMPRequest2Edits *TableBinding;
};
