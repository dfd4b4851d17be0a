// Time to the first good answer after an SNMPv3 agent restarts. qgsim comes
// back on the same port with a new engine ID and new engine boots; the
// module's next request (as the LED poll sends it: time-out 5 s, one retry)
// meets the agent's Report and must recover without waiting for a time-out.
// The peer is net-snmp's snmpget started afresh against the restarted
// agent (its own engine discovery plus the get). Every figure is the median
// of several runs with its spread [min-max]; the last line is for scripts:
//   recovery-ms X recovery-ratio Y   (goal: X < 3000)
#include "KtSNMPRequest.h"
#include "KtSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kRuns = 7;

const KtSNMPVarDef kSysName[] = {
    {"1.3.6.1.2.1.1.5", "sysName", SyntaxDisplayString, AccessRead},
    {},
};

struct Spread
{
    double Median = 0, Min = 0, Max = 0;
};

Spread Of(std::vector<double> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

// qgsim on `port` (0: a free one); the port it listens on, 0 if it failed.
quint16 StartSimulator(QProcess &process, quint16 port)
{
    process.start(QStringLiteral(QG_BIN_DIR "/qgsim"),
                  {"--static-leds", "--listen", QStringLiteral("127.0.0.1:%1").arg(port)});
    QByteArray output;
    QElapsedTimer waited;
    waited.start();
    while (!output.contains('\n') && waited.elapsed() < 20000 && process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(100);
        output += process.readAllStandardOutput();
    }
    const QByteArray line = output.left(output.indexOf('\n')).trimmed();
    return line.startsWith("listening on ") ? line.mid(line.lastIndexOf(':') + 1).toUShort() : 0;
}

void StopSimulator(QProcess &process)
{
    process.terminate();
    if (!process.waitForFinished(10000))
        process.kill();
    process.waitForFinished();
}

// One read; the milliseconds to its completion, -1 if it failed.
double ReadOnce(KtSNMPRequest &request)
{
    bool done = false;
    int code = -1;
    QElapsedTimer clock;
    clock.start();
    request.ReadAsync(
        [&](void *, const KtSNMPError &error, KtSNMPVarList &) {
            done = true;
            code = error.Code;
        },
        nullptr, true);
    while (!done && clock.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done && code == 0 ? double(clock.elapsed()) : -1.0;
}

double SnmpgetOnce(quint16 port)
{
    QElapsedTimer clock;
    clock.start();
    QProcess snmpget;
    snmpget.start("snmpget",
                  {"-v3", "-l", "authNoPriv", "-u", "md5user", "-a", "MD5", "-A", "md5password", "-r", "1",
                   "-t", "5", QStringLiteral("127.0.0.1:%1").arg(port), "1.3.6.1.2.1.1.5.0"});
    snmpget.waitForFinished(30000);
    return snmpget.exitCode() == 0 ? double(clock.elapsed()) : -1.0;
}

std::unique_ptr<KtSNMPRequest> LedLikeRequest(quint16 port)
{
    auto request = std::make_unique<KtSNMPRequest>();
    request->Device = {"127.0.0.1", port};
    request->Security.Version = 3;
    request->Security.SecurityModel = 3;
    request->Security.SecurityName = "md5user";
    request->Security.SecurityLevel = 2;
    request->Security.AuthProtocol = 2;
    request->Security.AuthPassword = "md5password";
    request->TimeOut = 500;
    request->Retries = 1;
    request->Vars = KtSNMPVarList(kSysName, ListScalars, 0);
    return request;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    KtSession::Create();
    _SnmpEventProcessor::Instance().Start();

    std::vector<double> module;
    std::vector<double> peer;
    int failures = 0;
    for (int run = 0; run < kRuns; ++run) {
        QProcess first;
        const quint16 port = StartSimulator(first, 0);
        if (port == 0) {
            std::fprintf(stderr, "bench-recovery: qgsim did not start\n");
            return 1;
        }
        auto request = LedLikeRequest(port);
        if (ReadOnce(*request) < 0) {
            std::fprintf(stderr, "bench-recovery: the first read failed\n");
            return 1;
        }
        StopSimulator(first);
        QProcess second;
        if (StartSimulator(second, port) != port) {
            std::fprintf(stderr, "bench-recovery: qgsim did not come back on port %u\n", port);
            return 1;
        }
        const double recovered = ReadOnce(*request);
        const double fresh = SnmpgetOnce(port);
        StopSimulator(second);
        if (recovered < 0 || fresh < 0) {
            ++failures;
            continue;
        }
        module.push_back(recovered);
        peer.push_back(fresh);
    }
    const Spread m = Of(module), p = Of(peer);
    std::printf("module, first answer after the restart  median %.0f ms (%.0f..%.0f)\n", m.Median, m.Min,
                m.Max);
    std::printf("snmpget started afresh                  median %.0f ms (%.0f..%.0f)\n", p.Median, p.Min,
                p.Max);
    std::printf("runs %zu, failed %d\n", module.size(), failures);
    std::printf("recovery-ms %.0f recovery-ratio %.2f\n", m.Median, p.Median > 0 ? m.Median / p.Median : 0.0);
    return failures == 0 && m.Median < 3000 ? 0 : 1;
}
