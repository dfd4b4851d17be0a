#include "KtDateTime.h"

#include "KtException.h"

#include <QDateTime>
#include <QRegularExpression>
#include <iterator>
#include <limits>

namespace {

// A sscanf-style reader over a text: "%d" skips blanks, takes an optional
// sign and at least one digit; any other format character must match exactly.
class Scanner
{
public:
    explicit Scanner(const QString &text) : text_(text) {}

    bool Literal(char c)
    {
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char(c)) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool Number(qint64 &value)
    {
        qsizetype pos = pos_;
        while (pos < text_.size() && (text_[pos] == QLatin1Char(' ') ||
                                      (text_[pos] >= QLatin1Char('\t') && text_[pos] <= QLatin1Char('\r'))))
            ++pos;
        bool negative = false;
        if (pos < text_.size() && (text_[pos] == QLatin1Char('+') || text_[pos] == QLatin1Char('-')))
            negative = text_[pos++] == QLatin1Char('-');
        const qsizetype digits = pos;
        qint64 magnitude = 0;
        for (; pos < text_.size() && text_[pos] >= QLatin1Char('0') && text_[pos] <= QLatin1Char('9'); ++pos)
            magnitude = std::min<qint64>(magnitude * 10 + (text_[pos].unicode() - '0'), 1LL << 40);
        if (pos == digits)
            return false;
        value = negative ? -magnitude : magnitude;
        pos_ = pos;
        return true;
    }

private:
    const QString &text_;
    qsizetype pos_ = 0;
};

} // namespace

KtDateTime::KtDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    Year = quint16(now.date().year());
    Month = quint8(now.date().month());
    Day = quint8(now.date().day());
    Hour = quint8(now.time().hour());
    Minutes = quint8(now.time().minute());
    Seconds = quint8(now.time().second());
}

KtDateTime::KtDateTime(const QString &text)
{
    if (Scan(text, '+', 9) == 9)
        return;
    if (Scan(text, '-', 9) == 9)
        return;
    Scan(text, 0, 7);
}

int KtDateTime::Scan(const QString &text, char zoneSign, int wanted)
{
    *this = KtDateTime(Zeroed{});
    Direction = zoneSign ? zoneSign : '+';
    // The separator that precedes each number in the pattern.
    static constexpr char Before[] = {0, '-', '-', ',', ':', ':', '.', ',', ':'};
    qint64 numbers[9] = {};
    Scanner scanner(text);
    int read = 0;
    for (; read < wanted; ++read) {
        const bool separated = read == 0 || scanner.Literal(Before[read]);
        const bool signed_ = read != 7 || scanner.Literal(zoneSign);
        if (!separated || !signed_ || !scanner.Number(numbers[read]))
            break;
    }
    // Each number is stored in its field's width.
    Year = quint16(numbers[0]);
    Month = quint8(numbers[1]);
    Day = quint8(numbers[2]);
    Hour = quint8(numbers[3]);
    Minutes = quint8(numbers[4]);
    Seconds = quint8(numbers[5]);
    DeciSeconds = quint8(numbers[6]);
    HoursFromUTC = quint8(numbers[7]);
    MinutesFromUTC = quint8(numbers[8]);
    return read;
}

KtDateTime KtDateTime::Read(QStringView text)
{
    static const QRegularExpression form(QStringLiteral(
        R"(^([0-9]+)-([0-9]+)-([0-9]+),([0-9]+):([0-9]+):([0-9]+)\.([0-9]+)(?:,([+-])([0-9]+):([0-9]+))?$)"));
    struct Field
    {
        int Capture;
        quint32 Minimum;
        quint32 Maximum;
    };
    static constexpr Field Fields[] = {{1, 0, 65535}, {2, 1, 12}, {3, 1, 31}, {4, 0, 23}, {5, 0, 59},
                                       {6, 0, 60},    {7, 0, 9},  {9, 0, 13}, {10, 0, 59}};
    const QRegularExpressionMatch match = form.match(text.trimmed().toString());
    quint32 numbers[std::size(Fields)] = {};
    bool valid = match.hasMatch();
    for (size_t i = 0; valid && i < std::size(Fields); ++i) {
        bool ok = true;
        const QStringView digits = match.capturedView(Fields[i].Capture);
        numbers[i] = digits.isEmpty() ? 0 : digits.toUInt(&ok);
        valid =
            ok && (digits.isEmpty() || (numbers[i] >= Fields[i].Minimum && numbers[i] <= Fields[i].Maximum));
    }
    if (!valid)
        throw KtValueError(QStringLiteral("'%1' is not a date and time written year-month-day,"
                                          "hour:minutes:seconds.deci-seconds (2005-3-7,14:5:9.0), a zone "
                                          "such as ,+8:0 or ,-5:30 after it if need be.")
                               .arg(text.toString()));
    KtDateTime value{Zeroed{}};
    value.Year = quint16(numbers[0]);
    value.Month = quint8(numbers[1]);
    value.Day = quint8(numbers[2]);
    value.Hour = quint8(numbers[3]);
    value.Minutes = quint8(numbers[4]);
    value.Seconds = quint8(numbers[5]);
    value.DeciSeconds = quint8(numbers[6]);
    value.Direction = match.capturedView(8) == u"-" ? '-' : '+';
    value.HoursFromUTC = quint8(numbers[7]);
    value.MinutesFromUTC = quint8(numbers[8]);
    return value;
}

KtDateTime KtDateTime::FromOctets(const QByteArray &octets)
{
    auto octet = [&](int i) { return i < octets.size() ? quint8(octets[i]) : quint8(0); };
    KtDateTime value{Zeroed{}};
    value.Year = quint16(octet(0) << 8 | octet(1));
    value.Month = octet(2);
    value.Day = octet(3);
    value.Hour = octet(4);
    value.Minutes = octet(5);
    value.Seconds = octet(6);
    value.DeciSeconds = octet(7);
    value.Direction = char(octet(8));
    value.HoursFromUTC = octet(9);
    value.MinutesFromUTC = octet(10);
    return value;
}

QByteArray KtDateTime::ToOctets() const
{
    const char octets[WireLength] = {char(Year >> 8),    char(Year & 0xFF),   char(Month),
                                     char(Day),          char(Hour),          char(Minutes),
                                     char(Seconds),      char(DeciSeconds),   Direction,
                                     char(HoursFromUTC), char(MinutesFromUTC)};
    return QByteArray(octets, WireLength);
}

QString KtDateTime::ToText() const
{
    QString text =
        QString::asprintf("%d-%d-%d,%d:%d:%d.%d", Year, Month, Day, Hour, Minutes, Seconds, DeciSeconds);
    if ((HoursFromUTC != 0 || MinutesFromUTC != 0) && (Direction == '+' || Direction == '-'))
        text += QString::asprintf(",%c%d:%d", Direction, HoursFromUTC, MinutesFromUTC);
    return text;
}

void KtDateTime::SwapYear()
{
    Year = quint16(Year >> 8 | Year << 8);
}
