#include "TAuthMethodListForm.h"

#include "KtAccessSnapshot.h"
#include "KtException.h"
#include "KtSNMPRequest2Edits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kDesignedWidth = 640;
constexpr int kDesignedHeight = 520;
const QString kNameFormat = QStringLiteral("%s{l15}");

} // namespace

TAuthMethodListForm::TAuthMethodListForm(const TAuthMethodListTexts &texts, const KtSNMPVarDef *variables,
                                         QWidget *owner)
    : TListEditForm(owner, QString::fromUtf8(texts.ObjectName), QString::fromUtf8(texts.Caption)),
      texts_(texts)
{
    AddRowButtons();
    AddCheckButton = NewButton(QStringLiteral("Check All"), QStringLiteral("AddCheckButton"));
    CleanCheButton = NewButton(QStringLiteral("Clear Checks"), QStringLiteral("CleanCheButton"));
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    QHBoxLayout *buttons =
        RowButtonLayout(ListView1, QStringLiteral("StaticText1"), {AddCheckButton, CleanCheButton});

    // One line per column: its box, its caption, its control.
    auto *grid = new QGridLayout;
    for (int column = 1; column < Columns; ++column) {
        auto *box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(column - 1 + texts.FirstBox));
        boxes_[column] = box;
    }
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QString::fromUtf8(texts.NameEdit));
    KeyEditors = {NameEdit};
    grid->addWidget(new QLabel(QString::fromUtf8(variables[ColumnName].Name), this), 0, 1);
    grid->addWidget(NameEdit, 0, 2);
    for (int k = 1; k <= KtAuthRules::Methods; ++k) {
        auto *type = new QComboBox(this);
        type->setObjectName(QString::fromUtf8(texts.TypeCombos[k - 1]));
        TypeCombo[k - 1] = type;
        auto *group = new QLineEdit(this);
        group->setObjectName(QString::fromUtf8(texts.GroupEdits[k - 1]));
        GroupEdit[k - 1] = group;
        for (int column : {TypeColumn(k), GroupColumn(k)}) {
            grid->addWidget(boxes_[column], column, 0);
            grid->addWidget(new QLabel(QString::fromUtf8(variables[column].Name), this), column, 1);
        }
        grid->addWidget(type, TypeColumn(k), 2);
        grid->addWidget(group, GroupColumn(k), 2);
    }
    RowComboBox = new QComboBox(this);
    RowComboBox->setObjectName(QStringLiteral("RowComboBox"));
    grid->addWidget(boxes_[ColumnRowStatus], ColumnRowStatus, 0);
    grid->addWidget(new QLabel(QString::fromUtf8(variables[ColumnRowStatus].Name), this), ColumnRowStatus, 1);
    grid->addWidget(RowComboBox, ColumnRowStatus, 2);

    AddStatusBar(nullptr);

    auto *middle = new QHBoxLayout;
    middle->addWidget(ListView1, 1);
    middle->addLayout(grid);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(middle, 1);
    layout->addWidget(StatusBar1);

    FinishLayout(kDesignedWidth, kDesignedHeight);

    connect(AddCheckButton, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(CleanCheButton, &QPushButton::clicked, this, [this] { CheckAll(false); });
    for (QComboBox *type : TypeCombo)
        connect(type, &QComboBox::currentIndexChanged, this, [this] { ApplyMethodTypes(); });

    Binding = std::make_unique<KtSNMPRequest2Edits>(this);
    Binding->Asynchronous = false;
    Binding->SetStatusBar(StatusBar1);
    Guarded(Binding.get(), [&] {
        Binding->Request.Vars = KtSNMPVarList(variables, ListTableEx, 1);
        Binding->AttachListView(ListView1, true);
        // After the binding's own handler: the row is in the controls first.
        connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { ListClicked(); });
        Binding->BindEdit(ColumnName, kNameFormat, {NameEdit});
        for (int k = 1; k <= KtAuthRules::Methods; ++k) {
            Binding->BindComboBox(TypeColumn(k), TypeCombo[k - 1]);
            Binding->BindEdit(GroupColumn(k), kNameFormat, {GroupEdit[k - 1]});
        }
        Binding->BindComboBox(ColumnRowStatus, RowComboBox);
        NameEdit->clear();
        for (QLineEdit *group : GroupEdit)
            group->clear();
        RowComboBox->setCurrentIndex(CreateAndGoItem);
        SetRowState(false);
        Binding->Get();
    });
    SetRowState(false);
    ClearEditors();
    ApplyMethodTypes();
}

QCheckBox *TAuthMethodListForm::BoxOf(int column) const
{
    return column >= 1 && column < Columns ? boxes_[column] : nullptr;
}

void TAuthMethodListForm::ListClicked()
{
    SetRowState(!ListView1->selectedItems().isEmpty());
    ApplyMethodTypes();
}

void TAuthMethodListForm::ApplyMethodTypes()
{
    for (int k = 1; k <= KtAuthRules::Methods; ++k) {
        const bool group = TypeCombo[k - 1]->currentIndex() == KtAuthRules::ServerGroupItem;
        GroupEdit[k - 1]->setEnabled(group);
        boxes_[GroupColumn(k)]->setEnabled(group);
    }
}

void TAuthMethodListForm::ClearFields()
{
    NameEdit->clear();
    for (QLineEdit *group : GroupEdit)
        group->clear();
    CheckAll(false);
}

void TAuthMethodListForm::CheckAll(bool checked)
{
    for (int column = 1; column < Columns; ++column)
        boxes_[column]->setChecked(checked);
}

bool TAuthMethodListForm::CheckMethods()
{
    KtAuthRules::MethodItems items{};
    KtAuthRules::MethodChecks checked{};
    for (int k = 1; k <= KtAuthRules::Methods; ++k) {
        items[std::size_t(k - 1)] = TypeCombo[k - 1]->currentIndex();
        checked[std::size_t(k - 1)] = boxes_[TypeColumn(k)]->isChecked();
    }
    if (!KtAuthRules::DistinctMethods(items, checked)) {
        Refuse(QString::fromUtf8(texts_.SameMethod));
        return false;
    }
    if (!KtAuthRules::NothingAfterLocal(items, checked)) {
        Refuse(MethodsAfterFinal);
        return false;
    }
    return true;
}

void TAuthMethodListForm::ExcludeUnchecked(KtAccessSnapshot &snapshot, int lastColumn) const
{
    for (int column = 1; column <= lastColumn; ++column)
        if (!boxes_[column]->isChecked())
            snapshot.Exclude(column);
}

void TAuthMethodListForm::ApplyGroupNameRule(KtAccessSnapshot &snapshot) const
{
    for (int k = 1; k <= KtAuthRules::Methods; ++k) {
        const bool serverGroup = TypeCombo[k - 1]->currentIndex() == KtAuthRules::ServerGroupItem;
        const bool groupBox = boxes_[GroupColumn(k)]->isChecked();
        if (GroupEdit[k - 1]->text().isEmpty() && groupBox) {
            // No group name to send; a "server-group" method without one is
            // not sent at all, any other type is sent on its own.
            snapshot.Exclude(GroupColumn(k));
            if (serverGroup)
                snapshot.Exclude(TypeColumn(k));
        } else if (!groupBox && serverGroup) {
            snapshot.Exclude(TypeColumn(k));
        }
    }
}

void TAuthMethodListForm::EditRow()
{
    if (NameEdit->text().isEmpty())
        return Refuse(QString::fromUtf8(texts_.NameMissing));
    if (RowComboBox->currentIndex() == DestroyItem && boxes_[ColumnRowStatus]->isChecked()) {
        WriteAndRead([](KtAccessSnapshot &snapshot) { snapshot.ExcludeRange(2, 8); });
        return;
    }
    if (!CheckMethods())
        return;
    WriteAndRead(
        [this](KtAccessSnapshot &snapshot) {
            ExcludeUnchecked(snapshot, ColumnRowStatus);
            ApplyGroupNameRule(snapshot);
            snapshot.Exclude(ColumnRowStatus);
        },
        true);
}

void TAuthMethodListForm::AddRow()
{
    const QString name = NameEdit->text();
    if (name.isEmpty())
        return Refuse(QString::fromUtf8(texts_.NameMissing));
    for (int row = 0; row < ListView1->topLevelItemCount(); ++row)
        if (ListView1->topLevelItem(row)->text(0) == name)
            return Refuse(QString::fromUtf8(texts_.NameTaken));
    if (!boxes_[ColumnRowStatus]->isChecked())
        return Refuse(RowStateNotAdded, RowComboBox);
    if (RowComboBox->currentIndex() != CreateAndGoItem)
        return Refuse(RowStateNotCreate, RowComboBox);
    if (!CheckMethods())
        return;
    WriteAndRead([this](KtAccessSnapshot &snapshot) {
        ExcludeUnchecked(snapshot, ColumnRowStatus - 1);
        ApplyGroupNameRule(snapshot);
    });
}

void TAuthMethodListForm::DeleteRow()
{
    const QString name = NameEdit->text();
    if (name.isEmpty())
        return Refuse(QString::fromUtf8(texts_.NameMissing));
    if (KtAuthRules::IsDefaultMethodList(name))
        return Refuse(DefaultNotDeleted);
    WriteAndRead([this](KtAccessSnapshot &snapshot) {
        snapshot.ExcludeRange(2, 8);
        RowComboBox->setCurrentIndex(DestroyItem);
    });
}
