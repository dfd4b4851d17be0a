#include "TAclRuleForm.h"

#include "KtException.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <span>

TAclRuleForm::TAclRuleForm(QWidget *owner, const RuleTexts &texts, KtDeviceState *state)
    : TAclTableForm(owner, state), texts_(texts)
{
    setWindowTitle(QString::fromLatin1(texts.Caption));
}

void TAclRuleForm::Build(const KtSNMPVarDef *table, const KtFieldControls::Field *fields, int fieldCount,
                         int permitColumn, int rowColumn, int groupFirst, int groupLast)
{
    permitColumn_ = permitColumn;
    rowColumn_ = rowColumn;
    groupFirst_ = groupFirst;
    groupLast_ = groupLast;
    CreateFrame(false);

    auto *editors = new QGroupBox(this);
    fields_ = KtFieldControls(editors, std::span(fields, fieldCount));
    QGridLayout *grid = fields_.NewGridLayout(2);
    grid->setRowStretch(fieldCount / 2 + 1, 1);
    editors->setLayout(grid);
    FirstKeyEdit = fields_.Edit(0);
    SecondKeyEdit = fields_.Edit(1);
    PermitComboBox = fields_.Combo(permitColumn);
    RowComboBox = fields_.Combo(rowColumn);

    StaticText1 = (new TRowCountLabel(QStringLiteral("StaticText1"), this))->Sunken(40);
    GetButton = NewButton(QStringLiteral("Refresh"), QStringLiteral("GetButton"));
    EditButton = NewButton(QStringLiteral("Edit"), QStringLiteral("EditButton"));
    AddButton = NewButton(QStringLiteral("Add"), QStringLiteral("AddButton"));
    DeleteButton = NewButton(QStringLiteral("Delete"), QStringLiteral("DeleteButton"));
    CheckButton = NewButton(QStringLiteral("Check All"), QStringLiteral("CheckButton"));
    UncheckButton = NewButton(QStringLiteral("Clear Checks"), QStringLiteral("UncheckButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(StaticText1);
    buttons->addStretch();
    for (QPushButton *b : {CheckButton, UncheckButton, GetButton, EditButton, AddButton, DeleteButton})
        buttons->addWidget(b);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListView1, 1);
    layout->addWidget(editors);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    FinishLayout(780, 640);

    connect(GetButton, &QPushButton::clicked, this, [this] { GetButtonClick(); });
    connect(EditButton, &QPushButton::clicked, this, [this] { EditButtonClick(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    connect(CheckButton, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(UncheckButton, &QPushButton::clicked, this, [this] { CheckAll(false); });
    StaticText1->Counts(ListView1)->Follow(this);

    try {
        CreateBinding(table, 2);
        fields_.Bind(Binding.get());
    } catch (const KtException &error) {
        ShowError(error.Message);
    }
    if (PermitComboBox)
        connect(PermitComboBox, &QComboBox::currentIndexChanged, this, [this] { PermitComboBoxChange(); });
    // After the binding: the window's handler sees the row just shown.
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { OnRowClicked(); });

    for (const QWidget *control : fields_.Controls())
        if (auto *edit = qobject_cast<QLineEdit *>(const_cast<QWidget *>(control)))
            edit->clear();
    if (RowComboBox)
        RowComboBox->setCurrentIndex(CreateAndGoItem);
    SetIdleState();
    ReadTable();
    StaticText1->Show();
    PermitComboBoxChange();
}

void TAclRuleForm::OnRowClicked()
{
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    if (selected.isEmpty()) {
        SetIdleState();
    } else {
        FirstKeyEdit->setText(selected.first()->text(0));
        SecondKeyEdit->setText(selected.first()->text(1));
        SetRowState();
    }
    PermitComboBoxChange();
}

void TAclRuleForm::SetIdleState()
{
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
    AddButton->setEnabled(true);
    FirstKeyEdit->setEnabled(true);
    SecondKeyEdit->setEnabled(true);
}

void TAclRuleForm::SetRowState()
{
    EditButton->setEnabled(true);
    DeleteButton->setEnabled(true);
    AddButton->setEnabled(false);
    FirstKeyEdit->setEnabled(false);
    SecondKeyEdit->setEnabled(false);
}

void TAclRuleForm::ClearEditors()
{
    for (QWidget *control : fields_.Controls())
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            edit->clear();
    CheckAll(false);
}

void TAclRuleForm::AfterFlow()
{
    PermitComboBoxChange();
}

void TAclRuleForm::CheckAll(bool checked)
{
    for (QCheckBox *box : fields_.Boxes())
        box->setChecked(checked);
}

void TAclRuleForm::SetGroupEnabled(bool enabled)
{
    for (int column = groupFirst_; column <= groupLast_; ++column) {
        if (QWidget *control = Control(column))
            control->setEnabled(enabled);
        if (QCheckBox *box = Box(column))
            box->setEnabled(enabled);
    }
}

void TAclRuleForm::PermitComboBoxChange()
{
    SetGroupEnabled(!(PermitComboBox && PermitComboBox->currentText() == QLatin1String("deny")));
}

bool TAclRuleForm::DenySelected() const
{
    return PermitComboBox && PermitComboBox->currentText() == QLatin1String("deny");
}

void TAclRuleForm::CheckBoxExclusion(bool add)
{
    for (auto it = fields_.Boxes().cbegin(); it != fields_.Boxes().cend(); ++it) {
        const int column = it.key();
        if (column == permitColumn_ || column == rowColumn_)
            continue;
        if (!it.value()->isChecked())
            ExcludeColumn(column);
    }
    const QCheckBox *permit = Box(permitColumn_);
    if (permit && permit->isChecked() && DenySelected())
        ExcludeColumns(groupFirst_, groupLast_);
    if (permit && !permit->isChecked())
        ExcludeColumn(permitColumn_);
    const QCheckBox *row = Box(rowColumn_);
    if (!add && row && !row->isChecked())
        ExcludeColumn(rowColumn_);
}

bool TAclRuleForm::KeysPresent(bool focus)
{
    if (FirstKeyEdit->text().isEmpty()) {
        Refuse(QString::fromLatin1(texts_.FirstKeyMissing), focus ? FirstKeyEdit : nullptr);
        return false;
    }
    if (SecondKeyEdit->text().isEmpty()) {
        Refuse(QString::fromLatin1(texts_.SecondKeyMissing), focus ? SecondKeyEdit : nullptr);
        return false;
    }
    return true;
}

void TAclRuleForm::GetButtonClick()
{
    ReadTable();
    Finish();
}

void TAclRuleForm::EditButtonClick()
{
    if (!KeysPresent(false))
        return;
    const QCheckBox *row = Box(rowColumn_);
    if (RowComboBox->currentIndex() == DestroyItem && row && row->isChecked()) {
        WriteFlow([this] { ExcludeColumns(2, rowColumn_ - 1); });
        return;
    }
    if (!GroupsAcceptable())
        return;
    // A failed edit leaves the buttons as they were.
    const bool rowState = EditButton->isEnabled();
    if (!WriteFlow([this] {
            CheckBoxExclusion(false);
            ProtocolExclusion();
        }) &&
        rowState)
        SetRowState();
}

void TAclRuleForm::AddButtonClick()
{
    if (!KeysPresent(true))
        return;
    if (HasRow(FirstKeyEdit->text(), SecondKeyEdit->text())) {
        Refuse(QString::fromLatin1(texts_.Duplicate), FirstKeyEdit);
        return;
    }
    const QCheckBox *row = Box(rowColumn_);
    if (row && row->isChecked() && RowComboBox->currentIndex() != CreateAndGoItem) {
        Refuse(QStringLiteral("Row State must be createAndGo."), RowComboBox);
        return;
    }
    if (!GroupsAcceptable())
        return;
    WriteFlow([this] {
        CheckBoxExclusion(true);
        ProtocolExclusion();
    });
}

void TAclRuleForm::DeleteButtonClick()
{
    WriteFlow([this] {
        ExcludeColumns(2, rowColumn_ - 1);
        RowComboBox->setCurrentIndex(DestroyItem);
    });
}
