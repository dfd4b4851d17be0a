#pragma once

#include "SwitchModels.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class MibDataLoader;

// One port of one unit, numbered as the switch numbers it.
struct SwitchPort
{
    int unit = 0;
    int port = 0;     // 1-based on its unit
    int number = 0;   // switch-wide: unit x 50 + port, the master unit 15 counting as 0
    int bit = 0;      // bit of a port list: unit x 56 + port - 1, unit 15 counting as 0
    int portType = 0; // swPortInfoType
    int moduleType = 0;
    bool gigabit = false;
    bool present = true; // false for the ports of an empty slot
};

struct ScenarioUnit
{
    int id = 0;
    std::string modelText;
    SwitchModel model{};
    std::vector<const ModuleKind *> modules; // one per slot; nullptr = empty

    std::vector<SwitchPort> ports() const;
};

// A switch to simulate: its units with their modules, the port that shows a
// fault, and any MIB statements that override the generated data.
//
//   unit ID MODEL [MODULE ...] [ports=N]   (ports= only for unknown models)
//   fault UNIT PORT
//   include SCENARIO
//   any MibDataLoader statement (applied after the switch data is built)
class Scenario
{
public:
    // Reads a scenario from its text; `resolve` returns the text of an
    // included scenario by name. Throws std::runtime_error on errors.
    using Resolver = std::function<std::string(const std::string &name)>;
    void load(std::string_view text, const std::string &source, const Resolver &resolve);

    const std::vector<ScenarioUnit> &units() const { return units_; }
    const std::vector<std::pair<int, int>> &faults() const { return faults_; }
    std::vector<SwitchPort> allPorts() const;

    void applyOverrides(MibDataLoader &loader) const;

    // Port numbering of the switch.
    static int portNumber(int unit, int port);
    static int portListBit(int unit, int port);

private:
    struct Override
    {
        std::string source;
        std::string line;
    };

    void unit(const std::vector<std::string> &words);

    std::vector<ScenarioUnit> units_;
    std::vector<std::pair<int, int>> faults_;
    std::vector<Override> overrides_;
    int includeDepth_ = 0;
};
