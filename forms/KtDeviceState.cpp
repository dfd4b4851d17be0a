#include "KtDeviceState.h"

#include "KtException.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarList.h"
#include "KtUnitMgmtTable.h"

#include <QTreeWidget>
#include <optional>

namespace {

std::optional<int> NumberIn(const QStringList &cells, int column)
{
    bool ok = false;
    const int number = cells.value(column).trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

} // namespace

KtDeviceState::KtDeviceState(QObject *parent) : QObject(parent) {}

void KtDeviceState::SetUnitRows(const Rows &rows)
{
    Store(unitRows_, rows);
}

void KtDeviceState::SetPortRows(const Rows &rows)
{
    Store(portRows_, rows);
}

QList<KtStackUnit> KtDeviceState::Units() const
{
    QList<KtStackUnit> units;
    for (const QStringList &cells : unitRows_) {
        const std::optional<int> id = NumberIn(cells, UnitIdColumn);
        const std::optional<int> ports = NumberIn(cells, UnitPortRangeColumn);
        // A row whose identifier or port count is no number names no unit.
        if (id && ports)
            units << KtStackUnit{*id, NumberIn(cells, UnitStartPortColumn).value_or(-1), *ports,
                                 cells.value(UnitModuleNameColumn)};
    }
    return units;
}

void KtDeviceState::SetStpVersion(const QString &version)
{
    Store(stpVersion_, version);
}

void KtDeviceState::SetRmonState(const QString &state)
{
    Store(rmonState_, state);
}

KtDeviceState::Rows KtDeviceState::RowsOf(const QTreeWidget &list)
{
    Rows rows;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = list.topLevelItem(row);
        QStringList cells;
        for (int column = 0; column < item->columnCount(); ++column)
            cells << item->text(column);
        rows << cells;
    }
    return rows;
}

void KtDeviceState::ReadUnitTableFromSwitch(KtDeviceState &state, QWidget *owner, QPlainTextEdit *memo)
{
    QTreeWidget unitList;
    KtSNMPRequest2Edits binding(owner);
    binding.Request.Vars = KtSNMPVarList(UnitMgmtVars, ListTable, 1);
    binding.Asynchronous = false;
    // Only a failure is worth a line in the window's memo: the binding gets
    // its status target when the read has failed.
    try {
        binding.AttachListView(&unitList, false);
        binding.Get();
    } catch (const KtException &error) {
        if (memo)
            binding.SetStatusMemo(memo);
        binding.ShowStatus(error.Message);
    }
    state.SetUnitRows(RowsOf(unitList));
}
