#pragma once

#include "KtLedShape.h"
#include "KtSNMPLedColorMapList.h"
#include "KtSNMPRequest2Controls.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <vector>

class QTimer;

// Drives LED shapes from one octet-string variable that holds one octet per
// LED: polls the variable on a timer, gives every LED the colour its colour
// map assigns to its octet and lets blinking LEDs alternate with their off
// colour for the first BlinkLimit + 1 blink steps after each response.
//
//   KtSNMPRequest2Leds leds(window);
//   leds.Request.Vars = KtSNMPVarList(LedStatusVars, ListRow);
//   leds.Request.Vars.Instance = "1";
//   leds.CreateLedRow(0, "3,5,7", PanelLedColors(), ledPanel, 2, 1, KtLedShape::Rectangle, 6, 6);
//   leds.StartPolling(300); // every three seconds, and once at once
//
// Poll errors turn every LED to its off colour and go to the status target
// as a status line; they never open a message box.
class KtSNMPRequest2Leds : public KtSNMPRequest2Controls
{
public:
    struct LedBinding
    {
        int Item = 0;      // variable of the request's list
        int ByteIndex = 0; // octet of its value
        const KtSNMPLedColorMapList *ColorMap = nullptr;
        QPointer<KtLedShape> Shape; // owned by the window
        bool Blinking = false;
        qint32 Color = 0;
    };

    static constexpr int BlinkInterval = 60; // milliseconds

    explicit KtSNMPRequest2Leds(QWidget *owner);
    ~KtSNMPRequest2Leds() override;

    void OnRow() override;
    void OnGetError(const KtSNMPError &record) override;
    // Colour and blinking of one LED from the current value of its variable.
    // Raises -519 for an octet past the end of the value when the map has no
    // missing colour, -516 for an item the list does not have.
    virtual void EvaluateLed(LedBinding &led);

    void AddLed(int item, int byteIndex, const KtSNMPLedColorMapList &map, KtLedShape *shape);
    // byteIndexes: decimal octet numbers separated by ",", bound in order to
    // the shapes; raises -522 when there are fewer shapes than numbers.
    void AddLeds(int item, const QString &byteIndexes, const KtSNMPLedColorMapList &map,
                 const QList<KtLedShape *> &shapes);
    // Creates one shape per octet number inside panel, the k-th (from 0) at
    // left + k * (gap + width), top 1, and binds it; returns the shapes.
    QList<KtLedShape *> CreateLedRow(int item, const QString &byteIndexes, const KtSNMPLedColorMapList &map,
                                     QWidget *panel, int left, int gap, KtLedShape::ShapeKind kind, int width,
                                     int height);

    // period in hundredths of a second: reads at once, then every period;
    // a tick while the last read is outstanding sends nothing.
    // A period of 0 or less reads once and does not repeat.
    void StartPolling(int period);
    void StopPolling();
    // Every LED steady in its off colour.
    void ResetLeds();

    // The poll timer's and the blink timer's handlers.
    void OnPollTimer();
    void PaintLeds();

    std::vector<LedBinding> Leds;
    QPointer<QTimer> PollTimer;  // child of the owner window
    QPointer<QTimer> BlinkTimer; // child of the owner window
    qint32 BlinkLimit = 6;
    qint32 BlinkCount = 0;

private:
    static void Paint(const LedBinding &led, qint32 color);
    qint32 ColorForStep(const LedBinding &led) const;
    bool BlinkStepsLeft(bool anyBlinking) const;
    void ParkBlinkTimer(bool anyBlinking);
    void WakeBlinkTimer();

    // The blink timer rests while no step could change an LED (nothing
    // blinks, or the blink steps after the last response are over); the next
    // response wakes it. A timer stopped by anyone else stays stopped.
    bool blinkParked_ = false;
};
