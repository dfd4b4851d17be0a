#include "TUserMaskInfoForm.h"
#include "KtStandardOptions.h"

#include "KtOptionList.h"
#include "KtSNMPVarDef.h"
#include "TStackingPortUitForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <iterator>

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

using C = TUserMaskInfoForm::Column;
using Kind = KtFieldControls::FieldKind;

constexpr KtFieldControls::Field Fields[] = {
    {C::ColId, Kind::Edit, "Mask Entry ID", "Edit1", "%i{n1x255l3}"},
    {C::ColPorts, Kind::Ports},
    {C::ColFirstGroup, Kind::Edit, "Filtered Port(s) [0 to 15]", "Edit5", "%s{l32}"},
    {C::ColFirstGroup + 1, Kind::Edit, "Filtered Port(s) [16 to 31]", "Edit3", "%s{l32}"},
    {C::ColFirstGroup + 2, Kind::Edit, "Filtered Port(s) [32 to 47]", "Edit4", "%s{l32}"},
    {C::ColFirstGroup + 3, Kind::Edit, "Filtered Port(s) [48 to 63]", "Edit6", "%s{l32}"},
    {C::ColLastGroup, Kind::Edit, "Filtered Port(s) [64 to 79]", "Edit7", "%s{l32}"},
    {C::ColRowStatus, Kind::Combo, "Mask Row Status", "ComboBox1"},
};

constexpr TAclMaskForm::MaskDesign Design = {
    "UserMaskInfoForm",
    "User Defined Mask Information :",
    PayloadMaskTable,
    Fields,
    int(std::size(Fields)),
    {"GetButton", "Refresh"},
    {"OperButton", "Edit"},
    {"AddButton", "Add"},
    {"DeleteButton", "Delete"},
    1,
    true,
    760,
    640,
};

} // namespace

TUserMaskInfoForm::TUserMaskInfoForm(QWidget *owner, KtDeviceState *state)
    : TAclMaskForm(owner, Design, state)
{
    Edit1 = Edit(ColId);
    Edit5 = Edit(ColFirstGroup);
    Edit3 = Edit(ColFirstGroup + 1);
    Edit4 = Edit(ColFirstGroup + 2);
    Edit6 = Edit(ColFirstGroup + 3);
    Edit7 = Edit(ColLastGroup);
    ComboBox1 = Combo(ColRowStatus);
    GetButton = Button(RefreshRole);
    OperButton = Button(SetRole);
    AddButton = Button(AddRole);
    DeleteButton = Button(DeleteRole);
    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(OperButton, &QPushButton::clicked, this, [this] { OperButtonClick(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });

    // The row count, hidden, at the start of the button row.
    Static = (new TRowCountLabel(QStringLiteral("Static"), this))->Counts(ListView1)->Follow(this);
    Static->setVisible(false);
    ButtonRow->insertWidget(0, Static);

    ComboBox1->setCurrentIndex(CreateAndGoItem);
    SetIdleState();
    ReadTable();
    Static->Show();
}

QList<QLineEdit *> TUserMaskInfoForm::Groups() const
{
    return {Edit5, Edit3, Edit4, Edit6, Edit7};
}

void TUserMaskInfoForm::ClearEditors()
{
    for (QLineEdit *box : {Edit1, Edit3, Edit4, Edit5, Edit6, Edit7})
        box->clear();
    if (PortGrid)
        PortGrid->ClearBoxes();
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

KtDescriptorTables TUserMaskInfoForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{PayloadMaskTable, ListTableEx, 1, ColRowStatus}};
    return tables;
}
