#pragma once

#include "TBridgeInfoForm.h"

class KtDeviceState;

struct KtSNMPVarDef;

// Per VLAN, the ports that forward a kind of multicast group: every such
// port, the static ones and the forbidden ones, on unit/port grids. Set
// writes the static and forbidden ports of the selected VLAN. The windows
// for all groups and for unregistered groups differ only in this design.
struct ForwardPortsDesign
{
    const KtSNMPVarDef *Table; // VLAN index, then the three port lists
    const char *ObjectName;
    const char *Caption;
    const char *ListViewName;
    const char *GridTitles[3]; // every, static, forbidden
    bool ClearGridsOnRefresh;  // no row is selected after a fresh read: the grids show nothing
};

class TForwardPortsForm : public TBridgeInfoForm
{
public:
    TForwardPortsForm(QWidget *owner, const ForwardPortsDesign &design, KtDeviceState *state);

    void RefreshBtnClick();
    void SetBtnClick();

    QTabWidget *PortPageControl;
    TStackingPortUitForm *AllGrid;
    TStackingPortUitForm *StaticGrid;
    TStackingPortUitForm *ForbiddenGrid;

    KtSNMPRequest2Edits *TableBinding;

protected:
    QTreeWidget *ListView;

private:
    bool clearGridsOnRefresh_;
};
