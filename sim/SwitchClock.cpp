#include "SwitchClock.h"

#include <cstdio>
#include <ctime>

namespace {

using namespace std::chrono;

// The objects of the time windows, by their names in the data files.
constexpr std::string_view ClockObject = "swTimeCurrentClock";
constexpr std::string_view CurrentTimeObject = "swTimeCurrentTime";
constexpr std::string_view UpTimeObject = "swTimeSystemUpTime";
constexpr std::string_view BootTimeObject = "swTimeSystemBootTime";

SwitchClock::Seconds hostLocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return SwitchClock::Seconds(seconds(timegm(&local)));
}

} // namespace

SwitchClock::SwitchClock(MibStore &store, std::function<std::uint32_t()> uptime)
    : store_(store), uptime_(std::move(uptime)), setter_(object(ClockObject)),
      bootTime_(hostLocalTime() - seconds(uptime_() / 100))
{
    provide(ClockObject, [this] { return format(now()); });
    provide(CurrentTimeObject, [this] { return format(now()); });
    provide(UpTimeObject, [this] { return formatUptime(uptime_()); });
    provide(BootTimeObject, [this] { return format(bootTime_); });
}

const MibObjectDef *SwitchClock::object(std::string_view name) const
{
    const MibObjectDef *def = store_.schema().objectByName(name);
    return def && !def->isColumn() && def->type == MibType::OctetString ? def : nullptr;
}

void SwitchClock::provide(std::string_view name, std::function<std::string()> text)
{
    if (const MibObjectDef *def = object(name))
        store_.setProvider(def->oid.child(0), [text = std::move(text)] { return MibValue::octets(text()); });
}

SwitchClock::Seconds SwitchClock::now() const
{
    return bootTime_ + seconds(uptime_() / 100);
}

bool SwitchClock::accepts(const MibObjectDef &object, const MibValue &value) const
{
    return &object != setter_ || parse(value.bytes()).has_value();
}

void SwitchClock::valueChanged(const MibObjectDef &object, const Oid &)
{
    if (&object != setter_)
        return;
    if (const MibInstance *set = store_.find(object.oid.child(0)))
        if (auto time = parse(set->value.bytes()))
            bootTime_ = *time - seconds(uptime_() / 100);
}

// "1992-5-26,13:30:15.0": year, month, day, hour, minute, second and tenths,
// as the clock is set and shown; a time zone after it is accepted and left
// aside (the clock keeps local time).
std::optional<SwitchClock::Seconds> SwitchClock::parse(std::string_view text)
{
    const std::string copy(text);
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, tenths = 0, used = 0;
    if (std::sscanf(copy.c_str(), "%4d-%2d-%2d,%2d:%2d:%2d.%1d%n", &y, &mo, &d, &h, &mi, &s, &tenths,
                    &used) != 7)
        return std::nullopt;
    if (static_cast<std::size_t>(used) != copy.size() && copy[static_cast<std::size_t>(used)] != ',')
        return std::nullopt;
    const year_month_day date{year(y), month(static_cast<unsigned>(mo)), day(static_cast<unsigned>(d))};
    if (!date.ok() || y < 1970 || y > 2099 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59 ||
        tenths < 0)
        return std::nullopt;
    return Seconds(sys_days(date)) + hours(h) + minutes(mi) + seconds(s);
}

std::string SwitchClock::format(Seconds time)
{
    const sys_days day = floor<days>(time);
    const year_month_day date(day);
    const hh_mm_ss clock(time - day);
    char text[40];
    std::snprintf(text, sizeof text, "%d-%u-%u,%d:%02d:%02d.0", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

std::string SwitchClock::formatUptime(std::uint32_t hundredths)
{
    const std::uint32_t total = hundredths / 100;
    char text[40];
    std::snprintf(text, sizeof text, "%u days, %02u:%02u:%02u", total / 86400, total / 3600 % 24,
                  total / 60 % 60, total % 60);
    return text;
}
