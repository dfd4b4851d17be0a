#pragma once

#include "PanelLayout.h"

#include <QString>
#include <QStringList>
#include <optional>

class PanelHost;
class QTreeWidget;
class QWidget;
class TPanelForm;

// What the panel build knows of one unit: its row of the unit table and the
// port table's module-type texts.
struct UnitPanelInput
{
    QString UnitNumber;      // swUnitMgmtId as text
    QString ModelText;       // swUnitMgmtModuleName
    int PortCount = 0;       // swUnitMgmtPortRange - swUnitMgmtStartPort + 1
    QStringList ModuleTypes; // "Module Type" texts of this unit's port rows, in row order
    int PortTableRows = 0;   // rows of the whole port table
};

// The most units a stack holds (unit numbers 1 to 15).
inline constexpr int MaxStackUnits = 15;

// The port count of one unit-table row, swUnitMgmtPortRange -
// swUnitMgmtStartPort + 1, computed only from values a stack can hold:
// a unit number from 1 to 15, a start port and port range from 0 to
// 15 x 50, and a count from 0 to 50. A row outside these, or whose start
// port or port range is no number (a value of the wrong type reads
// "(NULL)"), gets no count, and problem says why ("swUnitMgmtStartPort
// -2147483648 is out of range", "swUnitMgmtPortRange (NULL) is not a
// number"). A unit number that is no number is left to CreateUnitPanel to
// refuse.
std::optional<int> UnitRowPortCount(const QString &unitNumber, const QString &startPort,
                                    const QString &portRange, QString &problem);

// Module-type texts of the slot modules, in the order of kSlotModuleLayouts.
inline const QStringList SlotModuleTypes = {"moduleType-1000T", "moduleType-MGBIC", "moduleType-1394"};
// The bay module texts tried for each entry; the last means no sub-panel.
inline const QStringList BayModuleTypes = {"moduleType-2P-100TX", "moduleType-2P-SC-SX", "moduleType-2P-TX",
                                           "moduleType-1P-GBIC-1P-STACK"};

// The "Module Type" texts of one unit's rows of the port table list view
// (sub-item 0 "Unit Index", sub-item 4 "Module Type"), in row order.
QStringList ModuleTypesOf(const QTreeWidget &portInfo, const QString &unitNumber);

// The slot module among the entries first to end - 1: 1 for the first entry
// that reads "moduleType-1000T", 2 "moduleType-MGBIC", 3 "moduleType-1394";
// -1 when none does. Entries outside the list match nothing.
int DetectSlotModule(const QStringList &moduleTypes, int first, int end);

// The bay module sub-panel for the first entry that names a bay module;
// null when that entry is the GBIC-and-stacking bay or no entry matches.
const PanelLayout *BayModuleFor(const QStringList &moduleTypes);

// Creates and fills the panel window of one unit: the model's panel (the
// generic one for any text that is not exactly a model name, showing that
// text), its LEDs polling, its port buttons tagged and added to the host's
// PortButtons, its modules and its stack-number picture. The caller places
// and shows it. Raises KtConvertError when the unit number is not an integer.
TPanelForm *CreateUnitPanel(const UnitPanelInput &unit, PanelHost &host, QWidget *parent);
