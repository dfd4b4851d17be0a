#pragma once

#include <QByteArray>
#include <QString>

// An SNMP DateAndTime value: year, month, day, hour, minutes, seconds,
// deci-seconds and the offset from UTC. On the wire it is 11 octets with the
// year's high octet first; as text "2005-3-7,14:5:9.0" with ",+8:0" or
// ",-8:0" following when the zone is not 0:0. Fields hold whatever a text or
// the wire gives them, truncated to their width, without range checks.
class KtDateTime
{
public:
    static constexpr int WireLength = 11;

    // The current local date and time, zone "+0:0".
    KtDateTime();

    // Reads "%d-%d-%d,%d:%d:%d.%d,+%d:%d", failing that the same with "-",
    // failing that "%d-%d-%d,%d:%d:%d.%d" (zone 0:0); numbers the text does
    // not give are 0.
    explicit KtDateTime(const QString &text);

    // A typed date and time: the whole text (blanks around it aside) in the
    // form ToText writes, all seven numbers given, each within the range of
    // its field (month 1-12, day 1-31, hour 0-23, minutes 0-59, seconds 0-60,
    // deci-seconds 0-9, zone 0-13 hours and 0-59 minutes). Any other text
    // raises KtValueError.
    static KtDateTime Read(QStringView text);

    // The first 11 octets; octets the input does not have count as 0.
    static KtDateTime FromOctets(const QByteArray &octets);
    QByteArray ToOctets() const;

    QString ToText() const;

    // Exchanges the two octets of the year, as between machine and wire order.
    void SwapYear();

    bool operator==(const KtDateTime &) const = default;

    quint16 Year = 0;
    quint8 Month = 0;
    quint8 Day = 0;
    quint8 Hour = 0;
    quint8 Minutes = 0;
    quint8 Seconds = 0;
    quint8 DeciSeconds = 0;
    char Direction = '+';
    quint8 HoursFromUTC = 0;
    quint8 MinutesFromUTC = 0;

private:
    struct Zeroed
    {
    };
    explicit KtDateTime(Zeroed) {}

    // Reads up to nine numbers with the given zone sign; returns how many.
    int Scan(const QString &text, char zoneSign, int wanted);
};
