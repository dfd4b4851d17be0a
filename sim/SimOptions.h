#pragma once

#include "SnmpAgent.h"
#include "WalkQuirks.h"

#include <cstdint>
#include <optional>
#include <string>

class QCoreApplication;

// The simulator's command line.
struct SimOptions
{
    AgentSettings agent;
    std::string scenario = "stack";
    std::uint32_t seed = 0;
    bool seedGiven = false;
    bool staticLeds = false;
    int ledIntervalMs = 3000;
    int fdbRows = 50;
    std::optional<std::string> stuckWalk;
    WalkQuirks walkQuirks;
    bool printCatalogueData = false;

    // Parses the application's arguments; prints help or errors and exits
    // the process for --help and bad arguments.
    static SimOptions parse(const QCoreApplication &app);
};
