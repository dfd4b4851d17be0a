#include "KtFieldControls.h"

#include "KtSNMPRequest2Edits.h"
#include "TStackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QWidget *NewControl(KtFieldControls::FieldKind kind, QWidget *parent)
{
    using Kind = KtFieldControls::FieldKind;
    switch (kind) {
    case Kind::StaticText: {
        auto *text = new QLabel(parent);
        text->setFrameShape(QFrame::Panel);
        text->setFrameShadow(QFrame::Sunken);
        return text;
    }
    case Kind::Edit:
        return new QLineEdit(parent);
    case Kind::Combo:
        return new QComboBox(parent);
    case Kind::Ports:
        break;
    }
    return nullptr;
}

} // namespace

KtFieldControls::KtFieldControls(QWidget *parent, std::span<const Field> fields) : fields_(fields)
{
    for (const Field &field : fields_) {
        if (QWidget *control = NewControl(field.Kind, parent)) {
            control->setObjectName(QString::fromLatin1(field.Control));
            controls_.insert(field.Variable, control);
        }
        if (field.CheckBox) {
            auto *box = new QCheckBox(parent);
            box->setObjectName(QString::fromLatin1(field.CheckBox));
            boxes_.insert(field.Variable, box);
        }
        if (field.Caption)
            captions_.insert(field.Variable, new QLabel(QString::fromLatin1(field.Caption), parent));
    }
}

QLabel *KtFieldControls::StaticText(int variable) const
{
    return qobject_cast<QLabel *>(Control(variable));
}

QLineEdit *KtFieldControls::Edit(int variable) const
{
    return qobject_cast<QLineEdit *>(Control(variable));
}

QComboBox *KtFieldControls::Combo(int variable) const
{
    return qobject_cast<QComboBox *>(Control(variable));
}

QFormLayout *KtFieldControls::NewFormLayout() const
{
    auto *form = new QFormLayout;
    AddRows(form);
    return form;
}

void KtFieldControls::AddRows(QFormLayout *form) const
{
    for (const Field &field : fields_)
        if (field.Caption)
            form->addRow(Caption(field.Variable), Control(field.Variable));
}

QGridLayout *KtFieldControls::NewGridLayout(int pairsPerRow) const
{
    auto *grid = new QGridLayout;
    const int boxColumns = boxes_.isEmpty() ? 0 : 1;
    int pair = 0;
    for (const Field &field : fields_) {
        if (!field.Caption)
            continue;
        const int row = pair / pairsPerRow;
        const int column = pair % pairsPerRow * (boxColumns + 2);
        if (QCheckBox *box = Box(field.Variable))
            grid->addWidget(box, row, column);
        grid->addWidget(Caption(field.Variable), row, column + boxColumns);
        grid->addWidget(Control(field.Variable), row, column + boxColumns + 1);
        ++pair;
    }
    return grid;
}

void KtFieldControls::Bind(KtSNMPRequest2Edits *binding, const QList<QCheckBox *> &portBoxes) const
{
    for (const Field &field : fields_) {
        switch (field.Kind) {
        case FieldKind::StaticText:
            binding->BindStaticText(field.Variable, Control(field.Variable));
            break;
        case FieldKind::Edit:
            if (field.Format)
                binding->BindEdit(field.Variable, QString::fromLatin1(field.Format), {Edit(field.Variable)});
            break;
        case FieldKind::Combo:
            binding->BindComboBox(field.Variable, Combo(field.Variable));
            break;
        case FieldKind::Ports:
            binding->BindCheckBoxList(field.Variable, TStackingPortUitForm::BitIndexList(), portBoxes);
            break;
        }
    }
}
