#pragma once

#include "KtDescriptorTable.h"
#include "TForwardPortsForm.h"

class KtDeviceState;

// Per VLAN, each VLAN's ports that forward unregistered groups: every such port, the static ones and the
// forbidden ones, on unit/port grids. Set writes the static and forbidden ports of the selected VLAN.
class TForwardUnregisteredInformationForm : public TForwardPortsForm
{
public:
    explicit TForwardUnregisteredInformationForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    QTreeWidget *LV_dot1qForwardUnregisteredEntry;
};
