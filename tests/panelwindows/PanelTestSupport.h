#pragma once

// Shared parts of the panel-window tests: a host that stands in for the
// main window, the simulator with a scenario text, and the unit and port
// tables read from it the way the panel build reads them.
#include "CreateUnitPanel.h"
#include "KtImageList.h"
#include "KtOptionList.h"
#include "KtSNMPRequest.h"
#include "PanelHost.h"
#include "QgPortGrid.h"
#include "QgSimProcess.h"
#include "QgSimSuite.h"
#include "QgWait.h"
#include "TPanelForm.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

class TestPanelHost : public PanelHost
{
public:
    QList<QAbstractButton *> &PortButtons() override { return buttons; }
    QLabel *StatusPanel() override { return &status; }
    QPixmap StackPicture(int index) override { return stackPictures.Pixmap(index); }

    QList<QAbstractButton *> buttons;
    QLabel status;
    KtImageList stackPictures = KtImageList::StackNumbers();
};

// qgsim with frozen LEDs running a scenario given as text.
class ScenarioSimulator : public QgSimProcess
{
public:
    explicit ScenarioSimulator(const QByteArray &scenario) : QgSimProcess({"--static-leds"}, scenario) {}
};

// The "set" line of a scenario that fixes a unit's LED octets: all `size`
// octets 0 (white) except the given ones.
inline QByteArray LedOctetsLine(int unit, int size, const QList<std::pair<int, int>> &octets)
{
    QByteArray bytes(size, '\0');
    for (const auto &[index, value] : octets)
        bytes[index] = char(value);
    return "set 1.3.6.1.4.1.47893.12.11.1.9.4.1.5." + QByteArray::number(unit) + " 0x" + bytes.toHex() + "\n";
}

inline constexpr KtSNMPVarDef kUnitTable[] = {
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.1", "swUnitMgmtId", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.3", "swUnitMgmtStartPort", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.4", "swUnitMgmtPortRange", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.9", "swUnitMgmtModuleName", SyntaxDisplayString, AccessRead},
    {},
};

inline constexpr KtSNMPVarDef kPortTable[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.1", "Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.2", "Unit Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.3.1.1.6", "Module Type", SyntaxInteger, AccessRead},
    {},
};

// The "Module Type" texts the simulator's modules have.
inline constexpr KtOptionDef kModuleTypePairs[] = {
    {0, "none"},
    {2, "moduleType-1394"},
    {3, "moduleType-1000T"},
    {4, "moduleType-MGBIC"},
    {6, "moduleType-2P-SC-SX"},
    {10, "moduleType-2P-TX"},
    {18, "moduleType-1P-GBIC-1P-STACK"},
    {25, "moduleType-2P-100TX"},
    {26, "moduleType-BaseModule-24PORT"},
    {},
};

// Rows of a table walk, each the values of the list's variables.
inline std::vector<QStringList> WalkTable(quint16 port, const KtSNMPVarDef *table)
{
    KtSNMPRequest request;
    request.Device = {"127.0.0.1", port};
    request.Security.Version = 1;
    request.Security.ReadCommunity = "public";
    request.Vars = KtSNMPVarList(table, ListTable, 1);
    std::vector<QStringList> rows;
    for (bool more = request.ReadSync(true); more; more = request.ReadSync(false)) {
        QStringList row;
        for (int i = 0; i < request.Vars.Count(); ++i)
            row << request.Vars.Get(i).Value;
        rows.push_back(row);
    }
    return rows;
}

// What the panel build takes from the unit and port tables, per unit row.
inline QList<UnitPanelInput> ReadUnits(quint16 port)
{
    static const KtOptionList moduleTypes(kModuleTypePairs);
    const std::vector<QStringList> units = WalkTable(port, kUnitTable);
    const std::vector<QStringList> ports = WalkTable(port, kPortTable);
    QList<UnitPanelInput> inputs;
    for (const QStringList &unit : units) {
        UnitPanelInput input;
        input.UnitNumber = unit[0];
        input.ModelText = unit[3];
        input.PortCount = unit[2].toInt() - unit[1].toInt() + 1;
        input.PortTableRows = int(ports.size());
        for (const QStringList &row : ports)
            if (row[1] == unit[0])
                input.ModuleTypes << moduleTypes.ValueToName(row[2]);
        inputs << input;
    }
    return inputs;
}

inline bool WaitForLeds(const TPanelForm &panel)
{
    return panel.LedBinding && WaitIdle(panel.LedBinding.get());
}

// The LED bindings of a panel whose shapes are the named shape or lie in the
// named LED panel, inside `within` (the panel itself when null), in binding
// order.
inline std::vector<const KtSNMPRequest2Leds::LedBinding *>
LedsIn(const TPanelForm &panel, const QString &holder, const QWidget *within = nullptr)
{
    std::vector<const KtSNMPRequest2Leds::LedBinding *> leds;
    for (const auto &led : panel.LedBinding->Leds) {
        const KtLedShape *shape = led.Shape;
        if (!shape || (within && !within->isAncestorOf(shape)))
            continue;
        if (shape->objectName() == holder ||
            (shape->parentWidget() && shape->parentWidget()->objectName() == holder))
            leds.push_back(&led);
    }
    return leds;
}

inline QList<QColor> ColoursOf(const std::vector<const KtSNMPRequest2Leds::LedBinding *> &leds)
{
    QList<QColor> colours;
    for (const auto *led : leds)
        colours << KtSNMPLedColorMapList::ToQColor(led->Color);
    return colours;
}

inline QList<int> BytesOf(const std::vector<const KtSNMPRequest2Leds::LedBinding *> &leds)
{
    QList<int> bytes;
    for (const auto *led : leds)
        bytes << led->ByteIndex;
    return bytes;
}

template <typename Button> QList<int> TagsOf(const QList<Button *> &buttons)
{
    QList<int> tags;
    for (const Button *button : buttons)
        tags << KtPortButton::TagOf(button);
    return tags;
}
