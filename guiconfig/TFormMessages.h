#pragma once

#include <QString>
#include <functional>

class QWidget;

// The message boxes of the generic windows. Each is a replaceable function so
// that tests can answer them without a modal loop; the defaults are modal
// QMessageBox dialogs owned by the given window.
class TFormMessages
{
public:
    // An information box with an OK button, captioned with the executable's
    // name.
    static std::function<void(QWidget *owner, const QString &text)> ShowMessage;
    // A warning dialog with an OK button.
    static std::function<void(QWidget *owner, const QString &text)> Warning;
    // A confirmation dialog with OK and Cancel; true for OK.
    static std::function<bool(QWidget *owner, const QString &text)> Confirm;

    // Puts the defaults back.
    static void Reset();
};
