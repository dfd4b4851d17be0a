#include "TAclMaskForm.h"

#include "KtException.h"
#include "KtSNMPRequest2Edits.h"
#include "TStackingPortUitForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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
    fields_ = KtFieldControls(editors, std::span(design.Fields, design.FieldCount));
    QGridLayout *grid = fields_.NewGridLayout(design.EditorColumns);
    grid->setRowStretch(grid->rowCount(), 1);
    editors->setLayout(grid);
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
        fields_.Bind(Binding.get(), PortGrid->PortBoxes);
    } catch (const KtException &error) {
        ShowError(error.Message);
    }
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
