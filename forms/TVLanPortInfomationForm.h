#pragma once

#include "KtDescriptorTable.h"
#include "TBridgeInfoForm.h"

class QComboBox;
class QLineEdit;

// The VLAN settings of every port: PVID, acceptable frames, ingress
// filtering and GVRP, with the GVRP failure count and last PDU origin in the
// list view. Refresh and Set refuse to start while a request is running.
class TVLanPortInfomationForm : public TBridgeInfoForm
{
public:
    explicit TVLanPortInfomationForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshBtnClick();
    void SetBtnClick();

    QTreeWidget *LV_dot1qPortVlanEntry;
    QLineEdit *PortVLanID;
    QComboBox *AcceptableFrameTypes;
    QComboBox *IngressFiltering;
    QComboBox *GvrpStatus;

    KtSNMPRequest2Edits *TableBinding;

private:
    bool RefreshNotComplete();

    // The row a write selected, chosen again when the read after it ends.
    QString reselect_;
};
