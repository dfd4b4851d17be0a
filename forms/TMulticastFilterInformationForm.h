#pragma once

#include "KtDescriptorTable.h"
#include "TBridgeInfoForm.h"

class KtDeviceState;

class QComboBox;
class QLineEdit;

// The static multicast filtering table: per VLAN, group address and receive
// port, the egress and forbidden ports on unit/port grids and the entry's
// status. Set writes the entry named by the VID, MAC address and the row's
// receive port.
class TMulticastFilterInformationForm : public TBridgeInfoForm
{
public:
    explicit TMulticastFilterInformationForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshBtnClick();
    void SetBtnClick();
    // Unchecks both grids and empties the VID, the MAC address and the status.
    void ClearEditors();

    QTreeWidget *LV_dot1qStaticMulticastEntry;
    QLineEdit *ED_MulticastVID;
    QLineEdit *ED_MACAddress;
    QComboBox *Status;
    QTabWidget *PortPageControl;
    TStackingPortUitForm *EgressGrid;
    TStackingPortUitForm *ForbiddenGrid;

    KtSNMPRequest2Edits *TableBinding;
};
