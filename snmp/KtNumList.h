#pragma once

#include <QList>
#include <QString>
#include <limits>
#include <type_traits>

// A delimited list of numbers such as "3,7,11,15" or "192.168.0.1", parsed
// without validation: a character other than a digit still shifts its number
// one decimal place (a letter or a sign yields a meaningless number), and the
// digits after a "." that is not the delimiter are a fraction that does not
// change a non-negative whole number. Numbers wrap around like 32-bit
// arithmetic; nothing a text holds can overflow.
template <typename T> class KtNumList
{
    static_assert(std::is_same_v<T, int> || std::is_same_v<T, unsigned int>);

public:
    char Delimiter = '.';

    // 0 for an empty text, else 1 plus the number of delimiters.
    int CountItems(const QString &text) const
    {
        return text.isEmpty() ? 0 : 1 + int(text.count(QLatin1Char(Delimiter)));
    }

    void Parse(const QString &text)
    {
        items_ = QList<T>(CountItems(text), T(0));
        qsizetype p = 0;
        bool fraction = false;
        double scale = 1.0;
        for (QChar c : text) {
            const int digit = int(c.unicode()) - '0';
            if (c == QLatin1Char(Delimiter)) {
                ++p;
                fraction = false;
            } else if (c == QLatin1Char('.')) {
                fraction = true;
                scale = 1.0;
            } else if (fraction) {
                scale /= 10;
                items_[p] = AddFraction(items_[p], digit * scale);
            } else {
                // Unsigned arithmetic wraps where signed arithmetic would overflow.
                items_[p] = T(unsigned(items_[p]) * 10u + unsigned(digit));
            }
        }
    }

    int Count() const { return int(items_.size()); }
    T Get(int i) const { return items_.at(i); }
    const QList<T> &Items() const { return items_; }

    // Position of the first item equal to value, or -1.
    int IndexOf(T value) const { return int(items_.indexOf(value)); }

    // Every item within [minimum, maximum]; true for an empty list.
    bool AllInRange(T minimum, T maximum) const
    {
        for (T item : items_)
            if (item < minimum || item > maximum)
                return false;
        return true;
    }

private:
    // The item plus a fraction, truncated towards zero; a sum beyond the
    // item type's range keeps the item as it was.
    static T AddFraction(T item, double fraction)
    {
        const double sum = double(item) + fraction;
        if (sum < double(std::numeric_limits<T>::min()) || sum >= double(std::numeric_limits<T>::max()) + 1.0)
            return item;
        return T(sum);
    }

    QList<T> items_;
};
