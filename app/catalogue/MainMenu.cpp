#include "KtMenuCatalogue.h"

// The menu bar; each top-level menu is defined in its own source file.
constexpr KtMenuItem MainMenu1[] = {
    Submenu("Basic Configuration", "Configuration1", BasicConfigurationMenu),
    Submenu("RMON", "Menu_RMON", RmonMenu),
    Submenu("Bridge", "Bridge1", BridgeMenu).With(HookReadStpVersionOnOpen),
    Submenu("VLAN", "VLAN1", VlanMenu),
    Submenu("SNMP V3", "VACM1", SnmpV3Menu).With(HookEnabledWhenSnmpV3),
    Submenu("Security Management", "SecurityManagement1", SecurityManagementMenu),
    Submenu("Layer 2 Management", "Layer2Management2", Layer2ManagementMenu),
    Submenu("Layer 3 Management", "Layer3Management1", Layer3ManagementMenu),
    Submenu("Single IP", "SingleIP1", SingleIpMenu),
    Submenu("Help", "Help1", HelpMenu),
    {},
};
