#pragma once

#include "Oid.h"

#include <optional>
#include <string>
#include <vector>

// Answers of real agents that an ideal agent never gives, switched on from
// the command line so that the managers' table walks can be tried on them.
struct WalkQuirks
{
    // Cells a table lacks: the instances COLUMN.FIRST to COLUMN.LAST.
    struct Gap
    {
        Oid column;
        SubId first = 0;
        SubId last = 0;
    };
    std::vector<Gap> gaps;
    // At most this many bindings in a GetBulk answer (0: no cap).
    int bulkMaxBindings = 0;
    // The MIB view ends after this subtree: get-next and GetBulk past it
    // answer endOfMibView (named with the OID the request asked for) or,
    // for SNMPv1, noSuchName.
    std::optional<Oid> endOfViewAt;
    // Inside this subtree a get-next that would answer the fourth or a later
    // instance of a column answers the column's first instance again.
    std::optional<Oid> nonIncreasing;
    // The table of this entry OID never ends: after every instance of one of
    // its columns comes the next index (its single sub-identifier plus one).
    std::optional<Oid> endlessEntry;

    bool hides(const Oid &instance) const;
    // GetBulk and get-next are then answered by WalkResponder, not the agent.
    bool answersWalksItself() const { return bulkMaxBindings > 0 || endOfViewAt.has_value(); }

    // "COLUMN:FIRST-LAST" (or COLUMN:N); false when malformed.
    bool addGap(const std::string &spec);
};
