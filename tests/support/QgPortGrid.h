#pragma once

// The port lists of the dedicated windows: the 91 octets of a port list as
// net-snmp's tools print them, and the boxes of a port grid.
#include <QList>
#include <QString>
#include <initializer_list>

class TStackingPortUitForm;

// The hexadecimal text of a 91-octet port list with the given bits set
// ("00 00 ... C0 ..."), and with every port of the simulator's stack when
// asked (units 1 to 3 with 12, 26 and 50 ports: bits 56 to 67, 112 to 137
// and 168 to 217), the agent's default.
QString PortListHex(QList<int> bits, bool allStackPorts = false);

// The indexes of the grid's checked boxes.
QList<int> CheckedBoxes(const TStackingPortUitForm *grid);
// The indexes of the grid's boxes that are not hidden.
QList<int> ShownBoxes(const TStackingPortUitForm *grid);

// The numbers first to last.
QList<int> Range(int first, int last);

// Shows one unit page of a port grid and checks that it shows whole: no
// scroll bars, and each of the given boxes inside the visible page.
void ExpectWholeUnitPage(TStackingPortUitForm *grid, int page, std::initializer_list<int> boxes);
