#include "QgStandInMainWindow.h"

#include "TMainWindowAnchor.h"

#include <QLabel>
#include <QTreeWidget>

const QList<QgStandInMainWindow::Unit> QgStandInMainWindow::SimStack = {
    {"1", "12", "QG2312"}, {"2", "26", "QF1824"}, {"3", "50", "QL2448"}};

QgStandInMainWindow::QgStandInMainWindow()
{
    TMainWindowAnchor::SetMainWindow(this);
}

QgStandInMainWindow::~QgStandInMainWindow()
{
    TMainWindowAnchor::SetMainWindow(nullptr);
}

QTreeWidget *QgStandInMainWindow::AddUnitList(const QList<Unit> &units)
{
    unitList_ = new QTreeWidget(this);
    unitList_->setObjectName(QStringLiteral("UnitListView"));
    unitList_->setColumnCount(9);
    SetUnits(units);
    return unitList_;
}

void QgStandInMainWindow::SetUnits(const QList<Unit> &units)
{
    unitList_->clear();
    for (const Unit &unit : units) {
        auto *row = new QTreeWidgetItem(unitList_);
        row->setText(0, QString::fromLatin1(unit.Id));
        row->setText(3, QString::fromLatin1(unit.PortCount));
        row->setText(8, QString::fromLatin1(unit.ModuleName));
    }
}

QLabel *QgStandInMainWindow::AddStpVersionText()
{
    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("ST_STPVersion"));
    return text;
}
