#include "TEquipmentBasicInfoForm.h"

#include "KtSNMPRequest2Edits.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kDesignedWidth = 360;
constexpr int kDesignedHeight = 260;

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

    auto *grid = new QGridLayout;
    const char *captions[] = {"Equipment Capacity", "Max Supported Units", "Number Of Unit",
                              "Stacking Version"};
    QLineEdit **edits[] = {&Edit1, &Edit2, &Edit3, &Edit4};
    for (int row = 0; row < 4; ++row) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(row + 1));
        edit->setReadOnly(row > 0);
        *edits[row] = edit;
        grid->addWidget(new QLabel(QString::fromUtf8(captions[row]), this), row, 0);
        grid->addWidget(edit, row, 1);
    }
    Edit1->setText(QStringLiteral("Redundant Power and Stacking"));

    AddStatusMemo(0);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(grid);
    layout->addWidget(Memo1, 1);

    FinishLayout(kDesignedWidth, kDesignedHeight);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { Refresh(); });

    Binding = std::make_unique<KtSNMPRequest2Edits>(this);
    Binding->Request.Vars = KtSNMPVarList(Variables, ListScalars, 0);
    Binding->BindEdit(ItemMaxUnits, QStringLiteral("%i"), {Edit2});
    Binding->BindEdit(ItemUnits, QStringLiteral("%i"), {Edit3});
    Binding->BindEdit(ItemStackingVersion, QStringLiteral("%i"), {Edit4});
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
