#pragma once

// Enumerations that the windows of several menus share, each defined once,
// beside the standard ones. Enumerations of a single window stand next to
// its descriptor table.

#include "KtStandardOptions.h"
#include "KtUnitMgmtTable.h"

// The switch's on/off verbs and its three-way state.
constexpr KtOptionDef EnableDisableVerbsPairs[] = {{2, "disable"}, {3, "enable"}, {}};
inline const KtOptionList EnableDisableVerbs(EnableDisableVerbsPairs);

constexpr KtOptionDef OtherDisabledEnabledPairs[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
inline const KtOptionList OtherDisabledEnabled(OtherDisabledEnabledPairs);

// The port tables: the main window's port table, the port windows and the
// "Port Management" entries. The panel build compares the texts of
// ModuleType.
constexpr KtOptionDef PortTypePairs[] = {{1, "portType-100Base-TX"},
                                         {2, "portType-100Base-FX"},
                                         {3, "portType-100Base-FL"},
                                         {4, "portType-1000Base-TX"},
                                         {5, "portType-1000Base-SX"},
                                         {6, "portType-1000Base-LX"},
                                         {7, "portType-1000Base-SX-GBIC"},
                                         {8, "portType-1000Base-LX-GBIC"},
                                         {9, "portType-1000Base-TX-GBIC"},
                                         {10, "portType-1000Base-1394"},
                                         {11, "portType-unknown"},
                                         {12, "none"},
                                         {}};
inline const KtOptionList PortType(PortTypePairs);

constexpr KtOptionDef LinkStatusPairs[] = {{2, "link-pass"}, {3, "link-fail"}, {}};
inline const KtOptionList LinkStatus(LinkStatusPairs);

constexpr KtOptionDef NwayStatusPairs[] = {
    {0, "other"},        {1, "empty"},        {2, "link-down"},     {3, "half-10Mbps"},   {4, "full-10Mbps"},
    {5, "half-100Mbps"}, {6, "full-100Mbps"}, {7, "half-1Gigabps"}, {8, "full-1Gigabps"}, {}};
inline const KtOptionList NwayStatus(NwayStatusPairs);

constexpr KtOptionDef ModuleTypePairs[] = {{0, "none"},
                                           {1, "moduleType-COMBO"},
                                           {2, "moduleType-1394"},
                                           {3, "moduleType-1000T"},
                                           {4, "moduleType-MGBIC"},
                                           {5, "moduleType-1P-SC-SX"},
                                           {6, "moduleType-2P-SC-SX"},
                                           {7, "moduleType-1P-SC-LX"},
                                           {8, "moduleType-2P-SC-LX"},
                                           {9, "moduleType-1P-TX"},
                                           {10, "moduleType-2P-TX"},
                                           {11, "moduleType-1P-MTRJ-SX"},
                                           {12, "moduleType-2P-MTRJ-SX"},
                                           {13, "moduleType-1P-MTRJ-LX"},
                                           {14, "moduleType-2P-MTRJ-LX"},
                                           {15, "moduleType-1P-GBIC"},
                                           {16, "moduleType-2P-GBIC"},
                                           {17, "moduleType-1P-GBIC-1P-TX"},
                                           {18, "moduleType-1P-GBIC-1P-STACK"},
                                           {19, "moduleType-2P-STACK"},
                                           {20, "moduleType-2P-100FX"},
                                           {21, "moduleType-1P-100FX"},
                                           {22, "moduleType-2P-100FX-NEW"},
                                           {23, "moduleType-1P-100FL"},
                                           {24, "moduleType-2P-100FL"},
                                           {25, "moduleType-2P-100TX"},
                                           {26, "moduleType-BaseModule-24PORT"},
                                           {}};
inline const KtOptionList ModuleType(ModuleTypePairs);

constexpr KtOptionDef NwayStatePairs[] = {
    {2, "Auto"},         {3, "10Mbps-Half"},   {4, "10Mbps-Full"},   {5, "100Mbps-Half"},
    {6, "100Mbps-Full"}, {7, "1Gigabps-Half"}, {8, "1Gigabps-Full"}, {}};
inline const KtOptionList NwayState(NwayStatePairs);

constexpr KtOptionDef MulticastFilterPairs[] = {
    {1, "forward-all-groups"}, {2, "forward-unregistered-groups"}, {3, "filter-unregistered-groups"}, {}};
inline const KtOptionList MulticastFilter(MulticastFilterPairs);
