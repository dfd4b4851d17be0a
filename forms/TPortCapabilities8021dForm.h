#pragma once

#include "KtDescriptorTable.h"
#include "TBridgeInfoForm.h"

// The 802.1D capabilities of every bridge port, read only. Refresh runs only
// while no read of this or the GARP window is under way.
class TPortCapabilities8021dForm : public TBridgeInfoForm
{
public:
    explicit TPortCapabilities8021dForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshBtnClick();

    QTreeWidget *LV_dot1dPortCapabilitiesEntry;
    KtSNMPRequest2Edits *TableBinding;
};
