#pragma once

// Enumerations shared by the views of several viewer programs, beside the
// standard ones.

#include "KtStandardOptions.h"

constexpr KtOptionDef IfAdminStatusPairs[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {}};
inline const KtOptionList IfAdminStatus(IfAdminStatusPairs);

constexpr KtOptionDef IfOperStatusPairs[] = {
    {1, "up"},      {2, "down"},       {3, "testing"},        {4, "unknown"},
    {5, "dormant"}, {6, "notPresent"}, {7, "lowerLayerDown"}, {}};
inline const KtOptionList IfOperStatus(IfOperStatusPairs);

// RMON EntryStatus.
constexpr KtOptionDef EntryStatusPairs[] = {
    {1, "valid"}, {2, "createRequest"}, {3, "underCreation"}, {4, "invalid"}, {}};
inline const KtOptionList EntryStatus(EntryStatusPairs);

// The routing protocols of ipRouteProto, ipCidrRouteProto and ipMRouteRtProto.
constexpr KtOptionDef RouteProtoPairs[] = {{1, "other"},
                                           {2, "local"},
                                           {3, "netmgmt"},
                                           {4, "icmp"},
                                           {5, "egp"},
                                           {6, "ggp"},
                                           {7, "hello"},
                                           {8, "rip"},
                                           {9, "is-is"},
                                           {10, "es-is"},
                                           {11, "ciscoIgrp"},
                                           {12, "bbnSpfIgp"},
                                           {13, "ospf"},
                                           {14, "bgp"},
                                           {15, "idpr"},
                                           {16, "ciscoEigrp"},
                                           {}};
inline const KtOptionList RouteProto(RouteProtoPairs);
