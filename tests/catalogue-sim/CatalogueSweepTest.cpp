// Every editor and list window of the menu catalogue, and the port buttons'
// windows, read from qgsim exactly as the windows read them: scalars with one
// get, tables with a get-next walk of the readable columns until every
// column has left the table.
#include "CatalogueWindows.h"
#include "KtException.h"
#include "KtMainWindowTables.h"
#include "KtMenuCatalogue.h"
#include "KtSNMPRequest.h"
#include "QgSimProcess.h"
#include "QgSimSuite.h"
#include "QgWait.h"

#include <QElapsedTimer>
#include <QSet>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// A port of the default stack (unit 1, port 1) for the port windows.
constexpr const char *PortInstance = "51";
// More rows than any table of the simulator has: a walk that goes on
// longer loops.
constexpr int MaxRows = 2000;

// Windows that cannot pass every check against an agent that implements
// the MIB as written, and why.
struct KnownFault
{
    const char *path;
    const char *why;
};

// Their index variables may leave their columns (the values still come
// from the instance); every other check of a read holds.
constexpr KnownFault IndexColumnsNotAccessible[] = {
    {"SNMP V3 > User-based Security Model > User Table",
     "reads usmUserEngineID and usmUserName, which are not-accessible (RFC 3414)"},
};

// Writing back what they read is refused by the agent library's own
// modules, as by any agent built on it.
constexpr KnownFault WriteBackRefused[] = {
    {"SNMP V3 > SNMP Target MIB > Target Address Table",
     "snmpTargetAddrTDomain, TAddress and Params cannot change while the row is active"},
    {"SNMP V3 > SNMP Target MIB > Target Parameters",
     "the model, security name and level cannot change while the row is active"},
    {"SNMP V3 > User-based Security Model > User Table",
     "the key-change objects read as empty, and an empty KeyChange is refused (wrongLength)"},
};

// Adding a row is refused by the agent library's own modules.
constexpr KnownFault RowCreationRefused[] = {
    {"SNMP V3 > User-based Security Model > User Table",
     "a new user needs key changes; the empty ones read from another user are refused (wrongLength)"},
    {"SNMP V3 > View-base Access Control Mode > Access Table",
     "vacmAccessStatus refuses createAndGo and createAndWait (inconsistentValue)"},
};

template <std::size_t N> bool Lists(const KnownFault (&faults)[N], const QString &path)
{
    for (const KnownFault &fault : faults)
        if (path == fault.path)
            return true;
    return false;
}

bool HasCounter64(const KtSNMPVarDef *vars)
{
    for (const KtSNMPVarDef *var = vars; var->Oid; ++var)
        if (var->Syntax == SyntaxCounter64)
            return true;
    return false;
}

// Octet types read an exception as an empty string; the others show it as
// "(NULL)".
bool ShowsNull(KtSyntax syntax)
{
    return syntax != SyntaxBits && syntax != SyntaxOctets && syntax != SyntaxOpaque &&
           syntax != SyntaxMacAddress;
}

class CatalogueSweepTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { StartEngine(); }

    // The request a window would make. SNMPv1 where the list allows it, so
    // that a missing object is an error status whatever its type; SNMPv2c
    // for 64-bit counters, as the "IfX Table" window does.
    static std::unique_ptr<KtSNMPRequest> Request(const CatalogueWindow &window, quint16 port)
    {
        auto request = std::make_unique<KtSNMPRequest>();
        request->Device = {"127.0.0.1", port};
        request->Security.Version = HasCounter64(window.vars) ? 1 : 0;
        request->Security.ReadCommunity = "public";
        request->Security.WriteCommunity = "private";
        request->TimeOut = 300;
        request->Vars = KtSNMPVarList(window.vars, window.kind, window.indexCount);
        if (window.portInstance)
            request->Vars.Instance = PortInstance;
        return request;
    }

    static QString BaseOid(const KtSNMPVarList &vars, int i)
    {
        return vars.Instance.isEmpty() ? vars.Get(i).Oid : vars.Get(i).Oid + "." + vars.Instance;
    }

    static QStringList Values(const KtSNMPVarList &vars)
    {
        QStringList values;
        for (int i = 0; i < vars.Count(); ++i)
            values << vars.Get(i).Value;
        return values;
    }

    // Problems of one get: a value the agent did not have.
    static QStringList CheckGet(const KtSNMPVarList &vars)
    {
        QStringList problems;
        for (int i = 0; i < vars.Count(); ++i) {
            if (!vars.IsReadable(i))
                continue;
            const KtSNMPVar &var = vars.Get(i);
            const QString expected = BaseOid(vars, i) + (vars.Kind == ListScalars ? ".0" : "");
            if (var.CurrentOid != expected)
                problems << var.Name + " answered " + var.CurrentOid;
            else if (var.Value == "(NULL)" && ShowsNull(var.Syntax))
                problems << var.Name + " has no value";
        }
        return problems;
    }

    // Problems of one delivered row: every readable column inside its
    // column, all at the same instance.
    static QStringList CheckRow(const KtSNMPVarList &vars, int row, bool indexMayLeave)
    {
        QStringList problems;
        QString instance;
        for (int i = indexMayLeave ? vars.IndexCount : 0; i < vars.Count(); ++i) {
            if (!vars.IsReadable(i))
                continue;
            const KtSNMPVar &var = vars.Get(i);
            const QString base = BaseOid(vars, i) + ".";
            const QString suffix = var.CurrentOid.startsWith(base) ? var.CurrentOid.mid(base.size()) : "";
            if (var.Value == "(NOTDONE)" || suffix.isEmpty())
                problems << QString("row %1: %2 left its column").arg(row).arg(var.Name);
            else if (var.Value == "(NULL)" && ShowsNull(var.Syntax))
                problems << QString("row %1: %2 has no value").arg(row).arg(var.Name);
            else if (instance.isEmpty())
                instance = suffix;
            else if (suffix != instance)
                problems << QString("row %1: %2 is at %3, not %4").arg(row).arg(var.Name, suffix, instance);
        }
        return problems;
    }

    // Reads the window's first row (or its scalars) and writes every
    // writable variable back with the value it read, as the window's Set
    // does; the problem found, if any.
    static QString WriteBack(const CatalogueWindow &window, quint16 port)
    {
        auto request = Request(window, port);
        KtSNMPVarList &vars = request->Vars;
        request->Security.Version = 1;
        bool writable = false;
        if (Lists(WriteBackRefused, window.path))
            return {};
        for (int i = 0; i < vars.Count(); ++i)
            writable = writable || (vars.Get(i).Access & AccessWrite) != 0;
        if (!writable)
            return {};
        try {
            if (!request->ReadSync(true) && vars.IsTable())
                return "no row to write";
            request->WriteSync(false);
            return {};
        } catch (const KtException &error) {
            return QString("error %1: %2").arg(error.Code).arg(error.Message);
        }
    }

    // Reads the window's list as the window does; the problems found.
    static QStringList Sweep(const CatalogueWindow &window, quint16 port,
                             QList<QStringList> *rowValues = nullptr)
    {
        auto request = Request(window, port);
        KtSNMPVarList &vars = request->Vars;
        bool readable = false;
        for (int i = 0; i < vars.Count(); ++i)
            readable = readable || vars.IsReadable(i);
        if (!readable)
            return {};
        try {
            if (!vars.IsTable()) {
                request->ReadSync(true);
                return CheckGet(vars);
            }
            QStringList problems;
            int rows = 0;
            for (bool more = request->ReadSync(true); more; more = request->ReadSync(false)) {
                problems << CheckRow(vars, rows, Lists(IndexColumnsNotAccessible, window.path));
                if (rowValues)
                    rowValues->append(Values(vars));
                if (++rows > MaxRows)
                    return problems << "the walk does not end";
            }
            if (rows == 0)
                problems << "no rows";
            return problems;
        } catch (const KtException &error) {
            return {QString("error %1: %2").arg(error.Code).arg(error.Message)};
        }
    }
};

TEST_F(CatalogueSweepTest, EveryWindowReadsWithoutAnError)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    const std::vector<CatalogueWindow> windows = AllCatalogueWindows();
    ASSERT_FALSE(windows.empty());

    QElapsedTimer clock;
    clock.start();
    for (const CatalogueWindow &window : windows) {
        const QStringList problems = Sweep(window, sim.Port());
        EXPECT_TRUE(problems.isEmpty())
            << window.path.toStdString() << ":\n  " << problems.join("\n  ").toStdString();
    }
    std::printf("[ sweep    ] %zu windows read in %lld ms\n", windows.size(),
                static_cast<long long>(clock.elapsed()));
    EXPECT_EQ(sim.Stop(), 0);
}

// A value for index variable `var` that no row has yet, by its type.
QStringList NewIndexValues(const KtSNMPVar &var)
{
    if (var.Options && var.Options->Kind() == OptionNumeric) {
        QStringList names;
        for (int i = 0; i < var.Options->Count(); ++i)
            names << var.Options->Get(i).Name;
        return names;
    }
    switch (var.Syntax) {
    case SyntaxIpAddress:
        return {"10.90.90.200"};
    case SyntaxMacAddress:
        return {"024B540000C8"};
    case SyntaxDisplayString:
        return {"added"};
    case SyntaxOctets:
    case SyntaxBits:
        return {"616464"};
    case SyntaxOid:
        return {"1.3.6.1.3"};
    default:
        return {"200"};
    }
}

// The values of a new row: those of the first row with one index variable
// changed so that no row has the resulting index; empty when none is found.
QStringList NewRow(const KtSNMPVarList &vars, const QList<QStringList> &rows)
{
    auto indexOf = [&](const QStringList &values) { return values.mid(0, vars.IndexCount); };
    QSet<QStringList> taken;
    for (const QStringList &row : rows)
        taken.insert(indexOf(row));
    for (int i = vars.IndexCount - 1; i >= 0; --i)
        for (const QString &value : NewIndexValues(vars.Get(i))) {
            QStringList row = rows.first();
            row[i] = value;
            if (!taken.contains(indexOf(row)))
                return row;
        }
    return {};
}

// Rows added and deleted the way the list windows do it: every writable
// variable of a new row with the status variable at the add value in one
// set, then the status variable alone at the delete value.
TEST_F(CatalogueSweepTest, ListWindowsAddAndDeleteRows)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    int tables = 0;
    for (const CatalogueWindow &window : AllCatalogueWindows()) {
        if (window.statusVariable < 0 || Lists(RowCreationRefused, window.path))
            continue;
        ++tables;
        SCOPED_TRACE(window.path.toStdString());
        QList<QStringList> before;
        ASSERT_EQ(Sweep(window, sim.Port(), &before), QStringList());
        auto request = Request(window, sim.Port());
        request->Security.Version = 1;
        KtSNMPVarList &vars = request->Vars;
        const QStringList added = NewRow(vars, before);
        ASSERT_FALSE(added.isEmpty());
        for (int i = 0; i < vars.Count(); ++i) {
            KtSNMPVar &var = vars.Get(i);
            var.Value = added[i];
            // New rows are volatile: a storage type copied from a permanent
            // or read-only row cannot be given to a new one.
            if (var.Options && var.Options->IndexOfName("volatile") >= 0)
                var.Value = "volatile";
        }
        vars.Get(window.statusVariable).Value = window.addValue;
        try {
            request->WriteSync(false);
        } catch (const KtException &error) {
            ADD_FAILURE() << "adding " << added.join(", ").toStdString() << ": " << error.what();
            continue;
        }
        QList<QStringList> after;
        EXPECT_EQ(Sweep(window, sim.Port(), &after), QStringList());
        EXPECT_EQ(after.size(), before.size() + 1);

        vars.Get(window.statusVariable).Value = window.deleteValue;
        try {
            request->WriteSync(false, QString::number(window.statusVariable));
        } catch (const KtException &error) {
            ADD_FAILURE() << "deleting " << added.join(", ").toStdString() << ": " << error.what();
            continue;
        }
        QList<QStringList> last;
        EXPECT_EQ(Sweep(window, sim.Port(), &last), QStringList());
        EXPECT_EQ(last, before);
    }
    EXPECT_GT(tables, 0);
    EXPECT_EQ(sim.Stop(), 0);
}

// A scenario file changes the derived objects like any other: a value of a
// scalar, a cell and a new row of a table.
TEST_F(CatalogueSweepTest, ScenarioFilesOverrideDerivedObjects)
{
    QgSimProcess sim({"--static-leds"}, "include stack\n"
                                        "set 1.3.6.1.4.1.47893.11.55.2.2.1.3.1.0 enabled\n"
                                        "set 1.3.6.1.4.1.47893.11.55.2.3.4.1.2.2 \"secret\"\n"
                                        "row Md5InformationTableEntry 9 .2=\"nine\"\n");
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();

    const KtSNMPVarDef alarms[] = {
        {"1.3.6.1.4.1.47893.11.55.2.2.1.3.1", "New Root Alarm", SyntaxInteger, AccessRead},
        {},
    };
    auto scalars = Request({"alarms", alarms, ListScalars, 0, false, -1, {}, {}}, sim.Port());
    scalars->ReadSync(true);
    EXPECT_EQ(scalars->Vars.Get(0).Value, "3");

    const KtSNMPVarDef keys[] = {
        {"1.3.6.1.4.1.47893.11.55.2.3.4.1.1", "Key Id", SyntaxInteger, AccessIndex},
        {"1.3.6.1.4.1.47893.11.55.2.3.4.1.2", "Key", SyntaxDisplayString, AccessRead},
        {},
    };
    auto table = Request({"keys", keys, ListTable, 1, false, -1, {}, {}}, sim.Port());
    QStringList rows;
    for (bool more = table->ReadSync(true); more; more = table->ReadSync(false))
        rows << table->Vars.Get(0).Value + "=" + table->Vars.Get(1).Value;
    EXPECT_EQ(rows, (QStringList{"1=Key 1", "2=secret", "3=Key 3", "9=nine"}));
    EXPECT_EQ(sim.Stop(), 0);
}

TEST_F(CatalogueSweepTest, EveryWritableVariableTakesTheValueItHas)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    for (const CatalogueWindow &window : AllCatalogueWindows()) {
        const QString problem = WriteBack(window, sim.Port());
        EXPECT_TRUE(problem.isEmpty()) << window.path.toStdString() << ": " << problem.toStdString();
    }
    EXPECT_EQ(sim.Stop(), 0);
}

// One walk's outcome: per step (callback or synchronous read) the code, the
// finished flag and every variable's value and CurrentOid.
using WalkTrace = QStringList;

QString TraceStep(int code, bool finished, const KtSNMPVarList &vars)
{
    QStringList parts{QString::number(code), finished ? "end" : "row"};
    for (int i = 0; i < vars.Count(); ++i)
        parts << vars.Get(i).Value + "@" + vars.Get(i).CurrentOid;
    return parts.join(" | ");
}

// Walks asynchronously, going on from the callback as a binding does.
WalkTrace WalkAsync(KtSNMPRequest &request)
{
    WalkTrace trace;
    bool done = false;
    KtSNMPCallback step = [&](void *, const KtSNMPError &error, KtSNMPVarList &vars) {
        trace << TraceStep(error.Code, error.Finished, vars);
        if (error.Code == 0 && !error.Finished && trace.size() <= MaxRows)
            request.ReadAsync(step, nullptr, false);
        else
            done = true;
    };
    request.ReadAsync(step, nullptr, true);
    WaitUntil([&] { return done; }, 60000);
    return trace;
}

WalkTrace WalkSync(KtSNMPRequest &request)
{
    WalkTrace trace;
    try {
        bool more = request.ReadSync(true);
        for (; more && trace.size() <= MaxRows; more = request.ReadSync(false))
            trace << TraceStep(0, false, request.Vars);
        trace << TraceStep(0, true, request.Vars);
    } catch (const KtException &error) {
        trace << TraceStep(error.Code, true, request.Vars);
    }
    return trace;
}

// Unit start ports (three units) beside port names (many ports): the first
// column ends long before the second.
constexpr KtSNMPVarDef UnitsBesidePorts[] = {
    {"1.3.6.1.2.1.2.2.1.1", "index", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.3", "swUnitMgmtStartPort", SyntaxInteger, AccessRead},
    {"1.3.6.1.2.1.31.1.1.1.1", "ifName", SyntaxDisplayString, AccessRead},
    {},
};

bool ReadsUnder(const CatalogueWindow &window, const char *prefix)
{
    for (const KtSNMPVarDef *var = window.vars; var->Oid; ++var)
        if (QString(var->Oid).startsWith(prefix))
            return true;
    return false;
}

// The tables of every window (one and two index variables, IMPLIED and MAC
// indexes), walked with GetBulk, asynchronously and blocking, give exactly
// the steps of the get-next walk, also where columns differ in length, where
// the table ends inside a response, at the end of the MIB view and against
// an agent that does not advance.
TEST_F(CatalogueSweepTest, GetBulkWalksGiveTheRowsOfTheGetNextWalk)
{
    struct Case
    {
        const char *shape;
        QStringList options;
        const char *readingUnder; // only the windows reading below this OID
    };
    const Case cases[] = {
        {"every table", {}, ""},
        {"a forwarding table ending inside a response", {"--fdb-rows", "37"}, "1.3.6.1.2.1.17.7.1.2.2"},
        {"an agent stuck on ifName", {"--stuck-walk", "1.3.6.1.2.1.31.1.1.1.1"}, "1.3.6.1.2.1.31.1.1.1.1"},
    };
    std::vector<CatalogueWindow> windows = AllCatalogueWindows();
    windows.push_back({"units beside ports", UnitsBesidePorts, ListTable, 1, false, -1, {}, {}});
    for (const Case &c : cases) {
        QgSimProcess sim(QStringList{"--static-leds"} + c.options);
        ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
        int tables = 0;
        for (const CatalogueWindow &window : windows) {
            if (window.kind != ListTable && window.kind != ListTableEx)
                continue;
            if (!ReadsUnder(window, c.readingUnder))
                continue;
            ++tables;
            auto getNext = Request(window, sim.Port());
            getNext->Security.Version = 1;
            getNext->Device.UseGetBulk = false;
            const WalkTrace expected = WalkAsync(*getNext);
            for (const bool blocking : {false, true}) {
                auto bulk = Request(window, sim.Port());
                bulk->Security.Version = 1;
                const WalkTrace walked = blocking ? WalkSync(*bulk) : WalkAsync(*bulk);
                EXPECT_EQ(walked, expected) << c.shape << ", " << window.path.toStdString()
                                            << (blocking ? ", blocking" : ", asynchronous");
            }
        }
        EXPECT_GT(tables, 0) << c.shape;
        EXPECT_EQ(sim.Stop(), 0);
    }
}

} // namespace
