#include "TConfigForm.h"
#include "KtBusyWait.h"

#include "KtException.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "TMainWindowAnchor.h"
#include "TMsgPanel.h"
#include "TSNMPEditorPanel.h"
#include "TSNMPListViewPanel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPlainTextEdit>

TConfigForm::TConfigForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ConfigForm"));
    setWindowTitle(QStringLiteral("ConfigForm"));
    resize(159, 105);
    TMainWindowAnchor::CentreOverMainWindow(this);
    QCoreApplication::postEvent(this, new QEvent(QEvent::Type(RefreshEvent)));
}

TConfigForm::~TConfigForm()
{
    FormClose();
    // By now no completion of a retired binding is running any more.
    retired_.clear();
}

void TConfigForm::RequireUntyped() const
{
    if (FormType != TypeNone)
        throw KtException(QStringLiteral("Can not change Type of a Config Form!"), -1);
}

void TConfigForm::GrowTo(const QSize &size)
{
    // Generic windows stay within 800 x 550 client pixels.
    const int width = std::min(std::max(this->width(), size.width()), TSNMPPanel::MaxClientWidth);
    const int height = std::min(std::max(this->height(), size.height()), TSNMPPanel::MaxClientHeight);
    resize(width, height);
}

TSNMPEditorPanel *TConfigForm::SetEditorType(std::unique_ptr<KtSNMPRequest2Edits> binding)
{
    RequireUntyped();
    FormType = TypeEditor;
    TSNMPEditorPanel *panel = AddEditorPanel(this, std::move(binding));
    GrowTo(panel->sizeHint());
    Panel = panel;
    return panel;
}

TSNMPListViewPanel *TConfigForm::SetListViewType(std::unique_ptr<KtSNMPRequest2Edits> binding, int addIndex,
                                                 const QString &addValue, int deleteIndex,
                                                 const QString &deleteValue)
{
    RequireUntyped();
    FormType = TypeList;
    TSNMPListViewPanel *panel =
        AddListViewPanel(this, std::move(binding), addIndex, addValue, deleteIndex, deleteValue);
    GrowTo(panel->sizeHint());
    Panel = panel;
    return panel;
}

TSNMPEditorPanel *TConfigForm::AddEditorPanel(QWidget *parent, std::unique_ptr<KtSNMPRequest2Edits> binding)
{
    KtSNMPRequest2Edits *edits = binding.get();
    RequestList.push_back(std::move(binding));
    auto *panel = new TSNMPEditorPanel(parent, edits);
    panels_.emplace_back(panel);
    panel->MsgPanel->Memo->setReadOnly(true);
    panel->FitForm(this);
    return panel;
}

TSNMPListViewPanel *TConfigForm::AddListViewPanel(QWidget *parent,
                                                  std::unique_ptr<KtSNMPRequest2Edits> binding, int addIndex,
                                                  const QString &addValue, int deleteIndex,
                                                  const QString &deleteValue)
{
    KtSNMPRequest2Edits *edits = binding.get();
    RequestList.push_back(std::move(binding));
    auto *panel = new TSNMPListViewPanel(parent, edits);
    panels_.emplace_back(panel);
    panel->MsgPanel->Memo->setReadOnly(true);
    panel->FitForm(this);
    if (!addValue.isEmpty())
        panel->SetAddStatus(addIndex, addValue);
    if (!deleteValue.isEmpty())
        panel->SetDeleteStatus(deleteIndex, deleteValue);
    return panel;
}

void TConfigForm::RefreshForm()
{
    if (FormType == TypeNone)
        return;
    if (FormType != TypeEditor && FormType != TypeList)
        throw KtException(QStringLiteral("Refresh a Form with unknown Form Type!"), -1);
    if (RequestList.empty())
        return;
    KtSNMPRequest2Edits *binding = RequestList.front().get();
    if (CurrentBinding)
        CurrentBinding->Request.Enabled = false;
    binding->Request.Enabled = true;
    CurrentBinding = binding;
    try {
        binding->Get();
    } catch (const KtException &error) {
        binding->ShowStatus(error.Message);
    }
}

void TConfigForm::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    for (auto &binding : RequestList) {
        binding->Request.Enabled = false;
        KtBusyWait::WhileBusy(binding);
        if (binding->Busy)
            retired_.push_back(std::move(binding));
    }
    CurrentBinding = nullptr;
    RequestList.clear();
    // The panels refer to the bindings: they go too, once the click that
    // closed the window has been handled (or with the window, while a
    // retired binding may still reach its list view).
    for (const QPointer<QWidget> &panel : panels_) {
        if (!panel)
            continue;
        panel->setEnabled(false);
        panel->hide();
        if (retired_.empty())
            panel->deleteLater();
    }
    panels_.clear();
}

void TConfigForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TConfigForm::customEvent(QEvent *event)
{
    if (int(event->type()) != RefreshEvent) {
        QDialog::customEvent(event);
        return;
    }
    if (closed_)
        return;
    // The first read belongs to the running window.
    if (!isVisible()) {
        refreshPending_ = true;
        return;
    }
    try {
        RefreshForm();
    } catch (const KtException &error) {
        if (CurrentBinding)
            CurrentBinding->ShowStatus(error.Message);
    }
}

void TConfigForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (refreshPending_) {
        refreshPending_ = false;
        QCoreApplication::postEvent(this, new QEvent(QEvent::Type(RefreshEvent)));
    }
}
