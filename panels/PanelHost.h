#pragma once

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <functional>

class KtPortButton;
class QAbstractButton;
class QLabel;

// The port windows that a port button's pop-up menu opens.
enum class PortWindow
{
    Information,  // "Port Information"
    Configuration // "Port Configuration"
};

// What the front-panel windows need from the window that holds them (the
// main window): the list of every port button of every panel, the status
// target of the LED bindings, the stack-number pictures and the port
// windows. The holder implements the first three; OpenPortWindow is a hook
// it sets. A holder that wires the buttons' clicks and pop-up menu itself
// overrides AddPortButton to only append.
class PanelHost
{
public:
    virtual ~PanelHost() = default;

    // Every port button of every panel, not owned. The holder empties it
    // before it closes the panels.
    virtual QList<QAbstractButton *> &PortButtons() = 0;
    // Where the LED bindings write their status lines; null for none.
    virtual QLabel *StatusPanel() = 0;
    // Stack-number picture by index (StackPictureIndexFor); null when none.
    virtual QPixmap StackPicture(int index) = 0;

    // Opens the window of a port, given its tag. Unset: nothing opens.
    std::function<void(PortWindow window, int tag)> OpenPortWindow;

    // Adds a button to PortButtons: a click releases every other button, a
    // right click opens the port menu.
    virtual void AddPortButton(KtPortButton *button);
    // Every button of PortButtons up.
    void ReleasePortButtons();
    // The click handler: every other button up; the clicked one behaves as
    // its kind says.
    void PortButtonClicked(KtPortButton *button);
    // A port-menu entry: the button becomes the only pressed one, then the
    // port window opens for its tag.
    void OpenPortWindowOf(KtPortButton *button, PortWindow window);
    // The pop-up menu with "Port Information" and "Port Configuration".
    void ShowPortMenu(KtPortButton *button, const QPoint &globalPos);
};
