#pragma once

#include <QImage>

class QPainter;

// Draws the small pictures: the stack-number displays and the About icon.
class IconArtist
{
public:
    // A two-digit seven-segment display showing number (1 to 99), 24 x 21.
    static QImage StackNumber(int number);

    // The 32 x 32 picture of the module in the About window.
    static QImage AboutIcon();

    // The same picture as the desktop's application icon, size x size,
    // on a transparent ground.
    static QImage ApplicationIcon(int size);

private:
    static void PaintSwitchFront(QPainter &painter);
};
