#pragma once

#include "MibStore.h"
#include "Scenario.h"

#include <string_view>

// Fills the store's tables from the scenario's units: the unit, port and
// port-configuration tables, the interface tables, VLAN 1 with every port,
// and the filtering database.
class SwitchBuilder
{
public:
    SwitchBuilder(MibStore &store, const Scenario &scenario) : store_(store), scenario_(scenario) {}

    void build(int fdbRows);

    // A unit's base MAC address; ports and FDB entries derive from it.
    static std::string unitMac(int unit);
    // The port-list value (91 octets) with the bits of the given ports set.
    static std::string portList(const std::vector<SwitchPort> &ports);

private:
    const MibTableDef &table(std::string_view name) const;
    Oid instanceOf(std::string_view scalar) const;
    void addRow(std::string_view table, const Oid &index, const MibStore::ColumnValues &values);
    void buildUnits();
    void buildPorts();
    void buildVlans();
    void buildFdb(int rows);

    MibStore &store_;
    const Scenario &scenario_;
};
