#pragma once

#include "KtDescriptorTable.h"
#include "TAclRuleForm.h"

class KtDeviceState;

// The IP rules of the access profiles: addresses, DSCP and the fields of
// the rule's protocol to match, and what a matching packet gets. A write
// sends only the protocol fields that belong to the selected protocol.
class TIPRuleForm : public TAclRuleForm
{
public:
    explicit TIPRuleForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void ProtocolExclusion() override;

    enum Column
    {
        ColRuleId = 0,
        ColAccessId = 1,
        ColVlan = 2,
        ColSourceIp = 3,
        ColDestinationIp = 4,
        ColDscp = 5,
        ColProtocol = 6,
        ColType = 7,
        ColCode = 8,
        ColSourcePort = 9,
        ColDestinationPort = 10,
        ColFlagBits = 11,
        ColProtocolId = 12,
        ColUserMask = 13,
        ColEnablePriority = 14,
        ColPriority = 15,
        ColReplacePriority = 16,
        ColEnableReplaceDscp = 17,
        ColReplaceDscp = 18,
        ColPermit = 19,
        ColRowStatus = 20,
    };
};
