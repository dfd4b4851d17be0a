#include "TWaitingForm.h"

#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

TWaitingForm::TWaitingForm(QWidget *owner, std::function<void()> work, std::function<void()> stop)
    : QDialog(owner), work_(std::move(work)), stop_(std::move(stop))
{
    setObjectName(QStringLiteral("WaitingForm"));
    setWindowTitle(QStringLiteral("Refreshing panel"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(396, 24);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, 658);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ProgressBar1);
    if (owner)
        move(owner->geometry().center() - rect().center());
}

void TWaitingForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Runs once the window is up and its modal loop is running.
    QTimer::singleShot(0, this, &TWaitingForm::RunOnce);
}

void TWaitingForm::RunOnce()
{
    if (Started)
        return;
    Started = true;
    running_ = true;
    try {
        if (work_)
            work_();
    } catch (...) {
        // The work reports its own errors; the window closes in every case.
    }
    running_ = false;
    QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
}

// Closing the window (its close button, Escape) while the work runs asks the
// work to stop; the window goes at once, the modal loop ends with the work.
void TWaitingForm::reject()
{
    if (running_)
        Stop();
    QDialog::reject();
}

void TWaitingForm::Stop()
{
    if (stop_)
        std::exchange(stop_, {})();
}
