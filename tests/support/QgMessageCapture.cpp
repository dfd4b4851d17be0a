#include "QgMessageCapture.h"

#include "KtEditConstraint.h"
#include "KtSNMPRequest2Controls.h"
#include "TFormMessages.h"
#include "TMainForm.h"

QgMessageCapture::QgMessageCapture()
    : bindingMessage_(KtSNMPRequest2Controls::MessageHook), constraintMessage_(KtEditConstraint::MessageHook),
      constraintBeep_(KtEditConstraint::BeepHook), showMessage_(TFormMessages::ShowMessage),
      warning_(TFormMessages::Warning), confirm_(TFormMessages::Confirm), mainConfirm_(TMainForm::ConfirmHook)
{
    auto box = [this](QWidget *owner, const QString &caption, const QString &text) {
        Record(owner, caption, text);
    };
    auto windowMessage = [this](QWidget *owner, const QString &text) { Record(owner, {}, text); };
    auto question = [this](QWidget *owner, const QString &text) {
        Record(owner, {}, text);
        return ConfirmAnswer;
    };
    KtSNMPRequest2Controls::MessageHook = box;
    KtEditConstraint::MessageHook = box;
    KtEditConstraint::BeepHook = [this] { ++Beeps; };
    TFormMessages::ShowMessage = windowMessage;
    TFormMessages::Warning = windowMessage;
    TFormMessages::Confirm = question;
    TMainForm::ConfirmHook = question;
}

QgMessageCapture::~QgMessageCapture()
{
    KtSNMPRequest2Controls::MessageHook = bindingMessage_;
    KtEditConstraint::MessageHook = constraintMessage_;
    KtEditConstraint::BeepHook = constraintBeep_;
    TFormMessages::ShowMessage = showMessage_;
    TFormMessages::Warning = warning_;
    TFormMessages::Confirm = confirm_;
    TMainForm::ConfirmHook = mainConfirm_;
}

void QgMessageCapture::ShowWindowMessages()
{
    TFormMessages::ShowMessage = showMessage_;
    TFormMessages::Warning = warning_;
    TFormMessages::Confirm = confirm_;
}

void QgMessageCapture::ShowConstraintMessages()
{
    KtEditConstraint::MessageHook = constraintMessage_;
}

void QgMessageCapture::Record(QWidget *owner, const QString &caption, const QString &text)
{
    Messages << text;
    Shown.push_back({owner, caption, text});
}
