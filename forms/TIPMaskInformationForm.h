#pragma once

#include "KtDescriptorTable.h"
#include "TAclMaskForm.h"

class KtDeviceState;

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The IP masks of the access profiles: which address, DSCP and protocol
// fields a class of rules looks at, and on which ports. A write sends only
// the columns the mask state, the protocol and its options ask for, and
// none of the mask texts left empty.
class TIPMaskInformationForm : public TAclMaskForm
{
public:
    explicit TIPMaskInformationForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshClick();
    void SetBtnClick();
    void AddClick();
    void DeleteClick();
    void ClearEditors() override;

    // The column selections of a write, in the order the flows run them.
    void MaskStateExclusion();
    void PortOptionExclusion();
    void ProtocolExclusion();
    void EmptyFieldExclusion();
    // All of them, as Set and Add run them after saving the access bits.
    void SetSelection();
    void AddSelection();

    QLineEdit *IPIDEdit;
    QComboBox *UseVlanComBo;
    QComboBox *IpAddMaskStateComboBox;
    QLineEdit *IpAddMaskSrcEdit;
    QLineEdit *IpAddMaskDstEdit;
    QComboBox *UseDSCPComBo;
    QComboBox *UseProTypeComBo;
    QComboBox *ICMPOptionComBo;
    QComboBox *IGMPOptionComBo;
    QComboBox *TCPOptionComBo;
    QComboBox *UDPOptionComBo;
    QLineEdit *TCPUDPSrcMaskEdit;
    QLineEdit *TCPUDPDstPortMaskEdit;
    QLabel *TCPFlagBitOptionLabel;
    QComboBox *TCPFlagBitOptionComBo;
    QLineEdit *TCPFlagBitMaskEdit;
    QComboBox *ProOptionComBo;
    QLineEdit *ProIDMaskEdit;
    QComboBox *RowStatusComBo;
    QPushButton *BT_Get;
    QPushButton *SetBtn;
    QPushButton *BT_Add;
    QPushButton *BT_Delete;

    enum Column
    {
        ColId = 0,
        ColUseVlan = 1,
        ColMaskState = 2,
        ColSourceMask = 3,
        ColDestinationMask = 4,
        ColUseDscp = 5,
        ColProtocolType = 6,
        ColIcmpOption = 7,
        ColIgmpOption = 8,
        ColTcpOption = 9,
        ColUdpOption = 10,
        ColSourcePortMask = 11,
        ColDestinationPortMask = 12,
        ColTcpFlagBit = 13,
        ColTcpFlagBitMask = 14,
        ColProtocolIdOption = 15,
        ColProtocolIdMask = 16,
        ColPorts = 17,
        ColRowStatus = 18,
    };
};
