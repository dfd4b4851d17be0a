#pragma once

#include <QLabel>

class QTreeWidget;

// A label that shows how many rows a list view holds: on Show, and after
// Follow also whenever rows come or go.
class TRowCountLabel : public QLabel
{
public:
    TRowCountLabel(const QString &objectName, QWidget *parent);

    // The list whose rows the label counts.
    TRowCountLabel *Counts(QTreeWidget *list);
    // Shows the count from now on as rows are inserted, removed or reset.
    // The updates run in `window`'s name, so that they end when the window
    // drops its children's connections, before the list goes.
    TRowCountLabel *Follow(QObject *window);
    // Draws the label as a sunken panel at least `minimumWidth` wide.
    TRowCountLabel *Sunken(int minimumWidth);
    void Show();

private:
    QTreeWidget *list_ = nullptr;
};
