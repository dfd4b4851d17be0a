#include "KtCounterRate.h"
#include "KtRateTracker.h"

#include <gtest/gtest.h>

namespace {

constexpr quint64 Max32 = 0xffffffffULL;

struct RateCase
{
    const char *What;
    std::optional<KtCounterSample> Previous;
    KtCounterSample Current;
    int Bits;
    std::optional<double> Rate;
};

KtCounterSample At(quint64 value, qint64 ms, quint32 upTime = 0, bool hasUpTime = false)
{
    return {value, ms, upTime, hasUpTime};
}

TEST(KtCounterRateTest, RatesOfTwoReadings)
{
    const RateCase cases[] = {
        {"first reading", std::nullopt, At(500, 5000), 32, std::nullopt},
        {"steady growth", At(1000, 0), At(6000, 5000), 32, 1000.0},
        {"no change", At(1000, 0), At(1000, 5000), 64, 0.0},
        {"sub-second interval", At(0, 0), At(50, 250), 32, 200.0},
        {"Counter32 wraps once", At(Max32 - 99, 0), At(400, 5000), 32, 100.0},
        {"Counter32 at its top wraps to zero", At(Max32, 0), At(0, 1000), 32, 1.0},
        {"Counter64 goes back", At(5000, 0), At(10, 5000), 64, std::nullopt},
        {"Counter64 beyond 32 bits", At(Max32, 0), At(Max32 + 10000, 5000), 64, 2000.0},
        {"agent restarted: sysUpTime went back", At(9000, 0, 500000, true), At(200, 5000, 300, true), 32,
         std::nullopt},
        {"agent restarted, counter grew anyway", At(100, 0, 500000, true), At(900, 5000, 300, true), 64,
         std::nullopt},
        {"sysUpTime moved on: a wrap, not a restart", At(Max32 - 9, 0, 1000, true), At(10, 2000, 1200, true),
         32, 10.0},
        {"sysUpTime unknown now: no restart check", At(10, 0, 1000, true), At(20, 1000), 32, 10.0},
        {"no time passed", At(10, 5000), At(20, 5000), 32, std::nullopt},
        {"clock went back", At(10, 5000), At(20, 4000), 32, std::nullopt},
    };
    for (const RateCase &c : cases) {
        const std::optional<double> rate = KtCounterRate::Rate(c.Previous, c.Current, c.Bits);
        ASSERT_EQ(rate.has_value(), c.Rate.has_value()) << c.What;
        if (rate) {
            EXPECT_DOUBLE_EQ(*rate, *c.Rate) << c.What;
            EXPECT_GE(*rate, 0.0) << c.What;
        }
    }
}

TEST(KtCounterRateTest, TrackerKeepsOneSeriesPerCounterWithGaps)
{
    KtRateTracker tracker;
    EXPECT_FALSE(tracker.Record("1|2", "100", 0, 0, false, 32));
    EXPECT_FALSE(tracker.Record("2|2", "7", 0, 0, false, 32));
    EXPECT_EQ(tracker.Record("1|2", "600", 5000, 0, false, 32), 100.0);
    // A value that is no number (the agent did not supply it) is a gap, and
    // the next reading starts a new series.
    EXPECT_FALSE(tracker.Record("1|2", "(NULL)", 10000, 0, false, 32));
    EXPECT_FALSE(tracker.Record("1|2", "700", 15000, 0, false, 32));
    EXPECT_EQ(tracker.Record("1|2", "1200", 20000, 0, false, 32), 100.0);

    const auto &points = tracker.History("1|2");
    ASSERT_EQ(points.size(), 5u);
    EXPECT_FALSE(points[0].Rate);
    EXPECT_TRUE(points[1].Rate);
    EXPECT_FALSE(points[2].Rate);
    EXPECT_FALSE(points[3].Rate);
    EXPECT_EQ(points[4].Rate, 100.0);
    EXPECT_TRUE(tracker.History("no such counter").empty());

    // Points older than the history span are dropped.
    tracker.Record("1|2", "1300", 20000 + KtRateTracker::HistoryMs + 1, 0, false, 32);
    EXPECT_EQ(tracker.History("1|2").size(), 1u);
}

} // namespace
