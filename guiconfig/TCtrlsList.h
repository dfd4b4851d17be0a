#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The controls of one composite editor row, not owned: the row's panel
// first, then its sub-controls from left to right.
class TCtrlsList
{
public:
    void Add(QWidget *control);
    int Count() const { return int(controls_.size()); }
    // Null when the index is out of range or the control is gone.
    QWidget *Get(int i) const;
    QWidget *Panel() const { return Get(0); }
    // The sub-controls of the given type, left to right.
    template <typename T> QList<T *> Controls() const
    {
        QList<T *> found;
        for (int i = 1; i < Count(); ++i)
            if (auto *control = qobject_cast<T *>(Get(i)))
                found << control;
        return found;
    }
    void Clear();

private:
    QList<QPointer<QWidget>> controls_;
};
