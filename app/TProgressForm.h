#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QTimer;

// A timed progress window placed inside the window that opened it: it starts
// that window's pending write and closes itself after 31 one-second ticks.
class TProgressForm : public QDialog
{
    Q_OBJECT
public:
    // pendingWrite runs at once; a KtException it raises goes to showError.
    TProgressForm(QWidget *host, const QString &caption, const QString &prompt,
                  const std::function<void()> &pendingWrite,
                  const std::function<void(const QString &)> &showError);

    void Tick();

    QLabel *LB_Prompt = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QTimer *ProgressTimer = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
};
