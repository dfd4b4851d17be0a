#pragma once

#include "KtDescriptorTable.h"
#include "TAclRuleForm.h"

class KtDeviceState;

class QLineEdit;

// The payload (user-defined) rules of the access profiles: up to two
// 16-octet offset groups of a frame to match, as hexadecimal texts, and
// what a matching frame gets.
class TUserDefinedInformationRuleForm : public TAclRuleForm
{
public:
    explicit TUserDefinedInformationRuleForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    // How many checked groups hold a non-zero text.
    int GroupCount() const;

    enum Column
    {
        ColProfileId = 0,
        ColAccessId = 1,
        ColFirstGroup = 2,
        ColLastGroup = 6,
        ColEnablePriority = 7,
        ColPriority = 8,
        ColReplacePriority = 9,
        ColEnableReplaceDscp = 10,
        ColReplaceDscp = 11,
        ColPermit = 12,
        ColRowStatus = 13,
    };

protected:
    bool DenySelected() const override;
    bool GroupsAcceptable() override;
    void OnRowClicked() override;

private:
    QLineEdit *Group(int group) const;
};
