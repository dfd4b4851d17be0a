#include "KtPortListText.h"

#include "KtTextForm.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace {

bool BitSet(const QByteArray &octets, int bit)
{
    return (quint8(octets[bit / 8]) & (0x80 >> (bit % 8))) != 0;
}

// The runs of set bits among [begin, end), as first and last bit.
std::vector<std::pair<int, int>> Runs(const QByteArray &octets, int begin, int end)
{
    std::vector<std::pair<int, int>> runs;
    for (int bit = begin; bit < end; ++bit) {
        if (!BitSet(octets, bit))
            continue;
        int last = bit;
        while (last + 1 < end && BitSet(octets, last + 1))
            ++last;
        runs.emplace_back(bit, last);
        bit = last;
    }
    return runs;
}

QString Range(int first, int last)
{
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

} // namespace

int KtPortListText::UnitOfPage(int page)
{
    return page == 0 ? MasterUnitId : page;
}

QString KtPortListText::FromOctets(const QByteArray &octets)
{
    const int bits = int(octets.size()) * 8;
    QStringList parts;
    for (int page = 0; page < UnitPages && page * PortsPerUnit < bits; ++page) {
        const int begin = page * PortsPerUnit;
        const QString unit = QString::number(UnitOfPage(page)) + QLatin1Char(':');
        for (const auto &[first, last] : Runs(octets, begin, std::min(begin + PortsPerUnit, bits)))
            parts << unit + Range(first - begin + 1, last - begin + 1);
    }
    for (const auto &[first, last] : Runs(octets, UnitPages * PortsPerUnit, bits))
        parts << (first == last ? QStringLiteral("bit ") : QStringLiteral("bits ")) + Range(first, last);
    return parts.join(QStringLiteral(", "));
}

QString KtPortListText::FromHex(QStringView hex)
{
    return FromOctets(KtTextForm::HexToOctets(hex));
}
