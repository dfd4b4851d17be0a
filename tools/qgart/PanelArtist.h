#pragma once

#include "Decoration.h"

#include <QImage>

class FacePainter;
class QPainter;

// Draws the picture of one layout: the metal face or module plate, the
// port wells and sockets under the buttons, LED windows under the LEDs,
// slots, bay, stack window, printed texts and the badge.
class PanelArtist
{
public:
    explicit PanelArtist(const Decoration &decoration) : decoration_(decoration) {}

    // The picture at the layout's picture size.
    QImage Draw() const;

    // Draws the picture's content in window coordinates.
    void Paint(QPainter &painter) const;

private:
    const PanelLayout &Layout() const { return *decoration_.Layout; }
    void PaintWells(FacePainter &face) const;
    void PaintSockets(QPainter &painter) const;
    void PaintLeds(FacePainter &face) const;
    void PaintStatusLabels(FacePainter &face) const;
    void PaintBayLedLabels(FacePainter &face) const;
    void PaintPortNumbers(FacePainter &face) const;
    void PaintShapeNumbers(FacePainter &face) const;
    void PaintSlots(FacePainter &face) const;
    void PaintBay(QPainter &painter) const;
    void PaintTexts(FacePainter &face) const;
    void PaintModuleScrews(FacePainter &face) const;

    const Decoration &decoration_;
};
