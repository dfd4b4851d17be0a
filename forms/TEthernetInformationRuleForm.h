#pragma once

#include "KtDescriptorTable.h"
#include "TAclRuleForm.h"

class KtDeviceState;

// The Ethernet rules of the access profiles: VLAN, MAC addresses, 802.1p
// and Ethernet type to match, and what a matching frame gets.
class TEthernetInformationRuleForm : public TAclRuleForm
{
public:
    explicit TEthernetInformationRuleForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    enum Column
    {
        ColMaskId = 0,
        ColAccessId = 1,
        ColVlan = 2,
        ColSourceMac = 3,
        ColDestinationMac = 4,
        Col8021p = 5,
        ColEtherType = 6,
        ColEnablePriority = 7,
        ColPriority = 8,
        ColReplacePriority = 9,
        ColEnableReplaceDscp = 10,
        ColReplaceDscp = 11,
        ColPermit = 12,
        ColRowStatus = 13,
    };
};
