#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class KtDeviceState;
struct KtStackUnit;
class QCheckBox;
class QPlainTextEdit;
class QTabWidget;

// The unit/port grid of the port-list windows: one page per possible unit of
// a stack (page 0 the master, unit 15; page k unit k), 56 port check boxes
// per page. Box i stands for bit i of an SNMP port list, so a window binds a
// port-list column to PortBoxes with BitIndexList().
class TStackingPortUitForm : public QWidget
{
public:
    static constexpr int MasterUnitId = 15;
    static constexpr int PortsPerUnit = 56;
    static constexpr int UnitCount = 13;
    static constexpr int BoxCount = UnitCount * PortsPerUnit; // 728 bits, 91 octets

    // A borderless child of `owner`; Attach gives it its host area.
    explicit TStackingPortUitForm(QWidget *owner);

    // Makes `host` the parent, fills it and shows the grid.
    void Attach(QWidget *host);
    // Adds one hidden page titled "Unit<n>"; n 1 is the master page, n k > 1
    // the page of unit k - 1. Its 56 boxes start hidden and unchecked.
    void AddUnitPage(const QString &title);
    // Shows the page of a unit (15 or 1 to 12) with its first portCount
    // boxes and the module name after its caption. Other identifiers and
    // port counts outside 0..56 are ignored or clipped.
    void ShowUnit(int unitId, const QString &moduleName, int portCount);
    // Shows every unit of the stack.
    void ShowUnits(const QList<KtStackUnit> &units);
    void ClearBoxes();

    // The page index of a unit identifier, or -1.
    static int PageOfUnit(int unitId);
    // "0,1,...,727".
    static QString BitIndexList();

    // The whole set-up every window does: create the grid for `window` in
    // `host`, add the 13 pages, and show the units of the device state,
    // asking it for a fresh read of the unit table first when it holds no
    // unit row. A failure of that read is reported into `memo`. Without a
    // device state the grid shows no unit.
    static TStackingPortUitForm *Build(QWidget *window, QWidget *host, QPlainTextEdit *memo,
                                       KtDeviceState *state);

    QTabWidget *UnitPageControl;
    QList<QWidget *> UnitSheets;
    QList<QCheckBox *> PortBoxes;
};
