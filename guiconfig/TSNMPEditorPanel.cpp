#include "TSNMPEditorPanel.h"

#include "KtException.h"
#include "KtMessageBox.h"
#include "KtSNMPRequest2Edits.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

TSNMPEditorPanel::TSNMPEditorPanel(QWidget *parent, KtSNMPRequest2Edits *binding)
    : TSNMPPanel(parent, nullptr, binding), EditsPanel(new TEditsPanel(ClientPanel, binding))
{
    BtnPanel->SetCheckedBtn->setEnabled(false);
    BtnPanel->OnSetCheckedClick = [this](QPushButton *sender) { SetCheckedClick(sender); };
    BtnPanel->OnCheckAllClick = [this](QPushButton *) { CheckAllClick(); };
    BtnPanel->OnClearChecksClick = [this](QPushButton *) { ClearChecksClick(); };
    EditsPanel->ArrangeCtrlBtn(BtnPanel);
    SetContent(EditsPanel);
}

void TSNMPEditorPanel::SetEditWidth(int width)
{
    EditsPanel->SetValueWidth(width);
    SetContent(EditsPanel);
    if (HostForm)
        FitForm(HostForm);
}

void TSNMPEditorPanel::SetVarFormat(int item, const QString &format)
{
    const int kind = item >= 0 && item < EditsPanel->RowCount() ? EditsPanel->Rows[size_t(item)].Kind : 0;
    QLineEdit *edit = EditsPanel->EditBox(item);
    QComboBox *combo = EditsPanel->ComboBox(item);
    if (combo)
        throw KtException(QStringLiteral("Can not set Var format to a ComboBox!"), -1);
    if (!edit || (kind != TEditsPanel::KindReadOnly && kind != TEditsPanel::KindWritable))
        throw KtException(QStringLiteral("Unknow UI Control type!"), -1);
    EditCtrl->Unbind(item);
    EditCtrl->BindEdit(item, format, {edit});
    EditsPanel->Rows[size_t(item)].Format = format;
}

void TSNMPEditorPanel::SetCheckedClick(QObject *sender)
{
    KtSNMPVarList &vars = EditCtrl->Request.Vars;
    const bool asynchronous = EditCtrl->Asynchronous;
    EditCtrl->Asynchronous = false;
    bool empty = false;
    bool collected = false;
    std::vector<int> skipped;
    try {
        // Unchecked, hidden and disabled rows are not written, so they are
        // not collected either: a row nobody filled in has nothing to give.
        for (int i = 0; i < vars.Count() && i < EditsPanel->RowCount(); ++i) {
            const QCheckBox *box = EditsPanel->Rows[size_t(i)].CheckBox;
            const bool written = box->isChecked() && !EditsPanel->IsHiddenRow(i);
            if (!written && !(vars.Get(i).Access & AccessSkip)) {
                vars.Get(i).Access |= AccessSkip;
                skipped.push_back(i);
            }
        }
        bool anything = false;
        for (int i = 0; i < vars.Count() && !empty; ++i) {
            const bool written = !(vars.Get(i).Access & AccessSkip);
            anything = anything || written;
            empty = written && EditsPanel->IsRowEmpty(i);
        }
        if (empty) {
            KtMessageBox::Warn(window(), QStringLiteral("Some items are empty!"));
        } else {
            EditCtrl->OnCollect();
            collected = true;
            if (anything) // no set without a variable to write
                EditCtrl->Set(false, false, QString(), nullptr);
        }
    } catch (const KtException &error) {
        EditCtrl->ShowStatus(error.Message, KtSNMPRequest2Controls::OperationSet);
    } catch (const std::exception &error) {
        EditCtrl->ShowStatus(QString::fromUtf8(error.what()), KtSNMPRequest2Controls::OperationSet);
    }
    for (int i : skipped)
        vars.Get(i).Access &= ~AccessSkip;
    EditCtrl->Asynchronous = asynchronous;
    // A row dialog closes after its write, also after a failed one (the
    // error is in the memo); input that could not even be collected keeps it
    // open so that nothing typed is lost.
    if (collected && !empty && sender && sender->property("Tag").toInt() == 1)
        if (auto *widget = qobject_cast<QWidget *>(sender))
            widget->window()->close();
}

void TSNMPEditorPanel::CheckAllClick()
{
    for (int i = 0; i < EditsPanel->RowCount(); ++i) {
        QCheckBox *box = EditsPanel->Rows[size_t(i)].CheckBox;
        // Hidden rows are not offered, so they are not checked either.
        if (box->isEnabled() && !EditsPanel->IsHiddenRow(i))
            box->setChecked(true);
    }
    if (TCtrlBtnPanel *bar = EditsPanel->HostBar(); bar && EditsPanel->AnyShownRowChecked())
        bar->SetCheckedBtn->setEnabled(true);
}

void TSNMPEditorPanel::ClearChecksClick()
{
    for (const TEditsPanel::EditRow &row : EditsPanel->Rows)
        if (row.CheckBox->isEnabled())
            row.CheckBox->setChecked(false);
    if (TCtrlBtnPanel *bar = EditsPanel->HostBar(); bar && !EditsPanel->AnyShownRowChecked())
        bar->SetCheckedBtn->setEnabled(false);
}
