#include "TServerInformationForm.h"
#include "KtStandardOptions.h"

#include "KtAccessSnapshot.h"
#include "KtAuthRules.h"
#include "KtException.h"
#include "KtFieldControls.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kDesignedWidth = 600;
constexpr int kDesignedHeight = 460;

constexpr KtOptionDef kProtocolPairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {}};
const KtOptionList kProtocols(kProtocolPairs);

using Kind = KtFieldControls::FieldKind;
using Column = TServerInformationForm::Column;

constexpr KtFieldControls::Field Fields[] = {
    {Column::ColumnAddress, Kind::Edit, "Server IP", "IPEdit", "%s{l16}"},
    {Column::ColumnProtocol, Kind::Combo, "Server AuthProtocol", "ProtocolComboBox"},
    {Column::ColumnPort, Kind::Edit, "Server AuthPort", "PortEdit", "%i{n1x65535l5}"},
    {Column::ColumnKey, Kind::Edit, "Server AuthKey", "KeyEdit", "%s{l254}"},
    {Column::ColumnTimeout, Kind::Edit, "Server Timeout", "TimeoutEdit", "%i{n1x255l3}"},
    {Column::ColumnRetries, Kind::Edit, "Server RetryCount", "RetryCEdit", "%i{n1x255l3}"},
    {Column::ColumnRowStatus, Kind::Combo, "Server RowStatus", "RowComboBox"},
};

} // namespace

const KtSNMPVarDef TServerInformationForm::Variables[] = {
    {"1.3.6.1.4.1.47893.12.5.10.1.1", "Server IP", SyntaxIpAddress, AccessIndex},
    {"1.3.6.1.4.1.47893.12.5.10.1.2", "Server AuthProtocol", SyntaxInteger, AccessIndex, &kProtocols},
    {"1.3.6.1.4.1.47893.12.5.10.1.3", "Server AuthPort", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.10.1.4", "Server AuthKey", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.10.1.5", "Server Timeout", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.10.1.6", "Server RetryCount", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.10.1.7", "Server RowStatus", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

TServerInformationForm::TServerInformationForm(QWidget *owner)
    : TListEditForm(owner, QStringLiteral("ServerInformationForm"),
                    QStringLiteral("Server Information Table"))
{
    AddRowButtons();
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    QHBoxLayout *buttons = RowButtonLayout(ListView1, QStringLiteral("Static"));

    const KtFieldControls fields(this, Fields);
    IPEdit = fields.Edit(ColumnAddress);
    ProtocolComboBox = fields.Combo(ColumnProtocol);
    PortEdit = fields.Edit(ColumnPort);
    KeyEdit = fields.Edit(ColumnKey);
    TimeoutEdit = fields.Edit(ColumnTimeout);
    RetryCEdit = fields.Edit(ColumnRetries);
    RowComboBox = fields.Combo(ColumnRowStatus);
    KeyEditors = {IPEdit, ProtocolComboBox};

    AddStatusBar(nullptr);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(ListView1, 1);
    layout->addLayout(fields.NewGridLayout());
    layout->addWidget(StatusBar1);

    FinishLayout(kDesignedWidth, kDesignedHeight);

    connect(ProtocolComboBox, &QComboBox::currentIndexChanged, this, [this] { ApplyProtocol(); });

    Binding = std::make_unique<KtSNMPRequest2Edits>(this);
    Binding->Asynchronous = false;
    Binding->SetStatusBar(StatusBar1);
    Guarded(Binding.get(), [&] {
        Binding->Request.Vars = KtSNMPVarList(Variables, ListTableEx, 2);
        Binding->AttachListView(ListView1, true);
        // After the binding's own handler: the row is in the controls first.
        connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { ListClicked(); });
        fields.Bind(Binding.get());
        RowComboBox->setCurrentIndex(CreateAndGoItem);
        Binding->Get();
    });
    SetRowState(false);
    ClearEditors();
    ApplyProtocol();
}

void TServerInformationForm::ListClicked()
{
    const bool row = !ListView1->selectedItems().isEmpty();
    SetRowState(row);
    if (row)
        ApplyProtocol();
}

void TServerInformationForm::ApplyProtocol()
{
    const int item = ProtocolComboBox->currentIndex();
    KeyEdit->setEnabled(item == TacacsPlusItem || item == RadiusItem);
    RetryCEdit->setEnabled(item != TacacsPlusItem);
}

void TServerInformationForm::ClearFields()
{
    for (QLineEdit *box : {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit})
        box->clear();
}

bool TServerInformationForm::CheckKeys()
{
    if (IPEdit->text().isEmpty()) {
        Refuse(AddressMissing);
        return false;
    }
    if (ProtocolComboBox->currentText().isEmpty()) {
        Refuse(ProtocolMissing);
        return false;
    }
    if (!KtAuthRules::IsAddressText(IPEdit->text())) {
        Refuse(AddressInvalid, IPEdit);
        return false;
    }
    return true;
}

void TServerInformationForm::ExcludeUnused(KtAccessSnapshot &snapshot, bool adding) const
{
    const int item = ProtocolComboBox->currentIndex();
    if (PortEdit->text().isEmpty())
        snapshot.Exclude(ColumnPort);
    if (item != TacacsPlusItem && item != RadiusItem)
        snapshot.Exclude(ColumnKey);
    else if (adding && item == TacacsPlusItem && KeyEdit->text().isEmpty())
        snapshot.Exclude(ColumnKey);
    if (TimeoutEdit->text().isEmpty())
        snapshot.Exclude(ColumnTimeout);
    if (item == TacacsPlusItem || RetryCEdit->text().isEmpty())
        snapshot.Exclude(ColumnRetries);
}

void TServerInformationForm::EditRow()
{
    if (!CheckKeys())
        return;
    if (RowComboBox->currentIndex() == DestroyItem) {
        WriteAndRead([](KtAccessSnapshot &snapshot) { snapshot.ExcludeRange(ColumnPort, ColumnRetries); });
        return;
    }
    WriteAndRead(
        [this](KtAccessSnapshot &snapshot) {
            ExcludeUnused(snapshot, false);
            snapshot.Exclude(ColumnRowStatus);
        },
        true);
}

void TServerInformationForm::AddRow()
{
    if (!CheckKeys())
        return;
    const QString address = IPEdit->text();
    const QString protocol = ProtocolComboBox->currentText();
    for (int row = 0; row < ListView1->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = ListView1->topLevelItem(row);
        if (item->text(0) == address && item->text(1) == protocol)
            return Refuse(ServerTaken);
    }
    if (RowComboBox->currentIndex() != CreateAndGoItem)
        return Refuse(RowStateNotCreate, RowComboBox);
    WriteAndRead([this](KtAccessSnapshot &snapshot) { ExcludeUnused(snapshot, true); });
}

void TServerInformationForm::DeleteRow()
{
    WriteAndRead([this](KtAccessSnapshot &snapshot) {
        snapshot.ExcludeRange(ColumnPort, ColumnRetries);
        RowComboBox->setCurrentIndex(DestroyItem);
    });
}

KtDescriptorTables TServerInformationForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Variables, ListTableEx, 2, 6}};
    return tables;
}
