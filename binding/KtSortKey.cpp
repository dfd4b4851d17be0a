#include "KtSortKey.h"

#include "KtTextForm.h"

#include <QRegularExpression>
#include <algorithm>
#include <numeric>

namespace {

const QRegularExpression &NumberPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?$"));
    return pattern;
}

const QRegularExpression &DottedPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]+(\\.[0-9]+)+$"));
    return pattern;
}

const QRegularExpression &MacPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9A-Fa-f]{12}|[0-9A-Fa-f]{2}([:-][0-9A-Fa-f]{2}){5})$"));
    return pattern;
}

const QRegularExpression &TimeTicksPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9]+ days?,? )?[0-9]+:[0-9]{2}:[0-9]{2}\\.[0-9]{2}$"));
    return pattern;
}

bool AllMatch(const QStringList &cells, const QRegularExpression &pattern)
{
    bool any = false;
    for (const QString &cell : cells) {
        if (cell.isEmpty())
            continue;
        if (!pattern.match(cell).hasMatch())
            return false;
        any = true;
    }
    return any;
}

std::vector<quint32> DottedParts(const QString &cell)
{
    std::vector<quint32> parts;
    for (QStringView part : QStringView(cell).split(QLatin1Char('.')))
        parts.push_back(part.toUInt());
    return parts;
}

quint64 MacValue(QString cell)
{
    cell.remove(QLatin1Char(':')).remove(QLatin1Char('-'));
    return cell.toULongLong(nullptr, 16);
}

// Sorts the positions by keys made once per cell; empty cells first.
template <typename Key, typename MakeKey>
std::vector<int> SortedBy(const QStringList &cells, Qt::SortOrder order, MakeKey makeKey)
{
    std::vector<Key> keys;
    keys.reserve(size_t(cells.size()));
    for (const QString &cell : cells)
        keys.push_back(cell.isEmpty() ? Key{} : makeKey(cell));
    std::vector<int> positions(size_t(cells.size()));
    std::iota(positions.begin(), positions.end(), 0);
    const auto less = [&](int a, int b) {
        const bool emptyA = cells[a].isEmpty();
        const bool emptyB = cells[b].isEmpty();
        if (emptyA != emptyB)
            return emptyA;
        return keys[size_t(a)] < keys[size_t(b)];
    };
    if (order == Qt::AscendingOrder)
        std::stable_sort(positions.begin(), positions.end(), less);
    else
        std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) { return less(b, a); });
    return positions;
}

} // namespace

KtSortKey::Kind KtSortKey::KindOf(const QStringList &cells)
{
    if (AllMatch(cells, NumberPattern()))
        return Kind::Number;
    if (AllMatch(cells, DottedPattern()))
        return Kind::Dotted;
    if (AllMatch(cells, MacPattern()))
        return Kind::Mac;
    if (AllMatch(cells, TimeTicksPattern()))
        return Kind::TimeTicks;
    return Kind::Text;
}

std::vector<int> KtSortKey::Order(const QStringList &cells, Qt::SortOrder order)
{
    switch (KindOf(cells)) {
    case Kind::Number:
        // long double holds every 64-bit counter exactly.
        return SortedBy<long double>(cells, order, [](const QString &cell) {
            return cell.contains(QLatin1Char('.'))     ? static_cast<long double>(cell.toDouble())
                   : cell.startsWith(QLatin1Char('-')) ? static_cast<long double>(cell.toLongLong())
                                                       : static_cast<long double>(cell.toULongLong());
        });
    case Kind::Dotted:
        return SortedBy<std::vector<quint32>>(cells, order, DottedParts);
    case Kind::Mac:
        return SortedBy<quint64>(cells, order, MacValue);
    case Kind::TimeTicks:
        return SortedBy<quint32>(cells, order,
                                 [](const QString &cell) { return KtTextForm::TextToTimeTicks(cell); });
    case Kind::Text:
        break;
    }
    return SortedBy<QString>(cells, order, [](const QString &cell) { return cell.toCaseFolded(); });
}
