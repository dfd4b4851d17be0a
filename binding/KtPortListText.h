#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// A port-list value as people read it: unit:port ranges such as
// "15:1-4, 1:1-8, 2:3". The bits follow the unit/port grid of the port-list
// windows: 56 bits per unit, the first 56 belonging to the master unit 15,
// the next 56 to unit 1, and so on up to unit 12; bit 0 is the most
// significant bit of octet 0. Bits past the last unit are named by number
// ("bits 728-730"), so that no set bit goes unseen.
class KtPortListText
{
public:
    static constexpr int PortsPerUnit = 56;
    static constexpr int UnitPages = 13;
    static constexpr int MasterUnitId = 15;

    // The unit numbers in the order of their pages; empty for no set bit.
    static QString FromOctets(const QByteArray &octets);
    // The same for the hexadecimal text form of the value.
    static QString FromHex(QStringView hex);
    // The unit a page of bits belongs to: 15 for page 0, page k for unit k.
    static int UnitOfPage(int page);
};
