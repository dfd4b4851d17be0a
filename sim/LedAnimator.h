#pragma once

#include "MibStore.h"
#include "MibStoreListener.h"
#include "Scenario.h"

#include <cstdint>
#include <random>
#include <vector>

// The live state of the front panels: which ports have a link, which show
// traffic, which one shows a fault. It writes the LED status octets of every
// unit and the link columns of the port and interface tables, and on every
// tick one port goes down or up, traffic moves and the counters grow.
// A port that an administrator disabled (swPortCtrlAdminState or
// ifAdminStatus, which it keeps in step) has no link until it is enabled.
class LedAnimator : public MibStoreListener
{
public:
    LedAnimator(MibStore &store, const Scenario &scenario, std::uint32_t seed);

    void tick();

    void valueChanged(const MibObjectDef &object, const Oid &instance) override;

    // LED octet values: the low bits select the colour, 0x80 makes the LED
    // blink. 0 and 1 show white, 2 and 3 green (3 also on the gigabit speed
    // LEDs), 4 blue, 5 red.
    static constexpr unsigned char LedOff = 0, LedIdle = 1, LedLink = 2, LedGigabit = 3, LedFault = 5,
                                   LedBlink = 0x80;

private:
    struct PortState
    {
        SwitchPort port;
        bool linked = false;
        bool active = false;
        bool faulty = false;
    };

    struct UnitState
    {
        int id;
        Oid ledInstance;
        std::size_t octets;
        bool redundantPower;
    };

    bool chance(int percent);
    void rollTraffic();
    void countTraffic();
    void writeAll();
    void writeUnit(const UnitState &unit);
    void writePort(const PortState &state);
    bool enabled(const PortState &state) const;
    bool linked(const PortState &state) const { return state.linked && enabled(state); }
    Oid column(std::string_view table, SubId column, int index) const;

    MibStore &store_;
    std::mt19937 random_;
    std::vector<UnitState> units_;
    std::vector<PortState> ports_;
};
