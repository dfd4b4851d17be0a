#include "KtOptionControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

void KtOptionControls::FillItems(const KtOptionList &list, QComboBox *combo)
{
    combo->clear();
    combo->addItems(list.Names());
    // No choice until a value is shown: a first item chosen by default would
    // be written as if it had been read.
    combo->setCurrentIndex(-1);
}

// The radio group's button group, created on first use.
static QButtonGroup *ButtonGroupOf(QGroupBox *radioGroup)
{
    auto *group = radioGroup->findChild<QButtonGroup *>(QString(), Qt::FindDirectChildrenOnly);
    if (!group)
        group = new QButtonGroup(radioGroup);
    return group;
}

void KtOptionControls::FillItems(const KtOptionList &list, QGroupBox *radioGroup)
{
    QButtonGroup *group = ButtonGroupOf(radioGroup);
    for (QAbstractButton *button : group->buttons()) {
        group->removeButton(button);
        delete button;
    }
    if (!radioGroup->layout())
        new QVBoxLayout(radioGroup);
    const QStringList names = list.Names();
    for (int i = 0; i < names.size(); ++i) {
        auto *button = new QRadioButton(names[i], radioGroup);
        radioGroup->layout()->addWidget(button);
        group->addButton(button, i);
    }
}

void KtOptionControls::Select(const KtOptionList &list, QComboBox *combo, const QString &text)
{
    combo->setCurrentIndex(list.IndexOfNameOrValue(text));
}

void KtOptionControls::Select(const KtOptionList &list, QGroupBox *radioGroup, const QString &text)
{
    QButtonGroup *group = ButtonGroupOf(radioGroup);
    if (QAbstractButton *button = group->button(list.IndexOfNameOrValue(text))) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its checked button directly.
    if (QAbstractButton *checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}
