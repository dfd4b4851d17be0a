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
    // The longest history a chart shows.
    static constexpr qint64 MaxHistoryMs = 60 * 60 * 1000;

    struct Point
    {
        qint64 TimeMs = 0;
        std::optional<double> Rate; // none: a gap
    };

    // Records a reading; returns the rate since the counter's previous
    // reading (none for the first one and between lifetimes of the agent).
    // A value that is no number, or a reading without the agent's uptime,
    // ends the counter's series with a gap. The reading that finds the
    // agent restarted is no base for the next rate either: an agent that
    // has just started may still show a counter as 0 before its first
    // update, and the next reading would make that a spike.
    std::optional<double> Record(const QString &key, const QString &valueText, qint64 timeMs, quint32 upTime,
                                 bool hasUpTime, int bits);

    // The rates of the last HistoryMs(), oldest first; empty for an unknown key.
    const std::deque<Point> &History(const QString &key) const;

    qint64 HistoryMs() const { return historyMs_; }
    // How long rates are kept; older ones go at the next reading.
    void SetHistoryMs(qint64 ms) { historyMs_ = ms; }

private:
    struct Track
    {
        std::optional<KtCounterSample> Last;
        std::deque<Point> Points;
    };
    QHash<QString, Track> tracks_;
    qint64 historyMs_ = 10 * 60 * 1000;
};
