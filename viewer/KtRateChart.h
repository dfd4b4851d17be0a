#pragma once

#include "KtRateTracker.h"

#include <QChartView>
#include <QDateTime>
#include <QList>
#include <deque>

class QBarCategoryAxis;
class QDateTimeAxis;
class QValueAxis;

// The chart of a view: the per-second rates of the selected rows over the
// chosen span of time (a gap where a rate is missing), one line per row
// named in the legend, with a tooltip of time and value where the pointer
// rests; or the buckets of an RMON history entry as bars. The axes are made
// once and keep their place; each update replaces only the lines or bars.
class KtRateChart : public QChartView
{
    Q_OBJECT
public:
    struct RateSeries
    {
        QString Name;
        const std::deque<KtRateTracker::Point> *Points = nullptr;
        double Scale = 1; // 8: octets drawn as bits
    };

    explicit KtRateChart(QWidget *parent = nullptr);

    // nowMs: the monotonic clock of the points, now; spanMs: how far back the
    // time axis reaches. unit: "bit/s", or empty for a plain count per second.
    void ShowRates(const QString &title, const QString &unit, const QList<RateSeries> &series, qint64 nowMs,
                   qint64 spanMs);
    void ShowBuckets(const QString &title, const QStringList &labels, const QList<double> &values);

    // Saves the chart as a picture (PNG for a .png path); false when it
    // could not be written.
    bool SaveTo(const QString &path);

    // The tooltip of a point: the row's name, the time and the value with
    // its unit ("Port 3", "10:45:12 AM", "12.5 Mbit/s").
    static QString HoverText(const QString &name, const QDateTime &time, double value, const QString &unit);
    // A time as the status line shows it ("04:45:39 PM"), for every time
    // the viewer shows.
    static QString ClockText(const QTime &time);
    // The title of the value axis for values divided by a unit prefix:
    // "Mbit/s", "k per second", "per second".
    static QString AxisTitle(const QString &prefix, const QString &unit);

    // For tests: lines (rates) or bars (buckets) now on the chart, and the
    // axes.
    int SeriesCount() const;
    QValueAxis *ValueAxis() const { return valueAxis_; }
    QDateTimeAxis *TimeAxis() const { return timeAxis_; }

private:
    void Reset(const QString &title);
    void EnsureAxes(bool buckets);
    void SetValueRange(double top);

    QDateTimeAxis *timeAxis_ = nullptr;
    QBarCategoryAxis *bucketAxis_ = nullptr;
    QValueAxis *valueAxis_ = nullptr;
};
