#include "SwitchModels.h"

#include <array>

namespace {

// Port-type values of swPortInfoType.
constexpr int Tx100 = 1, SxFiber = 5, Tx1000 = 4, SxGbic = 7, TxGbic = 9, Stack1394 = 10;
// Module-type values of swPortInfoModuleType.
constexpr int NoModule = 0, BaseModule24 = 26;

// clang-format off
constexpr std::array Modules{
    //         name                moduleType portCount portType   gigabit
    ModuleKind{"1000T",            3,         4,        Tx1000,    true},
    ModuleKind{"MGBIC",            4,         4,        SxGbic,    true},
    ModuleKind{"STACK",            2,         4,        Stack1394, true},
    ModuleKind{"2P-100TX",         25,        2,        Tx100,     false},
    ModuleKind{"2P-SC-SX",         6,         2,        SxFiber,   true},
    ModuleKind{"2P-TX",            10,        2,        Tx1000,    true},
    ModuleKind{"1P-GBIC-1P-STACK", 18,        2,        TxGbic,    true},
};

constexpr std::array Models{
    //          modelText  base portType moduleType    gigabit uplinks slots perSlot redundantPower
    SwitchModel{"QG2212",  4,   Tx1000,  NoModule,     true,   0,      2,    4,      false},
    SwitchModel{"QF1824",  24,  Tx100,   BaseModule24, false,  0,      1,    2,      false},
    SwitchModel{"QF1848",  48,  Tx100,   BaseModule24, false,  2,      0,    0,      false},
    SwitchModel{"QG2312",  4,   Tx1000,  NoModule,     true,   0,      2,    4,      false},
    SwitchModel{"QL2424",  24,  Tx100,   BaseModule24, false,  0,      0,    0,      false},
    SwitchModel{"QL2424R", 24,  Tx100,   BaseModule24, false,  0,      0,    0,      true},
    SwitchModel{"QL2448",  48,  Tx100,   BaseModule24, false,  2,      0,    0,      false},
};
// clang-format on

} // namespace

const SwitchModel *SwitchModels::model(std::string_view modelText)
{
    for (const SwitchModel &model : Models)
        if (modelText == model.modelText)
            return &model;
    return nullptr;
}

const ModuleKind *SwitchModels::module(std::string_view name)
{
    for (const ModuleKind &module : Modules)
        if (name == module.name)
            return &module;
    return nullptr;
}

SwitchModel SwitchModels::generic(const char *modelText, int ports)
{
    return SwitchModel{modelText, ports, Tx100, BaseModule24, false, 0, 0, 0, false};
}
