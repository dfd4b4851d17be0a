#pragma once

#include <QString>

// Numbers as an administrator reads them: counters with thousands
// separators, rates with a unit prefix (k, M, G: powers of 1000, as for
// bits per second).
class KtNumberText
{
public:
    // 1711194 as "1,711,194" (the user's locale; English grouping where the
    // locale is the plain C one, which has none).
    static QString Grouped(quint64 value);
    // 850 as "850", 12.5 as "12.5", 1234567 as "1.23 M", 2.5e9 as "2.50 G":
    // three significant digits from 1000 on.
    static QString Scaled(double value);
    // A rate as a plain number for copies and exports: "12.5", "1234567".
    static QString Plain(double value);
    // The prefix and divisor Scaled uses for a value: "" 1, "k" 1e3, "M" 1e6,
    // "G" 1e9.
    static double Divisor(double value, QString *prefix = nullptr);
};
