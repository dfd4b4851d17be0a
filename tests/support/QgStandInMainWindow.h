#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QTreeWidget;

// What the dedicated windows take from the main window, without the main
// window: registered as the main window while it lives, with the unit list
// the port grids read and the spanning-tree version text, each when asked.
//   auto main = std::make_unique<QgStandInMainWindow>();
//   main->AddUnitList(QgStandInMainWindow::SimStack);
class QgStandInMainWindow : public QWidget
{
public:
    // One row of the unit list: the unit identifier as caption, the port
    // count and the module name where the main window keeps them.
    struct Unit
    {
        const char *Id;
        const char *PortCount;
        const char *ModuleName;
    };
    // The simulator's stack: units 1 to 3 with 12, 26 and 50 ports.
    static const QList<Unit> SimStack;

    QgStandInMainWindow();
    ~QgStandInMainWindow() override;

    // The unit list ("UnitListView") with the given rows.
    QTreeWidget *AddUnitList(const QList<Unit> &units = {});
    // Replaces the rows of the unit list.
    void SetUnits(const QList<Unit> &units);
    // The spanning-tree version text ("ST_STPVersion").
    QLabel *AddStpVersionText();

    QTreeWidget *UnitList() const { return unitList_; }

private:
    QTreeWidget *unitList_ = nullptr;
};
