#include "TRowCountLabel.h"

#include <QAbstractItemModel>
#include <QTreeWidget>

TRowCountLabel::TRowCountLabel(const QString &objectName, QWidget *parent) : QLabel(parent)
{
    setObjectName(objectName);
}

TRowCountLabel *TRowCountLabel::Counts(QTreeWidget *list)
{
    list_ = list;
    return this;
}

TRowCountLabel *TRowCountLabel::Follow(QObject *window)
{
    QAbstractItemModel *rows = list_->model();
    connect(rows, &QAbstractItemModel::rowsInserted, window, [this] { Show(); });
    connect(rows, &QAbstractItemModel::rowsRemoved, window, [this] { Show(); });
    connect(rows, &QAbstractItemModel::modelReset, window, [this] { Show(); });
    return this;
}

TRowCountLabel *TRowCountLabel::Sunken(int minimumWidth)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumWidth(minimumWidth);
    return this;
}

void TRowCountLabel::Show()
{
    setText(QString::number(list_->topLevelItemCount()));
}
