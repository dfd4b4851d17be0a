#pragma once

#include <QStringList>
#include <Qt>
#include <vector>

// The order of a list column by what its cells hold: when every non-empty
// cell of the column is a number, a dotted number (an IP address, an OID, a
// dotted index), a MAC address (12 hexadecimal digits, or six pairs joined
// by ":" or "-") or a time-ticks text, the cells are compared by that value;
// otherwise as text without regard to case. Empty cells come first in
// ascending order; equal cells keep their order.
class KtSortKey
{
public:
    enum class Kind
    {
        Number,
        Dotted,
        Mac,
        TimeTicks,
        Text
    };
    static Kind KindOf(const QStringList &cells);
    // The cell positions in sorted order.
    static std::vector<int> Order(const QStringList &cells, Qt::SortOrder order);
};
