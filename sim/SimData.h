#pragma once

#include "Scenario.h"

#include <QString>

#include <string>

class MibDataLoader;
class MibStore;

// The data compiled into the simulator as Qt resources (the programs that
// read it link qgsimresources): the hand-written data files, data/objects.txt
// and data/windows/*.txt, and the built-in scenarios.
//
//   MibStore store;
//   MibDataLoader loader(store);
//   Scenario scenario = SimData::buildSwitch(loader, store, "stack", 50);
class SimData
{
public:
    // The whole of a resource or file; throws std::runtime_error when it
    // cannot be read.
    static std::string read(const QString &path);
    // A built-in scenario by name, or a scenario file by path.
    static std::string scenarioText(const std::string &nameOrPath);
    // Loads the hand-written data files and builds the scenario's switch:
    // what the store holds before the objects derived from the menu
    // catalogue are loaded.
    static Scenario buildSwitch(MibDataLoader &loader, MibStore &store, const std::string &scenario,
                                int fdbRows);
};
