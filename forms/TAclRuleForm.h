#pragma once

#include "KtFieldControls.h"
#include "TAclTableForm.h"
#include "TRowCountLabel.h"

#include <QList>

class KtDeviceState;

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The common part of the access-profile rule windows: rows keyed by a mask
// identifier and an access identifier, a check box beside every writable
// field, and writes that send only the checked fields. A deny rule never
// sends its priority-and-DSCP group.
class TAclRuleForm : public TAclTableForm
{
public:
    // The texts of one window.
    struct RuleTexts
    {
        const char *Caption;
        const char *FirstKeyMissing;
        const char *SecondKeyMissing;
        const char *Duplicate;
    };

    TAclRuleForm(QWidget *owner, const RuleTexts &texts, KtDeviceState *state);

    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void CheckAll(bool checked);
    // Disables the priority-and-DSCP group while the permit combo says deny.
    void PermitComboBoxChange();
    void ClearEditors() override;

    // The column selection Edit (add false) or Add (add true) applies after
    // saving the access bits: unchecked fields, the deny group and, in the
    // IP rule, the protocol's columns.
    void CheckBoxExclusion(bool add);
    virtual void ProtocolExclusion() {}

    QWidget *Control(int column) const { return fields_.Control(column); }
    QCheckBox *Box(int column) const { return fields_.Box(column); }
    QList<QCheckBox *> FieldBoxes() const { return fields_.Boxes().values(); }

    QLineEdit *FirstKeyEdit = nullptr;
    QLineEdit *SecondKeyEdit = nullptr;
    QComboBox *PermitComboBox = nullptr;
    QComboBox *RowComboBox = nullptr;
    TRowCountLabel *StaticText1 = nullptr;
    QPushButton *GetButton = nullptr;
    QPushButton *EditButton = nullptr;
    QPushButton *AddButton = nullptr;
    QPushButton *DeleteButton = nullptr;
    QPushButton *CheckButton = nullptr;
    QPushButton *UncheckButton = nullptr;

    static constexpr int CreateAndGoItem = 3;
    static constexpr int DestroyItem = 5;

protected:
    // Builds the controls of the fields, binds the table and reads it.
    // `groupFirst` to `groupLast` is the priority-and-DSCP group.
    void Build(const KtSNMPVarDef *table, const KtFieldControls::Field *fields, int fieldCount,
               int permitColumn, int rowColumn, int groupFirst, int groupLast);
    // Whether the permit selection is deny, as the check-box exclusion sees
    // it.
    virtual bool DenySelected() const;
    // Checks of the payload rule's offset groups before a write; false when
    // it refused (message shown).
    virtual bool GroupsAcceptable() { return true; }
    virtual void OnRowClicked();

    void SetIdleState() override;
    void SetRowState() override;
    void AfterFlow() override;

    int permitColumn_ = -1;
    int rowColumn_ = -1;
    int groupFirst_ = -1;
    int groupLast_ = -1;

private:
    bool KeysPresent(bool focus);
    void SetGroupEnabled(bool enabled);

    RuleTexts texts_;
    KtFieldControls fields_;
};
