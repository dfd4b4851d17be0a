#pragma once

#include "KtMenuCatalogue.h"
#include "KtViewCatalogue.h"
#include "QgWait.h"

#include <QMap>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

class KtViewModel;

// A fixture base for the viewer's window tests: the engine started once per
// suite as qgview starts it (with a state directory of the suite's own), the
// views' settings in a directory of the suite's own, cleared before each
// test, and the defaults pointed at an agent.
class ViewerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    // Reads with community public, SNMPv1 for version 0, else SNMPv2c.
    static void UseAgent(quint16 port, int version = 1);
};

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
