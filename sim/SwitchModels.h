#pragma once

#include <optional>
#include <string_view>

// A plug-in module as the port table describes it: the module-type value of
// its ports, how many ports it has and their port type.
struct ModuleKind
{
    const char *name; // as scenario files write it
    int moduleType;   // swPortInfoModuleType
    int portCount;
    int portType; // swPortInfoType
    bool gigabit;
};

// A switch model: its fixed ports, its module slots and what its LEDs show.
struct SwitchModel
{
    const char *modelText; // swUnitMgmtModuleName
    int basePorts;
    int basePortType;
    int baseModuleType;
    bool baseGigabit;
    int uplinkPorts; // gigabit ports after the base ports (QF1848, QL2448)
    int slots;
    int portsPerSlot;
    bool redundantPower;

    int portCount() const { return basePorts + uplinkPorts + slots * portsPerSlot; }
};

// The catalogues of models and modules.
class SwitchModels
{
public:
    static const SwitchModel *model(std::string_view modelText);
    static const ModuleKind *module(std::string_view name);
    // A model for a unit whose model text is not one of the family's: a
    // plain 100BASE-TX switch with `ports` ports.
    static SwitchModel generic(const char *modelText, int ports);
};
