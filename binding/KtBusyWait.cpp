#include "KtBusyWait.h"
#include "KtSNMPEngine.h"

#include <QElapsedTimer>
#include <algorithm>

namespace {

constexpr qint64 kMarginMs = 500;
constexpr qint64 kLongestMs = 30000;

} // namespace

int KtBusyWait::LimitMs(const KtSNMPRequest &request)
{
    // Time-outs count in hundredths of a second.
    const qint64 exchange = qint64(std::max(request.Retries, 0) + 1) * std::max(request.TimeOut, 0) * 10;
    return int(std::min(exchange + kMarginMs, kLongestMs));
}

void KtBusyWait::Wait(const std::function<bool()> &busy, Input input, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (busy() && clock.elapsed() < limitMs)
        KtProcessEventsBriefly(input == Input::Taken);
}
