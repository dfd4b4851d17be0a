#pragma once

#include <QPointer>
#include <QWidget>

// Where the generic windows take their bearings from: the main window they
// centre over and the display scale factor. The main window registers itself
// here when it is built; until then (and in tools and tests) windows centre
// on the screen and the scale factor is 1.0.
class TMainWindowAnchor
{
public:
    static void SetMainWindow(QWidget *window);
    static QWidget *MainWindow();

    // 1.0 at 96 pixels per inch, 1.25 otherwise (set by the main window).
    static void SetScaleFactor(double factor);
    static double ScaleFactor();

    // Moves the window so that its centre is the main window's centre, or
    // the centre of the screen without a visible main window.
    static void CentreOverMainWindow(QWidget *window);

private:
    static QPointer<QWidget> mainWindow_;
    static double scaleFactor_;
};
