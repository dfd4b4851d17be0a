#pragma once

#include "KtDescriptorTable.h"
#include "TBridgeInfoForm.h"

class QLineEdit;
class QWidget;

// The GARP timers of every bridge port, in a list view. The timer editors
// and the Set button are not shown; Refresh and Set run only while no read
// or write of this or the port-capability window is under way.
class TGARPForm : public TBridgeInfoForm
{
public:
    explicit TGARPForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshBtnClick();
    void SetBtnClick();

    QTreeWidget *LV_dot1dPortGarpEntry;
    QWidget *TimerPanel;
    QLineEdit *GarpJoinTime;
    QLineEdit *GarpLeaveTime;
    QLineEdit *GarpLeaveAllTime;

    KtSNMPRequest2Edits *TableBinding;
};
