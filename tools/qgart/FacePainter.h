#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

// Draws the parts of a switch front other than the sockets: brushed metal
// faces and module plates, port wells, LED windows, screws, printed texts,
// the maker's badge and the stack-number window.
class FacePainter
{
public:
    explicit FacePainter(QPainter &painter, quint32 seed) : painter_(painter), seed_(seed) {}

    enum class Metal
    {
        Face,  // the dark front of a unit
        Plate, // a module's face plate
        Cover  // the blank cover of an empty slot
    };

    // Brushed metal with a bevel; the noise follows the seed, so the same
    // seed always gives the same picture.
    void BrushedMetal(const QRect &rect, Metal metal);
    void Well(const QRect &rect);
    void Recess(const QRect &rect); // a dark 1-pixel gap around a plate
    void LedWindow(const QRect &visible);
    void Screw(const QPointF &centre, qreal radius = 3.0);
    void StackWindow(const QRect &panel);
    void ConsolePort(const QRect &rect);
    void Badge(const QRect &rect);
    void Vents(const QRect &rect);

    static QFont Font(int pixelSize, bool bold = false, bool condensed = false);
    void Text(const QRect &rect, int flags, const QString &text, int pixelSize, bool bold = false,
              bool condensed = false, const QColor &colour = QColor());
    // As Text, with the largest pixel size up to maxPixelSize at which the
    // text fits the rectangle.
    void FittedText(const QRect &rect, int flags, const QString &text, int maxPixelSize, bool bold = false,
                    bool condensed = false, const QColor &colour = QColor());
    static int FittingPixelSize(const QRect &rect, const QString &text, int maxPixelSize, bool bold,
                                bool condensed, bool italic = false);

private:
    QPainter &painter_;
    quint32 seed_;
};
