#pragma once

#include "KtDescriptorTable.h"
#include "TAclMaskForm.h"
#include "TRowCountLabel.h"

class KtDeviceState;

class QComboBox;
class QLineEdit;
class QPushButton;

// The payload (user-defined) masks of the access profiles: up to two of
// five 16-octet offset groups of a frame, given as hexadecimal texts, and
// the ports they filter on.
class TUserMaskInfoForm : public TAclMaskForm
{
public:
    explicit TUserMaskInfoForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void GetButtonClick();
    void OperButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ClearEditors() override;

    // How many of the five groups hold a non-zero mask.
    int GroupCount() const;

    QLineEdit *Edit1;
    QLineEdit *Edit5;
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QLineEdit *Edit6;
    QLineEdit *Edit7;
    QComboBox *ComboBox1;
    TRowCountLabel *Static;
    QPushButton *GetButton;
    QPushButton *OperButton;
    QPushButton *AddButton;
    QPushButton *DeleteButton;

    enum Column
    {
        ColId = 0,
        ColPorts = 1,
        ColFirstGroup = 2,
        ColLastGroup = 6,
        ColRowStatus = 7,
    };

private:
    // The five group edits in column order.
    QList<QLineEdit *> Groups() const;
    // Leaves out the empty groups; false, with the message shown and the
    // access bits put back, when a group is no hexadecimal mask.
    bool GroupExclusion();
};
