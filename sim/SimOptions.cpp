#include "SimOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void usageError(const QString &message)
{
    std::fprintf(stderr, "qgsim: %s\n", qPrintable(message));
    std::exit(2);
}

int positiveNumber(const QCommandLineParser &parser, const QString &name, int minimum, int maximum)
{
    bool ok = false;
    int value = parser.value(name).toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        usageError(QString("--%1 needs a number from %2 to %3").arg(name).arg(minimum).arg(maximum));
    return value;
}

std::optional<Oid> oidOption(const QCommandLineParser &parser, const QString &name)
{
    if (!parser.isSet(name))
        return std::nullopt;
    auto oid = Oid::parse(parser.value(name).toStdString());
    if (!oid || oid->empty())
        usageError("--" + name + " needs an OID");
    return oid;
}

// The SNMPv3 users every simulator knows.
const char *const DefaultUsers[] = {
    "noauth",
    "md5user:MD5:md5password",
    "shauser:SHA:shapassword",
    "desuser:MD5:md5password:DES:despassword",
    "aesuser:SHA:shapassword:AES:aespassword",
    "sha256user:SHA-256:sha256password",
    "sha512user:SHA-512:sha512password",
    "aes256user:SHA-256:sha256password:AES-256:aes256password",
};

} // namespace

SimOptions SimOptions::parse(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Simulated Keltra switch: an SNMP agent (v1, v2c, v3) that serves a stack of units with live "
        "front-panel\n"
        "LEDs, port, VLAN, forwarding and interface tables. The first line on standard output is\n"
        "\"listening on ADDRESS:PORT\"; SIGINT or SIGTERM stops it.\n\n"
        "SNMPv3 users: noauth (noAuthNoPriv), md5user (MD5 md5password), shauser (SHA shapassword),\n"
        "desuser (MD5 md5password, DES despassword), aesuser (SHA shapassword, AES aespassword),\n"
        "sha256user (SHA-256 sha256password), sha512user (SHA-512 sha512password),\n"
        "aes256user (SHA-256 sha256password, AES-256 aes256password).\n"
        "Scenarios: stack (default), single, all-models, big, or the path of a scenario file.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {"listen", "UDP address and port to serve; port 0 takes a free port.", "ADDRESS:PORT",
         "127.0.0.1:16100"},
        {"state",
         "Directory for the agent's configuration and persistent state (default: a fresh temporary "
         "directory, removed at exit).",
         "DIR"},
        {"scenario", "The switch to simulate: a built-in name or a scenario file.", "NAME|FILE", "stack"},
        {"read-community", "Community with read access.", "TEXT", "public"},
        {"write-community", "Community with read and write access.", "TEXT", "private"},
        {"user",
         "Adds an SNMPv3 user: NAME, NAME:AUTH:PASS or NAME:AUTH:PASS:PRIV:PASS (AUTH "
         "MD5|SHA|SHA-224|SHA-256|SHA-384|SHA-512, PRIV DES|AES|AES-128|AES-192|AES-256, pass phrases of 8 "
         "characters or more). Repeatable.",
         "SPEC"},
        {"seed", "Seed of the LED and traffic changes, to make them repeatable.", "N"},
        {"static-leds", "Freeze the LEDs, links and counters."},
        {"led-interval-ms", "Time between two LED changes.", "MS", "3000"},
        {"fdb-rows", "Entries of the filtering database.", "N", "50"},
        {"drop-every", "Silently drop every N-th request.", "N", "0"},
        {"delay-ms", "Answer every request this much later.", "MS", "0"},
        {"delay-first-read-ms",
         "Answer the first read request after the start and after each SET, and the reads that come while it "
         "is held back, this much later; SIGUSR1 answers them at once.",
         "MS", "0"},
        {"set-log",
         "Append one JSON line per SET PDU received to FILE: time, version, community or user, each "
         "binding's OID, type and value, and the error status returned.",
         "FILE"},
        {"stuck-walk", "Inside this subtree answer every get-next with the requested OID itself.", "OID"},
        {"sparse",
         "Leave the cells COLUMN.FIRST to COLUMN.LAST out of a table, as agents do for cells that do not "
         "apply (COLUMN:FIRST-LAST or COLUMN:N). Repeatable.",
         "COLUMN:FIRST-LAST"},
        {"bulk-max-bindings", "Answer a GetBulk with at most N bindings in all.", "N"},
        {"end-of-view-at",
         "End the MIB view after this subtree: get-next and GetBulk past it answer endOfMibView named "
         "with the OID asked for (noSuchName for SNMPv1).",
         "OID"},
        {"non-increasing",
         "Inside this subtree answer the get-next that would reach the fourth instance of a column with "
         "the column's first instance.",
         "OID"},
        {"endless-table", "The table of this entry OID never ends: every column goes on with higher indexes.",
         "ENTRY"},
        {"print-catalogue-data",
         "Print the objects derived from the menu catalogue (in the language of the data files, with notes "
         "on what is left out) and exit."},
    });
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        usageError("unexpected argument " + parser.positionalArguments().first());

    SimOptions options;
    options.agent.listen = parser.value("listen").toStdString();
    options.agent.stateDir = parser.value("state").toStdString();
    options.agent.readCommunity = parser.value("read-community").toStdString();
    options.agent.writeCommunity = parser.value("write-community").toStdString();
    if (options.agent.readCommunity.empty() || options.agent.writeCommunity.empty())
        usageError("communities must not be empty");
    QStringList users;
    for (const char *user : DefaultUsers)
        users << user;
    users << parser.values("user");
    for (const QString &spec : users) {
        std::string error;
        auto user = UsmUser::parse(spec.toStdString(), error);
        if (!user)
            usageError("--user " + spec + ": " + QString::fromStdString(error));
        options.agent.users.push_back(*user);
    }
    options.agent.dropEvery = positiveNumber(parser, "drop-every", 0, 1000000);
    options.agent.delayMs = positiveNumber(parser, "delay-ms", 0, 600000);
    options.agent.firstReadDelayMs = positiveNumber(parser, "delay-first-read-ms", 0, 600000);
    options.agent.setLog = parser.value("set-log").toStdString();
    options.scenario = parser.value("scenario").toStdString();
    if (parser.isSet("seed")) {
        bool ok = false;
        options.seed = parser.value("seed").toUInt(&ok);
        if (!ok)
            usageError("--seed needs a number");
        options.seedGiven = true;
    }
    options.staticLeds = parser.isSet("static-leds");
    options.ledIntervalMs = positiveNumber(parser, "led-interval-ms", 10, 3600000);
    options.fdbRows = positiveNumber(parser, "fdb-rows", 0, 1000000);
    options.printCatalogueData = parser.isSet("print-catalogue-data");
    WalkQuirks &quirks = options.walkQuirks;
    for (const QString &gap : parser.values("sparse"))
        if (!quirks.addGap(gap.toStdString()))
            usageError("--sparse needs COLUMN:FIRST-LAST, not " + gap);
    if (parser.isSet("bulk-max-bindings"))
        quirks.bulkMaxBindings = positiveNumber(parser, "bulk-max-bindings", 1, 100000);
    quirks.endOfViewAt = oidOption(parser, "end-of-view-at");
    quirks.nonIncreasing = oidOption(parser, "non-increasing");
    quirks.endlessEntry = oidOption(parser, "endless-table");
    if (parser.isSet("stuck-walk"))
        options.stuckWalk = parser.value("stuck-walk").toStdString();
    return options;
}
