#include "TCtrlsList.h"

void TCtrlsList::Add(QWidget *control)
{
    controls_ << control;
}

QWidget *TCtrlsList::Get(int i) const
{
    return i >= 0 && i < Count() ? controls_.at(i).data() : nullptr;
}

void TCtrlsList::Clear()
{
    controls_.clear();
}
