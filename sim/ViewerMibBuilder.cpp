#include "ViewerMibBuilder.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr std::uint64_t Modulus32 = std::uint64_t{1} << 32;
const Oid IfIndexColumn{1, 3, 6, 1, 2, 1, 2, 2, 1, 1};

// Subtrees whose counters drift on every tick: ip, icmp, udp, OSPF, RIPv2,
// IP multicast routing, PIM and DVMRP.
std::vector<Oid> DriftingGroups()
{
    return {Oid{1, 3, 6, 1, 2, 1, 4},  Oid{1, 3, 6, 1, 2, 1, 5},  Oid{1, 3, 6, 1, 2, 1, 7},
            Oid{1, 3, 6, 1, 2, 1, 14}, Oid{1, 3, 6, 1, 2, 1, 23}, Oid{1, 3, 6, 1, 2, 1, 83},
            Oid{1, 3, 6, 1, 3, 61},    Oid{1, 3, 6, 1, 3, 62}};
}

MibValue counter32(std::uint64_t n)
{
    return MibValue::unsignedNumber(MibType::Counter32, n % Modulus32);
}

// Shares of all packets by size, in per mille, for etherStatsPkts64Octets
// to etherStatsPkts1024to1518Octets.
constexpr int SizeShares[] = {310, 240, 120, 90, 80, 160};

} // namespace

ViewerMibBuilder::ViewerMibBuilder(MibStore &store, const Scenario &scenario, std::uint32_t seed)
    : store_(store), drift_(store, DriftingGroups(), seed), random_(seed)
{
    int rmonIndex = 0;
    for (const SwitchPort &port : scenario.allPorts()) {
        Port state{port};
        state.faulty = std::find(scenario.faults().begin(), scenario.faults().end(),
                                 std::pair{port.unit, port.port}) != scenario.faults().end();
        state.rmonIndex = ++rmonIndex;
        ports_.push_back(state);
    }
}

Oid ViewerMibBuilder::cell(std::string_view table, SubId column, const Oid &index) const
{
    const MibTableDef *def = store_.schema().tableByName(table);
    if (!def)
        throw std::runtime_error("the data files define no table " + std::string(table));
    return def->entry + Oid{column} + index;
}

std::uint64_t ViewerMibBuilder::read(std::string_view table, SubId column, int index) const
{
    const MibInstance *instance = store_.find(cell(table, column, Oid{static_cast<SubId>(index)}));
    return instance ? instance->current().number() : 0;
}

void ViewerMibBuilder::write(std::string_view table, SubId column, int index, std::uint64_t value)
{
    store_.setValue(cell(table, column, Oid{static_cast<SubId>(index)}), counter32(value));
}

void ViewerMibBuilder::addRow(std::string_view table, const Oid &index, const MibStore::ColumnValues &values)
{
    if (!store_.addRow(*store_.schema().tableByName(table), index, values))
        throw std::runtime_error("row " + index.toString() + " of " + std::string(table) + " given twice");
}

void ViewerMibBuilder::build()
{
    buildPortRows();
    buildForwarding();
    store_.setValue(store_.schema().objectByName("dot1dBaseNumPorts")->oid.child(0),
                    MibValue::integer(static_cast<std::int64_t>(ports_.size())));
}

void ViewerMibBuilder::buildPortRows()
{
    for (const Port &p : ports_) {
        const auto number = static_cast<SubId>(p.port.number);
        const Oid source = IfIndexColumn.child(number);
        addRow("dot3StatsEntry", Oid{number}, {{19, MibValue::integer(p.port.present ? 3 : 1)}});
        addRow("etherStatsEntry", Oid{static_cast<SubId>(p.rmonIndex)}, {{2, MibValue::objectId(source)}});
        addRow("dot1dTpPortEntry", Oid{number}, {});
        if (p.port.present && !p.faulty && static_cast<int>(histories_.size()) < HistoryEntries) {
            History history;
            history.index = static_cast<int>(histories_.size()) + 1;
            history.port = &p;
            addRow("historyControlEntry", Oid{static_cast<SubId>(history.index)},
                   {{2, MibValue::objectId(source)}});
            histories_.push_back(history);
        }
    }
}

void ViewerMibBuilder::buildForwarding()
{
    // The same stations as the Q-bridge filtering database: index FDB id
    // and MAC address there, MAC address here.
    const MibTableDef *qFdb = store_.schema().tableByName("dot1qTpFdbEntry");
    for (const Oid &index : store_.rowIndexes(*qFdb)) {
        if (index.size() != 7)
            continue;
        const Oid mac(index.data() + 1, 6);
        const MibInstance *port = store_.find(qFdb->entry + Oid{2} + index);
        std::string address;
        for (std::size_t i = 0; i < mac.size(); ++i)
            address.push_back(static_cast<char>(mac[i]));
        addRow("dot1dTpFdbEntry", mac,
               {{2, MibValue::integer(port ? port->current().signedNumber() : 0)},
                {1, MibValue::octets(address)}});
    }
}

void ViewerMibBuilder::tick(std::uint32_t uptime)
{
    drift_.tick();
    for (const Port &p : ports_) {
        if (p.faulty)
            countFaults(p);
        followTraffic(p);
    }
    closeBuckets(uptime);
}

void ViewerMibBuilder::countFaults(const Port &p)
{
    std::uniform_int_distribution<std::uint64_t> few(0, 3);
    const int n = p.port.number;
    const std::uint64_t fcs = few(random_), align = few(random_) / 2;
    write("ifEntry", 14, n, read("ifEntry", 14, n) + fcs + align);
    write("dot3StatsEntry", 3, n, read("dot3StatsEntry", 3, n) + fcs);
    write("dot3StatsEntry", 2, n, read("dot3StatsEntry", 2, n) + align);
    write("dot3StatsEntry", 18, n, read("dot3StatsEntry", 18, n) + few(random_) / 2);
    write("dot1dTpPortEntry", 5, n, read("dot1dTpPortEntry", 5, n) + fcs + align);
}

// The 32-bit and RMON views of what the 64-bit interface counters say.
void ViewerMibBuilder::followTraffic(const Port &p)
{
    const int n = p.port.number;
    const std::uint64_t inOctets = read("ifXEntry", 6, n), inUcast = read("ifXEntry", 7, n);
    const std::uint64_t outOctets = read("ifXEntry", 10, n), outUcast = read("ifXEntry", 11, n);
    const std::uint64_t inMulticast = read("ifXEntry", 2, n), inBroadcast = read("ifXEntry", 3, n);
    const std::uint64_t outMulticast = read("ifXEntry", 4, n), outBroadcast = read("ifXEntry", 5, n);
    write("ifEntry", 10, n, inOctets);
    write("ifEntry", 11, n, inUcast);
    write("ifEntry", 12, n, inMulticast + inBroadcast);
    write("ifEntry", 16, n, outOctets);
    write("ifEntry", 17, n, outUcast);
    write("ifEntry", 18, n, outMulticast + outBroadcast);
    const std::uint64_t inFrames = inUcast + inMulticast + inBroadcast;
    const std::uint64_t outFrames = outUcast + outMulticast + outBroadcast;
    write("dot1dTpPortEntry", 3, n, inFrames);
    write("dot1dTpPortEntry", 4, n, outFrames);

    const int r = p.rmonIndex;
    const std::uint64_t packets = inFrames + outFrames;
    write("etherStatsEntry", 4, r, inOctets + outOctets);
    write("etherStatsEntry", 5, r, packets);
    write("etherStatsEntry", 6, r, inBroadcast + outBroadcast);
    write("etherStatsEntry", 7, r, inMulticast + outMulticast);
    write("etherStatsEntry", 8, r, read("dot3StatsEntry", 2, n) + read("dot3StatsEntry", 3, n));
    for (SubId i = 0; i < 6; ++i)
        write("etherStatsEntry", 14 + i, r, packets * static_cast<std::uint64_t>(SizeShares[i]) / 1000);
}

void ViewerMibBuilder::closeBuckets(std::uint32_t uptime)
{
    for (History &history : histories_) {
        const auto interval = static_cast<std::uint32_t>(read("historyControlEntry", 5, history.index) *
                                                         100); // seconds to hundredths
        std::vector<std::uint64_t> counts;
        for (SubId column = 3; column <= 14; ++column)
            counts.push_back(read("etherStatsEntry", column, history.port->rmonIndex));
        if (history.startCounts.empty()) {
            history.startCounts = counts;
            history.intervalStart = uptime;
            continue;
        }
        if (interval == 0 || uptime < history.intervalStart + interval)
            continue;
        auto delta = [&](std::size_t i) { return (counts[i] - history.startCounts[i]) % Modulus32; };
        const double bits = double(delta(1)) * 8;
        const double capacity = double(interval) / 100 * (history.port->port.gigabit ? 1e9 : 1e8);
        const auto sample = static_cast<SubId>(++history.samples);
        addRow("etherHistoryEntry", Oid{static_cast<SubId>(history.index), sample},
               {{3, MibValue::unsignedNumber(MibType::TimeTicks, history.intervalStart)},
                {4, counter32(delta(0))},
                {5, counter32(delta(1))},
                {6, counter32(delta(2))},
                {7, counter32(delta(3))},
                {8, counter32(delta(4))},
                {9, counter32(delta(5))},
                {14, counter32(delta(10))},
                {15, MibValue::integer(static_cast<std::int64_t>(bits / capacity * 10000))}});
        if (history.samples > MaxBuckets)
            store_.removeRow(*store_.schema().tableByName("etherHistoryEntry"),
                             Oid{static_cast<SubId>(history.index), sample - MaxBuckets});
        history.startCounts = counts;
        history.intervalStart = uptime;
    }
}
