#pragma once

#include "KtMessageBox.h"

#include <QStringList>
#include <functional>
#include <vector>

// One message box or question the product would have shown.
using QgShownMessage = KtMessageBox::Message;

// While it lives, the product's message boxes and questions are recorded
// instead of shown, and the edit constraints' beeps counted. Every question
// answers ConfirmAnswer. What showed them before comes back when it goes.
//   QgMessageCapture capture;
//   form.BT_Set->click();
//   EXPECT_EQ(capture.Messages, QStringList{"No row is selected."});
class QgMessageCapture
{
public:
    QgMessageCapture();
    ~QgMessageCapture();
    QgMessageCapture(const QgMessageCapture &) = delete;
    QgMessageCapture &operator=(const QgMessageCapture &) = delete;

    // The text of every box and question, in the order shown.
    QStringList Messages;
    // The same boxes with their kind, owner and caption.
    std::vector<QgShownMessage> Shown;
    // What every question answers: OK when true.
    bool ConfirmAnswer = true;
    // How often an edit constraint beeped.
    int Beeps = 0;

    // The real boxes from here on, for a test of a box itself; beeps are
    // still counted.
    void ShowRealBoxes();

private:
    KtMessageBox::Handler previous_;
    std::function<void()> constraintBeep_;
};
