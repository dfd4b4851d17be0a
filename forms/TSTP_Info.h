#pragma once

#include "KtDescriptorTable.h"
#include "KtSNMPVarDef.h"
#include "TBindingForm.h"

#include <QPalette>
#include <functional>
#include <memory>

class KtDeviceState;

class KtFieldControls;
class KtOptionList;
class KtSNMPRequest2Edits;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The bridge-wide spanning-tree settings: protocol version and timers. In
// MSTP mode the hello time is not used: its edit box is greyed out and the
// write goes through a second variable list without it, whose one row lives
// in a hidden list view. The timers are checked against each other before
// anything is sent. Both bindings block, with a three-second time-out.
class TSTP_Info : public TBindingForm
{
    Q_OBJECT
public:
    // Positions in EditVariables.
    enum Item
    {
        ItemVersion = 0,
        ItemMaxAge = 1,
        ItemHelloTime = 2,
        ItemForwardDelay = 3,
        ItemMaxHops = 4,
        ItemTxHoldCount = 5,
        ItemForwardBpdu = 6,
    };

    // The timers with the hello time, bound to the edit boxes.
    static const KtSNMPVarDef EditVariables[];
    // The same objects without the hello time, written in MSTP mode.
    static const KtSNMPVarDef MstpVariables[];
    static const KtOptionList &VersionOptions();
    static const KtOptionList &BpduOptions();

    static const QString EmptyFieldText;
    static const QString DataErrorText;
    static const QString MaxHopsErrorText;

    // Builds the window and reads both lists from the switch.
    explicit TSTP_Info(QWidget *parent = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    // Reads the timers again; the MSTP list too when the switch runs MSTP.
    void RefreshInfo();
    // Checks the timers and writes them through the list of the chosen mode.
    void SetInfo();
    // The user chose another version: MSTP greys the hello time out.
    void VersionChanged();
    // Off: disabled, greyed and empty; on: enabled with the edit colour.
    void SetHelloTime(bool on);

    // The first rule the input breaks, or an empty text. helloTime is
    // nullptr in MSTP mode, where the hello time is not checked.
    static QString CheckTimers(const QString &maxHops, const QString &maxAge, const QString &forwardDelay,
                               const QString *helloTime);

    // The spanning-tree version of the device state, which the other
    // windows choose their mode from; empty without a device state.
    QString DeviceStpVersion() const;
    void StoreDeviceStpVersion(const QString &version);

    QComboBox *Combo_STPVersion = nullptr;
    QLineEdit *ET_AgingTime = nullptr;
    QLineEdit *ET_HelloTime = nullptr;
    QLineEdit *ET_ForwardDelay = nullptr;
    QLineEdit *ET_Priority = nullptr;
    QLineEdit *ED_TxHoldCount = nullptr;
    QComboBox *Combo_BPDU = nullptr;
    QTreeWidget *ListView1 = nullptr;
    QPushButton *BT_Get = nullptr;
    QPushButton *BT_Set = nullptr;
    // StatusPanel0 under this window's name for it: every status line and
    // check message.
    QLabel *&StatusPanel = StatusPanel0;

    std::unique_ptr<KtSNMPRequest2Edits> &EditBinding = OwnedBinding();
    std::unique_ptr<KtSNMPRequest2Edits> &MstpBinding = OwnedBinding();

private:
    void BuildControls(const KtFieldControls &fields);
    std::unique_ptr<KtSNMPRequest2Edits> MakeBinding(const KtSNMPVarDef *table);
    // Puts the edit boxes' texts into the one row of the MSTP list view.
    void FillMstpRow();

    QPalette helloPalette_;
};
