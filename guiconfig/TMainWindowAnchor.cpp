#include "TMainWindowAnchor.h"

#include <QGuiApplication>
#include <QScreen>

QPointer<QWidget> TMainWindowAnchor::mainWindow_;
double TMainWindowAnchor::scaleFactor_ = 1.0;

void TMainWindowAnchor::SetMainWindow(QWidget *window)
{
    mainWindow_ = window;
}

QWidget *TMainWindowAnchor::MainWindow()
{
    return mainWindow_.data();
}

void TMainWindowAnchor::SetScaleFactor(double factor)
{
    scaleFactor_ = factor > 0 ? factor : 1.0;
}

double TMainWindowAnchor::ScaleFactor()
{
    return scaleFactor_;
}

void TMainWindowAnchor::CentreOverMainWindow(QWidget *window)
{
    if (!window)
        return;
    QRect area;
    if (mainWindow_ && mainWindow_ != window && mainWindow_->isVisible()) {
        area = mainWindow_->frameGeometry();
    } else {
        const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        area = screen->availableGeometry();
    }
    // Before the window is first shown its frame is not known yet; the
    // client size stands in for it.
    const QSize size = window->isVisible() ? window->frameGeometry().size() : window->size();
    QPoint topLeft = area.center() - QPoint(size.width() / 2, size.height() / 2);
    topLeft.setX(std::max(topLeft.x(), area.left() >= 0 ? 0 : area.left()));
    topLeft.setY(std::max(topLeft.y(), area.top() >= 0 ? 0 : area.top()));
    window->move(topLeft);
}
