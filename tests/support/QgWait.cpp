#include "QgWait.h"

#include "KtSNMPRequest2Controls.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

bool WaitUntil(const std::function<bool()> &done, int timeoutMs)
{
    // Sleeps while nothing happens, but looks at `done` every 20 ms at least.
    QTimer wake;
    wake.start(20);
    const QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return done();
}

bool WaitIdle(const KtSNMPRequest2Controls *binding, int timeoutMs)
{
    return WaitUntil([binding] { return !binding->Busy; }, timeoutMs);
}

void RunQueuedEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WhenModal(const QString &objectName, std::function<void(QDialog *)> action, int triesLeft)
{
    QTimer::singleShot(20, [objectName, action, triesLeft] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible() && (objectName.isEmpty() || dialog->objectName() == objectName)) {
            action(dialog);
            return;
        }
        if (triesLeft > 0)
            WhenModal(objectName, action, triesLeft - 1);
        else
            ADD_FAILURE() << "no modal dialog " << objectName.toStdString() << " appeared";
    });
}
