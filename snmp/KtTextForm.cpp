#include "KtTextForm.h"

#include "KtException.h"
#include "KtOid.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QtEndian>
#include <algorithm>
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
    if (const std::optional<double> days = CalendarTextToDayCount(text))
        return days;
    const std::string bytes = text.trimmed().toLatin1().toStdString();
    double value = 0;
    const auto result = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
    if (bytes.empty() || result.ec != std::errc() || result.ptr != bytes.data() + bytes.size())
        return std::nullopt;
    return value;
}

std::optional<double> CalendarTextToDayCount(QStringView text)
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
    return std::nullopt;
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

// ---- strict readers of typed values ------------------------------------------

namespace {

constexpr int MaxObjectIdLength = 128;

[[noreturn]] void Refuse(QStringView text, const QString &whatItTakes)
{
    throw KtValueError(QStringLiteral("'%1' is not %2.").arg(text.toString(), whatItTakes));
}

QString WholeNumberRange(qint64 minimum, qint64 maximum)
{
    return QStringLiteral("a whole number from %1 to %2").arg(minimum).arg(maximum);
}

// The whole text matched, blanks around it aside; the captures of a match.
QRegularExpressionMatch WholeMatch(const QRegularExpression &form, QStringView text)
{
    return form.match(text.trimmed().toString());
}

quint64 CapturedNumber(const QRegularExpressionMatch &match, int n)
{
    return ParseWholeNumber(match.capturedView(n)).value_or(0);
}

} // namespace

std::optional<qint64> ParseWholeNumber(QStringView text)
{
    const QStringView number = text.trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < number.size() && (number[pos] == QLatin1Char('+') || number[pos] == QLatin1Char('-')))
        negative = number[pos++] == QLatin1Char('-');
    if (pos == number.size())
        return std::nullopt;
    constexpr quint64 Limit = quint64(std::numeric_limits<qint64>::max());
    quint64 magnitude = 0;
    for (; pos < number.size(); ++pos) {
        if (!IsAsciiDigit(number[pos]))
            return std::nullopt;
        magnitude = std::min(magnitude * 10 + (number[pos].unicode() - '0'), Limit);
    }
    return negative ? -qint64(magnitude) : qint64(magnitude);
}

qint64 ReadWholeNumber(QStringView text, qint64 minimum, qint64 maximum)
{
    const std::optional<qint64> number = ParseWholeNumber(text);
    if (!number || *number < minimum || *number > maximum)
        Refuse(text, WholeNumberRange(minimum, maximum));
    return *number;
}

quint64 ReadCounter64(QStringView text)
{
    static const QRegularExpression form(QStringLiteral(R"(^\+?([0-9]+)$)"));
    const QRegularExpressionMatch match = WholeMatch(form, text);
    bool ok = false;
    const quint64 value = match.hasMatch() ? match.capturedView(1).toULongLong(&ok) : 0;
    if (!ok)
        Refuse(text, QStringLiteral("a whole number from 0 to 18446744073709551615"));
    return value;
}

quint32 ReadTimeTicks(QStringView text)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^(?:([0-9]+) *days? *,? *)?([0-9]+):([0-9]{1,2}):([0-9]{1,2})\.([0-9]{2})$)"));
    const QRegularExpressionMatch match = WholeMatch(form, text);
    const bool withDays = match.hasMatch() && match.capturedLength(1) > 0;
    const quint64 days = match.hasMatch() ? CapturedNumber(match, 1) : 0;
    const quint64 hours = match.hasMatch() ? CapturedNumber(match, 2) : 0;
    const quint64 minutes = match.hasMatch() ? CapturedNumber(match, 3) : 0;
    const quint64 seconds = match.hasMatch() ? CapturedNumber(match, 4) : 0;
    const bool fits =
        days <= std::numeric_limits<quint32>::max() && hours <= std::numeric_limits<quint32>::max();
    const quint64 total = fits ? days * HundredthsPerDay + hours * 360000 + minutes * 6000 + seconds * 100 +
                                     CapturedNumber(match, 5)
                               : 0;
    if (!match.hasMatch() || !fits || (withDays && hours > 23) || minutes > 59 || seconds > 59 ||
        total > std::numeric_limits<quint32>::max())
        Refuse(text, QStringLiteral("a time from 0:00:00.00 to 497 days, 2:27:52.95 written h:mm:ss.hh, "
                                    "after a number of days if need be (2 days, 3:04:05.06)"));
    return quint32(total);
}

QByteArray ReadHexOctets(QStringView text)
{
    const auto isHexDigit = [](QChar c) { return c == QLatin1Char('0') || HexDigitValue(c) != 0; };
    for (QChar c : text)
        if (c != QLatin1Char(' ') && !isHexDigit(c))
            Refuse(text, QStringLiteral("octets in hexadecimal (digits 0 to 9 and A to F, two per octet)"));
    return HexToOctets(text);
}

QByteArray ReadMacAddress(QStringView text)
{
    static const QString whatItTakes = QStringLiteral("a MAC address (12 hexadecimal digits)");
    QByteArray octets;
    try {
        octets = ReadHexOctets(text);
    } catch (const KtValueError &) {
        Refuse(text, whatItTakes);
    }
    if (QString(text.toString()).remove(QLatin1Char(' ')).size() != 12)
        Refuse(text, whatItTakes);
    return octets;
}

QByteArray ReadDottedQuad(QStringView text)
{
    bool ok = false;
    const KtOid numbers = KtOid::FromText(text, &ok);
    QByteArray octets;
    for (quint32 number : numbers.Ids())
        octets.append(char(quint8(number)));
    const bool inRange =
        std::all_of(numbers.Ids().begin(), numbers.Ids().end(), [](quint32 number) { return number <= 255; });
    if (!ok || numbers.Size() != 4 || !inRange || text.trimmed().startsWith(QLatin1Char('.')))
        Refuse(text, QStringLiteral("an address of four numbers from 0 to 255 joined by dots"));
    return octets;
}

KtOid ReadObjectId(QStringView text)
{
    bool ok = false;
    KtOid oid = KtOid::FromText(text, &ok);
    if (!ok || oid.Size() > MaxObjectIdLength)
        Refuse(text, QStringLiteral("an object identifier (up to 128 numbers from 0 to 4294967295 "
                                    "joined by dots)"));
    return oid;
}

double ReadDecimal(QStringView text)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^[+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?$)"));
    const bool matches = WholeMatch(form, text).hasMatch();
    const double value = matches ? TextToDouble(text) : 0;
    if (!matches || !std::isfinite(value))
        Refuse(text, QStringLiteral("a decimal number"));
    return value;
}

bool ReadTruthValue(QStringView text)
{
    const QStringView word = text.trimmed();
    if (word != u"true" && word != u"false")
        Refuse(text, QStringLiteral("true or false"));
    return word == u"true";
}

double ReadDayCount(QStringView text)
{
    const std::optional<double> days = CalendarTextToDayCount(text);
    if (!days)
        Refuse(text, QStringLiteral("a date and time written yyyy/mm/dd hh:nn:ss am or pm"));
    return *days;
}

QByteArray ReadDisplayString(QStringView text)
{
    for (QStringView::const_iterator c = text.begin(); c != text.end(); ++c) {
        char32_t code = c->unicode();
        if (c->isHighSurrogate() && c + 1 != text.end() && (c + 1)->isLowSurrogate()) {
            code = QChar::surrogateToUcs4(*c, *(c + 1));
            ++c;
        }
        if (code == 0 || code > 0xFF) {
            const QString shown = code == 0 ? QString() : QString::fromUcs4(&code, 1);
            throw KtValueError(
                QStringLiteral("The character '%1' (U+%2) cannot be written: the value takes Latin-1 "
                               "characters only (U+0001 to U+00FF).")
                    .arg(shown, QStringLiteral("%1").arg(quint32(code), 4, 16, QLatin1Char('0')).toUpper()));
        }
    }
    return text.toLatin1();
}

} // namespace KtTextForm
