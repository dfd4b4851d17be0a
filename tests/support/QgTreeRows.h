#pragma once

// The rows of the windows' list views.
#include <QString>
#include <QStringList>

class QTreeWidget;

// The caption (first column) of every top-level row, in order.
QStringList Captions(const QTreeWidget *list);

// Makes the first row with the caption (and, when given, the text of the
// second column) the current row, as a click does; false if there is none.
bool SelectRow(QTreeWidget *list, const QString &caption, const QString &second = QString());
