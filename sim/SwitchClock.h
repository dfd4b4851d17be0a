#pragma once

#include "MibStore.h"
#include "MibStoreListener.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The switch's own clock, as its time objects show it: the current time and
// the boot time in the form the clock is set with ("2026-12-11,9:05:13.0",
// local time), and the time since the start ("0 days, 01:02:03"), all
// agreeing with sysUpTime. The clock starts at the host's local time; a set
// of the clock object moves it (and with it the boot time, which is the
// clock less the uptime); a text that is no date and time is refused.
class SwitchClock : public MibStoreListener
{
public:
    // `uptime` gives hundredths of a second since the start (sysUpTime).
    SwitchClock(MibStore &store, std::function<std::uint32_t()> uptime);

    bool accepts(const MibObjectDef &object, const MibValue &value) const override;
    void valueChanged(const MibObjectDef &object, const Oid &instance) override;

    using Seconds = std::chrono::sys_seconds; // local time counted like UTC
    static std::optional<Seconds> parse(std::string_view text);
    static std::string format(Seconds time);
    static std::string formatUptime(std::uint32_t hundredths);

private:
    Seconds now() const;
    const MibObjectDef *object(std::string_view name) const;
    void provide(std::string_view name, std::function<std::string()> text);

    MibStore &store_;
    std::function<std::uint32_t()> uptime_;
    const MibObjectDef *setter_;
    Seconds bootTime_;
};
