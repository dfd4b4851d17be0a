#include "TListEditForm.h"

#include "KtAccessSnapshot.h"
#include "KtException.h"
#include "KtSNMPRequest2Edits.h"
#include "TRowCountLabel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>

void TListEditForm::AddRowButtons()
{
    GetButton = NewButton(QStringLiteral("Refresh"), QStringLiteral("GetButton"));
    EditButton = NewButton(QStringLiteral("Edit"), QStringLiteral("EditButton"));
    AddButton = NewButton(QStringLiteral("Add"), QStringLiteral("AddButton"));
    DeleteButton = NewButton(QStringLiteral("Delete"), QStringLiteral("DeleteButton"));
    connect(GetButton, &QPushButton::clicked, this, [this] { Refresh(); });
    connect(EditButton, &QPushButton::clicked, this, [this] { EditRow(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddRow(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteRow(); });
}

QHBoxLayout *TListEditForm::RowButtonLayout(QTreeWidget *list, const QString &countName,
                                            std::initializer_list<QPushButton *> extra)
{
    RowCountLabel = (new TRowCountLabel(countName, this))->Counts(list);
    RowCountLabel->setText(QStringLiteral("0"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *push : {GetButton, EditButton, AddButton, DeleteButton})
        buttons->addWidget(push);
    for (QPushButton *push : extra)
        buttons->addWidget(push);
    buttons->addStretch();
    buttons->addWidget(RowCountLabel);
    return buttons;
}

void TListEditForm::SetRowState(bool row)
{
    EditButton->setEnabled(row);
    DeleteButton->setEnabled(row);
    AddButton->setEnabled(!row);
    for (QWidget *key : KeyEditors)
        key->setEnabled(!row);
}

void TListEditForm::ClearEditors()
{
    ClearFields();
    RowCountLabel->Show();
}

void TListEditForm::Reset()
{
    ClearEditors();
    ApplyEditorRules();
}

void TListEditForm::Refresh()
{
    Guarded(Binding.get(), [this] { Binding->Get(); });
    SetRowState(false);
    Reset();
}

void TListEditForm::WriteAndRead(const std::function<void(KtAccessSnapshot &)> &exclude, bool keepRowState)
{
    try {
        {
            KtAccessSnapshot snapshot(Binding->Request.Vars);
            exclude(snapshot);
            Binding->Set(false, true, QString(), nullptr);
        }
        Binding->Get();
        SetRowState(false);
        Reset();
    } catch (const KtException &error) {
        if (!keepRowState)
            SetRowState(false);
        Reset();
        Binding->ShowStatus(error.Message);
    }
}
