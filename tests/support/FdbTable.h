#pragma once

#include "KtOptionList.h"
#include "KtSNMPVarDef.h"

// The filtering-database table, written in the form every descriptor table uses.
constexpr KtOptionDef FdbStatusPairs[] = {{1, "other"}, {2, "invalid"}, {3, "learned"},
                                          {4, "self"},  {5, "mgmt"},    {}};
inline const KtOptionList FdbStatus(FdbStatusPairs);

constexpr KtSNMPVarDef Dot1qTpFdbTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Fdb Id", SyntaxInteger, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FdbMacAddress", SyntaxMacAddress, AccessIndex},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "PortNumber", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", SyntaxInteger, AccessRead, &FdbStatus},
    {},
};

static_assert(KtRowCount(Dot1qTpFdbTable) == 4);
