#pragma once

#include <QObject>

class QLabel;

// A status-bar panel shows one line. The line is cut to the panel's width
// when the panel is painted, not when the line is written: a window writes
// its first status line while it is still being laid out, and a line cut
// to that narrow panel would stay cut after the window has grown. A long
// line never widens the panel or its window; the whole line is the panel's
// text (and the binding's tool tip).
class KtStatusPanelElision : public QObject
{
public:
    // Idempotent; the elision object belongs to the panel.
    static void Install(QLabel *panel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit KtStatusPanelElision(QLabel *panel);
};
