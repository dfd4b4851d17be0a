#pragma once

#include <QDialog>
#include <functional>

class QProgressBar;

// The small modal window shown while the front panels are built: its first
// activation runs the work it was given and then closes it. The user may
// close it earlier: `stop` is then called, so that the work ends promptly.
class TWaitingForm : public QDialog
{
    Q_OBJECT
public:
    TWaitingForm(QWidget *owner, std::function<void()> work, std::function<void()> stop = {});

    // Ends the wait as the user's close does.
    void Stop();
    // Closing the window while the work runs stops the work.
    void reject() override;

    bool Started = false;
    QProgressBar *ProgressBar1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void RunOnce();

    std::function<void()> work_;
    std::function<void()> stop_;
    bool running_ = false;
};
