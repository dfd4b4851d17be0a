#include "KtCounterRate.h"

#include <cstdlib>

namespace {

// How far the agent's uptime may stray from the time that passed here: the
// uptime is read once per refresh, its answer delayed by the network and by
// retries.
qint64 UpTimeToleranceMs(qint64 elapsedMs)
{
    return 2000 + elapsedMs / 10;
}

} // namespace

bool KtCounterRate::SameLifetime(const KtCounterSample &previous, const KtCounterSample &current)
{
    if (!previous.HasUpTime || !current.HasUpTime)
        return false;
    // Modulo 2^32: sysUpTime wraps after 497 days like any TimeTicks.
    const qint64 upTimeMs = qint64(quint32(current.UpTime - previous.UpTime)) * 10;
    const qint64 elapsedMs = current.TimeMs - previous.TimeMs;
    return std::llabs(upTimeMs - elapsedMs) <= UpTimeToleranceMs(elapsedMs);
}

bool KtCounterRate::Restarted(const KtCounterSample &previous, const KtCounterSample &current)
{
    return previous.HasUpTime && current.HasUpTime && !SameLifetime(previous, current);
}

std::optional<double> KtCounterRate::Rate(const std::optional<KtCounterSample> &previous,
                                          const KtCounterSample &current, int bits)
{
    if (!previous)
        return std::nullopt;
    const qint64 elapsedMs = current.TimeMs - previous->TimeMs;
    if (elapsedMs <= 0 || !SameLifetime(*previous, current))
        return std::nullopt;
    quint64 delta = 0;
    if (current.Value >= previous->Value) {
        delta = current.Value - previous->Value;
    } else if (bits == 32 && previous->Value <= 0xffffffffULL) {
        delta = (current.Value + (quint64(1) << 32)) - previous->Value;
    } else {
        return std::nullopt;
    }
    return double(delta) * 1000.0 / double(elapsedMs);
}
