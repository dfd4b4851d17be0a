#pragma once

// Enumerations that the access-profile windows share.

#include "KtOptionList.h"

// What a rule does with a matching frame.
constexpr KtOptionDef PermitDenyPairs[] = {{2, "deny"}, {3, "permit"}, {}};
inline const KtOptionList PermitDeny(PermitDenyPairs);

// The protocol an IP mask looks at, and so every rule of that mask.
constexpr KtOptionDef IpProtocolTypePairs[] = {{1, "none"}, {2, "icmp"},       {3, "igmp"}, {4, "tcp"},
                                               {5, "udp"},  {6, "protocolId"}, {}};
inline const KtOptionList IpProtocolType(IpProtocolTypePairs);
