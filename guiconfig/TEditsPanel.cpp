#include "TEditsPanel.h"

#include "KtException.h"
#include "KtMessageBox.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "TCtrlBtnPanel.h"
#include "TSNMPPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const KtOptionList *OptionsOf(const KtSNMPRequest2Edits *binding, int i)
{
    return binding && i < binding->Request.Vars.Count() ? binding->Request.Vars.Get(i).Options : nullptr;
}

// The width a value control needs for the longest label of its enumeration
// ("portType-1000Base-LX-GBIC"); 0 for values without one.
int LabelRoom(const QWidget *value, const KtOptionList *options)
{
    if (!options || !value)
        return 0;
    if (const auto *combo = qobject_cast<const QComboBox *>(value))
        return combo->sizeHint().width();
    int widest = 0;
    for (const QString &label : options->Names())
        widest = std::max(widest, value->fontMetrics().horizontalAdvance(label));
    constexpr int kFrameAndMargins = 12;
    return widest + kFrameAndMargins;
}

} // namespace

TEditsPanel::TEditsPanel(QWidget *parent, KtSNMPRequest2Edits *binding)
    : QWidget(parent), EditCtrl(binding), ScrollBox(new QScrollArea(this)), rowArea_(new QWidget)
{
    setObjectName(QStringLiteral("EditsPanel"));
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setWidgetResizable(false);
    ScrollBox->setMinimumSize(1, 1);
    ScrollBox->setWidget(rowArea_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox);
    ReadOnlyFontColor = Qt::black;
    ReadOnlyColor = palette().color(QPalette::Button);
    BuildRows();
    SetReadOnlyColors(Qt::black, palette().color(QPalette::Button));
}

// ---- building ---------------------------------------------------------------------

void TEditsPanel::BuildRows()
{
    if (!EditCtrl)
        return;
    KtSNMPVarList &vars = EditCtrl->Request.Vars;
    for (int i = 0; i < vars.Count(); ++i) {
        const KtSNMPVar &var = vars.Get(i);
        EditRow row;
        row.CheckBox = new QCheckBox(rowArea_);
        row.CheckBox->setObjectName(QStringLiteral("CheckBox%1").arg(i));
        row.CheckBox->setFocusPolicy(Qt::NoFocus);
        row.CheckBox->setProperty("Tag", i);
        row.CheckBox->resize(CheckBoxWidth, row.CheckBox->sizeHint().height());
        connect(row.CheckBox, &QCheckBox::clicked, this, &TEditsPanel::OnRowCheckClicked);

        row.Label = new QLabel(var.Name, rowArea_);
        row.Label->setObjectName(QStringLiteral("Label%1").arg(i));
        row.Label->adjustSize();

        const bool writable = vars.IsWritable(i);
        if (writable && var.Options) {
            auto *combo = new QComboBox(rowArea_);
            try {
                EditCtrl->BindComboBox(i, combo);
                row.Kind = KindOptions;
                row.ValueControl = combo;
            } catch (const KtException &) {
                // Options a combo box cannot hold on its own: the row falls
                // back to an edit box with the value text.
                delete combo;
            }
        }
        if (!row.ValueControl) {
            auto *edit = new QLineEdit(rowArea_);
            row.Kind = writable ? KindWritable : (var.Options ? KindReadOnlyOptions : KindReadOnly);
            row.ValueControl = edit;
            EditCtrl->BindEdit(i, row.Format, {edit});
            // Read-only values longer than the box show their beginning;
            // the whole value is the box's tool tip.
            connect(edit, &QLineEdit::textChanged, edit, [edit](const QString &text) {
                if (edit->isReadOnly())
                    edit->setCursorPosition(0);
                edit->setToolTip(text);
            });
        }
        row.ValueControl->setObjectName(QStringLiteral("Value%1").arg(i));
        row.ValueControl->resize(ValueWidth, row.ValueControl->sizeHint().height());
        Rows.push_back(row);
    }
    ResetRows(false);
    // Variables hidden from the start have no row to show.
    for (int i = 0; i < RowCount(); ++i)
        if (IsHiddenRow(i))
            HideRow(i);
    LayoutRows(true);
}

void TEditsPanel::SetRowControl(int i, QWidget *control, int kind)
{
    if (!ValidRow(i, false))
        return;
    Rows[size_t(i)].ValueControl = control;
    Rows[size_t(i)].Kind = kind;
}

// ---- row state --------------------------------------------------------------------

bool TEditsPanel::ValidRow(int i, bool complain) const
{
    if (i >= 0 && i < RowCount())
        return true;
    if (complain)
        KtMessageBox::Inform(window(),
                             QStringLiteral("aIdx is overtop!\n you may define < %1").arg(RowCount()));
    return false;
}

QLineEdit *TEditsPanel::EditBox(int i) const
{
    return ValidRow(i, false) ? qobject_cast<QLineEdit *>(Rows[size_t(i)].ValueControl.data()) : nullptr;
}

QComboBox *TEditsPanel::ComboBox(int i) const
{
    return ValidRow(i, false) ? qobject_cast<QComboBox *>(Rows[size_t(i)].ValueControl.data()) : nullptr;
}

void TEditsPanel::PaintValueControl(QWidget *control, bool readOnly)
{
    if (!control)
        return;
    QPalette colours = control->palette();
    const QColor text = readOnly ? ReadOnlyFontColor : QColor(Qt::black);
    const QColor base = readOnly ? ReadOnlyColor : QColor(Qt::white);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Text, text);
        colours.setColor(group, QPalette::ButtonText, text);
        colours.setColor(group, QPalette::Base, base);
    }
    control->setPalette(colours);
}

void TEditsPanel::EnableRow(int i)
{
    if (!ValidRow(i, false))
        return;
    EditRow &row = Rows[size_t(i)];
    row.CheckBox->setEnabled(true);
    row.CheckBox->setVisible(!IsHiddenRow(i)); // a hidden row stays out of sight
    row.CheckBox->setChecked(DefaultChecked);
    if (auto *edit = EditBox(i)) {
        edit->setReadOnly(false);
        edit->setFocusPolicy(Qt::StrongFocus);
        PaintValueControl(edit, false);
    } else if (auto *combo = ComboBox(i)) {
        combo->setEnabled(true);
        PaintValueControl(combo, false);
    } else if (row.ValueControl) {
        row.ValueControl->setEnabled(true);
    }
}

void TEditsPanel::DisableRow(int i)
{
    if (!ValidRow(i, true))
        return;
    EditRow &row = Rows[size_t(i)];
    row.CheckBox->setEnabled(false);
    row.CheckBox->setVisible(false);
    row.CheckBox->setChecked(false);
    if (auto *edit = EditBox(i)) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        PaintValueControl(edit, true);
    } else if (auto *combo = ComboBox(i)) {
        combo->setEnabled(false);
        PaintValueControl(combo, true);
    } else if (row.ValueControl) {
        row.ValueControl->setEnabled(false);
    }
}

bool TEditsPanel::IsWriteRow(int i) const
{
    const KtSNMPVarList &vars = EditCtrl->Request.Vars;
    return vars.IsWritable(i) && !(vars.IsTable() && i < vars.IndexCount);
}

bool TEditsPanel::HasWriteRow() const
{
    for (int i = 0; i < RowCount(); ++i)
        if (IsWriteRow(i))
            return true;
    return false;
}

bool TEditsPanel::IsHiddenRow(int i) const
{
    return EditCtrl && i >= 0 && i < EditCtrl->Request.Vars.Count() &&
           (EditCtrl->Request.Vars.Get(i).Access & AccessHide);
}

void TEditsPanel::ResetRows(bool checked)
{
    DefaultChecked = checked;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsWriteRow(i))
            EnableRow(i);
        else
            DisableRow(i);
    }
}

void TEditsPanel::SetReadOnlyColors(const QColor &font, const QColor &background)
{
    ReadOnlyFontColor = font;
    ReadOnlyColor = background;
    for (int i = 0; i < RowCount(); ++i)
        if (!EditCtrl->Request.Vars.IsWritable(i))
            DisableRow(i);
}

void TEditsPanel::HideRow(int i)
{
    if (!ValidRow(i, false))
        return;
    EditCtrl->Request.Vars.Get(i).Access |= AccessHide;
    EditRow &row = Rows[size_t(i)];
    for (QWidget *control :
         {static_cast<QWidget *>(row.CheckBox), static_cast<QWidget *>(row.Label), row.ValueControl.data()})
        if (control)
            control->hide();
}

void TEditsPanel::ShowRow(int i)
{
    if (!ValidRow(i, false))
        return;
    EditCtrl->Request.Vars.Get(i).Access &= ~AccessHide;
    EditRow &row = Rows[size_t(i)];
    // A disabled row keeps its check box hidden.
    if (row.CheckBox->isEnabled())
        row.CheckBox->show();
    row.Label->show();
    if (row.ValueControl)
        row.ValueControl->show();
}

void TEditsPanel::ClearRow(int i)
{
    if (!ValidRow(i, false))
        return;
    if (auto *edit = EditBox(i))
        edit->clear();
    else if (auto *combo = ComboBox(i))
        combo->setCurrentIndex(-1);
    EditCtrl->Request.Vars.Get(i).Value.clear();
}

void TEditsPanel::ClearRows()
{
    for (int i = 0; i < RowCount(); ++i)
        ClearRow(i);
}

void TEditsPanel::SetRowValue(int i, const QString &text)
{
    if (!ValidRow(i, false))
        return;
    if (auto *edit = EditBox(i))
        edit->setText(text);
    else if (auto *combo = ComboBox(i))
        combo->setCurrentIndex(combo->findText(text));
    EditCtrl->Request.Vars.Get(i).Value = text;
}

void TEditsPanel::UncheckRow(int i)
{
    if (ValidRow(i, false))
        Rows[size_t(i)].CheckBox->setChecked(false);
}

bool TEditsPanel::IsRowEmpty(int i) const
{
    if (!ValidRow(i, false))
        return true;
    if (auto *edit = EditBox(i))
        return edit->text().isEmpty();
    if (auto *combo = ComboBox(i))
        return combo->currentText().isEmpty();
    const QWidget *control = Rows[size_t(i)].ValueControl.data();
    if (control && Rows[size_t(i)].Kind == KindPanel)
        return control->property(CaptionProperty).toString().isEmpty();
    return true;
}

bool TEditsPanel::AnyShownRowChecked() const
{
    for (const EditRow &row : Rows)
        if (!row.CheckBox->isHidden() && row.CheckBox->isChecked())
            return true;
    return false;
}

TCtrlBtnPanel *TEditsPanel::HostBar() const
{
    for (QWidget *up = parentWidget(); up; up = up->parentWidget())
        if (auto *host = qobject_cast<TSNMPPanel *>(up))
            return host->BtnPanel;
    return nullptr;
}

void TEditsPanel::OnRowCheckClicked()
{
    if (TCtrlBtnPanel *bar = HostBar())
        bar->SetCheckedBtn->setEnabled(AnyShownRowChecked());
}

// ---- layout -------------------------------------------------------------------------

void TEditsPanel::LayoutRows(bool resize)
{
    int widestLabel = 0;
    for (EditRow &row : Rows) {
        row.Label->adjustSize();
        widestLabel = std::max(widestLabel, row.Label->width());
    }
    const int labelLeft = LeftMargin + CheckBoxWidth + ControlGap;
    const int valueLeft = labelLeft + widestLabel + ControlGap;
    int top = TopMargin;
    int previousHeight = -1;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsHiddenRow(i))
            continue; // hidden rows take no room
        EditRow &row = Rows[size_t(i)];
        QWidget *value = row.ValueControl.data();
        if (!value)
            continue;
        int height = value->height();
        if (height < 20)
            height = 21;
        // Each row starts below the one before it, however tall that was.
        if (previousHeight >= 0)
            top += previousHeight + RowGap;
        value->setGeometry(valueLeft, top, std::max(ValueWidth, LabelRoom(value, OptionsOf(EditCtrl, i))),
                           height);
        row.CheckBox->setGeometry(LeftMargin, top + (height - row.CheckBox->height()) / 2, CheckBoxWidth,
                                  row.CheckBox->height());
        row.Label->move(labelLeft, top + (height - row.Label->height()) / 2);
        previousHeight = height;
        right = std::max(right, value->x() + value->width());
        bottom = std::max(bottom, value->y() + value->height());
    }
    rowArea_->resize(right + LeftMargin, bottom + TopMargin);
    if (resize) {
        designSize_ = QSize(right + 2 * LeftMargin, bottom + 2 * TopMargin);
        QWidget::resize(designSize_);
        updateGeometry();
    }
}

void TEditsPanel::SetValueWidth(int width)
{
    ValueWidth = width;
    LayoutRows(true);
}

QSize TEditsPanel::sizeHint() const
{
    return designSize_.isValid() ? designSize_ : QWidget::sizeHint();
}

// ---- buttons ------------------------------------------------------------------------

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel *bar)
{
    if (!EditCtrl)
        throw KtException(QStringLiteral("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!"), -1);
    if (!bar)
        return;
    bar->CountText->hide();
    bar->SamplesLabel->hide();
    bar->RefreshBtn->show();
    bar->EditBtn->hide();
    bar->SetCheckedBtn->show();
    bar->AddBtn->hide();
    bar->DeleteBtn->hide();
    bar->CheckAllBtn->show();
    bar->ClearChecksBtn->show();
    bar->CloseBtn->show();
    if (!HasWriteRow()) {
        bar->SetCheckedBtn->hide();
        bar->CheckAllBtn->hide();
        bar->ClearChecksBtn->hide();
    } else {
        QList<QCheckBox *> offered;
        for (const EditRow &row : Rows)
            if (!row.CheckBox->isHidden() && row.CheckBox->isEnabled())
                offered << row.CheckBox;
        if (offered.size() <= 1) {
            bar->CheckAllBtn->hide();
            bar->ClearChecksBtn->hide();
            if (bar->SetCheckedBtn->icon().isNull())
                bar->SetCheckedBtn->setText(QStringLiteral("Set"));
            bar->SetCheckedBtn->setEnabled(true);
            for (QCheckBox *box : offered)
                box->setChecked(true);
            int checked = 0;
            for (const EditRow &row : Rows)
                checked += row.CheckBox->isChecked() ? 1 : 0;
            // A window that writes a single variable shows no check boxes.
            if (checked <= 1)
                for (const EditRow &row : Rows)
                    row.CheckBox->hide();
        }
    }
    bar->ArrangeButtons();
}
