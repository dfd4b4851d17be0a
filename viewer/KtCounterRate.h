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
// A Counter32 that reads less than before has wrapped at 2^32 once; a
// Counter64 that reads less went back. There is no rate (a gap, never a
// negative number) for the first reading, after a discontinuity (the agent's
// sysUpTime went back, so it restarted, or a Counter64 went back), or when no
// time passed between the readings.
class KtCounterRate
{
public:
    static std::optional<double> Rate(const std::optional<KtCounterSample> &previous,
                                      const KtCounterSample &current, int bits);
};
