#pragma once

#include "KtDescriptorTable.h"
#include "TBindingForm.h"
#include "TRowCountLabel.h"

#include <memory>

class KtDeviceState;

class KtSNMPRequest2Edits;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TStackingPortUitForm;

// Traffic segmentation: for every port, the ports to which frames received
// on it may be forwarded, edited on a unit/port grid. The table is read
// without blocking the window; a read in progress refuses Refresh and Set
// until it has ended or Stop abandons it.
class TTrafficSegmentationForm : public TBindingForm
{
public:
    explicit TTrafficSegmentationForm(QWidget *owner = nullptr, KtDeviceState *state = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void RefreshClick();
    void SetClick();
    void StopClick();
    // A selected row's port as unit and port; no selection empties both.
    void ListClick();
    // The unit and port shown for a switch-wide port number (unit 0 shown
    // as 15, port 0 of a unit being port 50 of the unit before).
    static void UnitPortTexts(int number, QString &unit, QString &port);

    // True when no read of this window is under way.
    bool Ready() const { return ready_; }

    QTreeWidget *LV_TrafficForward;
    QLabel *ST_Port; // hidden: the row's port number
    QLineEdit *Combo_Unit;
    QLineEdit *Combo_Port;
    QWidget *Panel4;
    TStackingPortUitForm *PortGrid = nullptr;
    TRowCountLabel *StaticText1;
    QPushButton *BT_Get;
    QPushButton *BT_Set;
    QPushButton *StopBtn;

    std::unique_ptr<KtSNMPRequest2Edits> &Binding = OwnedBinding();

private:
    void ShowNotComplete();
    bool WaitForStoppedRead();

    bool ready_ = false;
};
