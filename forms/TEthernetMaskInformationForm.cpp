#include "TEthernetMaskInformationForm.h"
#include "KtStandardOptions.h"

#include "KtException.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "TMainWindowAnchor.h"
#include "TStackingPortUitForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr KtOptionDef MacMaskStatePairs[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {}};
const KtOptionList MacMaskState(MacMaskStatePairs);

// The Ethernet mask table; the mask ID is the row's instance.
const KtSNMPVarDef EthernetMaskTable[] = {
    {"1.3.6.1.4.1.47893.11.5.1.1.1.1", "Ethernet Mask ID ", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.2", "Use Vlan", SyntaxInteger, AccessReadWrite, &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.3", "Mac Address Mask State", SyntaxInteger, AccessReadWrite,
     &MacMaskState},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.4", "Mac Address Mask Sourcc", SyntaxMacAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.5", "Mac Address Mask Destination", SyntaxMacAddress, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.6", "Use 8021p", SyntaxInteger, AccessReadWrite, &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.7", "Use Ethernet Type", SyntaxInteger, AccessReadWrite,
     &EnableDisableFromOne},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.8", "Mask Port", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.1.1.9", "Row Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

} // namespace

TEthernetMaskInformationForm::TEthernetMaskInformationForm(QWidget *owner) : TAclTableForm(owner)
{
    setObjectName(QStringLiteral("EthernetMaskInformationForm"));
    CreateFrame(true);

    auto *editors = new QGroupBox(this);
    auto *grid = new QGridLayout(editors);
    auto edit = [editors](const char *name) {
        auto *box = new QLineEdit(editors);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    auto combo = [editors](const char *name) {
        auto *box = new QComboBox(editors);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    IDEdit = edit("IDEdit");
    UseVLanComBo = combo("UseVLanComBo");
    MacMaskStateComBo = combo("MacMaskStateComBo");
    MacAddMaskSourceEdit = edit("MacAddMaskSourceEdit");
    MacMaskDstEdit = edit("MacMaskDstEdit");
    Use8021pComBo = combo("Use8021pComBo");
    UseEthTypeCombo = combo("UseEthTypeCombo");
    RowStatusComBo = combo("RowStatusComBo");
    const std::pair<const char *, QWidget *> rows[] = {
        {"Ethernet Mask ID", IDEdit},
        {"Use Vlan", UseVLanComBo},
        {"Mac Address Mask State", MacMaskStateComBo},
        {"Mac Address Mask Source", MacAddMaskSourceEdit},
        {"Mac Address Mask Destination", MacMaskDstEdit},
        {"Use 8021p", Use8021pComBo},
        {"Use Ethernet Type", UseEthTypeCombo},
        {"Row Status", RowStatusComBo},
    };
    int line = 0;
    for (const auto &[caption, control] : rows) {
        grid->addWidget(new QLabel(QString::fromLatin1(caption), editors), line, 0);
        grid->addWidget(control, line++, 1);
    }
    grid->setRowStretch(line, 1);

    BT_Get = new QPushButton(QStringLiteral("Refresh"), this);
    BT_Get->setObjectName(QStringLiteral("BT_Get"));
    SetBtn = new QPushButton(QStringLiteral("Set"), this);
    SetBtn->setObjectName(QStringLiteral("SetBtn"));
    AddBtn = new QPushButton(QStringLiteral("Add"), this);
    AddBtn->setObjectName(QStringLiteral("AddBtn"));
    BT_Delete = new QPushButton(QStringLiteral("Delete"), this);
    BT_Delete->setObjectName(QStringLiteral("BT_Delete"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {BT_Get, SetBtn, AddBtn, BT_Delete}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }

    auto *top = new QHBoxLayout;
    top->addWidget(ListView1, 3);
    top->addWidget(editors, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 2);
    layout->addWidget(StackingPortPanel, 3);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    const double scale = TMainWindowAnchor::ScaleFactor() != 1.0 ? 1.25 : 1.0;
    resize(int(720 * scale), int(620 * scale));
    TMainWindowAnchor::CentreOverMainWindow(this);

    connect(BT_Get, &QPushButton::clicked, this, [this] { RefreshClick(); });
    connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
    connect(AddBtn, &QPushButton::clicked, this, [this] { AddBtnClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { DeleteClick(); });

    BuildPortGrid();
    const QString bits = TStackingPortUitForm::BitIndexList();
    try {
        CreateBinding(EthernetMaskTable, 1);
        setWindowTitle(QStringLiteral("Ethernet Mask Information :") + Binding->Request.Device.Address);
        Binding->BindEdit(ColId, QStringLiteral("%i{n1x255l3}"), {IDEdit});
        Binding->BindComboBox(ColUseVlan, UseVLanComBo);
        Binding->BindComboBox(ColMaskState, MacMaskStateComBo);
        Binding->BindEdit(ColSourceMask, QStringLiteral("%s"), {MacAddMaskSourceEdit});
        Binding->BindEdit(ColDestinationMask, QStringLiteral("%s"), {MacMaskDstEdit});
        Binding->BindComboBox(ColUse8021p, Use8021pComBo);
        Binding->BindComboBox(ColUseEthType, UseEthTypeCombo);
        Binding->BindCheckBoxList(ColPorts, bits, PortGrid->PortBoxes);
        Binding->BindComboBox(ColRowStatus, RowStatusComBo);
        for (QComboBox *box :
             {UseVLanComBo, Use8021pComBo, MacMaskStateComBo, UseEthTypeCombo, RowStatusComBo})
            box->setCurrentIndex(0);
    } catch (const KtException &error) {
        ShowError(error.Message);
    }
    // After the binding: the window's handler sees the row just shown.
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (ListView1->selectedItems().isEmpty())
            SetIdleState();
        else
            SetRowState();
    });
    ReadTable();
    SetIdleState();
    ClearEditors();
}

void TEthernetMaskInformationForm::SetIdleState()
{
    SetBtn->setEnabled(false);
    AddBtn->setEnabled(true);
    BT_Delete->setEnabled(false);
    IDEdit->setEnabled(true);
}

void TEthernetMaskInformationForm::SetRowState()
{
    SetBtn->setEnabled(true);
    AddBtn->setEnabled(false);
    BT_Delete->setEnabled(true);
    IDEdit->setEnabled(false);
}

void TEthernetMaskInformationForm::ClearEditors()
{
    IDEdit->clear();
    MacMaskDstEdit->clear();
    MacAddMaskSourceEdit->clear();
    if (PortGrid)
        PortGrid->ClearBoxes();
}

void TEthernetMaskInformationForm::MaskStateExclusion()
{
    const QString state = MacMaskStateComBo->currentText();
    if (state == QLatin1String("other")) {
        ExcludeColumn(ColSourceMask);
        ExcludeColumn(ColDestinationMask);
    } else if (state == QLatin1String("dst-mac-addr")) {
        ExcludeColumn(ColSourceMask);
    } else if (state == QLatin1String("src-mac-addr")) {
        ExcludeColumn(ColDestinationMask);
    }
}

void TEthernetMaskInformationForm::RefreshClick()
{
    ReadTable();
    Finish();
}

void TEthernetMaskInformationForm::SetBtnClick()
{
    if (IDEdit->text().isEmpty()) {
        Refuse(QStringLiteral("Ethernet Mask ID must be set."), IDEdit);
        return;
    }
    WriteFlow([this] {
        MaskStateExclusion();
        if (RowStatusComBo->currentIndex() == DestroyItem)
            ExcludeColumns(ColUseVlan, ColPorts);
    });
}

void TEthernetMaskInformationForm::DeleteClick()
{
    WriteFlow([this] {
        ExcludeColumns(ColUseVlan, ColPorts);
        RowStatusComBo->setCurrentIndex(DestroyItem);
    });
}

void TEthernetMaskInformationForm::AddBtnClick()
{
    if (IDEdit->text().isEmpty()) {
        Refuse(QStringLiteral("Ethernet Mask ID must be set."), IDEdit);
        return;
    }
    if (HasRow(IDEdit->text())) {
        Refuse(
            QStringLiteral("There is already a record with the same Ethernet Mask ID. Please modified it."),
            IDEdit);
        return;
    }
    if (RowStatusComBo->currentIndex() != CreateAndGoItem) {
        Refuse(QStringLiteral("Row Status must be createAndGo."), RowStatusComBo);
        return;
    }
    WriteFlow([this] {
        MaskStateExclusion();
        if (!AnyPortChecked())
            ExcludeColumn(ColPorts);
        RowStatusComBo->setCurrentIndex(CreateAndGoItem);
    });
}
