#include "KtTextForm.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QtEndian>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace KtTextForm {

namespace {

constexpr qint64 HundredthsPerDay = 8640000;
constexpr double MillisecondsPerDay = 86400000.0;
const QDate DayZero(1899, 12, 30);

bool IsBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || (u >= '\t' && u <= '\r');
}

bool IsAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

qsizetype SkipBlanks(QStringView text, qsizetype pos = 0)
{
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    return pos;
}

// The text from its first non-blank character, as Latin-1 bytes (other
// characters cannot be part of a number and become "?").
std::string NumberBytes(QStringView text)
{
    return text.mid(SkipBlanks(text)).toLatin1().toStdString();
}

// The longest leading decimal number of a text (leading blanks, an optional
// sign, the C locale's "." and an exponent allowed); 0 when there is none.
template <typename F> F ReadLeadingFloat(QStringView text)
{
    const std::string bytes = NumberBytes(text);
    const char *first = bytes.data();
    const char *last = first + bytes.size();
    bool negative = false;
    if (first != last && (*first == '+' || *first == '-')) {
        negative = *first == '-';
        ++first;
    }
    if (first == last || *first == '-' || *first == '+')
        return 0;
    F value = 0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return 0;
    if (result.ec == std::errc::result_out_of_range) // from_chars leaves value unset
        value = std::numeric_limits<F>::infinity();
    return negative ? -value : value;
}

qint64 Clamp(qint64 value, qint64 low, qint64 high)
{
    return value < low ? low : value > high ? high : value;
}

} // namespace

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return 0;
}

QString OctetsToHex(const QByteArray &octets)
{
    return QString::fromLatin1(octets.toHex().toUpper());
}

QByteArray HexToOctets(QStringView text)
{
    QString digits;
    digits.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            digits.append(c);
    QByteArray octets;
    octets.reserve(digits.size() / 2 + 1);
    qsizetype pos = 0;
    if (digits.size() % 2 == 1)
        octets.append(char(HexDigitValue(digits[pos++])));
    for (; pos + 1 < digits.size(); pos += 2)
        octets.append(char(HexDigitValue(digits[pos]) << 4 | HexDigitValue(digits[pos + 1])));
    return octets;
}

QString TimeTicksToText(quint32 hundredths)
{
    const quint32 days = hundredths / HundredthsPerDay;
    quint32 rest = hundredths % HundredthsPerDay;
    const QString clock = QString::asprintf("%u:%02u:%02u.%02u", rest / 360000, rest % 360000 / 6000,
                                            rest % 6000 / 100, rest % 100);
    if (days == 0)
        return clock;
    if (days == 1)
        return QStringLiteral("1 day ") + clock;
    return QStringLiteral("%1 days, ").arg(days) + clock;
}

quint32 TextToTimeTicks(QStringView text)
{
    // Each number is held within 32 bits, so the weighted sum fits 64 bits.
    auto number = [](QStringView part) { return Clamp(TextToLong(part), -(1LL << 32), 1LL << 32); };
    qint64 total = 0;
    qsizetype pos = 0;
    qsizetype days = text.indexOf(u"days");
    qsizetype daysLength = 4;
    if (days < 0) {
        days = text.indexOf(u"day");
        daysLength = 3;
    }
    if (days >= 0) {
        total += number(text.left(days)) * HundredthsPerDay;
        pos = days + daysLength;
        const qsizetype comma = SkipBlanks(text, pos);
        if (comma < text.size() && text[comma] == QLatin1Char(','))
            pos = comma + 1;
    }
    const qsizetype hoursEnd = text.indexOf(QLatin1Char(':'), pos);
    if (hoursEnd >= 0) {
        total += number(text.mid(pos, hoursEnd - pos)) * 360000;
        pos = hoursEnd + 1;
        const qsizetype minutesEnd = text.indexOf(QLatin1Char(':'), pos);
        if (minutesEnd >= 0) {
            total += number(text.mid(pos, minutesEnd - pos)) * 6000;
            pos = minutesEnd + 1;
        }
    }
    const qsizetype secondsEnd = text.indexOf(QLatin1Char('.'), pos);
    if (secondsEnd >= 0) {
        total += number(text.mid(pos, secondsEnd - pos)) * 100;
        total += number(text.mid(secondsEnd + 1));
    }
    return quint32(Clamp(total, 0, std::numeric_limits<quint32>::max()));
}

qint64 TextToLong(QStringView text)
{
    qsizetype pos = SkipBlanks(text);
    bool negative = false;
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-')))
        negative = text[pos++] == QLatin1Char('-');
    constexpr quint64 Limit = quint64(std::numeric_limits<qint64>::max()) + 1;
    quint64 magnitude = 0;
    for (; pos < text.size() && IsAsciiDigit(text[pos]); ++pos) {
        const unsigned digit = text[pos].unicode() - '0';
        if (magnitude > (Limit - digit) / 10) {
            magnitude = Limit;
            break;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (magnitude >= Limit)
        return negative ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return negative ? -qint64(magnitude) : qint64(magnitude);
}

qint32 TextToInt32(QStringView text)
{
    return qint32(
        Clamp(TextToLong(text), std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

quint32 TextToUInt32(QStringView text)
{
    return quint32(Clamp(TextToLong(text), 0, std::numeric_limits<quint32>::max()));
}

quint64 TextToCounter64(QStringView text)
{
    const long double value = ReadLeadingFloat<long double>(text);
    if (!(value > 0)) // NaN and negative numbers included
        return 0;
    if (value >= 18446744073709551616.0L)
        return std::numeric_limits<quint64>::max();
    return quint64(value);
}

QString DoubleToText(double value)
{
    return QString::number(value, 'g', 15);
}

double TextToDouble(QStringView text)
{
    return ReadLeadingFloat<double>(text);
}

QByteArray DoubleToOctets(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray octets(8, '\0');
    qToLittleEndian(bits, octets.data());
    return octets;
}

double OctetsToDouble(const QByteArray &octets)
{
    QByteArray eight = octets.left(8);
    eight.append(8 - eight.size(), '\0');
    const quint64 bits = qFromLittleEndian<quint64>(eight.constData());
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString DayCountToText(double days)
{
    constexpr double FirstDay = -693593.0;    // 0001-01-01
    constexpr double PastLastDay = 2958466.0; // 10000-01-01
    if (!(days >= FirstDay && days < PastLastDay))
        return QString::number(days, 'g', QLocale::FloatingPointShortest); // reads back exactly
    const double whole = std::trunc(days);
    qint64 ms = std::llround(std::fabs(days - whole) * MillisecondsPerDay);
    if (ms >= qint64(MillisecondsPerDay))
        ms = qint64(MillisecondsPerDay) - 1;
    const QDate date = DayZero.addDays(qint64(whole));
    const int seconds = int(ms / 1000);
    const int hour = seconds / 3600;
    return QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d %s", date.year(), date.month(), date.day(),
                             hour % 12 == 0 ? 12 : hour % 12, seconds / 60 % 60, seconds % 60,
                             hour < 12 ? "am" : "pm");
}

std::optional<double> TextToDayCount(QStringView text)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(\d{1,4})[/.-](\d{1,2})[/.-](\d{1,2})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)"
                       R"(\s*(am|pm)?)?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text.toString());
    if (match.hasMatch()) {
        const QDate date(match.capturedView(1).toInt(), match.capturedView(2).toInt(),
                         match.capturedView(3).toInt());
        int hour = match.capturedView(4).toInt();
        const int minute = match.capturedView(5).toInt();
        const int second = match.capturedView(6).toInt();
        const QStringView half = match.capturedView(7);
        if (!half.isEmpty()) {
            if (hour < 1 || hour > 12)
                return std::nullopt;
            hour = hour % 12 + (half.compare(u"pm", Qt::CaseInsensitive) == 0 ? 12 : 0);
        }
        if (!date.isValid() || hour > 23 || minute > 59 || second > 59)
            return std::nullopt;
        const double dayPart = double(DayZero.daysTo(date));
        const double timePart = (hour * 3600 + minute * 60 + second) / 86400.0;
        return dayPart < 0 ? dayPart - timePart : dayPart + timePart;
    }
    const std::string bytes = text.trimmed().toLatin1().toStdString();
    double value = 0;
    const auto result = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
    if (bytes.empty() || result.ec != std::errc() || result.ptr != bytes.data() + bytes.size())
        return std::nullopt;
    return value;
}

double NowDayCount()
{
    const QDateTime now = QDateTime::currentDateTime();
    return double(DayZero.daysTo(now.date())) + now.time().msecsSinceStartOfDay() / MillisecondsPerDay;
}

QString OctetsToDisplayString(const QByteArray &octets)
{
    const qsizetype end = octets.indexOf('\0');
    return QString::fromLatin1(end < 0 ? octets : octets.left(end));
}

QByteArray DisplayStringToOctets(const QString &text)
{
    return text.toLatin1();
}

QString IpAddressToText(const QByteArray &octets)
{
    auto octet = [&](int i) { return i < octets.size() ? quint8(octets[i]) : 0; };
    return QStringLiteral("%1.%2.%3.%4").arg(octet(0)).arg(octet(1)).arg(octet(2)).arg(octet(3));
}

} // namespace KtTextForm
