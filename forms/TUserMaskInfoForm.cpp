#include "TUserMaskInfoForm.h"
#include "KtStandardOptions.h"

#include "KtException.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "TMainWindowAnchor.h"
#include "TStackingPortUitForm.h"

#include <QAbstractItemModel>
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

// The payload mask table; the entry ID is the row's instance.
const KtSNMPVarDef PayloadMaskTable[] = {
    {"1.3.6.1.4.1.47893.11.5.1.3.1.1", "Mask Entry ID", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.11.5.1.3.1.2", "Filtered Port(s)", SyntaxBits, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.3.1.3", "Filtered Port(s) [0 to 15]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.3.1.4", "Filtered Port(s) [16 to 31]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.3.1.5", "Filtered Port(s) [32 to 47]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.3.1.6", "Filtered Port(s) [48 to 63]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.3.1.7", "Filtered Port(s) [64 to 79]", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.11.5.1.3.1.8", "Mask Row Status", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

// The offset range of each group, as the labels and messages name it.
constexpr const char *GroupRanges[] = {"[0 to 15]", "[16 to 31]", "[32 to 47]", "[48 to 63]", "[64 to 79]"};

} // namespace

TUserMaskInfoForm::TUserMaskInfoForm(QWidget *owner) : TAclTableForm(owner)
{
    setObjectName(QStringLiteral("UserMaskInfoForm"));
    CreateFrame(true);

    auto *editors = new QGroupBox(this);
    auto *grid = new QGridLayout(editors);
    auto edit = [editors](const char *name) {
        auto *box = new QLineEdit(editors);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    Edit1 = edit("Edit1");
    Edit5 = edit("Edit5");
    Edit3 = edit("Edit3");
    Edit4 = edit("Edit4");
    Edit6 = edit("Edit6");
    Edit7 = edit("Edit7");
    ComboBox1 = new QComboBox(editors);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    grid->addWidget(new QLabel(QStringLiteral("Mask Entry ID"), editors), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    const QList<QLineEdit *> groups = Groups();
    for (int group = 0; group < groups.size(); ++group) {
        grid->addWidget(
            new QLabel(QStringLiteral("Filtered Port(s) ") + QLatin1String(GroupRanges[group]), editors),
            group + 1, 0);
        grid->addWidget(groups[group], group + 1, 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("Mask Row Status"), editors), 6, 0);
    grid->addWidget(ComboBox1, 6, 1);
    grid->setRowStretch(7, 1);
    Static = new QLabel(this);
    Static->setObjectName(QStringLiteral("Static"));
    Static->setVisible(false);

    GetButton = new QPushButton(QStringLiteral("Refresh"), this);
    GetButton->setObjectName(QStringLiteral("GetButton"));
    OperButton = new QPushButton(QStringLiteral("Edit"), this);
    OperButton->setObjectName(QStringLiteral("OperButton"));
    AddButton = new QPushButton(QStringLiteral("Add"), this);
    AddButton->setObjectName(QStringLiteral("AddButton"));
    DeleteButton = new QPushButton(QStringLiteral("Delete"), this);
    DeleteButton->setObjectName(QStringLiteral("DeleteButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Static);
    buttons->addStretch();
    for (QPushButton *button : {GetButton, OperButton, AddButton, DeleteButton}) {
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
    resize(int(760 * scale), int(640 * scale));
    TMainWindowAnchor::CentreOverMainWindow(this);

    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(OperButton, &QPushButton::clicked, this, [this] { OperButtonClick(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    QAbstractItemModel *rows = ListView1->model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, [this] { WriteRowCount(); });
    connect(rows, &QAbstractItemModel::rowsRemoved, this, [this] { WriteRowCount(); });
    connect(rows, &QAbstractItemModel::modelReset, this, [this] { WriteRowCount(); });

    BuildPortGrid();
    const QString bits = TStackingPortUitForm::BitIndexList();
    try {
        CreateBinding(PayloadMaskTable, 1);
        setWindowTitle(QStringLiteral("User Defined Mask Information :") + Binding->Request.Device.Address);
        Binding->BindEdit(ColId, QStringLiteral("%i{n1x255l3}"), {Edit1});
        Binding->BindCheckBoxList(ColPorts, bits, PortGrid->PortBoxes);
        for (int group = 0; group < groups.size(); ++group)
            Binding->BindEdit(ColFirstGroup + group, QStringLiteral("%s{l32}"), {groups[group]});
        Binding->BindComboBox(ColRowStatus, ComboBox1);
        for (QLineEdit *box : groups)
            box->clear();
        ComboBox1->setCurrentIndex(CreateAndGoItem);
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
    SetIdleState();
    ReadTable();
    WriteRowCount();
}

QList<QLineEdit *> TUserMaskInfoForm::Groups() const
{
    return {Edit5, Edit3, Edit4, Edit6, Edit7};
}

void TUserMaskInfoForm::WriteRowCount()
{
    Static->setText(QString::number(ListView1->topLevelItemCount()));
}

void TUserMaskInfoForm::SetIdleState()
{
    OperButton->setEnabled(false);
    AddButton->setEnabled(true);
    DeleteButton->setEnabled(false);
    Edit1->setEnabled(true);
}

void TUserMaskInfoForm::SetRowState()
{
    OperButton->setEnabled(true);
    AddButton->setEnabled(false);
    DeleteButton->setEnabled(true);
    Edit1->setEnabled(false);
}

void TUserMaskInfoForm::ClearEditors()
{
    for (QLineEdit *box : {Edit1, Edit3, Edit4, Edit5, Edit6, Edit7})
        box->clear();
    if (PortGrid)
        PortGrid->ClearBoxes();
    if (ListView1->topLevelItemCount() == 0)
        Static->setText(QStringLiteral("0"));
}

int TUserMaskInfoForm::GroupCount() const
{
    int count = 0;
    for (const QLineEdit *box : Groups())
        if (GroupCounts(box->text()))
            ++count;
    return count;
}

bool TUserMaskInfoForm::GroupExclusion()
{
    const QList<QLineEdit *> groups = Groups();
    for (int group = 0; group < groups.size(); ++group) {
        const QString text = groups[group]->text();
        if (text.isEmpty()) {
            ExcludeColumn(ColFirstGroup + group);
        } else if (!HexMaskText(text)) {
            RestoreColumnAccess();
            Refuse(QStringLiteral("Filtered Port(s) ") + QLatin1String(GroupRanges[group]) +
                       QStringLiteral(" can not contain invalid character(s)."),
                   groups[group]);
            return false;
        }
    }
    return true;
}

void TUserMaskInfoForm::GetButtonClick()
{
    ReadTable();
    Finish();
}

void TUserMaskInfoForm::AddButtonClick()
{
    if (Edit1->text().isEmpty()) {
        Refuse(QStringLiteral("Payload Entry ID must be set."), Edit1);
        return;
    }
    if (HasRow(Edit1->text())) {
        Refuse(QStringLiteral("Payload Entry ID must be different."), Edit1);
        return;
    }
    if (ComboBox1->currentIndex() != CreateAndGoItem) {
        Refuse(QStringLiteral("Row State must be createAndGo."), ComboBox1);
        return;
    }
    if (GroupCount() >= 3) {
        Refuse(QStringLiteral("Filtered Ports can not over two groups."), Edit5);
        return;
    }
    // The group texts are checked before anything is saved or sent.
    SaveColumnAccess();
    if (!GroupExclusion())
        return;
    RestoreColumnAccess();
    WriteFlow([this] {
        GroupExclusion();
        if (!AnyPortChecked())
            ExcludeColumn(ColPorts);
    });
}

void TUserMaskInfoForm::OperButtonClick()
{
    if (Edit1->text().isEmpty()) {
        Refuse(QStringLiteral("Payload Entry ID must be set."), Edit1);
        return;
    }
    if (ComboBox1->currentIndex() != DestroyItem && GroupCount() > 2) {
        Refuse(QStringLiteral("Filtered Ports can not over two groups."), Edit5);
        return;
    }
    SaveColumnAccess();
    if (!GroupExclusion())
        return;
    RestoreColumnAccess();
    WriteFlow([this] { GroupExclusion(); });
}

void TUserMaskInfoForm::DeleteButtonClick()
{
    WriteFlow(
        [this] {
            ExcludeColumns(ColPorts, ColLastGroup);
            ComboBox1->setCurrentIndex(DestroyItem);
        },
        true);
}
