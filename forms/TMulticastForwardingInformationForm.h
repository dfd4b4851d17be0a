#pragma once

#include "KtDescriptorTable.h"
#include "TForwardPortsForm.h"

class KtDeviceState;

// Per VLAN, each VLAN's ports that forward all groups: every such port, the static ones and the forbidden
// ones, on unit/port grids. Set writes the static and forbidden ports of the selected VLAN.
class TMulticastForwardingInformationForm : public TForwardPortsForm
{
public:
    explicit TMulticastForwardingInformationForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    QTreeWidget *LV_dot1qForwardAllEntry;
};
