#pragma once

#include "KtDescriptorTable.h"
#include "TAclMaskForm.h"

class KtDeviceState;

class QComboBox;
class QLineEdit;
class QPushButton;

// The Ethernet masks of the access profiles: which MAC fields, VLAN, 802.1p
// and Ethernet type a class of rules looks at, and on which ports. A write
// sends only the columns the mask state asks for.
class TEthernetMaskInformationForm : public TAclMaskForm
{
public:
    explicit TEthernetMaskInformationForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteClick();
    void ClearEditors() override;

    // Leaves out the MAC mask columns the mask state does not use.
    void MaskStateExclusion();

    QLineEdit *IDEdit;
    QComboBox *UseVLanComBo;
    QComboBox *MacMaskStateComBo;
    QLineEdit *MacAddMaskSourceEdit;
    QLineEdit *MacMaskDstEdit;
    QComboBox *Use8021pComBo;
    QComboBox *UseEthTypeCombo;
    QComboBox *RowStatusComBo;
    QPushButton *BT_Get;
    QPushButton *SetBtn;
    QPushButton *AddBtn;
    QPushButton *BT_Delete;

    enum Column
    {
        ColId = 0,
        ColUseVlan = 1,
        ColMaskState = 2,
        ColSourceMask = 3,
        ColDestinationMask = 4,
        ColUse8021p = 5,
        ColUseEthType = 6,
        ColPorts = 7,
        ColRowStatus = 8,
    };
};
