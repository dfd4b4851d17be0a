#pragma once

#include "KtOptionList.h"

class QComboBox;
class QGroupBox;

// The controls that show a KtOptionList: a combo box of its names, or a radio
// group, a QGroupBox whose radio buttons FillItems creates and registers in a
// QButtonGroup child of the box, the button id being the entry index;
// checkedId() of that group is the chosen entry.
//
//   KtOptionControls::FillItems(FdbStatus, combo);
//   KtOptionControls::Select(FdbStatus, combo, "3"); // "learned"
class KtOptionControls
{
public:
    static void FillItems(const KtOptionList &list, QComboBox *combo);
    static void FillItems(const KtOptionList &list, QGroupBox *radioGroup);
    // Chooses the entry for a text (by name, failing that by value), or no
    // entry when none matches.
    static void Select(const KtOptionList &list, QComboBox *combo, const QString &text);
    static void Select(const KtOptionList &list, QGroupBox *radioGroup, const QString &text);
};
