#include "CreateUnitPanel.h"

#include "KtException.h"
#include "TPanelForm.h"

#include <QTreeWidget>
#include <memory>

namespace {

const QString GenericModelText = QStringLiteral("GENERIC");

// Slot s examines the module-type entries from its first port - 1 on, when
// the port table is long enough to hold them.
struct SlotProbe
{
    int MinimumRows;
    int First;
    int End;
};
constexpr SlotProbe SlotProbes[] = {{8, 4, 7}, {12, 8, 11}};

int UnitNumberOf(const QString &text)
{
    bool ok = false;
    const int unit = text.toInt(&ok);
    if (!ok)
        throw KtConvertError(text);
    return unit;
}

void FillGenericPanel(TPanelForm &panel, const UnitPanelInput &unit)
{
    panel.PortCount = unit.PortCount;
    panel.SetPortTags();
    panel.SetPortCount(unit.PortCount);
    panel.SetStackPicture();
    if (unit.ModelText != GenericModelText)
        panel.ShowModelText(unit.ModelText);
}

void FillGigabitPanel(TPanelForm &panel, const UnitPanelInput &unit)
{
    panel.SetUpLeds();
    panel.SetPortTags();
    panel.SetStackPicture();
    for (int slot = 1; slot <= 2; ++slot) {
        const SlotProbe &probe = SlotProbes[slot - 1];
        if (unit.PortTableRows < probe.MinimumRows)
            continue;
        const int module = DetectSlotModule(unit.ModuleTypes, probe.First, probe.End);
        if (module >= 1)
            panel.AttachSlotModule(slot, *kSlotModuleLayouts[module - 1]);
    }
    panel.StartLedPolling();
}

void FillBayPanel(TPanelForm &panel, const UnitPanelInput &unit)
{
    panel.SetUpLeds();
    if (const PanelLayout *module = BayModuleFor(unit.ModuleTypes))
        panel.AttachBayModule(*module);
    panel.SetPortTags();
    panel.SetStackPicture();
}

void FillPanel(TPanelForm &panel)
{
    panel.SetUpLeds();
    panel.SetPortTags();
    panel.SetStackPicture();
}

} // namespace

namespace {

constexpr qint64 MaxUnitNumber = MaxStackUnits;
constexpr qint64 MaxStackPort = MaxUnitNumber * TPanelForm::MaxPortsPerUnit;

// The row's value as a number; a value of another type than INTEGER reads
// "(NULL)" and is no number.
std::optional<qint64> RowNumber(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

bool InRange(qint64 value, qint64 low, qint64 high, const char *name, QString &problem)
{
    if (value >= low && value <= high)
        return true;
    problem = QStringLiteral("%1 %2 is out of range").arg(QLatin1String(name)).arg(value);
    return false;
}

// The number a row holds for one column, when it is a number within range.
std::optional<qint64> RowValue(const QString &text, qint64 low, qint64 high, const char *name,
                               QString &problem)
{
    const std::optional<qint64> value = RowNumber(text);
    if (!value) {
        // A value of another type than a number is read as no value at all
        // and shows as an empty cell.
        problem = text.trimmed().isEmpty()
                      ? QStringLiteral("%1 holds no number").arg(QLatin1String(name))
                      : QStringLiteral("%1 %2 is not a number").arg(QLatin1String(name), text);
        return std::nullopt;
    }
    return InRange(*value, low, high, name, problem) ? value : std::nullopt;
}

} // namespace

std::optional<int> UnitRowPortCount(const QString &unitNumber, const QString &startPort,
                                    const QString &portRange, QString &problem)
{
    const std::optional<qint64> unit = RowNumber(unitNumber);
    if (unit && !InRange(*unit, 1, MaxUnitNumber, "swUnitMgmtId", problem))
        return std::nullopt;
    const std::optional<qint64> start = RowValue(startPort, 0, MaxStackPort, "swUnitMgmtStartPort", problem);
    if (!start)
        return std::nullopt;
    const std::optional<qint64> range = RowValue(portRange, 0, MaxStackPort, "swUnitMgmtPortRange", problem);
    if (!range)
        return std::nullopt;
    const qint64 count = *range - *start + 1;
    if (!InRange(count, 0, TPanelForm::MaxPortsPerUnit, "port count", problem))
        return std::nullopt;
    return int(count);
}

QStringList ModuleTypesOf(const QTreeWidget &portInfo, const QString &unitNumber)
{
    // Sub-item n is column n + 1: column 0 is the item's caption.
    constexpr int UnitIndexColumn = 1;
    constexpr int ModuleTypeColumn = 5;
    QStringList types;
    for (int row = 0; row < portInfo.topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = portInfo.topLevelItem(row);
        if (item->text(UnitIndexColumn) == unitNumber)
            types << item->text(ModuleTypeColumn);
    }
    return types;
}

int DetectSlotModule(const QStringList &moduleTypes, int first, int end)
{
    for (int i = qMax(first, 0); i < end && i < moduleTypes.size(); ++i) {
        const int module = int(SlotModuleTypes.indexOf(moduleTypes.at(i)));
        if (module >= 0)
            return module + 1;
    }
    return -1;
}

const PanelLayout *BayModuleFor(const QStringList &moduleTypes)
{
    for (const QString &type : moduleTypes) {
        if (!BayModuleTypes.contains(type))
            continue;
        for (const PanelLayout *layout : kBayModuleLayouts)
            if (type == QLatin1String(layout->Selector))
                return layout;
        return nullptr;
    }
    return nullptr;
}

TPanelForm *CreateUnitPanel(const UnitPanelInput &unit, PanelHost &host, QWidget *parent)
{
    auto panel = std::make_unique<TPanelForm>(FrontPanelLayoutFor(unit.ModelText), host, parent);
    panel->Unit = UnitNumberOf(unit.UnitNumber);
    if (panel->IsGeneric())
        FillGenericPanel(*panel, unit);
    else if (panel->HasSlots())
        FillGigabitPanel(*panel, unit);
    else if (panel->Layout().Bay)
        FillBayPanel(*panel, unit);
    else
        FillPanel(*panel);
    return panel.release();
}
