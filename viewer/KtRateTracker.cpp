#include "KtRateTracker.h"

std::optional<double> KtRateTracker::Record(const QString &key, const QString &valueText, qint64 timeMs,
                                            quint32 upTime, bool hasUpTime, int bits)
{
    Track &track = tracks_[key];
    bool isNumber = false;
    const quint64 value = valueText.toULongLong(&isNumber);
    std::optional<double> rate;
    if (isNumber) {
        const KtCounterSample sample{value, timeMs, upTime, hasUpTime};
        rate = KtCounterRate::Rate(track.Last, sample, bits);
        const bool restarted = track.Last && KtCounterRate::Restarted(*track.Last, sample);
        if (hasUpTime && !restarted)
            track.Last = sample;
        else
            track.Last.reset();
    } else {
        track.Last.reset();
    }
    track.Points.push_back({timeMs, rate});
    while (!track.Points.empty() && track.Points.front().TimeMs < timeMs - historyMs_)
        track.Points.pop_front();
    return rate;
}

const std::deque<KtRateTracker::Point> &KtRateTracker::History(const QString &key) const
{
    static const std::deque<Point> none;
    const auto it = tracks_.constFind(key);
    return it == tracks_.cend() ? none : it->Points;
}
