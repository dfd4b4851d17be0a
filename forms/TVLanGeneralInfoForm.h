#pragma once

#include "KtDescriptorTable.h"
#include "TBridgeInfoForm.h"

class QComboBox;
class QLabel;

// The 802.1Q bridge basics: version, VLAN limits and counts, and the
// switch-wide GVRP state.
class TVLanGeneralInfoForm : public TBridgeInfoForm
{
public:
    explicit TVLanGeneralInfoForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshBtnClick();
    void SetBtnClick();

    QLabel *VlanVersionNumber;
    QLabel *MaxVlanId;
    QLabel *MaxSupportedVlans;
    QLabel *CurrentNumOfVlans;
    QComboBox *GvrpStatus;

    KtSNMPRequest2Edits *ScalarBinding;
};
