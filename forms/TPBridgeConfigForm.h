#pragma once

#include "KtDescriptorTable.h"
#include "TBridgeInfoForm.h"

class QComboBox;
class QLabel;

// The 802.1P bridge basics: the device capabilities and whether traffic
// classes are enabled.
class TPBridgeConfigForm : public TBridgeInfoForm
{
public:
    explicit TPBridgeConfigForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshBtnClick();
    void SetBtnClick();

    QLabel *Edit_DeviceCapabilities;
    QComboBox *TrafficClassesState;
    // Kept for the layout; not shown and not bound.
    QLabel *GmrpStatusLabel;
    QComboBox *GmrpStatus;

    KtSNMPRequest2Edits *CapabilitiesBinding;
    KtSNMPRequest2Edits *TrafficClassesBinding;
};
