// qgsimdata: writes the objects that qgsim serves for the windows of the menu
// catalogue, derived from the catalogue's descriptor tables, to a data file
// (sim/data/catalogue.txt, which qgsim compiles in) or to standard output.
// The file is committed: a change of the catalogue shows as a change of the
// objects the simulator serves, and the tests fail until it is regenerated.
//
//   qgsimdata [FILE]
#include "CatalogueMibData.h"
#include "MibDataLoader.h"
#include "MibStore.h"
#include "SimData.h"
#include "SimOptions.h"
#include "SnmpAgent.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>
#include <exception>

namespace {

// The index of the agent library's target table: its rows are written into
// the agent's configuration at start-up, not held by the store.
const Oid SnmpTargetAddrName{1, 3, 6, 1, 6, 3, 12, 1, 2, 1, 1};

// The store as qgsim holds it when it loads the file: the hand-written data
// and the default switch, whose row indexes the file names only by row.
std::string catalogueData()
{
    const SimOptions defaults;
    MibStore store;
    MibDataLoader loader(store);
    SimData::buildSwitch(loader, store, defaults.scenario, defaults.fdbRows);
    return CatalogueMibData(store, {{SnmpTargetAddrName, SnmpAgent::targetNames()}}).text();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2 || (args.size() == 2 && args[1].startsWith('-'))) {
        std::fprintf(stderr, "usage: qgsimdata [FILE]\n");
        return 2;
    }
    try {
        const std::string text = catalogueData();
        if (args.size() == 1) {
            std::fwrite(text.data(), 1, text.size(), stdout);
            return std::ferror(stdout) ? 1 : 0;
        }
        QSaveFile file(args[1]);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit()) {
            std::fprintf(stderr, "qgsimdata: cannot write %s\n", qPrintable(args[1]));
            return 1;
        }
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "qgsimdata: %s\n", error.what());
        return 1;
    }
}
