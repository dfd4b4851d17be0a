#pragma once

#include "KtDescriptorTable.h"
#include "TBindingForm.h"

#include <memory>

class KtDeviceState;

class KtSNMPRequest2Edits;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TStackingPortUitForm;

// The port mirroring of the switch: the target port as unit and port, the
// ingress and egress source ports on two unit/port grids, and the on/off
// state.
class TPortMirrorForm : public TBindingForm
{
public:
    explicit TPortMirrorForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshClick();
    void SetClick();

    QLineEdit *ET_TargetPort; // hidden: the bound switch-wide number
    QLineEdit *UnitEdit;
    QLineEdit *PortEdit;
    QCheckBox *CK_Status;
    QGroupBox *SourcePortGB;
    QGroupBox *IngressPortGB;
    QGroupBox *EgressPortGB;
    TStackingPortUitForm *IngressGrid = nullptr;
    TStackingPortUitForm *EgressGrid = nullptr;
    QPushButton *BT_Refresh;
    QPushButton *BT_Set;

    std::unique_ptr<KtSNMPRequest2Edits> &Binding = OwnedBinding();

protected:
    // The unit and port edits take digits only.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void TargetPortChanged();
};
