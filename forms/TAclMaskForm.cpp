#include "TAclMaskForm.h"

#include "KtException.h"
#include "KtSNMPRequest2Edits.h"
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
#include <span>

TAclMaskForm::TAclMaskForm(QWidget *owner, const MaskDesign &design, KtDeviceState *state)
    : TAclTableForm(owner, state)
{
    setObjectName(QString::fromLatin1(design.ObjectName));
    CreateFrame(true);
    QWidget *editors = BuildEditors(design);
    BuildButtons(design);
    LayOut(design, editors);
    BuildPortGrid();
    Bind(design);
    // After the binding: the window's handler sees the row just shown.
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (ListView1->selectedItems().isEmpty())
            SetIdleState();
        else
            SetRowState();
    });
}

QWidget *TAclMaskForm::BuildEditors(const MaskDesign &design)
{
    auto *editors = new QGroupBox(this);
    auto *grid = new QGridLayout(editors);
    int line = 0;
    for (const FieldDef &field : std::span(design.Fields, design.FieldCount)) {
        if (field.Kind == FieldKind::Ports)
            continue;
        QWidget *control = field.Kind == FieldKind::Edit ? static_cast<QWidget *>(new QLineEdit(editors))
                                                         : new QComboBox(editors);
        control->setObjectName(QString::fromLatin1(field.Control));
        auto *caption = new QLabel(QString::fromLatin1(field.Caption), editors);
        const int row = line / design.EditorColumns;
        const int at = line % design.EditorColumns * 2;
        grid->addWidget(caption, row, at);
        grid->addWidget(control, row, at + 1);
        controls_.insert(field.Column, control);
        captions_.insert(field.Column, caption);
        ++line;
    }
    grid->setRowStretch((line + design.EditorColumns - 1) / design.EditorColumns, 1);
    return editors;
}

void TAclMaskForm::BuildButtons(const MaskDesign &design)
{
    ButtonRow = new QHBoxLayout;
    ButtonRow->addStretch();
    const ButtonDef defs[] = {design.Refresh, design.Set, design.Add, design.Delete};
    for (int role = RefreshRole; role <= DeleteRole; ++role) {
        buttons_[role] =
            NewButton(QString::fromLatin1(defs[role].Text), QString::fromLatin1(defs[role].Name));
        ButtonRow->addWidget(buttons_[role]);
    }
}

void TAclMaskForm::LayOut(const MaskDesign &design, QWidget *editors)
{
    auto *layout = new QVBoxLayout(this);
    if (design.EditorsBesideList) {
        auto *top = new QHBoxLayout;
        top->addWidget(ListView1, 3);
        top->addWidget(editors, 2);
        layout->addLayout(top, 2);
    } else {
        layout->addWidget(ListView1, 2);
        layout->addWidget(editors);
    }
    layout->addWidget(StackingPortPanel, 3);
    layout->addLayout(ButtonRow);
    layout->addWidget(StatusBar1);
    FinishLayout(design.Width, design.Height);
}

void TAclMaskForm::Bind(const MaskDesign &design)
{
    try {
        CreateBinding(design.Table, 1);
        setWindowTitle(QString::fromLatin1(design.Title) + Binding->Request.Device.Address);
        const QString bits = TStackingPortUitForm::BitIndexList();
        for (const FieldDef &field : std::span(design.Fields, design.FieldCount)) {
            switch (field.Kind) {
            case FieldKind::Edit:
                Binding->BindEdit(field.Column, QString::fromLatin1(field.Format), {Edit(field.Column)});
                break;
            case FieldKind::Combo:
                Binding->BindComboBox(field.Column, Combo(field.Column));
                break;
            case FieldKind::Ports:
                Binding->BindCheckBoxList(field.Column, bits, PortGrid->PortBoxes);
                break;
            }
        }
    } catch (const KtException &error) {
        ShowError(error.Message);
    }
}

QLineEdit *TAclMaskForm::Edit(int column) const
{
    return qobject_cast<QLineEdit *>(controls_.value(column));
}

QComboBox *TAclMaskForm::Combo(int column) const
{
    return qobject_cast<QComboBox *>(controls_.value(column));
}

void TAclMaskForm::SetIdleState()
{
    buttons_[SetRole]->setEnabled(false);
    buttons_[AddRole]->setEnabled(true);
    buttons_[DeleteRole]->setEnabled(false);
    IdControl()->setEnabled(true);
}

void TAclMaskForm::SetRowState()
{
    buttons_[SetRole]->setEnabled(true);
    buttons_[AddRole]->setEnabled(false);
    buttons_[DeleteRole]->setEnabled(true);
    IdControl()->setEnabled(false);
}
