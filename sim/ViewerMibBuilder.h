#pragma once

#include "CounterDrift.h"
#include "MibStore.h"
#include "Scenario.h"

#include <cstdint>
#include <vector>

// The per-port objects the MIB viewer shows, made from the scenario's ports:
// the Ethernet statistics (EtherLike), RMON statistics and history, and the
// bridge's transparent forwarding and port tables. On every tick the
// 32-bit interface counters follow the 64-bit ones the traffic grows, the
// RMON, EtherLike and bridge counters follow those, the port that shows a
// fault gathers a few errors, and the RMON history gets a new bucket per
// interval. The scalar counters of the routing groups drift.
class ViewerMibBuilder
{
public:
    // Ports watched by an RMON history entry.
    static constexpr int HistoryEntries = 2;
    static constexpr int MaxBuckets = 50;

    ViewerMibBuilder(MibStore &store, const Scenario &scenario, std::uint32_t seed);

    // Adds the rows; the forwarding table copies the Q-bridge filtering
    // database, so that must be built first.
    void build();
    // uptime: the agent's sysUpTime in hundredths.
    void tick(std::uint32_t uptime);

private:
    struct Port
    {
        SwitchPort port;
        bool faulty = false;
        int rmonIndex = 0;
    };
    struct History
    {
        int index = 0;
        const Port *port = nullptr;
        int samples = 0;
        std::uint32_t intervalStart = 0;
        std::vector<std::uint64_t> startCounts; // etherStats columns 3..14 at the interval's start
    };

    Oid cell(std::string_view table, SubId column, const Oid &index) const;
    std::uint64_t read(std::string_view table, SubId column, int index) const;
    void write(std::string_view table, SubId column, int index, std::uint64_t value);
    void addRow(std::string_view table, const Oid &index, const MibStore::ColumnValues &values);
    void buildPortRows();
    void buildForwarding();
    void followTraffic(const Port &port);
    void countFaults(const Port &port);
    void closeBuckets(std::uint32_t uptime);

    MibStore &store_;
    std::vector<Port> ports_;
    std::vector<History> histories_;
    CounterDrift drift_;
    std::mt19937 random_;
};
