#include "TPortMirrorForm.h"
#include "KtStandardOptions.h"

#include "KtMessageBox.h"
#include "KtOptionList.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"
#include "TPortTrunkForm.h"
#include "TStackingPortUitForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

const KtSNMPVarDef SwL2MirrorScalars[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.10.1", "swL2MirrorLogicTargetPort", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.10.2", "swL2MirrorPortSourceIngress", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.10.3", "swL2MirrorPortSourceEgress", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.55.2.2.10.4", "swL2MirrorPortState", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {},
};

enum MirrorItem
{
    ItemTargetPort = 0,
    ItemIngress = 1,
    ItemEgress = 2,
    ItemState = 3,
};

bool AnyChecked(const TStackingPortUitForm *grid)
{
    if (!grid)
        return false;
    for (const QCheckBox *box : grid->PortBoxes)
        if (box->isChecked())
            return true;
    return false;
}

} // namespace

TPortMirrorForm::TPortMirrorForm(QWidget *owner, KtDeviceState *state)
    : TBindingForm(owner, QStringLiteral("PortMirrorForm"),
                   QStringLiteral("Port Mirror Table:") + KtSNMPDefaults.Device.Address, state)
{
    setModal(true);

    auto *target = new QGroupBox(QStringLiteral("Target Port "), this);
    auto *targetLayout = new QHBoxLayout(target);
    UnitEdit = new QLineEdit(target);
    UnitEdit->setObjectName(QStringLiteral("UnitEdit"));
    PortEdit = new QLineEdit(target);
    PortEdit->setObjectName(QStringLiteral("PortEdit"));
    ET_TargetPort = new QLineEdit(target);
    ET_TargetPort->setObjectName(QStringLiteral("ET_TargetPort"));
    ET_TargetPort->hide();
    targetLayout->addWidget(new QLabel(QStringLiteral("Unit : "), target));
    targetLayout->addWidget(UnitEdit);
    targetLayout->addWidget(new QLabel(QStringLiteral("Port : "), target));
    targetLayout->addWidget(PortEdit);
    targetLayout->addWidget(ET_TargetPort);
    for (QLineEdit *edit : {UnitEdit, PortEdit}) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        edit->installEventFilter(this);
    }
    CK_Status = new QCheckBox(QStringLiteral("Mirroring Status"), this);
    CK_Status->setObjectName(QStringLiteral("CK_Status"));

    SourcePortGB = new QGroupBox(QStringLiteral("Source Port"), this);
    SourcePortGB->setObjectName(QStringLiteral("SourcePortGB"));
    auto *sourceLayout = new QVBoxLayout(SourcePortGB);
    IngressPortGB = new QGroupBox(QStringLiteral("Ingress Port"), SourcePortGB);
    IngressPortGB->setObjectName(QStringLiteral("IngressPortGB"));
    EgressPortGB = new QGroupBox(QStringLiteral("Egress Port"), SourcePortGB);
    EgressPortGB->setObjectName(QStringLiteral("EgressPortGB"));
    QWidget *hosts[2];
    QGroupBox *boxes[2] = {IngressPortGB, EgressPortGB};
    for (int i = 0; i < 2; ++i) {
        auto *boxLayout = new QVBoxLayout(boxes[i]);
        hosts[i] = new QWidget(boxes[i]);
        hosts[i]->setMinimumHeight(130);
        boxLayout->addWidget(hosts[i]);
        sourceLayout->addWidget(boxes[i]);
    }

    BT_Refresh = NewButton(QStringLiteral("Refresh"), QStringLiteral("BT_Refresh"));
    BT_Set = NewButton(QStringLiteral("Set"), QStringLiteral("BT_Set"));

    AddStatusBar();

    auto *top = new QHBoxLayout;
    top->addWidget(target);
    top->addWidget(CK_Status);
    top->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BT_Refresh);
    buttons->addWidget(BT_Set);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(SourcePortGB, 1);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);

    FinishLayout(600, 560);

    connect(BT_Refresh, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(BT_Set, &QPushButton::clicked, this, [this] { SetClick(); });
    connect(ET_TargetPort, &QLineEdit::textChanged, this, [this] { TargetPortChanged(); });

    Binding = std::make_unique<KtSNMPRequest2Edits>(this);
    Guarded(Binding.get(), [this, &hosts] {
        IngressGrid = TStackingPortUitForm::Build(this, hosts[0], nullptr, DeviceState);
        EgressGrid = TStackingPortUitForm::Build(this, hosts[1], nullptr, DeviceState);
        const QString bits = TStackingPortUitForm::BitIndexList();
        Binding->Asynchronous = false;
        Binding->SetStatusPanel(StatusPanel0);
        Binding->Request.Vars = KtSNMPVarList(SwL2MirrorScalars, ListScalars);
        Binding->BindEdit(ItemTargetPort, QStringLiteral("%i{n1x208l3}"), {ET_TargetPort});
        Binding->BindCheckBoxList(ItemIngress, bits, IngressGrid->PortBoxes);
        Binding->BindCheckBoxList(ItemEgress, bits, EgressGrid->PortBoxes);
        Binding->BindWinControl(ItemState, CK_Status);
        Binding->Get();
        TargetPortChanged();
    });
}

void TPortMirrorForm::TargetPortChanged()
{
    bool ok = false;
    const int number = ET_TargetPort->text().trimmed().toInt(&ok);
    if (!ok || number < 1) {
        // No target port (0) or no value: nothing to split.
        UnitEdit->clear();
        PortEdit->clear();
        return;
    }
    int unit = 0;
    int port = 0;
    TPortTrunkForm::UnitPortOf(number, unit, port);
    UnitEdit->setText(QString::number(unit));
    PortEdit->setText(QString::number(port));
}

void TPortMirrorForm::RefreshClick()
{
    if (Closed())
        return;
    Guarded(Binding.get(), [this] {
        Binding->Get();
        // The same target as before changes no text: the editors still have
        // to show what was read, not what was typed.
        TargetPortChanged();
    });
}

void TPortMirrorForm::SetClick()
{
    if (Closed())
        return;
    if (!AnyChecked(IngressGrid) && !AnyChecked(EgressGrid))
        KtMessageBox::Warn(this, QStringLiteral("Ingress Ports and Egress Ports can not be empty."));
    GuardedSet(Binding.get(), [this] {
        ET_TargetPort->setText(
            QString::number(TPortTrunkForm::PortNumberOfTexts(UnitEdit->text(), PortEdit->text())));
        Binding->Set(true, true, QString(), nullptr);
    });
}

bool TPortMirrorForm::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == UnitEdit || watched == PortEdit) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool digit = text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9';
        if (key->key() == Qt::Key_Backspace || (!text.isEmpty() && text.at(0).isPrint() && !digit)) {
            QApplication::beep();
            return true;
        }
    }
    return TBindingForm::eventFilter(watched, event);
}

KtDescriptorTables TPortMirrorForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{SwL2MirrorScalars, ListScalars}};
    return tables;
}
