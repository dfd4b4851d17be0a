#pragma once

#include <QtGlobal>
#include <optional>

// One reading of a counter: its value, when it was read (milliseconds on a
// monotonic clock) and the agent's sysUpTime at that refresh (hundredths),
// which tells a restarted agent from a counter that wrapped.
struct KtCounterSample
{
    quint64 Value = 0;
    qint64 TimeMs = 0;
    quint32 UpTime = 0;
    bool HasUpTime = false;
};

// The per-second rate of a counter between two readings.
//
// A rate is given only between two readings of one agent lifetime: both with
// the agent's sysUpTime, which must have moved on by about the time that
// passed here (a sysUpTime that fell, or rose much less or much more, means
// the agent restarted in between). Within a lifetime a Counter32 that reads
// less than before has wrapped at 2^32 once; a Counter64 that reads less went
// back and has no rate. There is no rate (a gap, never a negative number)
// for the first reading or when no time passed between the readings.
class KtCounterRate
{
public:
    static std::optional<double> Rate(const std::optional<KtCounterSample> &previous,
                                      const KtCounterSample &current, int bits);

    // Whether both readings carry a sysUpTime that tells they come from
    // different lifetimes of the agent.
    static bool Restarted(const KtCounterSample &previous, const KtCounterSample &current);

private:
    static bool SameLifetime(const KtCounterSample &previous, const KtCounterSample &current);
};
