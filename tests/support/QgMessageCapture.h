#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

// One message box or question the product would have shown.
struct QgShownMessage
{
    QWidget *Owner = nullptr;
    QString Caption; // empty for the window messages, which take the executable's name
    QString Text;
};

// While it lives, the product's message boxes and questions are recorded
// instead of shown, and the edit constraints' beeps counted: the binding
// error box (KtSNMPRequest2Controls::MessageHook), the edit constraints' box
// and beep (KtEditConstraint), the window messages (TFormMessages) and the
// main window's question (TMainForm::ConfirmHook). Every question answers
// ConfirmAnswer. The hooks in place before are put back when it goes.
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
    // The same boxes with their owner and caption; cleared on its own.
    std::vector<QgShownMessage> Shown;
    // What every question answers: OK when true.
    bool ConfirmAnswer = true;
    // How often an edit constraint beeped.
    int Beeps = 0;

    // The window messages and questions (TFormMessages) shown as they were
    // before the capture, for a test of the box itself; the rest stays
    // captured.
    void ShowWindowMessages();
    // The edit constraints' box shown as it was before the capture, for a
    // test of the box itself; beeps are still counted.
    void ShowConstraintMessages();

private:
    void Record(QWidget *owner, const QString &caption, const QString &text);

    std::function<void(QWidget *, const QString &, const QString &)> bindingMessage_;
    std::function<void(QWidget *, const QString &, const QString &)> constraintMessage_;
    std::function<void()> constraintBeep_;
    std::function<void(QWidget *, const QString &)> showMessage_;
    std::function<void(QWidget *, const QString &)> warning_;
    std::function<bool(QWidget *, const QString &)> confirm_;
    std::function<bool(QWidget *, const QString &)> mainConfirm_;
};
