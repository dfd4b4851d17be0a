#pragma once

#include "KtDescriptorTable.h"
#include "TBindingForm.h"

#include <QString>
#include <memory>

class KtDeviceState;

class KtSNMPRequest2Edits;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TStackingPortUitForm;

// The link-aggregation (trunk) groups of the switch: index, master port,
// member ports on a unit/port grid, type and state. The state column doubles
// as the row status, so Add creates a group and Delete destroys it.
class TPortTrunkForm : public TBindingForm
{
public:
    explicit TPortTrunkForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    // Switch-wide port numbers: port + 50 x unit, the master unit 15
    // counting as unit 0.
    static constexpr int PortsPerUnitNumber = 50;
    static constexpr int HighestPortNumber = 208;
    static int PortNumberOf(int unit, int port);
    // The unit and port of a switch-wide number, unit 0 shown as 15.
    static void UnitPortOf(int number, int &unit, int &port);
    // The number of a unit text and a port text; raises KtException when a
    // text is no number or the port number lies outside 1..208.
    static int PortNumberOfTexts(const QString &unit, const QString &port);

    void RefreshClick();
    void AddClick();
    void SetClick();
    void DeleteClick();
    // What a click in the list does: a selected row goes into the editors
    // (the index locked), no selection reads the table again.
    void ListClick();
    // Empties the master-port editors and the flooding port and unchecks
    // every member box.
    void ClearEditors();

    QTreeWidget *LV_PortTrunk;
    QLineEdit *ED_Index;
    QLineEdit *ED_MasterPort; // hidden: the bound switch-wide number
    QLineEdit *UnitEdit;
    QLineEdit *PortEdit;
    QLabel *ST_FloodingPort;
    QComboBox *Combo_Type;
    QComboBox *Combo_State; // hidden: the bound state / row status
    QComboBox *ComboBox1;   // the user's "enable" / "disable"
    QWidget *StackingPortPanel;
    TStackingPortUitForm *PortGrid = nullptr;
    QPushButton *BT_Get;
    QPushButton *BT_Set;
    QPushButton *BT_Delete;
    QPushButton *SetBtn;

    std::unique_ptr<KtSNMPRequest2Edits> &Binding = OwnedBinding();

    // Items of Combo_State.
    static constexpr int EnableItem = 0;
    static constexpr int DisableItem = 1;
    static constexpr int CreateAndGoItem = 2;
    static constexpr int DestroyItem = 4;

protected:
    // The unit and port edits take digits and backspace only.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void UnlockIndex();
    void WriteMasterPort();

    // True while a button works the binding: the list changes that its
    // reads make are no clicks of the user.
    bool refreshing_ = false;
};
