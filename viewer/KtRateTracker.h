#pragma once

#include "KtCounterRate.h"

#include <QHash>
#include <QString>
#include <deque>

// The readings of many counters, each named by a key (row and column), with
// the rates of the last minutes for the chart.
class KtRateTracker
{
public:
    static constexpr qint64 HistoryMs = 10 * 60 * 1000;

    struct Point
    {
        qint64 TimeMs = 0;
        std::optional<double> Rate; // none: a gap
    };

    // Records a reading; returns the rate since the counter's previous
    // reading (none for the first one and after a discontinuity). A value
    // that is no number ends the counter's series with a gap.
    std::optional<double> Record(const QString &key, const QString &valueText, qint64 timeMs, quint32 upTime,
                                 bool hasUpTime, int bits);

    // The rates of the last HistoryMs, oldest first; empty for an unknown key.
    const std::deque<Point> &History(const QString &key) const;

private:
    struct Track
    {
        std::optional<KtCounterSample> Last;
        std::deque<Point> Points;
    };
    QHash<QString, Track> tracks_;
};
