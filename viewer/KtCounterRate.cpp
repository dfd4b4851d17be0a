#include "KtCounterRate.h"

std::optional<double> KtCounterRate::Rate(const std::optional<KtCounterSample> &previous,
                                          const KtCounterSample &current, int bits)
{
    if (!previous)
        return std::nullopt;
    const qint64 elapsedMs = current.TimeMs - previous->TimeMs;
    if (elapsedMs <= 0)
        return std::nullopt;
    const bool restarted = previous->HasUpTime && current.HasUpTime && current.UpTime < previous->UpTime;
    if (restarted)
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
