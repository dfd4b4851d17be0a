#pragma once

#include "KtDescriptorTable.h"
#include "KtSNMPVarDef.h"
#include "TBindingForm.h"
#include "TRowCountLabel.h"

#include <memory>

class KtSNMPRequest2Edits;
class QCheckBox;
class QPushButton;
class QTabWidget;
class QTreeWidget;

// The LACP figures of every aggregator port, read only. The four state octets
// of the selected row show as four pages of eight check boxes, bit 0 (the
// most significant) "lacpActivity" to bit 7 "expired".
class TAggregatorPortTableForm : public TBindingForm
{
    Q_OBJECT
public:
    enum Item
    {
        ItemActorAdminState = 19,
        ItemActorOperState = 20,
        ItemPartnerAdminState = 21,
        ItemPartnerOperState = 22,
    };
    static const KtSNMPVarDef Variables[];
    static constexpr int StateBoxes = 32;

    explicit TAggregatorPortTableForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    // Starts a new walk and clears the state check boxes.
    void Refresh();
    // The 32 state check boxes, CheckBox1 first.
    QList<QCheckBox *> StateCheckBoxes() const;

    std::unique_ptr<KtSNMPRequest2Edits> &Binding = OwnedBinding();
    TRowCountLabel *StaticText1 = nullptr;
    QPushButton *GetBtn = nullptr;
    QTreeWidget *ListView1 = nullptr;
    QTabWidget *PageControl1 = nullptr;

private:
    QCheckBox *checkBoxes_[StateBoxes] = {};
};
