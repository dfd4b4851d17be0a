#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class KtOptionList;

// One bind call of an edits binding: a variable (or a part of its raw image)
// tied to one control, a group of controls, or a combo box with an edit box
// for the rest of the value.
struct KtControlBinding
{
    int Item = 0;                          // index in the variable list
    int Offset = 0;                        // byte offset of the part; 0 for the whole value
    int Syntax = 0;                        // type code of the part
    const KtOptionList *Options = nullptr; // the part's enumeration (not owned)
    QList<QPointer<QWidget>> Controls;     // owned by the window
    QList<int> BitNumbers;                 // a check-box group's bit per box

    bool IsCheckBoxGroup() const { return !BitNumbers.isEmpty(); }
};
