#pragma once

#include "KtDescriptorTable.h"
#include "KtSNMPVarDef.h"

#include "TBindingForm.h"

class KtSNMPRequest2Edits;
class QLineEdit;
class QPushButton;

// The stacking figures of the switch: version, the most units a stack can
// hold and the units it holds now. The capacity octets are read with them but
// shown nowhere; the capacity box holds a fixed text.
class TEquipmentBasicInfoForm : public TBindingForm
{
    Q_OBJECT
public:
    enum Item
    {
        ItemCapacity = 0,
        ItemStackingVersion = 1,
        ItemMaxUnits = 2,
        ItemUnits = 3,
    };
    static const KtSNMPVarDef Variables[];

    // Builds the window and starts the first read; a read that cannot start
    // is reported in the error box and the window opens all the same.
    explicit TEquipmentBasicInfoForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    // Reads the figures again; a read that cannot start is shown in the memo.
    void Refresh();

    std::unique_ptr<KtSNMPRequest2Edits> &Binding = OwnedBinding();
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QPushButton *BitBtn1 = nullptr;
};
