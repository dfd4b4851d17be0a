#include "TBindingForm.h"

#include "KtBusyWait.h"
#include "KtException.h"
#include "KtMessageBox.h"
#include "KtSNMPRequest2Edits.h"
#include "TMainWindowAnchor.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

TBindingForm::TBindingForm(QWidget *owner, const QString &objectName, const QString &caption,
                           KtDeviceState *state)
    : QDialog(owner), DeviceState(state)
{
    if (!objectName.isNull())
        setObjectName(objectName);
    if (!caption.isNull())
        setWindowTitle(caption);
}

TBindingForm::~TBindingForm()
{
    CloseBindings();
    FreeBindings();
    // The child widgets go after this object has stopped being a window:
    // none of their signals (a list view emptying itself, an edit losing its
    // text) may reach its handlers then.
    for (QObject *child : findChildren<QObject *>())
        disconnect(child, nullptr, this, nullptr);
}

std::unique_ptr<KtSNMPRequest2Edits> &TBindingForm::OwnedBinding()
{
    return bindings_.emplace_back();
}

QStatusBar *TBindingForm::AddStatusBar(const char *panelName)
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    if (panelName) {
        StatusPanel0 = new QLabel(StatusBar1);
        StatusPanel0->setObjectName(QString::fromLatin1(panelName));
        StatusBar1->addWidget(StatusPanel0, 1);
    }
    return StatusBar1;
}

QPlainTextEdit *TBindingForm::AddStatusMemo(int maximumHeight)
{
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    if (maximumHeight > 0)
        Memo1->setMaximumHeight(maximumHeight);
    return Memo1;
}

bool TBindingForm::Guarded(KtSNMPRequest2Controls *binding, const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const KtException &error) {
        if (binding)
            binding->ShowStatus(error.Message);
        return false;
    }
}

bool TBindingForm::GuardedSet(KtSNMPRequest2Controls *binding, const std::function<void()> &action)
{
    if (binding)
        binding->LastOperation = KtSNMPRequest2Controls::OperationSet;
    return Guarded(binding, action);
}

bool TBindingForm::Guarded(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const KtException &error) {
        StatusPanel0->setText(error.Message);
        return false;
    }
}

bool TBindingForm::GuardedWithMessageBox(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const KtException &error) {
        KtMessageBox::Error(this, error.Message);
        return false;
    }
}

QPushButton *TBindingForm::NewButton(const QString &caption, const QString &objectName)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

void TBindingForm::Refuse(const QString &message, QWidget *focus)
{
    KtMessageBox::Inform(this, message);
    if (focus)
        focus->setFocus();
}

int TBindingForm::Scaled(int length)
{
    const double scale = TMainWindowAnchor::ScaleFactor() != 1.0 ? 1.25 : 1.0;
    return int(length * scale);
}

void TBindingForm::FinishLayout(int width, int height, Placement placement)
{
    resize(Scaled(width), Scaled(height));
    if (placement == Placement::Centred)
        TMainWindowAnchor::CentreOverMainWindow(this);
}

void TBindingForm::CloseBindings()
{
    if (closed_)
        return;
    closed_ = true;
    // No answer may reach the closing window: every request is switched off
    // before any binding is waited for, then each running exchange is given
    // the time to end.
    for (const auto &binding : bindings_)
        if (binding)
            binding->Request.Enabled = false;
    for (const auto &binding : bindings_)
        KtBusyWait::WhileBusy(binding);
    Closing();
    if (!KeepsBindingsOnClose)
        FreeBindings();
}

// The slots stay: the windows refer to them by name.
void TBindingForm::FreeBindings()
{
    for (auto &binding : bindings_)
        binding.reset();
}

void TBindingForm::done(int result)
{
    CloseBindings();
    QDialog::done(result);
}
