#pragma once

#include "KtDescriptorTable.h"
#include "KtSNMPVarDef.h"
#include "TBindingForm.h"

#include <memory>

class KtSNMPRequest2Edits;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

// Routes one protocol passes on to another. The pair of protocols decides the
// metric range and the route types that may be chosen; the type is picked
// with radio buttons that drive a hidden combo box, and rows are added and
// deleted through a hidden row-status combo box.
class TRouteRedistributForm : public TBindingForm
{
    Q_OBJECT
public:
    enum Item
    {
        ItemSource = 0,
        ItemDestination = 1,
        ItemType = 2,
        ItemMetric = 3,
        ItemRowStatus = 4,
    };
    static const KtSNMPVarDef Variables[];
    static constexpr int TypeButtons = 10;

    explicit TRouteRedistributForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    // Range label and the radio buttons that fit the pair of protocols.
    void ApplyProtocolRules();
    // Radio button n (1 to 10) picks type item n - 2 ("other" none).
    void TypeClicked(int button);
    // Delete button, the type of the selected row, the protocol rules.
    void ListClicked();
    // False (with a message where one is due) when the metric does not fit
    // the destination protocol; a metric that is no integer raises.
    bool CheckMetric();

    void Refresh();
    void SetRow();
    void AddRow();
    void DeleteRow();

    std::unique_ptr<KtSNMPRequest2Edits> &Binding = OwnedBinding();
    QPushButton *RefreshBtn = nullptr;
    QPushButton *EditBtn = nullptr;
    QPushButton *AddBtn = nullptr;
    QPushButton *DeleteBtn = nullptr;
    QPushButton *CloseBtn = nullptr;
    QTreeWidget *ListView1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QComboBox *ComboBox3 = nullptr;
    QComboBox *StComboBox = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *Label5 = nullptr;
    QRadioButton *RadioButton[TypeButtons] = {};
    QButtonGroup *TypeGroup = nullptr;

private:
    void WriteRow();
    void EnableOnly(std::initializer_list<int> buttons);
};
