// Every view of every viewer menu entry, opened against qgsim, shows what
// snmpwalk reads from the same agent; the MIB-II and IF-MIB views also
// against Debian's snmpd.
#include "KtSNMPEngine.h"
#include "KtViewModel.h"
#include "QgSimProcess.h"
#include "SnmpdProcess.h"
#include "TMibViewerForm.h"
#include "ViewerTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ViewsAgainstAgentsTest : public ViewerTest
{
protected:
    // Opens the view against the agent at port and compares every section
    // with snmpwalk; returns the differences.
    static QStringList Differences(const KtViewDef &view, quint16 port, int version)
    {
        UseAgent(port, version);
        QVector<SectionWalks> walks;
        for (const KtViewSection *section = view.Sections; section->Title; ++section)
            walks.append({WalkSection(port, *section, version), {}});
        TMibViewerForm form(view, version);
        form.show();
        if (!WaitUntil([&] { return form.ReadsDone() > 0; }, 30000))
            return {QStringLiteral("no read finished")};
        QStringList differences;
        // A value the agent lacks shows and exports as an empty cell, never
        // as the request engine's marker.
        const QString csv = form.AllSectionsCsv();
        for (const char *marker : {"(NULL)", "(NOTDONE)"})
            if (csv.contains(QLatin1String(marker)))
                differences << QStringLiteral("the CSV holds %1").arg(QLatin1String(marker));
        for (int i = 0; i < form.SectionCount(); ++i) {
            walks[i].After = WalkSection(port, view.Sections[i], version);
            for (const QString &difference : SectionDifferences(*form.Model(i), walks[i]))
                differences << QString::fromUtf8(view.Sections[i].Title) + QStringLiteral(": ") + difference;
        }
        return differences;
    }
};

TEST_F(ViewsAgainstAgentsTest, EveryMenuEntryShowsWhatTheSimulatorHolds)
{
    QgSimProcess sim({"--static-leds", "--fdb-rows", "30"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    const std::vector<const KtMenuItem *> entries = ViewerMenuEntries();
    for (const KtMenuItem *entry : entries) {
        const KtViewDef *view = FindView(QString::fromLatin1(entry->Argument));
        ASSERT_TRUE(view) << entry->Argument;
        const QStringList differences = Differences(*view, sim.Port(), 1);
        EXPECT_TRUE(differences.isEmpty()) << entry->Argument << "\n"
                                           << differences.mid(0, 10).join('\n').toStdString();
    }
}

TEST_F(ViewsAgainstAgentsTest, TablesAreNotEmptyOnTheSimulator)
{
    // Guards the comparison above against two empty walks agreeing: every
    // table of every view has rows on the simulated switch.
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    UseAgent(sim.Port());
    for (const KtViewDef *table : KtViewTables)
        for (const KtViewDef *view = table; view->Name; ++view) {
            if (QLatin1String(view->Name) == QLatin1String("Rmon_History"))
                continue; // its buckets come with time; see RmonHistoryBucketsFillOverTime
            TMibViewerForm form(*view, 1);
            ASSERT_TRUE(WaitUntil([&] { return form.ReadsDone() > 0; }, 30000)) << view->Name;
            for (int i = 0; i < form.SectionCount(); ++i)
                EXPECT_GT(form.Model(i)->rowCount(), 0) << view->Name << " " << view->Sections[i].Title;
        }
}

TEST_F(ViewsAgainstAgentsTest, InterfaceCountersUseThe32BitTableOverSnmpV1)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start());
    const KtViewDef *view = FindView("MIB_IFCounters");
    EXPECT_TRUE(Differences(*view, sim.Port(), 0).isEmpty());
    TMibViewerForm v1(*view, 0), v2(*view, 1);
    EXPECT_EQ(v1.Model(0)->Vars().Get(v1.Model(0)->CounterVars().first()).Name, "ifInOctets");
    EXPECT_EQ(v2.Model(0)->Vars().Get(v2.Model(0)->CounterVars().first()).Name, "ifHCInOctets");
}

TEST_F(ViewsAgainstAgentsTest, MibTwoAndIfViewsShowWhatSnmpdHolds)
{
    SnmpdProcess snmpd;
    ASSERT_TRUE(snmpd.Start());
    for (const KtMenuItem *entry : ViewerMenuEntries()) {
        const QString argument = QString::fromLatin1(entry->Argument);
        if (!argument.startsWith("/TMIB_") && !argument.startsWith("/TIFMib_"))
            continue;
        const QStringList differences = Differences(*FindView(argument), snmpd.Port(), 1);
        EXPECT_TRUE(differences.isEmpty()) << entry->Argument << "\n"
                                           << differences.mid(0, 10).join('\n').toStdString();
    }
}

} // namespace
