#pragma once

#include "KtFieldControls.h"
#include "TAclTableForm.h"

class KtDeviceState;

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QPushButton;

// The common part of the access-profile mask windows, each described by a
// design record: one field per table column (an edit box with its input
// format, a combo box, or the unit/port grid), the four buttons, and the
// idle and row states that lock the mask ID of a row.
class TAclMaskForm : public TAclTableForm
{
public:
    // A button's object name and text.
    struct ButtonDef
    {
        const char *Name;
        const char *Text;
    };
    struct MaskDesign
    {
        const char *ObjectName;
        const char *Title; // before the switch's address
        const KtSNMPVarDef *Table;
        const KtFieldControls::Field *Fields;
        int FieldCount;
        ButtonDef Refresh, Set, Add, Delete;
        int EditorColumns;      // caption/control pairs a grid row
        bool EditorsBesideList; // or below it
        int Width, Height;      // at 96 pixels per inch
    };

    // The Row Status items of a new row and of a deletion.
    static constexpr int CreateAndGoItem = 3;
    static constexpr int DestroyItem = 5;

    QWidget *Control(int column) const { return fields_.Control(column); }
    QLabel *Caption(int column) const { return fields_.Caption(column); }

protected:
    TAclMaskForm(QWidget *owner, const MaskDesign &design, KtDeviceState *state);

    enum Role
    {
        RefreshRole,
        SetRole,
        AddRole,
        DeleteRole
    };

    QLineEdit *Edit(int column) const { return fields_.Edit(column); }
    QComboBox *Combo(int column) const { return fields_.Combo(column); }
    // The mask ID, column 0 of every mask table.
    QWidget *IdControl() const { return Control(0); }
    QPushButton *Button(Role role) const { return buttons_[role]; }

    // Set and Delete act on the selected row, Add on the mask ID typed in.
    void SetIdleState() override;
    void SetRowState() override;

    QHBoxLayout *ButtonRow = nullptr;

private:
    QWidget *BuildEditors(const MaskDesign &design);
    void BuildButtons(const MaskDesign &design);
    void LayOut(const MaskDesign &design, QWidget *editors);
    void Bind(const MaskDesign &design);

    QPushButton *buttons_[4] = {};
    KtFieldControls fields_;
};
