// qgsim: a simulated Keltra switch stack behind a real SNMP agent.

#include "AgentMibHandler.h"
#include "CatalogueMibData.h"
#include "CounterDrift.h"
#include "LedAnimator.h"
#include "MibDataLoader.h"
#include "MibStore.h"
#include "Scenario.h"
#include "SimOptions.h"
#include "SnmpAgent.h"
#include "SwitchBuilder.h"
#include "ViewerMibBuilder.h"
#include "VlanMirror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace {

std::string readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll().toStdString();
}

// A built-in scenario by name, or a scenario file by path.
std::string scenarioText(const std::string &nameOrPath)
{
    QString builtIn = QString(":/qgsim/scenarios/%1.scenario").arg(QString::fromStdString(nameOrPath));
    if (QFile::exists(builtIn))
        return readFile(builtIn);
    if (QFile::exists(QString::fromStdString(nameOrPath)))
        return readFile(QString::fromStdString(nameOrPath));
    throw std::runtime_error("no scenario " + nameOrPath + " (built in: stack, single, all-models, big)");
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
    MibStore store;
    MibDataLoader loader(store);
    loader.load(readFile(":/qgsim/data/objects.txt"), "objects.txt");
    for (const QString &name : QDir(QStringLiteral(":/qgsim/windows")).entryList(QDir::Files, QDir::Name))
        loader.load(readFile(QStringLiteral(":/qgsim/windows/") + name), name.toStdString());

    Scenario scenario;
    scenario.load(scenarioText(options.scenario), options.scenario, scenarioText);
    if (scenario.units().empty())
        throw std::runtime_error("the scenario has no units");
    SwitchBuilder(store, scenario).build(options.fdbRows);
    // What the menu windows read and the data files leave out.
    CatalogueMibData::IndexTexts targets{{Oid{1, 3, 6, 1, 6, 3, 12, 1, 2, 1, 1}, SnmpAgent::targetNames()}};
    CatalogueMibData catalogue(store, targets);
    if (options.printCatalogueData) {
        std::fputs(catalogue.text().c_str(), stdout);
        return 0;
    }
    loader.load(catalogue.text(), "catalogue");
    store.setProvider(store.schema().objectByName("sysUpTime")->oid.child(0),
                      [] { return MibValue::unsignedNumber(MibType::TimeTicks, SnmpAgent::uptime()); });

    std::uint32_t seed = options.seedGiven ? options.seed : std::random_device{}();
    LedAnimator leds(store, scenario, seed);
    CounterDrift counters(store, catalogue.counters(), seed);
    ViewerMibBuilder viewerObjects(store, scenario, seed);
    viewerObjects.build();
    scenario.applyOverrides(loader);
    VlanMirror vlans(store, &SnmpAgent::uptime);
    store.addListener(&vlans);

    AgentMibHandler handler(store);
    if (options.stuckWalk) {
        auto subtree = Oid::parse(*options.stuckWalk);
        if (!subtree)
            throw std::runtime_error("--stuck-walk needs an OID");
        handler.setStuckWalk(*subtree);
    }
    SnmpAgent agent(handler, options.agent);
    agent.start();
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
    SimOptions options = SimOptions::parse(app);
    try {
        return simulate(options);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "qgsim: %s\n", error.what());
        return 1;
    }
}
