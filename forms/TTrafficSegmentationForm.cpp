#include "TTrafficSegmentationForm.h"
#include "KtBusyWait.h"

#include "KtMessageBox.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"
#include "TPortTrunkForm.h"
#include "TRowCountLabel.h"
#include "TStackingPortUitForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const KtSNMPVarDef SwL2TrafficSegTable[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.14.1.1.1", "swL2TrafficSegPort", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.14.1.1.2", "swL2TrafficSegForwardPorts", SyntaxOctets, AccessReadWrite},
    {},
};

enum SegColumn
{
    ColPort = 0,
    ColForwardPorts = 1,
};

} // namespace

void TTrafficSegmentationForm::UnitPortTexts(int number, QString &unit, QString &port)
{
    const auto unitText = [](int u) {
        return u == 0 ? QString::number(TStackingPortUitForm::MasterUnitId) : QString::number(u);
    };
    const int per = TPortTrunkForm::PortsPerUnitNumber;
    if (number % per != 0) {
        unit = unitText(number / per);
        port = QString::number(number % per);
    } else {
        unit = unitText(number / per - 1);
        port = QString::number(per);
    }
}

TTrafficSegmentationForm::TTrafficSegmentationForm(QWidget *owner, KtDeviceState *state)
    : TBindingForm(owner, QStringLiteral("TrafficSegmentationForm"),
                   QStringLiteral("Traffic Segmentation Table:") + KtSNMPDefaults.Device.Address, state)
{
    setModal(true);

    LV_TrafficForward = new QTreeWidget(this);
    LV_TrafficForward->setObjectName(QStringLiteral("LV_TrafficForward"));
    LV_TrafficForward->setRootIsDecorated(false);

    ST_Port = new QLabel(this);
    ST_Port->setObjectName(QStringLiteral("ST_Port"));
    ST_Port->hide();
    Combo_Unit = new QLineEdit(this);
    Combo_Unit->setObjectName(QStringLiteral("Combo_Unit"));
    Combo_Unit->setReadOnly(true);
    Combo_Port = new QLineEdit(this);
    Combo_Port->setObjectName(QStringLiteral("Combo_Port"));
    Combo_Port->setReadOnly(true);
    StaticText1 = (new TRowCountLabel(QStringLiteral("StaticText1"), this))->Sunken(40);

    Panel4 = new QWidget(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setMinimumHeight(160);

    BT_Get = NewButton(QStringLiteral("Refresh"), QStringLiteral("BT_Get"));
    BT_Set = NewButton(QStringLiteral("Set"), QStringLiteral("BT_Set"));
    StopBtn = NewButton(QStringLiteral("Stop"), QStringLiteral("StopBtn"));

    AddStatusBar();

    auto *portRow = new QHBoxLayout;
    portRow->addWidget(new QLabel(QStringLiteral("Unit : "), this));
    portRow->addWidget(Combo_Unit);
    portRow->addWidget(new QLabel(QStringLiteral("Port : "), this));
    portRow->addWidget(Combo_Port);
    portRow->addWidget(ST_Port);
    portRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(StaticText1);
    buttons->addStretch();
    for (QPushButton *button : {BT_Get, BT_Set, StopBtn})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LV_TrafficForward, 2);
    layout->addLayout(portRow);
    layout->addWidget(Panel4, 3);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);

    FinishLayout(600, 560);

    connect(BT_Get, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(BT_Set, &QPushButton::clicked, this, [this] { SetClick(); });
    connect(StopBtn, &QPushButton::clicked, this, [this] { StopClick(); });
    StaticText1->Counts(LV_TrafficForward)->Follow(this);

    Binding = std::make_unique<KtSNMPRequest2Edits>(this);
    const bool started = Guarded([this] {
        PortGrid = TStackingPortUitForm::Build(this, Panel4, nullptr, DeviceState);
        Binding->Request.Vars = KtSNMPVarList(SwL2TrafficSegTable, ListTableEx, 1);
        Binding->AttachListView(LV_TrafficForward, true);
        Binding->BindStaticText(ColPort, ST_Port);
        Binding->BindCheckBoxList(ColForwardPorts, TStackingPortUitForm::BitIndexList(), PortGrid->PortBoxes);
        Binding->SetStatusPanel(StatusPanel0);
        Binding->OnGetDone = [this](KtSNMPRequest2Controls *, const KtSNMPError &) { ready_ = true; };
        Binding->Get();
    });
    if (!started)
        ready_ = true;
    // After the binding: the window's handler sees the row the binding has
    // just shown.
    connect(LV_TrafficForward, &QTreeWidget::itemSelectionChanged, this, [this] { ListClick(); });
}

void TTrafficSegmentationForm::ShowNotComplete()
{
    KtMessageBox::Inform(this, QStringLiteral("Refresh not complete"));
}

bool TTrafficSegmentationForm::WaitForStoppedRead()
{
    // A stopped walk ends with the answer still on its way; a new request
    // started before it arrives would have that answer continue the old
    // walk beside the new one.
    KtBusyWait::WhileBusy(Binding, KtBusyWait::Input::Taken, [this] { return Closed(); });
    return Binding && !Binding->Busy && !Closed();
}

void TTrafficSegmentationForm::RefreshClick()
{
    if (Closed() || !Binding)
        return;
    // A walk that ended without telling (a row that could not be shown) does
    // not hold the window up.
    if (!ready_ && Binding->Busy) {
        ShowNotComplete();
        return;
    }
    if (!WaitForStoppedRead()) {
        ShowNotComplete();
        return;
    }
    const bool started = Guarded([this] {
        Binding->Request.Enabled = true;
        ready_ = false;
        Binding->Get();
    });
    if (!started)
        ready_ = true;
}

void TTrafficSegmentationForm::SetClick()
{
    if (Closed() || !Binding)
        return;
    if (!ready_ && Binding->Busy) {
        ShowNotComplete();
        return;
    }
    if (!WaitForStoppedRead()) {
        ShowNotComplete();
        return;
    }
    // Set changes the port shown selected; the port label may still hold the
    // port selected before a refresh, which nobody sees selected any more.
    if (LV_TrafficForward->selectedItems().isEmpty()) {
        StatusPanel0->setText(QStringLiteral("No row is selected."));
        return;
    }
    Guarded([&] {
        Binding->Request.Enabled = true;
        Binding->Set(true, true, QString(), nullptr);
    });
}

void TTrafficSegmentationForm::StopClick()
{
    if (!Binding)
        return;
    ready_ = true;
    Binding->Request.Enabled = false;
}

void TTrafficSegmentationForm::ListClick()
{
    if (Closed())
        return;
    if (LV_TrafficForward->selectedItems().isEmpty()) {
        Combo_Unit->clear();
        Combo_Port->clear();
        return;
    }
    bool ok = false;
    const int number = ST_Port->text().trimmed().toInt(&ok);
    if (!ok || number < 1) {
        Combo_Unit->clear();
        Combo_Port->clear();
        return;
    }
    QString unit;
    QString port;
    UnitPortTexts(number, unit, port);
    Combo_Unit->setText(unit);
    Combo_Port->setText(port);
}

KtDescriptorTables TTrafficSegmentationForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{SwL2TrafficSegTable, ListTableEx, 1}};
    return tables;
}
