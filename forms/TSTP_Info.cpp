#include "TSTP_Info.h"
#include "KtDeviceState.h"
#include "KtStandardOptions.h"

#include "KtFieldControls.h"
#include "KtOptionList.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

namespace {

constexpr KtOptionDef kVersionPairs[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {}};

const KtOptionList kVersionOptions(kVersionPairs);

const QString kMstp = QStringLiteral("mstp");

// Hundredths of a second: the device needs its time to answer a write of
// the protocol settings.
constexpr qint32 kTimeOut = 300;

// The designed client size; it stays the same on every screen.
constexpr int kWidth = 360;
constexpr int kHeight = 332;

using Kind = KtFieldControls::FieldKind;
using Item = TSTP_Info::Item;

constexpr KtFieldControls::Field EditFields[] = {
    {Item::ItemVersion, Kind::Combo, "STP Version", "Combo_STPVersion"},
    {Item::ItemMaxAge, Kind::Edit, "Maxi Age (600-4000)", "ET_AgingTime", "%i{n600x4000l4a}"},
    {Item::ItemHelloTime, Kind::Edit, "Hello Time(100-1000)", "ET_HelloTime", "%i{n100x1000l4a}"},
    {Item::ItemForwardDelay, Kind::Edit, "Forward Delay(400-3000)", "ET_ForwardDelay", "%i{n400x3000l4a}"},
    {Item::ItemMaxHops, Kind::Edit, "Max Hops[1-20]", "ET_Priority", "%i{n1x20l2a}"},
    {Item::ItemTxHoldCount, Kind::Edit, "TX Hold Count (1-10)", "ED_TxHoldCount", "%i{n1x10l2a}"},
    {Item::ItemForwardBpdu, Kind::Combo, "Forwarding BPDU", "Combo_BPDU"},
};

// A decimal number; false for anything else, an empty text included.
bool ReadNumber(const QString &text, qint64 &number)
{
    bool ok = false;
    number = text.trimmed().toLongLong(&ok);
    return ok;
}

} // namespace

const KtSNMPVarDef TSTP_Info::EditVariables[] = {
    {"1.3.6.1.4.1.47893.12.15.1.2", "STP Version", SyntaxInteger, AccessReadWrite, &kVersionOptions},
    {"1.3.6.1.4.1.47893.12.15.1.3", "Max Age[600-4000]", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.1.4", "Hello Time[100-1000]", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.1.5", "Forward Delay[400-3000]", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.1.6", "Max Hops[1-20]", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.1.7", "Tx Hold Count[1-10]", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.1.8", "Forwarding BPDU", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {},
};

const KtSNMPVarDef TSTP_Info::MstpVariables[] = {
    {"1.3.6.1.4.1.47893.12.15.1.2", "swMSTPStpVersion", SyntaxInteger, AccessReadWrite, &kVersionOptions},
    {"1.3.6.1.4.1.47893.12.15.1.3", "swMSTPStpMaxAge", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.1.5", "swMSTPStpForwardDelay", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.1.6", "swMSTPStpMaxHops", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.1.7", "swMSTPStpTxHoldCount", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.15.1.8", "swMSTPStpForwardBPDU", SyntaxInteger, AccessReadWrite, &EnableDisable},
    {},
};

const QString TSTP_Info::EmptyFieldText = QStringLiteral("Don't Leave Empty Fileds !");
const QString TSTP_Info::DataErrorText = QStringLiteral("Data Error !");
const QString TSTP_Info::MaxHopsErrorText = QStringLiteral("Priority value is wrong!");

const KtOptionList &TSTP_Info::VersionOptions()
{
    return kVersionOptions;
}

const KtOptionList &TSTP_Info::BpduOptions()
{
    return EnableDisable;
}

TSTP_Info::TSTP_Info(QWidget *parent, KtDeviceState *state)
    : TBindingForm(parent, QStringLiteral("STP_Info"),
                   QStringLiteral("Spanning Tree Control : ") + KtSNMPDefaults.Device.Address, state)
{
    const KtFieldControls fields(this, EditFields);
    BuildControls(fields);

    MstpBinding = MakeBinding(MstpVariables);
    MstpBinding->AttachListView(ListView1, false);
    Guarded(MstpBinding.get(), [this] { MstpBinding->Get(); });

    EditBinding = MakeBinding(EditVariables);
    fields.Bind(EditBinding.get());
    Guarded(EditBinding.get(), [this] { EditBinding->Get(); });

    if (DeviceStpVersion() == kMstp)
        SetHelloTime(false);
}

void TSTP_Info::BuildControls(const KtFieldControls &fields)
{
    setFixedSize(kWidth, kHeight);

    const int labelX = 16;
    const int controlX = 200;
    const int controlWidth = 136;
    const int rowHeight = 30;
    int y = 14;
    auto addLabel = [this, labelX](const QString &text, int top) {
        auto *label = new QLabel(text, this);
        label->setGeometry(labelX, top + 3, 180, 18);
        return label;
    };
    for (const KtFieldControls::Field &field : EditFields) {
        fields.Caption(field.Variable)->setGeometry(labelX, y + 3, 180, 18);
        fields.Control(field.Variable)->setGeometry(controlX, y, controlWidth, 24);
        y += rowHeight;
    }
    Combo_STPVersion = fields.Combo(ItemVersion);
    ET_AgingTime = fields.Edit(ItemMaxAge);
    ET_HelloTime = fields.Edit(ItemHelloTime);
    ET_ForwardDelay = fields.Edit(ItemForwardDelay);
    ET_Priority = fields.Edit(ItemMaxHops);
    ED_TxHoldCount = fields.Edit(ItemTxHoldCount);
    Combo_BPDU = fields.Combo(ItemForwardBpdu);
    y += 4;
    QLabel *helloNote = addLabel(QStringLiteral("Max Age>= 2*(Hello Time + 100)"), y);
    helloNote->setObjectName(QStringLiteral("LB_HelloNote"));
    y += 20;
    QLabel *forwardDelayNote = addLabel(QStringLiteral("Notes : 2*(Forward Delay - 100) >= Max Age"), y);
    forwardDelayNote->setObjectName(QStringLiteral("LB_ForwardDelayNote"));
    for (QLabel *note : {helloNote, forwardDelayNote})
        note->setFixedWidth(kWidth - 2 * labelX);
    y += 28;

    BT_Get = NewButton(QStringLiteral("Refresh"), QStringLiteral("BT_Get"));
    BT_Get->setGeometry(kWidth / 2 - 110, y, 100, 26);
    BT_Set = NewButton(QStringLiteral("Set"), QStringLiteral("BT_Set"));
    BT_Set->setGeometry(kWidth / 2 + 10, y, 100, 26);

    // The MSTP list's one row; never shown.
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->hide();

    AddStatusBar("StatusPanel")->setGeometry(0, kHeight - 22, kWidth, 22);

    helloPalette_ = ET_HelloTime->palette();

    connect(Combo_STPVersion, &QComboBox::activated, this, [this] { VersionChanged(); });
    connect(BT_Get, &QPushButton::clicked, this, [this] { RefreshInfo(); });
    connect(BT_Set, &QPushButton::clicked, this, [this] { SetInfo(); });
}

std::unique_ptr<KtSNMPRequest2Edits> TSTP_Info::MakeBinding(const KtSNMPVarDef *table)
{
    auto binding = std::make_unique<KtSNMPRequest2Edits>(this);
    binding->Request.Vars = KtSNMPVarList(table, ListScalars, 0);
    binding->Asynchronous = false;
    binding->Request.TimeOut = kTimeOut;
    binding->SetStatusPanel(StatusPanel);
    return binding;
}

void TSTP_Info::RefreshInfo()
{
    if (Closed())
        return;
    Guarded(EditBinding.get(), [this] { EditBinding->Get(); });
    if (DeviceStpVersion() == kMstp) {
        Guarded(MstpBinding.get(), [this] { MstpBinding->Get(); });
        SetHelloTime(false);
    } else {
        SetHelloTime(true);
    }
}

void TSTP_Info::VersionChanged()
{
    SetHelloTime(Combo_STPVersion->currentText() != kMstp);
}

void TSTP_Info::SetHelloTime(bool on)
{
    ET_HelloTime->setEnabled(on);
    if (on) {
        ET_HelloTime->setPalette(helloPalette_);
        return;
    }
    QPalette greyed = helloPalette_;
    greyed.setColor(QPalette::Base, helloPalette_.color(QPalette::Window));
    ET_HelloTime->setPalette(greyed);
    ET_HelloTime->clear();
}

QString TSTP_Info::CheckTimers(const QString &maxHops, const QString &maxAge, const QString &forwardDelay,
                               const QString *helloTime)
{
    if (maxHops.trimmed().isEmpty() || maxAge.trimmed().isEmpty() || forwardDelay.trimmed().isEmpty())
        return EmptyFieldText;
    qint64 hops = 0;
    qint64 age = 0;
    qint64 delay = 0;
    if (!ReadNumber(maxHops, hops) || !ReadNumber(maxAge, age) || !ReadNumber(forwardDelay, delay))
        return DataErrorText;
    if (2 * delay - 200 < age)
        return DataErrorText;
    if (hops > 65535)
        return MaxHopsErrorText;
    if (!helloTime)
        return {};
    if (helloTime->trimmed().isEmpty())
        return EmptyFieldText;
    qint64 hello = 0;
    if (!ReadNumber(*helloTime, hello) || age < 2 * hello + 200)
        return DataErrorText;
    return {};
}

void TSTP_Info::SetInfo()
{
    if (Closed())
        return;
    const QString version = Combo_STPVersion->currentText();
    const bool mstp = version == kMstp;
    const QString helloTime = ET_HelloTime->text();
    const QString problem = CheckTimers(ET_Priority->text(), ET_AgingTime->text(), ET_ForwardDelay->text(),
                                        mstp ? nullptr : &helloTime);
    if (!problem.isEmpty()) {
        StatusPanel->setText(problem);
        return;
    }
    KtSNMPRequest2Edits &binding = mstp ? *MstpBinding : *EditBinding;
    const bool written = Guarded(&binding, [this, mstp, &binding] {
        if (mstp)
            FillMstpRow();
        binding.Set(true, true);
    });
    // The other windows choose their mode from this text, so it follows the
    // switch only when the switch took the new version.
    if (written)
        StoreDeviceStpVersion(version);
}

void TSTP_Info::FillMstpRow()
{
    // A failed read leaves the list view without its row: write from a new one.
    if (ListView1->topLevelItemCount() == 0)
        new QTreeWidgetItem(ListView1);
    QTreeWidgetItem *row = ListView1->topLevelItem(0);
    ListView1->clearSelection();
    ListView1->setCurrentItem(row);
    row->setSelected(true);
    const QStringList cells = {Combo_STPVersion->currentText(), ET_AgingTime->text(),
                               ET_ForwardDelay->text(),         ET_Priority->text(),
                               ED_TxHoldCount->text(),          Combo_BPDU->currentText()};
    for (int column = 0; column < cells.size(); ++column)
        row->setText(column, cells[column]);
}

QString TSTP_Info::DeviceStpVersion() const
{
    return DeviceState ? DeviceState->StpVersion() : QString();
}

void TSTP_Info::StoreDeviceStpVersion(const QString &version)
{
    if (DeviceState)
        DeviceState->SetStpVersion(version);
}

KtDescriptorTables TSTP_Info::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{EditVariables, ListScalars}};
    return tables;
}
