#include "KtSortKey.h"

#include <gtest/gtest.h>

namespace {

QStringList Sorted(const QStringList &cells, Qt::SortOrder order = Qt::AscendingOrder)
{
    QStringList sorted;
    for (int position : KtSortKey::Order(cells, order))
        sorted << cells[position];
    return sorted;
}

TEST(KtSortKeyTest, ColumnsSortByValue)
{
    using Kind = KtSortKey::Kind;
    const struct
    {
        Kind kind;
        QStringList cells;
        QStringList ascending;
    } cases[] = {
        {Kind::Number, {"10", "9", "-3", "", "100"}, {"", "-3", "9", "10", "100"}},
        {Kind::Number,
         {"18446744073709551615", "18446744073709551614"},
         {"18446744073709551614", "18446744073709551615"}},
        {Kind::Dotted,
         {"10.0.0.10", "10.0.0.9", "9.255.255.255", "192.168.1.1"},
         {"9.255.255.255", "10.0.0.9", "10.0.0.10", "192.168.1.1"}},
        // An OID-like index: 1.10 after 1.9, a shorter prefix first.
        {Kind::Dotted, {"1.3.6.1.10", "1.3.6.1.9", "1.3.6.1"}, {"1.3.6.1", "1.3.6.1.9", "1.3.6.1.10"}},
        {Kind::Mac,
         {"00A0C9000010", "00A0C900000F", "0000000000FF"},
         {"0000000000FF", "00A0C900000F", "00A0C9000010"}},
        {Kind::Mac, {"00:a0:c9:00:00:10", "00-A0-C9-00-00-0F"}, {"00-A0-C9-00-00-0F", "00:a0:c9:00:00:10"}},
        {Kind::TimeTicks,
         {"2 days, 0:00:00.00", "1 day 0:00:00.00", "23:59:59.99", "0:00:10.00"},
         {"0:00:10.00", "23:59:59.99", "1 day 0:00:00.00", "2 days, 0:00:00.00"}},
        {Kind::Text, {"port 2", "Port 10", "alpha", "10.0.0.1"}, {"10.0.0.1", "alpha", "Port 10", "port 2"}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(KtSortKey::KindOf(c.cells), c.kind) << c.cells.join(' ').toStdString();
        EXPECT_EQ(Sorted(c.cells), c.ascending) << c.cells.join(' ').toStdString();
    }
}

TEST(KtSortKeyTest, DescendingKeepsEqualCellsInOrder)
{
    const QStringList cells{"2", "1", "2", "3"};
    EXPECT_EQ(KtSortKey::Order(cells, Qt::DescendingOrder), (std::vector<int>{3, 0, 2, 1}));
    EXPECT_EQ(KtSortKey::Order(cells, Qt::AscendingOrder), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(KtSortKey::Order({}, Qt::AscendingOrder), std::vector<int>{});
}

} // namespace
