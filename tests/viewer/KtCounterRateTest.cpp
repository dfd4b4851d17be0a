#include "KtCounterRate.h"
#include "KtRateTracker.h"

#include <gtest/gtest.h>

namespace {

constexpr quint64 Max32 = 0xffffffffULL;
constexpr quint32 Boot = 500000; // the agent's uptime at ms 0, in hundredths

struct RateCase
{
    const char *What;
    std::optional<KtCounterSample> Previous;
    KtCounterSample Current;
    int Bits;
    std::optional<double> Rate;
};

// A reading at `ms` of an agent whose uptime runs with this clock.
KtCounterSample At(quint64 value, qint64 ms)
{
    return {value, ms, quint32(Boot + ms / 10), true};
}

KtCounterSample WithUpTime(quint64 value, qint64 ms, quint32 upTime, bool hasUpTime = true)
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
        {"agent restarted: sysUpTime went back", At(9000, 0), WithUpTime(200, 5000, 300), 32, std::nullopt},
        {"agent restarted, counter grew anyway", At(100, 0), WithUpTime(900, 5000, 300), 64, std::nullopt},
        {"agent restarted, uptime past the old one: it rose less than the time passed",
         WithUpTime(100, 0, 300), WithUpTime(150, 60000, 400), 32, std::nullopt},
        {"uptime rose far more than the time passed", At(100, 0), WithUpTime(200, 5000, Boot + 90000), 32,
         std::nullopt},
        {"answer delays within the tolerance", At(1000, 0), WithUpTime(6000, 5000, Boot + 650), 32, 1000.0},
        {"sysUpTime wraps at 2^32 with the agent still up", WithUpTime(0, 0, 0xffffff00u),
         WithUpTime(500, 5000, 0xffffff00u + 500), 32, 100.0},
        {"sysUpTime unknown now", At(10, 0), WithUpTime(20, 1000, 0, false), 32, std::nullopt},
        {"sysUpTime unknown before", WithUpTime(10, 0, 0, false), At(20, 1000), 32, std::nullopt},
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
    auto record = [&](const QString &key, const QString &value, qint64 ms) {
        return tracker.Record(key, value, ms, quint32(Boot + ms / 10), true, 32);
    };
    EXPECT_FALSE(record("1|2", "100", 0));
    EXPECT_FALSE(record("2|2", "7", 0));
    EXPECT_EQ(record("1|2", "600", 5000), 100.0);
    // A value that is no number (the agent did not supply it) is a gap, and
    // the next reading starts a new series.
    EXPECT_FALSE(record("1|2", "(NULL)", 10000));
    EXPECT_FALSE(record("1|2", "700", 15000));
    EXPECT_EQ(record("1|2", "1200", 20000), 100.0);

    const auto &points = tracker.History("1|2");
    ASSERT_EQ(points.size(), 5u);
    EXPECT_FALSE(points[0].Rate);
    EXPECT_TRUE(points[1].Rate);
    EXPECT_FALSE(points[2].Rate);
    EXPECT_FALSE(points[3].Rate);
    EXPECT_EQ(points[4].Rate, 100.0);
    EXPECT_TRUE(tracker.History("no such counter").empty());

    // Points older than the history span are dropped.
    record("1|2", "1300", 20000 + tracker.HistoryMs() + 1);
    EXPECT_EQ(tracker.History("1|2").size(), 1u);
}

// An agent restarts between two reads and shows the counter as 0 before its
// first update, then at its old level: neither read gives a rate (no
// 855,000/s spike); the rates come back one read later.
TEST(KtCounterRateTest, NoRateAcrossARestartAndNoSpikeAfterIt)
{
    KtRateTracker tracker;
    const quint32 newBoot = 100; // hundredths: the agent came up a second before the read
    struct Read
    {
        qint64 Ms;
        quint32 UpTime;
        const char *Value;
        std::optional<double> Rate;
    };
    const Read reads[] = {
        {0, Boot, "1700000", std::nullopt},
        {5000, Boot + 500, "1705000", 1000.0},
        {10000, newBoot, "0", std::nullopt},             // restarted: the uptime fell
        {12000, newBoot + 200, "1711194", std::nullopt}, // not 855,597/s
        {17000, newBoot + 700, "1716194", 1000.0},
    };
    for (const Read &read : reads)
        EXPECT_EQ(tracker.Record("5|2", read.Value, read.Ms, read.UpTime, true, 32), read.Rate) << read.Ms;
}

} // namespace
