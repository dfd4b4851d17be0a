#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

class KtOid;

// The text forms of SNMP values and the readers of those texts. The readers
// named Text...To... accept any text: they read what they can and never read
// past the end; they serve texts this program wrote itself. The Read...
// readers serve texts a user typed: the whole text (blanks around it aside)
// must be one value of the syntax, within its range and part count, or they
// raise KtValueError saying what the text is not and what it takes. They
// never read a leading part, drop parts or pad; only octet strings are read
// as hexadecimal.
namespace KtTextForm {

// "0" to "9", "A" to "F", "a" to "f"; any other character counts as 0.
int HexDigitValue(QChar c);

// Two upper-case digits per octet, no separators; empty for no octets.
QString OctetsToHex(const QByteArray &octets);

// Blanks are removed; with an odd number of digits the first digit alone
// makes the first octet; then every two digits make one octet, high half first.
QByteArray HexToOctets(QStringView text);

// Hundredths of a second: "h:mm:ss.hh" below one day, "1 day h:mm:ss.hh" for
// one whole day, "n days, h:mm:ss.hh" beyond.
QString TimeTicksToText(quint32 hundredths);

// Reads the forms above: an optional count before "days" (or "day") and an
// optional ","; then hours before a ":", minutes before a second ":", seconds
// before a "." and hundredths after it. Missing parts count 0; the sum is
// held within 0 to 4294967295.
quint32 TextToTimeTicks(QStringView text);

// The C atol reading: leading blanks, an optional sign, digits up to the
// first other character; 0 without digits. Saturates instead of overflowing.
qint64 TextToLong(QStringView text);
qint32 TextToInt32(QStringView text);   // clamped to the 32-bit signed range
quint32 TextToUInt32(QStringView text); // clamped to 0 to 4294967295

// A decimal read as an extended-precision number and held within the range
// of a 64-bit counter (a fraction is dropped, a negative number gives 0).
quint64 TextToCounter64(QStringView text);

// General decimal form with up to 15 significant digits.
QString DoubleToText(double value);

// The C strtod reading (leading blanks, the longest decimal number, the C
// locale's "."); 0 when the text does not begin with a number.
double TextToDouble(QStringView text);

// IEEE 754 double, least significant octet first; a short input reads its
// missing octets as 0.
QByteArray DoubleToOctets(double value);
double OctetsToDouble(const QByteArray &octets);

// Days since 30 December 1899, the fraction being the time of day, written
// "yyyy/mm/dd hh:nn:ss am/pm". A day count outside the years 1 to 9999 (or
// not a number) is written as the number itself, in a form that reads back
// as the same number.
QString DayCountToText(double days);

// Reads "yyyy/mm/dd hh:nn:ss am/pm" and its shorter forms (no seconds, no
// time, a 24-hour clock without am/pm, "-" or "." between the date's
// numbers), or a plain day-count number. No value for any other text.
std::optional<double> TextToDayCount(QStringView text);
// The same without the plain day-count number: a calendar date and time.
std::optional<double> CalendarTextToDayCount(QStringView text);

// The current local date and time as a day count.
double NowDayCount();

// The octets as characters (one character per octet) up to the first zero
// octet, and back; characters beyond Latin-1 become "?".
QString OctetsToDisplayString(const QByteArray &octets);
QByteArray DisplayStringToOctets(const QString &text);

// The first four octets as a dotted quad; missing octets count 0.
QString IpAddressToText(const QByteArray &octets);

// An optional sign and decimal digits, nothing else (blanks around aside);
// no value for any other text. Numbers beyond 64 bits are held at the
// 64-bit limit of their sign, outside every range a field has.
std::optional<qint64> ParseWholeNumber(QStringView text);

// A whole number from minimum to maximum.
qint64 ReadWholeNumber(QStringView text, qint64 minimum, qint64 maximum);

// A whole number from 0 to 18446744073709551615.
quint64 ReadCounter64(QStringView text);

// "h:mm:ss.hh", "1 day h:mm:ss.hh" or "n days, h:mm:ss.hh" (a "," after the
// days optional, "day" and "days" alike): minutes and seconds below 60,
// hours below 24 after days, exactly two digits of hundredths, the sum at
// most 4294967295 hundredths.
quint32 ReadTimeTicks(QStringView text);

// Hexadecimal digits, blanks anywhere ignored; an odd number of digits has
// its first digit alone in the first octet.
QByteArray ReadHexOctets(QStringView text);

// Exactly six octets in hexadecimal.
QByteArray ReadMacAddress(QStringView text);

// Four numbers from 0 to 255 joined by "." (IP and NSAP addresses).
QByteArray ReadDottedQuad(QStringView text);

// Dotted decimal sub-identifiers (at most 128, each fitting 32 bits).
KtOid ReadObjectId(QStringView text);

// A decimal number with an optional fraction and exponent, finite.
double ReadDecimal(QStringView text);

// "true" or "false".
bool ReadTruthValue(QStringView text);

// A calendar date and time (CalendarTextToDayCount); the day count it
// stands for.
double ReadDayCount(QStringView text);

// The characters as Latin-1 octets, the encoding OctetsToDisplayString reads
// with, so that a value reads back as it was written. A character Latin-1
// cannot carry, or a zero character (where reading stops), is refused with
// its name; blanks are part of the value.
QByteArray ReadDisplayString(QStringView text);

} // namespace KtTextForm
