#include "TEquipmentBasicInfoForm.h"

#include "KtFieldControls.h"
#include "KtSNMPRequest2Edits.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kDesignedWidth = 360;
constexpr int kDesignedHeight = 260;

using Kind = KtFieldControls::FieldKind;
using Item = TEquipmentBasicInfoForm::Item;

// In the order the user reads them, which is not the variables' order.
constexpr KtFieldControls::Field Fields[] = {
    // A fixed text: the capacity octets are read but not shown.
    {Item::ItemCapacity, Kind::Edit, "Equipment Capacity", "Edit1"},
    {Item::ItemMaxUnits, Kind::Edit, "Max Supported Units", "Edit2", "%i"},
    {Item::ItemUnits, Kind::Edit, "Number Of Unit", "Edit3", "%i"},
    {Item::ItemStackingVersion, Kind::Edit, "Stacking Version", "Edit4", "%i"},
};

} // namespace

const KtSNMPVarDef TEquipmentBasicInfoForm::Variables[] = {
    {"1.3.6.1.4.1.47893.12.11.1.1", "Equipment Capacity", SyntaxBits, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.1", "Stacking Version", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.2", "Max SupportedUnits", SyntaxInteger, AccessRead},
    {"1.3.6.1.4.1.47893.12.11.1.9.3", "Num Of Unit", SyntaxInteger, AccessRead},
    {},
};

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(QWidget *owner)
    : TBindingForm(owner, QStringLiteral("EquipmentBasicInfoForm"),
                   QStringLiteral("Equiment Basic Information"))
{
    BitBtn1 = new QPushButton(QStringLiteral("Refresh"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addStretch();

    const KtFieldControls fields(this, Fields);
    Edit1 = fields.Edit(ItemCapacity);
    Edit2 = fields.Edit(ItemMaxUnits);
    Edit3 = fields.Edit(ItemUnits);
    Edit4 = fields.Edit(ItemStackingVersion);
    for (QLineEdit *figure : {Edit2, Edit3, Edit4})
        figure->setReadOnly(true);
    Edit1->setText(QStringLiteral("Redundant Power and Stacking"));

    AddStatusMemo(0);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(fields.NewGridLayout());
    layout->addWidget(Memo1, 1);

    FinishLayout(kDesignedWidth, kDesignedHeight);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { Refresh(); });

    Binding = std::make_unique<KtSNMPRequest2Edits>(this);
    Binding->Request.Vars = KtSNMPVarList(Variables, ListScalars, 0);
    fields.Bind(Binding.get());
    Binding->SetStatusMemo(Memo1);
    GuardedWithMessageBox([this] { Binding->Get(); });
}

void TEquipmentBasicInfoForm::Refresh()
{
    if (Binding)
        Guarded(Binding.get(), [this] { Binding->Get(); });
}

KtDescriptorTables TEquipmentBasicInfoForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Variables, ListScalars}};
    return tables;
}
