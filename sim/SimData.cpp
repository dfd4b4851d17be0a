#include "SimData.h"

#include "MibDataLoader.h"
#include "MibStore.h"
#include "SwitchBuilder.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

std::string SimData::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll().toStdString();
}

std::string SimData::scenarioText(const std::string &nameOrPath)
{
    QString builtIn = QString(":/qgsim/scenarios/%1.scenario").arg(QString::fromStdString(nameOrPath));
    if (QFile::exists(builtIn))
        return read(builtIn);
    if (QFile::exists(QString::fromStdString(nameOrPath)))
        return read(QString::fromStdString(nameOrPath));
    throw std::runtime_error("no scenario " + nameOrPath + " (built in: stack, single, all-models, big)");
}

Scenario SimData::buildSwitch(MibDataLoader &loader, MibStore &store, const std::string &scenarioName,
                              int fdbRows)
{
    loader.load(read(":/qgsim/data/objects.txt"), "objects.txt");

    Scenario scenario;
    scenario.load(scenarioText(scenarioName), scenarioName, scenarioText);
    if (scenario.units().empty())
        throw std::runtime_error("the scenario has no units");
    SwitchBuilder(store, scenario).build(fdbRows);

    // The window data comes after the switch, so that its per-port tables
    // can follow the switch's ports (foreach swPortInfoEntry ...).
    loader.define(
        "allports",
        "0x" + QByteArray::fromStdString(SwitchBuilder::portList(scenario.allPorts())).toHex().toStdString());
    for (const QString &name : QDir(QStringLiteral(":/qgsim/windows")).entryList(QDir::Files, QDir::Name))
        loader.load(read(QStringLiteral(":/qgsim/windows/") + name), name.toStdString());
    return scenario;
}
