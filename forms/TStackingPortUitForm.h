#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class QCheckBox;
class QPlainTextEdit;
class QTabWidget;
class QTreeWidget;

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
    // Shows every unit of a unit list view: caption = unit identifier,
    // column 3 = port count, column 8 = module name.
    void ShowUnits(const QTreeWidget *unitList);
    void ClearBoxes();

    // The page index of a unit identifier, or -1.
    static int PageOfUnit(int unitId);
    // "0,1,...,727".
    static QString BitIndexList();

    // The whole set-up every window does: create the grid for `window` in
    // `host`, add the 13 pages, and show the units of the main window's unit
    // list, asking for a fresh read of that list first when it is empty.
    // A failure of that read is reported into `memo`.
    static TStackingPortUitForm *Build(QWidget *window, QWidget *host, QPlainTextEdit *memo);

    // Reads the main window's unit list again, reporting a failure into the
    // memo. The default reads the unit table into the main window's
    // "UnitListView" with a blocking get; the main window may replace it
    // with a get of its own unit-table binding.
    static std::function<void(QTreeWidget *unitList, QPlainTextEdit *memo)> RefreshUnitList;
    static void ResetRefreshUnitList();
    // The main window's unit list view, or nullptr.
    static QTreeWidget *MainUnitList();

    QTabWidget *UnitPageControl;
    QList<QWidget *> UnitSheets;
    QList<QCheckBox *> PortBoxes;

private:
    static void ReadUnitTable(QTreeWidget *unitList, QPlainTextEdit *memo);
};
