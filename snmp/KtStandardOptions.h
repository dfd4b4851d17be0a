#pragma once

// Enumerations that many windows share, each defined once: the textual
// conventions of the standard MIBs and the switch's own on/off codes.
// Enumerations of a single window stand next to its descriptor table.

#include "KtOptionList.h"

// The switch's on/off objects count from 2 ...
constexpr KtOptionDef EnableDisablePairs[] = {{2, "disabled"}, {3, "enabled"}, {}};
inline const KtOptionList EnableDisable(EnableDisablePairs);

// ... the standard ones, and a few of the switch's, from 1.
constexpr KtOptionDef EnableDisableFromOnePairs[] = {{1, "enabled"}, {2, "disabled"}, {}};
inline const KtOptionList EnableDisableFromOne(EnableDisableFromOnePairs);

// The textual conventions of SNMPv2-TC.
constexpr KtOptionDef RowStatusPairs[] = {{1, "active"},
                                          {2, "notInService"},
                                          {3, "notReady"},
                                          {4, "createAndGo"},
                                          {5, "createAndWait"},
                                          {6, "destroy"},
                                          {}};
inline const KtOptionList RowStatus(RowStatusPairs);

constexpr KtOptionDef StorageTypePairs[] = {{1, "other"},     {2, "volatile"}, {3, "nonVolatile"},
                                            {4, "permanent"}, {5, "readOnly"}, {}};
inline const KtOptionList StorageType(StorageTypePairs);

constexpr KtOptionDef TruthValuePairs[] = {{1, "true"}, {2, "false"}, {}};
inline const KtOptionList TruthValue(TruthValuePairs);

// The bridge's type, its learned addresses and its static filter entries.
constexpr KtOptionDef BridgeTypePairs[] = {
    {1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"}, {}};
inline const KtOptionList BridgeType(BridgeTypePairs);

constexpr KtOptionDef FdbStatusPairs[] = {{1, "other"}, {2, "invalid"}, {3, "learned"},
                                          {4, "self"},  {5, "mgmt"},    {}};
inline const KtOptionList FdbStatus(FdbStatusPairs);

constexpr KtOptionDef StaticStatusPairs[] = {{1, "other"},         {2, "invalid"},         {3, "permanent"},
                                             {4, "deleteOnReset"}, {5, "deleteOnTimeout"}, {}};
inline const KtOptionList StaticStatus(StaticStatusPairs);
