#include "QgMessageCapture.h"

#include "KtEditConstraint.h"

QgMessageCapture::QgMessageCapture()
    : previous_(KtMessageBox::Replace([this](const KtMessageBox::Message &message) {
          Messages << message.Text;
          Shown.push_back(message);
          return ConfirmAnswer;
      })),
      constraintBeep_(KtEditConstraint::BeepHook)
{
    KtEditConstraint::BeepHook = [this] { ++Beeps; };
}

QgMessageCapture::~QgMessageCapture()
{
    KtMessageBox::Replace(std::move(previous_));
    KtEditConstraint::BeepHook = constraintBeep_;
}

void QgMessageCapture::ShowRealBoxes()
{
    KtMessageBox::Replace({});
}
