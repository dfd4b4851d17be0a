#pragma once

#include "KtSNMPVarDef.h"

#include <QDate>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The display form of a value text, worked out here on its own, as the
// oracle of the round-trip tests: a text typed and the text shown after the
// value was written and read back stand for the same value exactly when
// their display forms are equal. What does not count: blanks around a
// number, leading zeros and a "+" sign, letter case and blanks of
// hexadecimal, an odd hexadecimal digit alone (a leading zero), a leading
// "." of an OID, the ways of writing days and hours of a time (25 hours is
// 1 day 1 hour), a zone of 0:0, and the forms of a date and time. An empty
// text for a text that is no value of the syntax.
namespace QgDisplayForm {

inline QString Digits(const QString &text)
{
    static const QRegularExpression number(QStringLiteral(R"(^([+-]?)0*([0-9]+)$)"));
    const QRegularExpressionMatch match = number.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    const bool zero = match.captured(2).count(QLatin1Char('0')) == match.captured(2).size();
    return (match.captured(1) == QLatin1String("-") && !zero ? QStringLiteral("-") : QString()) +
           (zero ? QStringLiteral("0") : match.captured(2));
}

inline QString Dotted(const QString &text)
{
    QString rest = text.trimmed();
    if (rest.startsWith(QLatin1Char('.')))
        rest.remove(0, 1);
    QStringList parts = rest.split(QLatin1Char('.'));
    for (QString &part : parts) {
        if (part.startsWith(QLatin1Char('+')) || part.startsWith(QLatin1Char('-')))
            return {};
        part = Digits(part);
        if (part.isEmpty())
            return {};
    }
    return parts.join(QLatin1Char('.'));
}

inline QString Hex(const QString &text)
{
    QString digits = text.toUpper().remove(QLatin1Char(' '));
    static const QRegularExpression hex(QStringLiteral("^[0-9A-F]*$"));
    if (!hex.match(digits).hasMatch())
        return {};
    return digits.size() % 2 ? QLatin1Char('0') + digits : digits;
}

inline QString TimeTicks(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^(?:([0-9]+) *days? *,? *)?([0-9]+):([0-9]+):([0-9]+)\.([0-9]+)$)"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    const quint64 t = match.captured(1).toULongLong() * 8640000 + match.captured(2).toULongLong() * 360000 +
                      match.captured(3).toULongLong() * 6000 + match.captured(4).toULongLong() * 100 +
                      match.captured(5).toULongLong();
    const quint64 days = t / 8640000;
    const QString clock = QString::asprintf("%llu:%02llu:%02llu.%02llu", t % 8640000 / 360000,
                                            t % 360000 / 6000, t % 6000 / 100, t % 100);
    if (days == 0)
        return clock;
    return days == 1 ? QStringLiteral("1 day ") + clock : QStringLiteral("%1 days, ").arg(days) + clock;
}

inline QString DateAndTime(const QString &text)
{
    static const QRegularExpression form(QStringLiteral(
        R"(^([0-9]+)-([0-9]+)-([0-9]+),([0-9]+):([0-9]+):([0-9]+)\.([0-9]+)(?:,([+-])([0-9]+):([0-9]+))?$)"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    QStringList numbers;
    for (int i = 1; i <= 7; ++i)
        numbers << QString::number(match.captured(i).toULongLong());
    QString shown =
        QStringLiteral("%1-%2-%3,%4:%5:%6.%7")
            .arg(numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5], numbers[6]);
    const quint64 hours = match.captured(9).toULongLong();
    const quint64 minutes = match.captured(10).toULongLong();
    if (hours || minutes)
        shown += QStringLiteral(",%1%2:%3").arg(match.captured(8)).arg(hours).arg(minutes);
    return shown;
}

// "yyyy/mm/dd hh:nn:ss am/pm" and its shorter forms, written in the long one.
inline QString DateTimeValue(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^([0-9]{1,4})[/.-]([0-9]{1,2})[/.-]([0-9]{1,2})(?:\s+([0-9]{1,2}):([0-9]{1,2}))"
                       R"((?::([0-9]{1,2}))?\s*(am|pm)?)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    int hour = match.captured(4).toInt();
    const QString half = match.captured(7).toLower();
    if (!half.isEmpty())
        hour = hour % 12 + (half == QLatin1String("pm") ? 12 : 0);
    return QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d %s", date.year(), date.month(), date.day(),
                             hour % 12 == 0 ? 12 : hour % 12, match.captured(5).toInt(),
                             match.captured(6).toInt(), hour < 12 ? "am" : "pm");
}

inline QString Of(int syntax, const QString &text)
{
    switch (syntax) {
    case SyntaxInteger:
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxUnsigned32:
    case SyntaxCounter64:
        return Digits(text);
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
    case SyntaxMacAddress:
        return Hex(text);
    case SyntaxOid:
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        return Dotted(text);
    case SyntaxTimeTicks:
        return TimeTicks(text);
    case SyntaxDouble: {
        bool ok = false;
        const double value = text.trimmed().toDouble(&ok);
        return ok ? QString::number(value, 'g', 15) : QString();
    }
    case SyntaxDateAndTime:
        return DateAndTime(text);
    case SyntaxDateTimeValue:
        return DateTimeValue(text);
    case SyntaxBoolean:
        return text.trimmed();
    default: // SyntaxDisplayString: every character counts
        return text;
    }
}

} // namespace QgDisplayForm
