#include "QgTreeRows.h"

#include <QTreeWidget>

QStringList Captions(const QTreeWidget *list)
{
    QStringList captions;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        captions << list->topLevelItem(row)->text(0);
    return captions;
}

bool SelectRow(QTreeWidget *list, const QString &caption, const QString &second)
{
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = list->topLevelItem(row);
        if (item->text(0) == caption && (second.isNull() || item->text(1) == second)) {
            list->setCurrentItem(item);
            return true;
        }
    }
    return false;
}
