#include "QgUnitRows.h"

#include "KtUnitMgmtTable.h"

const QList<QgUnit> QgSimStack = {{"1", "12", "QG2312"}, {"2", "26", "QF1824"}, {"3", "50", "QL2448"}};

KtDeviceState::Rows QgUnitRows(const QList<QgUnit> &units)
{
    KtDeviceState::Rows rows;
    for (const QgUnit &unit : units) {
        QStringList cells(UnitModuleNameColumn + 1);
        cells[UnitIdColumn] = QString::fromLatin1(unit.Id);
        cells[UnitPortRangeColumn] = QString::fromLatin1(unit.PortCount);
        cells[UnitModuleNameColumn] = QString::fromLatin1(unit.ModuleName);
        rows << cells;
    }
    return rows;
}
