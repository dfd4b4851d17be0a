#include "SwitchBuilder.h"

#include <stdexcept>

namespace {

// swUnitMgmtCurrentMode values.
constexpr int StandAlone = 3, Master = 4, Slave = 5;
constexpr std::size_t PortListOctets = 91;
constexpr int DefaultVlan = 1;

MibValue integer(std::int64_t n)
{
    return MibValue::integer(n);
}

MibValue text(std::string s)
{
    return MibValue::octets(std::move(s));
}

MibValue gauge(std::uint64_t n)
{
    return MibValue::unsignedNumber(MibType::Gauge32, n);
}

} // namespace

std::string SwitchBuilder::unitMac(int unit)
{
    // Locally administered addresses: 02-4b-54 ("KT"), then the unit.
    return std::string{'\x02', '\x4b', '\x54', '\x00', static_cast<char>(unit), '\x00'};
}

std::string SwitchBuilder::portList(const std::vector<SwitchPort> &ports)
{
    std::string octets(PortListOctets, '\0');
    for (const SwitchPort &port : ports)
        if (port.bit >= 0 && static_cast<std::size_t>(port.bit / 8) < octets.size())
            octets[port.bit / 8] = static_cast<char>(octets[port.bit / 8] | (0x80 >> (port.bit % 8)));
    return octets;
}

const MibTableDef &SwitchBuilder::table(std::string_view name) const
{
    const MibTableDef *def = store_.schema().tableByName(name);
    if (!def)
        throw std::runtime_error("the data files define no table " + std::string(name));
    return *def;
}

Oid SwitchBuilder::instanceOf(std::string_view scalar) const
{
    const MibObjectDef *def = store_.schema().objectByName(scalar);
    if (!def)
        throw std::runtime_error("the data files define no object " + std::string(scalar));
    return def->oid.child(0);
}

void SwitchBuilder::addRow(std::string_view name, const Oid &index, const MibStore::ColumnValues &values)
{
    if (!store_.addRow(table(name), index, values))
        throw std::runtime_error("row " + index.toString() + " of " + std::string(name) + " given twice");
}

void SwitchBuilder::build(int fdbRows)
{
    buildUnits();
    buildPorts();
    buildVlans();
    buildFdb(fdbRows);
}

void SwitchBuilder::buildUnits()
{
    const auto &units = scenario_.units();
    for (std::size_t i = 0; i < units.size(); ++i) {
        const ScenarioUnit &unit = units[i];
        int mode = units.size() == 1 ? StandAlone : (i == 0 ? Master : Slave);
        addRow("swUnitMgmtEntry", Oid{static_cast<SubId>(unit.id)},
               {{1, integer(unit.id)},
                {2, text(unitMac(unit.id))},
                {3, integer(1)},
                {4, integer(unit.model.portCount())},
                {7, integer(mode)},
                {9, text(unit.modelText)}});
    }
}

void SwitchBuilder::buildPorts()
{
    int total = 0, present = 0;
    for (const ScenarioUnit &unit : scenario_.units()) {
        for (const SwitchPort &port : unit.ports()) {
            Oid index{static_cast<SubId>(port.number)};
            addRow("swPortInfoEntry", index,
                   {{1, integer(port.number)},
                    {2, integer(port.unit)},
                    {3, integer(port.portType)},
                    {6, integer(port.moduleType)}});
            addRow("swPortCtrlEntry", index, {{1, integer(port.number)}, {2, integer(port.unit)}});

            std::string mac = unitMac(port.unit);
            mac[5] = static_cast<char>(port.port);
            std::uint64_t speed = port.gigabit ? 1000 : 100;
            std::string name = std::to_string(port.unit) + "/" + std::to_string(port.port);
            addRow("ifEntry", index,
                   {{1, integer(port.number)},
                    {2, text(unit.modelText + " unit " + std::to_string(port.unit) + " port " +
                             std::to_string(port.port))},
                    {5, gauge(speed * 1000000)},
                    {6, text(mac)},
                    {8, integer(port.present ? 2 : 6)}});
            addRow("ifXEntry", index,
                   {{1, text(name)}, {15, gauge(speed)}, {17, integer(port.present ? 1 : 2)}});
            ++total;
            present += port.present;
        }
    }
    store_.setValue(instanceOf("ifNumber"), integer(total));
    store_.setValue(instanceOf("swDevTotalNumOfPort"), integer(total));
    store_.setValue(instanceOf("swDevNumOfPortInUse"), integer(present));
}

void SwitchBuilder::buildVlans()
{
    std::vector<SwitchPort> members;
    for (const SwitchPort &port : scenario_.allPorts())
        if (port.present)
            members.push_back(port);
    std::string ports = portList(members);
    addRow("dot1qVlanStaticEntry", Oid{DefaultVlan},
           {{1, text("default")}, {2, text(ports)}, {4, text(ports)}, {5, integer(1)}});
    addRow("dot1qVlanCurrentEntry", Oid{0, DefaultVlan},
           {{3, gauge(DefaultVlan)}, {4, text(ports)}, {5, text(ports)}});
}

void SwitchBuilder::buildFdb(int rows)
{
    std::vector<SwitchPort> ports;
    for (const SwitchPort &port : scenario_.allPorts())
        if (port.present)
            ports.push_back(port);
    if (ports.empty() || rows <= 0)
        return;
    addRow("dot1qFdbEntry", Oid{DefaultVlan}, {{2, MibValue::unsignedNumber(MibType::Counter32, rows)}});
    for (int i = 0; i < rows; ++i) {
        // Learned stations: 00-1b-21 and a running number.
        Oid index{DefaultVlan,
                  0x00,
                  0x1b,
                  0x21,
                  static_cast<SubId>((i >> 16) & 0xff),
                  static_cast<SubId>((i >> 8) & 0xff),
                  static_cast<SubId>(i & 0xff)};
        addRow("dot1qTpFdbEntry", index,
               {{2, integer(ports[static_cast<std::size_t>(i) % ports.size()].number)}});
    }
}
