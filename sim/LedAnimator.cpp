#include "LedAnimator.h"

#include <algorithm>

namespace {

constexpr int LinkedPercent = 75;
constexpr int ActivePercent = 35;
// Port-table values.
constexpr int LinkPass = 2, LinkFail = 3;
constexpr int NwayEmpty = 1, NwayDown = 2, NwayFull100 = 6, NwayFull1000 = 8;
// ifOperStatus values.
constexpr int OperUp = 1, OperDown = 2, OperNotPresent = 6;
// The two administrative states of a port: swPortCtrlAdminState (2 disabled,
// 3 enabled) and ifAdminStatus (1 up, 2 down).
constexpr SubId CtrlAdminColumn = 3, IfAdminColumn = 7;
constexpr int CtrlDisabled = 2, CtrlEnabled = 3, AdminUp = 1, AdminDown = 2;

} // namespace

LedAnimator::LedAnimator(MibStore &store, const Scenario &scenario, std::uint32_t seed)
    : store_(store), random_(seed)
{
    const MibObjectDef *leds = store_.schema().objectByName("swUnitMgmtFrontPanelLedStatus");
    for (const ScenarioUnit &unit : scenario.units()) {
        auto ports = unit.ports();
        units_.push_back(UnitState{unit.id, leds->oid.child(static_cast<SubId>(unit.id)),
                                   2 * ports.size() + 3, unit.model.redundantPower});
        for (const SwitchPort &port : ports) {
            PortState state{port};
            state.faulty = std::find(scenario.faults().begin(), scenario.faults().end(),
                                     std::pair{port.unit, port.port}) != scenario.faults().end();
            state.linked = port.present && !state.faulty && chance(LinkedPercent);
            ports_.push_back(state);
        }
    }
    rollTraffic();
    writeAll();
}

bool LedAnimator::chance(int percent)
{
    return std::uniform_int_distribution<int>(0, 99)(random_) < percent;
}

void LedAnimator::tick()
{
    std::vector<PortState *> candidates;
    for (PortState &state : ports_)
        if (state.port.present && !state.faulty)
            candidates.push_back(&state);
    if (!candidates.empty()) {
        PortState *changed =
            candidates[std::uniform_int_distribution<std::size_t>(0, candidates.size() - 1)(random_)];
        changed->linked = !changed->linked;
    }
    rollTraffic();
    countTraffic();
    writeAll();
}

void LedAnimator::rollTraffic()
{
    for (PortState &state : ports_)
        state.active = linked(state) && chance(ActivePercent);
}

bool LedAnimator::enabled(const PortState &state) const
{
    const MibInstance *admin = store_.find(column("swPortCtrlEntry", CtrlAdminColumn, state.port.number));
    return !admin || admin->value.signedNumber() != CtrlDisabled;
}

// An administrator's change of either state: the other follows, and the
// port's link, LEDs and operational status show it at once.
void LedAnimator::valueChanged(const MibObjectDef &object, const Oid &instance)
{
    const bool ctrl =
        object.oid == store_.schema().tableByName("swPortCtrlEntry")->entry.child(CtrlAdminColumn);
    const bool ifAdmin = object.oid == store_.schema().tableByName("ifEntry")->entry.child(IfAdminColumn);
    if (!ctrl && !ifAdmin)
        return;
    const int port = static_cast<int>(instance[instance.size() - 1]);
    const MibInstance *changed = store_.find(instance);
    if (!changed)
        return;
    const bool up = changed->value.signedNumber() == (ctrl ? CtrlEnabled : AdminUp);
    if (ctrl)
        store_.setValue(column("ifEntry", IfAdminColumn, port), MibValue::integer(up ? AdminUp : AdminDown));
    else
        store_.setValue(column("swPortCtrlEntry", CtrlAdminColumn, port),
                        MibValue::integer(up ? CtrlEnabled : CtrlDisabled));
    rollTraffic();
    writeAll();
}

void LedAnimator::countTraffic()
{
    for (const PortState &state : ports_) {
        if (!state.active)
            continue;
        int index = state.port.number;
        std::uniform_int_distribution<std::uint64_t> octets(2000, state.port.gigabit ? 2000000 : 200000);
        for (SubId octetColumn : {6, 10}) {
            std::uint64_t added = octets(random_);
            if (MibValue *value = store_.valueAt(column("ifXEntry", octetColumn, index)))
                *value = MibValue::unsignedNumber(MibType::Counter64, value->number() + added);
            if (MibValue *packets = store_.valueAt(column("ifXEntry", octetColumn + 1, index)))
                *packets = MibValue::unsignedNumber(MibType::Counter64, packets->number() + added / 512);
        }
    }
}

Oid LedAnimator::column(std::string_view table, SubId column, int index) const
{
    return store_.schema().tableByName(table)->entry + Oid{column, static_cast<SubId>(index)};
}

void LedAnimator::writeAll()
{
    for (const UnitState &unit : units_)
        writeUnit(unit);
    for (const PortState &state : ports_)
        writePort(state);
}

void LedAnimator::writeUnit(const UnitState &unit)
{
    std::string octets(unit.octets, static_cast<char>(LedOff));
    octets[0] = static_cast<char>(LedGigabit); // power
    octets[1] = static_cast<char>(LedGigabit); // console
    octets[2] = static_cast<char>(unit.redundantPower ? LedGigabit : LedIdle);
    for (const PortState &state : ports_) {
        if (state.port.unit != unit.id)
            continue;
        std::size_t first = 2 * static_cast<std::size_t>(state.port.port) + 1;
        unsigned char link = LedIdle, speed = LedOff;
        if (state.faulty) {
            link = speed = LedFault;
        } else if (linked(state)) {
            link = LedLink | (state.active ? LedBlink : 0);
            speed = state.port.gigabit ? LedGigabit : LedLink;
        }
        octets[first] = static_cast<char>(link);
        octets[first + 1] = static_cast<char>(speed);
    }
    store_.setValue(unit.ledInstance, MibValue::octets(std::move(octets)));
}

void LedAnimator::writePort(const PortState &state)
{
    int index = state.port.number;
    const bool up = linked(state);
    int nway = !state.port.present  ? NwayEmpty
               : !up                ? NwayDown
               : state.port.gigabit ? NwayFull1000
                                    : NwayFull100;
    int oper = !state.port.present ? OperNotPresent : up ? OperUp : OperDown;
    store_.setValue(column("swPortInfoEntry", 4, index), MibValue::integer(up ? LinkPass : LinkFail));
    store_.setValue(column("swPortInfoEntry", 5, index), MibValue::integer(nway));
    store_.setValue(column("ifEntry", 8, index), MibValue::integer(oper));
}
