#include "TPortTrunkForm.h"

#include "KtTextForm.h"

#include "KtException.h"
#include "KtMessageBox.h"
#include "KtOptionList.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"
#include "TStackingPortUitForm.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace {

constexpr KtOptionDef TrunkTypePairs[] = {{2, "static"}, {3, "lacp"}, {}};
const KtOptionList TrunkType(TrunkTypePairs);

constexpr KtOptionDef TrunkStatePairs[] = {{1, "enable"},        {2, "disable"}, {4, "createAndGo"},
                                           {5, "createAndWait"}, {6, "destroy"}, {}};
const KtOptionList TrunkState(TrunkStatePairs);

// The trunk table; the index is the row's instance.
const KtSNMPVarDef SwL2TrunkCtrlTable[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.9.3.1.1", "Index", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.9.3.1.3", "Master Port", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.9.3.1.4", "Member", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.9.3.1.5", "Flooding Port", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.55.2.2.9.3.1.6", "Trunk Type", SyntaxInteger, AccessReadWrite, &TrunkType},
    {"1.3.6.1.4.1.47893.11.55.2.2.9.3.1.7", "Trunk State", SyntaxInteger, AccessReadWrite, &TrunkState},
    {},
};

enum TrunkColumn
{
    ColIndex = 0,
    ColMasterPort = 1,
    ColMember = 2,
    ColFloodingPort = 3,
    ColType = 4,
    ColState = 5,
};

// The list-view cell that holds the state label: the row's fifth sub-item.
constexpr int StateCell = 5;

// Blocking requests wait three seconds per try.
constexpr int TrunkTimeOut = 300;

void SetIndexColour(QLineEdit *edit, const QColor &colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, colour);
    edit->setPalette(palette);
}

// A number typed in a box of the window, named after the box when it is
// no whole number within the box's range.
int NumberOf(const QString &field, const QString &text, int minimum, int maximum)
{
    try {
        return int(KtTextForm::ReadWholeNumber(text, minimum, maximum));
    } catch (const KtValueError &error) {
        throw error.ForField(field);
    }
}

} // namespace

int TPortTrunkForm::PortNumberOf(int unit, int port)
{
    if (unit == TStackingPortUitForm::MasterUnitId)
        unit = 0;
    return port + PortsPerUnitNumber * unit;
}

void TPortTrunkForm::UnitPortOf(int number, int &unit, int &port)
{
    unit = (number - 1) / PortsPerUnitNumber;
    port = (number - 1) % PortsPerUnitNumber + 1;
    if (unit == 0)
        unit = TStackingPortUitForm::MasterUnitId;
}

int TPortTrunkForm::PortNumberOfTexts(const QString &unit, const QString &port)
{
    const int unitNumber = NumberOf(QStringLiteral("Unit"), unit, 1, TStackingPortUitForm::MasterUnitId);
    const int portNumber = NumberOf(QStringLiteral("Port"), port, 1, PortsPerUnitNumber);
    // Out-of-range parts would otherwise name some other unit's port.
    if (unitNumber > 12 && unitNumber != TStackingPortUitForm::MasterUnitId)
        throw KtException(QStringLiteral("Unit %1 Port %2 is no port of the switch").arg(unit, port), -1);
    const int number = PortNumberOf(unitNumber, portNumber);
    if (number < 1 || number > HighestPortNumber)
        throw KtException(QStringLiteral("Unit %1 Port %2 is no port of the switch").arg(unit, port), -1);
    return number;
}

TPortTrunkForm::TPortTrunkForm(QWidget *owner, KtDeviceState *state)
    : TBindingForm(owner, QStringLiteral("PortTrunkForm"),
                   QStringLiteral("Port Trunk Table :") + KtSNMPDefaults.Device.Address, state)
{
    setModal(true);

    LV_PortTrunk = new QTreeWidget(this);
    LV_PortTrunk->setObjectName(QStringLiteral("LV_PortTrunk"));
    LV_PortTrunk->setRootIsDecorated(false);

    auto *editors = new QGroupBox(this);
    auto *editorLayout = new QGridLayout(editors);
    ED_Index = new QLineEdit(editors);
    ED_Index->setObjectName(QStringLiteral("ED_Index"));
    ED_MasterPort = new QLineEdit(editors);
    ED_MasterPort->setObjectName(QStringLiteral("ED_MasterPort"));
    ED_MasterPort->hide();
    auto *masterBox = new QGroupBox(editors);
    auto *masterLayout = new QHBoxLayout(masterBox);
    UnitEdit = new QLineEdit(masterBox);
    UnitEdit->setObjectName(QStringLiteral("UnitEdit"));
    PortEdit = new QLineEdit(masterBox);
    PortEdit->setObjectName(QStringLiteral("PortEdit"));
    masterLayout->addWidget(new QLabel(QStringLiteral("Unit : "), masterBox));
    masterLayout->addWidget(UnitEdit);
    masterLayout->addWidget(new QLabel(QStringLiteral("Port : "), masterBox));
    masterLayout->addWidget(PortEdit);
    for (QLineEdit *edit : {UnitEdit, PortEdit}) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        edit->installEventFilter(this);
    }
    ST_FloodingPort = new QLabel(editors);
    ST_FloodingPort->setObjectName(QStringLiteral("ST_FloodingPort"));
    ST_FloodingPort->setFrameShape(QFrame::Panel);
    ST_FloodingPort->setFrameShadow(QFrame::Sunken);
    Combo_Type = new QComboBox(editors);
    Combo_Type->setObjectName(QStringLiteral("Combo_Type"));
    Combo_State = new QComboBox(editors);
    Combo_State->setObjectName(QStringLiteral("Combo_State"));
    Combo_State->hide();
    ComboBox1 = new QComboBox(editors);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("enable"), QStringLiteral("disable")});
    ComboBox1->setCurrentIndex(0);
    editorLayout->addWidget(new QLabel(QStringLiteral("Index(1-6)"), editors), 0, 0);
    editorLayout->addWidget(ED_Index, 0, 1);
    editorLayout->addWidget(new QLabel(QStringLiteral("Master Port"), editors), 1, 0);
    editorLayout->addWidget(masterBox, 1, 1);
    editorLayout->addWidget(new QLabel(QStringLiteral("Flooding Port"), editors), 2, 0);
    editorLayout->addWidget(ST_FloodingPort, 2, 1);
    editorLayout->addWidget(new QLabel(QStringLiteral("Trunk Type"), editors), 3, 0);
    editorLayout->addWidget(Combo_Type, 3, 1);
    editorLayout->addWidget(new QLabel(QStringLiteral("Status"), editors), 4, 0);
    editorLayout->addWidget(ComboBox1, 4, 1);
    editorLayout->addWidget(ED_MasterPort, 5, 0);
    editorLayout->addWidget(Combo_State, 5, 1);
    editorLayout->setRowStretch(6, 1);

    StackingPortPanel = new QWidget(this);
    StackingPortPanel->setObjectName(QStringLiteral("StackingPortPanel"));
    StackingPortPanel->setMinimumHeight(160);

    BT_Get = NewButton(QStringLiteral("Refresh"), QStringLiteral("BT_Get"));
    BT_Set = NewButton(QStringLiteral("Add"), QStringLiteral("BT_Set"));
    BT_Delete = NewButton(QStringLiteral("Delete"), QStringLiteral("BT_Delete"));
    SetBtn = NewButton(QStringLiteral("Set"), QStringLiteral("SetBtn"));

    AddStatusBar();

    auto *top = new QHBoxLayout;
    top->addWidget(LV_PortTrunk, 3);
    top->addWidget(editors, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {BT_Get, BT_Set, BT_Delete, SetBtn})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 2);
    layout->addWidget(StackingPortPanel, 3);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);

    FinishLayout(640, 560);

    connect(BT_Get, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(BT_Set, &QPushButton::clicked, this, [this] { AddClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { DeleteClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetClick(); });

    Binding = std::make_unique<KtSNMPRequest2Edits>(this);
    Guarded([&] {
        PortGrid = TStackingPortUitForm::Build(this, StackingPortPanel, nullptr, DeviceState);
        Binding->Asynchronous = false;
        Binding->Request.TimeOut = TrunkTimeOut;
        Binding->SetStatusPanel(StatusPanel0);
        Binding->Request.Vars = KtSNMPVarList(SwL2TrunkCtrlTable, ListTableEx, 1);
        Binding->AttachListView(LV_PortTrunk, true);
        Binding->BindEdit(ColIndex, QStringLiteral("%i{n1x6}"), {ED_Index});
        Binding->BindEdit(ColMasterPort, QStringLiteral("%s{n1x208l3}"), {ED_MasterPort});
        Binding->BindCheckBoxList(ColMember, TStackingPortUitForm::BitIndexList(), PortGrid->PortBoxes);
        Binding->BindStaticText(ColFloodingPort, ST_FloodingPort);
        Binding->BindComboBox(ColType, Combo_Type);
        Binding->BindComboBox(ColState, Combo_State);
    });
    // After the binding: the window's handler sees the row the binding has
    // just shown.
    connect(LV_PortTrunk, &QTreeWidget::itemSelectionChanged, this, [this] { ListClick(); });
    RefreshClick();
}

void TPortTrunkForm::UnlockIndex()
{
    SetIndexColour(ED_Index, Qt::white);
    ED_Index->setEnabled(true);
    ED_Index->clear();
}

void TPortTrunkForm::ClearEditors()
{
    UnitEdit->clear();
    PortEdit->clear();
    ST_FloodingPort->clear();
    if (PortGrid)
        PortGrid->ClearBoxes();
}

void TPortTrunkForm::RefreshClick()
{
    if (Closed() || refreshing_)
        return;
    // The rows go away during the read: that is no click on an empty list.
    refreshing_ = true;
    Guarded([&] { Binding->Get(); });
    refreshing_ = false;
    UnlockIndex();
    ClearEditors();
}

void TPortTrunkForm::ListClick()
{
    if (Closed() || refreshing_)
        return;
    const QList<QTreeWidgetItem *> selected = LV_PortTrunk->selectedItems();
    if (selected.isEmpty()) {
        RefreshClick();
        return;
    }
    ED_Index->setEnabled(false);
    SetIndexColour(ED_Index, palette().color(QPalette::Button));
    bool ok = false;
    const int master = ED_MasterPort->text().trimmed().toInt(&ok);
    if (ok && master > 0) {
        int unit = 0;
        int port = 0;
        UnitPortOf(master, unit, port);
        UnitEdit->setText(QString::number(unit));
        PortEdit->setText(QString::number(port));
    } else {
        // No master port known: nothing to split.
        UnitEdit->clear();
        PortEdit->clear();
    }
    const QString state = selected.first()->text(StateCell);
    if (state == QLatin1String("disable"))
        ComboBox1->setCurrentIndex(1);
    else if (state == QLatin1String("enable"))
        ComboBox1->setCurrentIndex(0);
}

void TPortTrunkForm::WriteMasterPort()
{
    ED_MasterPort->setText(QString::number(PortNumberOfTexts(UnitEdit->text(), PortEdit->text())));
}

void TPortTrunkForm::AddClick()
{
    if (Closed())
        return;
    // The read after the write empties the list: that is no click on it.
    refreshing_ = true;
    Guarded([&] {
        WriteMasterPort();
        Combo_State->setCurrentIndex(CreateAndGoItem);
        Binding->Set(true, true, QString(), nullptr);
    });
    refreshing_ = false;
}

void TPortTrunkForm::SetClick()
{
    if (Closed())
        return;
    if (UnitEdit->text().isEmpty()) {
        KtMessageBox::Inform(this, QStringLiteral("The Unit Edit should not be empty"));
        UnitEdit->setFocus();
        return;
    }
    if (PortEdit->text().isEmpty()) {
        KtMessageBox::Inform(this, QStringLiteral("The Port Edit should not be empty"));
        PortEdit->setFocus();
        return;
    }
    refreshing_ = true;
    Guarded([&] {
        Combo_State->setCurrentIndex(ComboBox1->currentIndex() == 1 ? DisableItem : EnableItem);
        WriteMasterPort();
        Binding->Set(true, true, QString(), nullptr);
        const int state = Combo_State->currentIndex();
        if (state == EnableItem || state == DisableItem)
            ComboBox1->setCurrentIndex(state);
        UnlockIndex();
    });
    refreshing_ = false;
}

void TPortTrunkForm::DeleteClick()
{
    if (Closed())
        return;
    // Only the index (the instance) and the state go out: the other columns
    // are left out of this one write and take part again afterwards.
    KtSNMPVarList &vars = Binding->Request.Vars;
    std::vector<int> saved;
    for (int i = 0; i < vars.Count(); ++i)
        saved.push_back(vars.Get(i).Access);
    auto restore = [&] {
        for (int i = 0; i < vars.Count() && i < int(saved.size()); ++i)
            vars.Get(i).Access = saved[size_t(i)];
    };
    refreshing_ = true;
    Guarded([&] {
        for (int column = ColMasterPort; column <= ColType; ++column)
            vars.Get(column).Access |= AccessSkip;
        Combo_State->setCurrentIndex(DestroyItem);
        Binding->Set(false, true, QString(), nullptr);
    });
    refreshing_ = false;
    restore();
    RefreshClick();
}

bool TPortTrunkForm::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == UnitEdit || watched == PortEdit) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        if (key->key() == Qt::Key_Backspace)
            return false;
        if (!text.isEmpty() && text.at(0).isPrint() &&
            !(text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9')) {
            QApplication::beep();
            return true;
        }
    }
    return TBindingForm::eventFilter(watched, event);
}

KtDescriptorTables TPortTrunkForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{SwL2TrunkCtrlTable, ListTableEx, 1, ColState}};
    return tables;
}
