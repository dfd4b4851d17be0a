// qgsim: a simulated Keltra switch stack behind a real SNMP agent.

#include "AgentMibHandler.h"
#include "CounterDrift.h"
#include "LedAnimator.h"
#include "MibDataLoader.h"
#include "MibStore.h"
#include "Scenario.h"
#include "SimData.h"
#include "SimOptions.h"
#include "SnmpAgent.h"
#include "SwitchClock.h"
#include "SystemNameMirror.h"
#include "ViewerMibBuilder.h"
#include "VlanMirror.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace {

// The Counter32 and Counter64 objects among the given ones.
std::vector<Oid> countersOf(const std::vector<const MibObjectDef *> &objects)
{
    std::vector<Oid> counters;
    for (const MibObjectDef *object : objects)
        if (object->type == MibType::Counter32 || object->type == MibType::Counter64)
            counters.push_back(object->oid);
    return counters;
}

// The state directory: the given one, or a fresh temporary one that is
// removed again at exit.
class StateDirectory
{
public:
    explicit StateDirectory(std::string &dir)
    {
        if (!dir.empty()) {
            std::filesystem::create_directories(dir);
            return;
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "qgsim-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary state directory");
        dir = temporary_ = pattern;
    }
    ~StateDirectory()
    {
        std::error_code ignored;
        if (!temporary_.empty())
            std::filesystem::remove_all(temporary_, ignored);
    }

private:
    std::string temporary_;
};

int simulate(SimOptions &options)
{
    StateDirectory state(options.agent.stateDir);
    // What the menu windows read and the hand-written data leaves out,
    // derived from the menu catalogue by qgsimdata.
    const std::string catalogueData = SimData::read(":/qgsim/data/catalogue.txt");
    if (options.printCatalogueData) {
        std::fputs(catalogueData.c_str(), stdout);
        return 0;
    }
    MibStore store;
    MibDataLoader loader(store);
    const Scenario scenario = SimData::buildSwitch(loader, store, options.scenario, options.fdbRows);
    MibDataLoader catalogue(store);
    catalogue.load(catalogueData, "catalogue.txt");
    store.setProvider(store.schema().objectByName("sysUpTime")->oid.child(0),
                      [] { return MibValue::unsignedNumber(MibType::TimeTicks, SnmpAgent::uptime()); });

    std::uint32_t seed = options.seedGiven ? options.seed : std::random_device{}();
    LedAnimator leds(store, scenario, seed);
    CounterDrift counters(store, countersOf(catalogue.objects()), seed);
    ViewerMibBuilder viewerObjects(store, scenario, seed);
    viewerObjects.build();
    scenario.applyOverrides(loader);
    VlanMirror vlans(store, &SnmpAgent::uptime);
    store.addListener(&vlans);
    store.addListener(&leds);
    SystemNameMirror names(store);
    store.addListener(&names);

    AgentMibHandler handler(store);
    handler.setQuirks(options.walkQuirks);
    if (options.stuckWalk) {
        auto subtree = Oid::parse(*options.stuckWalk);
        if (!subtree)
            throw std::runtime_error("--stuck-walk needs an OID");
        handler.setStuckWalk(*subtree);
    }
    SnmpAgent agent(handler, options.agent);
    agent.start();
    // After the start, from which the agent counts its uptime.
    SwitchClock clock(store, &SnmpAgent::uptime);
    store.addListener(&clock);
    std::printf("listening on %s\n", agent.listeningAddress().c_str());
    std::fflush(stdout);
    if (!options.staticLeds)
        agent.every(std::chrono::milliseconds(options.ledIntervalMs), [&leds, &counters, &viewerObjects] {
            leds.tick();
            counters.tick();
            viewerObjects.tick(SnmpAgent::uptime());
        });
    agent.run();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("qgsim");
    QCoreApplication::setApplicationVersion(QG_VERSION);
    SimOptions options = SimOptions::parse(app);
    try {
        return simulate(options);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "qgsim: %s\n", error.what());
        return 1;
    }
}
