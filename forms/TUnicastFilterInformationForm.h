#pragma once

#include "KtDescriptorTable.h"
#include "TBridgeInfoForm.h"

class KtDeviceState;

class QComboBox;
class QGroupBox;
class QLineEdit;

// The static unicast filtering table: per VLAN, address and receive port,
// the ports the address may go to on a unit/port grid and the entry's
// status. Delete marks the selected entry invalid. The Set button is not
// shown.
class TUnicastFilterInformationForm : public TBridgeInfoForm
{
public:
    explicit TUnicastFilterInformationForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshBtnClick();
    void SetBtnClick();
    void DeleteBtnClick();

    QTreeWidget *LV_dot1qStaticUnicastEntry;
    QLineEdit *ED_UnicastVID;
    QLineEdit *UnicastAddress;
    QComboBox *UStatus;
    QGroupBox *AllowedPortsBox;
    TStackingPortUitForm *AllowedGrid;
    QPushButton *DeleteBtn;

    KtSNMPRequest2Edits *TableBinding;
};
