#pragma once

#include <QDialog>
#include <functional>

class QProgressBar;

// The small modal window shown while the front panels are built: its first
// activation runs the work it was given and then closes it.
class TWaitingForm : public QDialog
{
    Q_OBJECT
public:
    explicit TWaitingForm(QWidget *owner, std::function<void()> work);

    bool Started = false;
    QProgressBar *ProgressBar1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void RunOnce();

    std::function<void()> work_;
};
