#include "TServerGroupForm.h"
#include "KtStandardOptions.h"

#include "KtAccessSnapshot.h"
#include "KtAuthRules.h"
#include "KtException.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kDesignedWidth = 640;
constexpr int kDesignedHeight = 560;
constexpr KtOptionDef kProtocolPairs[] = {{0, "none"},        {1, "tacacs"}, {2, "xtacacs"},
                                          {3, "tacacs-plus"}, {4, "radius"}, {}};
constexpr int NoProtocolItem = 0;
const KtOptionList kProtocols(kProtocolPairs);

constexpr const char *kNameFormat = "%s{l15}";
constexpr const char *kAddressFormat = "%s{l16}";

} // namespace

const KtSNMPVarDef TServerGroupForm::Variables[] = {
    {"1.3.6.1.4.1.47893.12.5.9.1.1", "ServerGroup Name", SyntaxDisplayString, AccessRead},
    {"1.3.6.1.4.1.47893.12.5.9.1.2", "ServerGroup IPAddr1", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.9.1.3", "ServerGroup AuthProtocol1", SyntaxInteger, AccessReadWrite,
     &kProtocols},
    {"1.3.6.1.4.1.47893.12.5.9.1.4", "ServerGroup IPAddr2", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.9.1.5", "ServerGroup AuthProtocol2", SyntaxInteger, AccessReadWrite,
     &kProtocols},
    {"1.3.6.1.4.1.47893.12.5.9.1.6", "ServerGroup IPAddr3", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.9.1.7", "ServerGroup AuthProtocol3", SyntaxInteger, AccessReadWrite,
     &kProtocols},
    {"1.3.6.1.4.1.47893.12.5.9.1.8", "ServerGroup IPAddr4", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.9.1.9", "ServerGroup AuthProtocol4", SyntaxInteger, AccessReadWrite,
     &kProtocols},
    {"1.3.6.1.4.1.47893.12.5.9.1.10", "ServerGroup IPAddr5", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.9.1.11", "ServerGroup AuthProtocol5", SyntaxInteger, AccessReadWrite,
     &kProtocols},
    {"1.3.6.1.4.1.47893.12.5.9.1.12", "ServerGroup IPAddr6", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.9.1.13", "ServerGroup AuthProtocol6", SyntaxInteger, AccessReadWrite,
     &kProtocols},
    {"1.3.6.1.4.1.47893.12.5.9.1.14", "ServerGroup IPAddr7", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.9.1.15", "ServerGroup AuthProtocol7", SyntaxInteger, AccessReadWrite,
     &kProtocols},
    {"1.3.6.1.4.1.47893.12.5.9.1.16", "ServerGroup IPAddr8", SyntaxIpAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.9.1.17", "ServerGroup AuthProtocol8", SyntaxInteger, AccessReadWrite,
     &kProtocols},
    {"1.3.6.1.4.1.47893.12.5.9.1.18", "ServerGroup RowStatus", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

TServerGroupForm::TServerGroupForm(QWidget *owner)
    : TListEditForm(owner, QStringLiteral("ServerGroupForm"), QStringLiteral("Server Group Information"))
{
    AddRowButtons();
    AddStatusMemo(60);
    ListView2 = new QTreeWidget(this);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    QHBoxLayout *buttons = RowButtonLayout(ListView2, QStringLiteral("Static"));

    auto *grid = new QGridLayout;
    edtServerName = new QLineEdit(this);
    edtServerName->setObjectName(QStringLiteral("edtServerName"));
    KeyEditors = {edtServerName};
    grid->addWidget(new QLabel(QStringLiteral("ServerGroup Name"), this), 0, 0);
    grid->addWidget(edtServerName, 0, 1);
    for (int k = 1; k <= Slots; ++k) {
        edtIP[k - 1] = new QLineEdit(this);
        edtIP[k - 1]->setObjectName(QStringLiteral("edtIP%1").arg(k));
        cbxProt[k - 1] = new QComboBox(this);
        cbxProt[k - 1]->setObjectName(QStringLiteral("cbxProt%1").arg(k));
        grid->addWidget(new QLabel(QStringLiteral("ServerGroup IPAddress%1").arg(k), this), k, 0);
        grid->addWidget(edtIP[k - 1], k, 1);
        grid->addWidget(new QLabel(QStringLiteral("Authentication Protocol%1").arg(k), this), k, 2);
        grid->addWidget(cbxProt[k - 1], k, 3);
    }
    cbxRowStatus = new QComboBox(this);
    cbxRowStatus->setObjectName(QStringLiteral("cbxRowStatus"));
    grid->addWidget(new QLabel(QStringLiteral("RowStatus"), this), Slots + 1, 0);
    grid->addWidget(cbxRowStatus, Slots + 1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Memo1);
    layout->addWidget(ListView2, 1);
    layout->addLayout(grid);

    FinishLayout(kDesignedWidth, kDesignedHeight);

    Binding = std::make_unique<KtSNMPRequest2Edits>(this);
    Binding->SetStatusMemo(Memo1);
    Binding->OnSetDone = [this](KtSNMPRequest2Controls *, const KtSNMPError &record) {
        WriteDone(record.Code);
    };
    Binding->OnGetDone = [this](KtSNMPRequest2Controls *, const KtSNMPError &) { ReadDone(); };
    Guarded(Binding.get(), [&] {
        Binding->Request.Vars = KtSNMPVarList(Variables, ListTableEx, 1);
        Binding->AttachListView(ListView2, true);
        // After the binding's own handler: the row is in the controls first.
        connect(ListView2, &QTreeWidget::itemSelectionChanged, this, [this] { ListClicked(); });
        Binding->BindEdit(ColumnName, QString::fromUtf8(kNameFormat), {edtServerName});
        for (int k = 1; k <= Slots; ++k) {
            Binding->BindEdit(AddressColumn(k), QString::fromUtf8(kAddressFormat), {edtIP[k - 1]});
            Binding->BindComboBox(ProtocolColumn(k), cbxProt[k - 1]);
        }
        Binding->BindComboBox(ColumnRowStatus, cbxRowStatus);
    });
    cbxRowStatus->setCurrentIndex(CreateAndGoItem);
    SetRowState(false);
    ClearEditors();
    Read();
}

TServerGroupForm::~TServerGroupForm()
{
    CloseBindings();
}

void TServerGroupForm::Closing()
{
    if (Binding) {
        Binding->OnSetDone = nullptr;
        Binding->OnGetDone = nullptr;
    }
    pending_.reset();
}

bool TServerGroupForm::SlotIsEmpty(int slot) const
{
    const QComboBox *protocol = cbxProt[slot - 1];
    return KtAuthRules::SlotIsEmpty(edtIP[slot - 1]->text(), protocol->currentText(),
                                    protocol->currentIndex());
}

bool TServerGroupForm::Working() const
{
    return pending_ || reading_ || (Binding && Binding->Busy);
}

void TServerGroupForm::ListClicked()
{
    SetRowState(!ListView2->selectedItems().isEmpty());
}

void TServerGroupForm::ClearFields()
{
    edtServerName->clear();
    for (QLineEdit *address : edtIP)
        address->clear();
    // Idle as when opened: a "destroy" left from a Delete would refuse the
    // next Add.
    cbxRowStatus->setCurrentIndex(CreateAndGoItem);
}

bool TServerGroupForm::CheckAddresses()
{
    for (int k = 1; k <= Slots; ++k)
        if (!SlotIsEmpty(k) && !KtAuthRules::IsAddressText(edtIP[k - 1]->text())) {
            Refuse(AddressInvalid.arg(k), edtIP[k - 1]);
            return false;
        }
    return true;
}

void TServerGroupForm::Read()
{
    if (!Binding)
        return;
    reading_ = true;
    try {
        Binding->Get();
        // A request switched off sends nothing and reports nothing.
        if (!Binding->Busy)
            reading_ = false;
    } catch (const KtException &error) {
        reading_ = false;
        Binding->ShowStatus(error.Message);
        ReadDone();
    }
}

void TServerGroupForm::ReadDone()
{
    reading_ = false;
    SetRowState(false);
    ClearEditors();
}

void TServerGroupForm::Write(const std::function<void(KtAccessSnapshot &)> &exclude)
{
    if (!Binding)
        return;
    pending_ = std::make_unique<KtAccessSnapshot>(Binding->Request.Vars);
    exclude(*pending_);
    try {
        Binding->Set(false, true, QString(), nullptr);
        if (!Binding->Busy)
            pending_.reset();
    } catch (const KtException &error) {
        // Nothing was sent: put the columns back and report.
        pending_.reset();
        SetRowState(false);
        ClearEditors();
        Binding->ShowStatus(error.Message);
    }
}

void TServerGroupForm::WriteDone(int code)
{
    // The columns come back before the next read, so that it covers all.
    pending_.reset();
    if (code == 0) {
        Read();
        return;
    }
    SetRowState(false);
    ClearEditors();
}

void TServerGroupForm::Refresh()
{
    if (!Working())
        Read();
}

void TServerGroupForm::EditRow()
{
    if (Working())
        return;
    if (edtServerName->text().isEmpty())
        return Refuse(NameMissing);
    if (cbxRowStatus->currentIndex() == DestroyItem)
        return DeleteRow();
    if (!CheckAddresses())
        return;
    // A slot the user emptied is written as empty (no address, no protocol):
    // leaving it out would keep the old server while the window says "Ok".
    for (int k = 1; k <= Slots; ++k)
        if (SlotIsEmpty(k)) {
            edtIP[k - 1]->setText(QStringLiteral("0.0.0.0"));
            cbxProt[k - 1]->setCurrentIndex(NoProtocolItem);
        }
    Write([](KtAccessSnapshot &snapshot) { snapshot.Exclude(ColumnRowStatus); });
}

void TServerGroupForm::AddRow()
{
    if (Working())
        return;
    const QString name = edtServerName->text();
    if (name.isEmpty())
        return Refuse(NameMissing, edtServerName);
    for (int row = 0; row < ListView2->topLevelItemCount(); ++row)
        if (ListView2->topLevelItem(row)->text(0) == name)
            return Refuse(NameTaken, edtServerName);
    if (cbxRowStatus->currentIndex() != CreateAndGoItem)
        return Refuse(RowStateNotCreate);
    if (!CheckAddresses())
        return;
    Write([this](KtAccessSnapshot &snapshot) {
        for (int k = 1; k <= Slots; ++k)
            if (SlotIsEmpty(k)) {
                snapshot.Exclude(AddressColumn(k));
                snapshot.Exclude(ProtocolColumn(k));
            }
    });
}

void TServerGroupForm::DeleteRow()
{
    if (Working())
        return;
    const QString name = edtServerName->text();
    if (name.isEmpty())
        return Refuse(NameMissing);
    if (KtAuthRules::IsDefaultServerGroup(name))
        return Refuse(DefaultNotDeleted);
    Write([this](KtAccessSnapshot &snapshot) {
        snapshot.ExcludeRange(1, ColumnRowStatus - 1);
        cbxRowStatus->setCurrentIndex(DestroyItem);
    });
}

KtDescriptorTables TServerGroupForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Variables, ListTableEx, 1, 17}};
    return tables;
}
