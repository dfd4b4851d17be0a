#pragma once

#include "KtMenuCatalogue.h"
#include "KtViewCatalogue.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMap>
#include <QString>
#include <functional>
#include <vector>

class KtViewModel;

// Processes events until the condition holds or the limit passes.
bool WaitFor(const std::function<bool()> &condition, int limitMs = 30000);

// Every menu entry that starts a MIB viewer, in menu order.
std::vector<const KtMenuItem *> ViewerMenuEntries();

// snmpwalk -On -Oq -Ot -Ox -Oe of a subtree: instance OID (no leading dot)
// to value text (numbers, dotted addresses and OIDs, hex digits of strings).
QMap<QString, QString> SnmpWalk(quint16 port, const QString &oid, int version);

// What the agent holds for every variable a view's section reads, walked
// before and after the view read it: counters and uptimes may move between.
struct SectionWalks
{
    QMap<QString, QString> Before;
    QMap<QString, QString> After;
};
QMap<QString, QString> WalkSection(quint16 port, const KtViewSection &section, int version);

// Compares a section's model with the walks; returns the differences, one
// line each (empty when the view shows what the agent holds).
QStringList SectionDifferences(const KtViewModel &model, const SectionWalks &walks);
