#pragma once

#include "KtRateTracker.h"

#include <QChartView>
#include <QList>
#include <deque>

// The chart of a view: the per-second rates of the selected rows over the
// last minutes (a gap where a rate is missing), or the buckets of an RMON
// history entry as bars.
class KtRateChart : public QChartView
{
    Q_OBJECT
public:
    struct RateSeries
    {
        QString Name;
        const std::deque<KtRateTracker::Point> *Points = nullptr;
    };

    explicit KtRateChart(QWidget *parent = nullptr);

    // nowMs: the monotonic clock of the points, now.
    void ShowRates(const QString &title, const QList<RateSeries> &series, qint64 nowMs);
    void ShowBuckets(const QString &title, const QStringList &labels, const QList<double> &values);

    // Lines (rates) or bars (buckets) now on the chart; for tests.
    int SeriesCount() const;

private:
    void Clear(const QString &title);
};
