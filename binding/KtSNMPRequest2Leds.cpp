#include "KtSNMPRequest2Leds.h"

#include "KtErrorCode.h"
#include "KtNumList.h"
#include "KtValueImage.h"

#include <QFrame>
#include <QTimer>
#include <limits>

namespace {

constexpr int ErrBadVarListItem = -516;
constexpr int ErrByteIndexOutOfRange = -519;
constexpr int ErrTooFewControls = -522;

QList<int> ByteIndexesOf(const QString &text)
{
    KtNumList<int> numbers;
    numbers.Delimiter = ',';
    numbers.Parse(text);
    return numbers.Items();
}

// Hundredths of a second as a timer interval, kept within the timer's range.
int IntervalOf(int period)
{
    const qint64 milliseconds = qint64(period) * 10;
    return int(std::min<qint64>(milliseconds, std::numeric_limits<int>::max()));
}

} // namespace

KtSNMPRequest2Leds::KtSNMPRequest2Leds(QWidget *owner) : KtSNMPRequest2Controls(owner)
{
    PollTimer = new QTimer(owner);
    QObject::connect(PollTimer, &QTimer::timeout, PollTimer, [this] { OnPollTimer(); });
    BlinkTimer = new QTimer(owner);
    BlinkTimer->setInterval(BlinkInterval);
    QObject::connect(BlinkTimer, &QTimer::timeout, BlinkTimer, [this] { PaintLeds(); });
    BlinkTimer->start();
}

KtSNMPRequest2Leds::~KtSNMPRequest2Leds()
{
    StopPolling();
    // The timers' handlers reach into this object, so the timers go with it
    // even though the window owns them.
    delete PollTimer;
    delete BlinkTimer;
}

void KtSNMPRequest2Leds::AddLed(int item, int byteIndex, const KtSNMPLedColorMapList &map, KtLedShape *shape)
{
    LedBinding led;
    led.Item = item;
    led.ByteIndex = byteIndex;
    led.ColorMap = &map;
    led.Shape = shape;
    led.Color = map.OffColor;
    Paint(led, led.Color);
    Leds.push_back(led);
}

void KtSNMPRequest2Leds::AddLeds(int item, const QString &byteIndexes, const KtSNMPLedColorMapList &map,
                                 const QList<KtLedShape *> &shapes)
{
    const QList<int> indexes = ByteIndexesOf(byteIndexes);
    if (shapes.size() < indexes.size())
        KtRaise(ErrTooFewControls);
    for (qsizetype k = 0; k < indexes.size(); ++k)
        AddLed(item, indexes.at(k), map, shapes.at(k));
}

QList<KtLedShape *> KtSNMPRequest2Leds::CreateLedRow(int item, const QString &byteIndexes,
                                                     const KtSNMPLedColorMapList &map, QWidget *panel,
                                                     int left, int gap, KtLedShape::ShapeKind kind, int width,
                                                     int height)
{
    if (auto *frame = qobject_cast<QFrame *>(panel))
        frame->setFrameShape(QFrame::NoFrame);
    QList<KtLedShape *> shapes;
    const QList<int> indexes = ByteIndexesOf(byteIndexes);
    for (qsizetype k = 0; k < indexes.size(); ++k) {
        auto *shape = new KtLedShape(panel ? panel : Owner, kind);
        shape->setGeometry(left + int(k) * (gap + width), 1, width, height);
        shape->show();
        AddLed(item, indexes.at(k), map, shape);
        shapes.append(shape);
    }
    return shapes;
}

void KtSNMPRequest2Leds::StartPolling(int period)
{
    blinkParked_ = false;
    if (BlinkTimer)
        BlinkTimer->start();
    if (PollTimer && period > 0) {
        PollTimer->setInterval(IntervalOf(period));
        PollTimer->start();
    }
    try {
        Get();
    } catch (...) {
        ResetLeds();
        throw;
    }
}

void KtSNMPRequest2Leds::StopPolling()
{
    if (PollTimer)
        PollTimer->stop();
    if (BlinkTimer)
        BlinkTimer->stop();
    blinkParked_ = false;
    ResetLeds();
}

void KtSNMPRequest2Leds::ResetLeds()
{
    for (LedBinding &led : Leds) {
        led.Blinking = false;
        led.Color = led.ColorMap->OffColor;
        Paint(led, led.Color);
    }
}

void KtSNMPRequest2Leds::OnPollTimer()
{
    // One poll at a time: a tick while the last get is still outstanding
    // (a slow agent, or one that does not answer) sends nothing, so polls
    // never pile up and a late answer or time-out belongs to the last one.
    if (Busy)
        return;
    try {
        Get();
    } catch (const KtException &error) {
        ResetLeds();
        ShowStatus(error.Message);
    }
}

void KtSNMPRequest2Leds::OnRow()
{
    BlinkCount = 0;
    try {
        for (LedBinding &led : Leds)
            EvaluateLed(led);
    } catch (const KtException &) {
        // A response that cannot be read to the end would leave old and new
        // states side by side; show none of them.
        ResetLeds();
        throw;
    }
    WakeBlinkTimer();
    PaintLeds();
}

void KtSNMPRequest2Leds::OnGetError(const KtSNMPError &record)
{
    ResetLeds();
    LastOperation = OperationGet;
    ShowStatus(record.Message);
}

void KtSNMPRequest2Leds::EvaluateLed(LedBinding &led)
{
    if (led.Item < 0 || led.Item >= Request.Vars.Count())
        KtRaise(ErrBadVarListItem);
    const KtSNMPVar &var = Request.Vars.Get(led.Item);
    const QString text = var.Options ? var.Options->NameToValue(var.Value) : var.Value;
    const QByteArray image = EncodeValue(text, var.Syntax);
    const KtSNMPLedColorMapList &map = *led.ColorMap;
    if (led.ByteIndex >= 0 && led.ByteIndex < image.size()) {
        const auto octet = quint8(image.at(led.ByteIndex));
        led.Color = map.ColorOf(octet & map.ValueMask);
        led.Blinking = (octet & map.BlinkMask) != 0;
        return;
    }
    if (map.MissingColor == KtSNMPLedColorMapList::MissingIsError)
        KtRaise(ErrByteIndexOutOfRange);
    led.Color = map.MissingColor;
    led.Blinking = false;
}

qint32 KtSNMPRequest2Leds::ColorForStep(const LedBinding &led) const
{
    if (!led.Blinking)
        return led.Color;
    const qint32 off = led.ColorMap->OffColor;
    const bool showingOff = !led.Shape || led.Shape->BrushColor() == KtSNMPLedColorMapList::ToQColor(off);
    return showingOff || BlinkCount > BlinkLimit ? led.Color : off;
}

void KtSNMPRequest2Leds::PaintLeds()
{
    bool anyBlinking = false;
    for (const LedBinding &led : Leds) {
        Paint(led, ColorForStep(led));
        anyBlinking = anyBlinking || led.Blinking;
    }
    if (anyBlinking && BlinkCount < std::numeric_limits<qint32>::max())
        ++BlinkCount;
    ParkBlinkTimer(anyBlinking);
}

// Whether a later blink step could still change an LED: the steps up to
// BlinkCount = BlinkLimit + 1 (the one that leaves every LED lit).
bool KtSNMPRequest2Leds::BlinkStepsLeft(bool anyBlinking) const
{
    return anyBlinking && BlinkCount <= BlinkLimit + 1;
}

void KtSNMPRequest2Leds::ParkBlinkTimer(bool anyBlinking)
{
    if (!BlinkTimer || !BlinkTimer->isActive() || BlinkStepsLeft(anyBlinking))
        return;
    BlinkTimer->stop();
    blinkParked_ = true;
}

void KtSNMPRequest2Leds::WakeBlinkTimer()
{
    if (!blinkParked_ || !BlinkTimer)
        return;
    blinkParked_ = false;
    BlinkTimer->start();
}

void KtSNMPRequest2Leds::Paint(const LedBinding &led, qint32 color)
{
    if (!led.Shape)
        return;
    const QColor qcolor = KtSNMPLedColorMapList::ToQColor(color);
    led.Shape->SetColors(qcolor, qcolor);
    led.Shape->show();
}
