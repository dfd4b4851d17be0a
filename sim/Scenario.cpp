#include "Scenario.h"

#include "MibDataLoader.h"

#include <algorithm>
#include <stdexcept>

namespace {

// Port-type and module-type values of the ports of an empty slot.
constexpr int PortTypeNone = 12, ModuleTypeNone = 0;
constexpr int Tx1000 = 4;
constexpr int MasterUnit = 15;

int toInt(const std::string &text)
{
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception &) {
        used = 0;
    }
    if (used != text.size() || text.empty())
        throw std::runtime_error("not a number: " + text);
    return value;
}

} // namespace

int Scenario::portNumber(int unit, int port)
{
    return (unit == MasterUnit ? 0 : unit) * 50 + port;
}

int Scenario::portListBit(int unit, int port)
{
    return (unit == MasterUnit ? 0 : unit) * 56 + port - 1;
}

std::vector<SwitchPort> ScenarioUnit::ports() const
{
    std::vector<SwitchPort> ports;
    auto add = [&](int portType, int moduleType, bool gigabit, bool present) {
        SwitchPort p;
        p.unit = id;
        p.port = static_cast<int>(ports.size()) + 1;
        p.number = Scenario::portNumber(id, p.port);
        p.bit = Scenario::portListBit(id, p.port);
        p.portType = portType;
        p.moduleType = moduleType;
        p.gigabit = gigabit;
        p.present = present;
        ports.push_back(p);
    };
    for (int i = 0; i < model.basePorts; ++i)
        add(model.basePortType, model.baseModuleType, model.baseGigabit, true);
    for (int i = 0; i < model.uplinkPorts; ++i)
        add(Tx1000, ModuleTypeNone, true, true);
    for (int slot = 0; slot < model.slots; ++slot) {
        const ModuleKind *module = slot < static_cast<int>(modules.size()) ? modules[slot] : nullptr;
        for (int i = 0; i < model.portsPerSlot; ++i) {
            if (module && i < module->portCount)
                add(module->portType, module->moduleType, module->gigabit, true);
            else
                add(PortTypeNone, ModuleTypeNone, false, false);
        }
    }
    return ports;
}

void Scenario::load(std::string_view text, const std::string &source, const Resolver &resolve)
{
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        std::string where = source + ":" + std::to_string(lineNumber);
        try {
            std::vector<std::string> words;
            for (const DataToken &token : MibDataLoader::tokenize(line))
                words.push_back(token.text);
            if (words.empty())
                continue;
            if (words[0] == "unit") {
                unit(words);
            } else if (words[0] == "fault" && words.size() == 3) {
                faults_.emplace_back(toInt(words[1]), toInt(words[2]));
            } else if (words[0] == "include" && words.size() == 2) {
                if (++includeDepth_ > 8)
                    throw std::runtime_error("scenarios include each other");
                load(resolve(words[1]), words[1], resolve);
                --includeDepth_;
            } else {
                overrides_.push_back(Override{where, line});
            }
        } catch (const std::runtime_error &error) {
            std::string message = error.what();
            throw std::runtime_error(message.starts_with(where) ? message : where + ": " + message);
        }
    }
}

void Scenario::unit(const std::vector<std::string> &words)
{
    if (words.size() < 3)
        throw std::runtime_error("expected: unit ID MODEL [MODULE ...]");
    ScenarioUnit unit;
    unit.id = toInt(words[1]);
    if (unit.id < 1 || unit.id > 15 || (unit.id > 12 && unit.id != MasterUnit))
        throw std::runtime_error("unit numbers are 1 to 12 and 15");
    if (std::any_of(units_.begin(), units_.end(), [&](const ScenarioUnit &u) { return u.id == unit.id; }))
        throw std::runtime_error("unit " + words[1] + " given twice");
    unit.modelText = words[2];
    const SwitchModel *model = SwitchModels::model(unit.modelText);
    unit.model = model ? *model : SwitchModels::generic(nullptr, 24);
    for (std::size_t i = 3; i < words.size(); ++i) {
        if (!model && words[i].starts_with("ports=")) {
            unit.model = SwitchModels::generic(nullptr, toInt(words[i].substr(6)));
            if (unit.model.basePorts < 1 || unit.model.basePorts > 50)
                throw std::runtime_error("a unit has 1 to 50 ports");
        } else if (const ModuleKind *module = SwitchModels::module(words[i])) {
            unit.modules.push_back(module);
        } else if (words[i] == "-") {
            unit.modules.push_back(nullptr);
        } else {
            throw std::runtime_error("unknown module: " + words[i]);
        }
    }
    if (static_cast<int>(unit.modules.size()) > unit.model.slots)
        throw std::runtime_error(unit.modelText + " has " + std::to_string(unit.model.slots) +
                                 " module slot(s)");
    units_.push_back(std::move(unit));
}

std::vector<SwitchPort> Scenario::allPorts() const
{
    std::vector<SwitchPort> ports;
    for (const ScenarioUnit &unit : units_)
        for (const SwitchPort &port : unit.ports())
            ports.push_back(port);
    return ports;
}

void Scenario::applyOverrides(MibDataLoader &loader) const
{
    for (const Override &override : overrides_) {
        try {
            loader.load(override.line, override.source);
        } catch (const std::runtime_error &error) {
            // The loader counts lines from 1 within the single line it got.
            std::string message = error.what();
            std::string prefix = override.source + ":1: ";
            if (message.starts_with(prefix))
                message = override.source + ": " + message.substr(prefix.size());
            throw std::runtime_error(message);
        }
    }
}
