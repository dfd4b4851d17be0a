// Starts qgsim with a stack of 12 units and the module against it (offscreen
// platform) and prints: the time from start to every panel built with its
// first LED reading painted, the CPU time of idle polling and blinking
// afterwards (the median of several periods with their spread), and the peak
// resident memory. The last line, for scripts, is "idle-cpu-percent X": the
// median idle CPU time in per cent of one core.
#include "KtSNMPRequest2Leds.h"
#include "KtSession.h"
#include "TForm1.h"
#include "TMainForm.h"
#include "TPanelForm.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kIdlePeriods = 5;
constexpr int kIdleSecondsPerPeriod = 9; // three poll periods

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long PeakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

quint16 StartSimulator(QProcess &sim)
{
    sim.start(QStringLiteral(QG_BIN_DIR "/qgsim"),
              {"--listen", "127.0.0.1:0", "--scenario", "big", "--seed", "1"});
    sim.waitForStarted();
    while (!sim.canReadLine() && sim.waitForReadyRead(10000)) {
    }
    return quint16(QString::fromLatin1(sim.readLine()).trimmed().section(':', -1).toUInt());
}

void Configure(const QTemporaryDir &dir, quint16 port)
{
    QDir::setCurrent(dir.path());
    QFile registry(dir.filePath("registry.ini"));
    registry.open(QIODevice::WriteOnly);
    registry.write(
        QStringLiteral("[SOFTWARE\\Keltra\\Ovix5.1\\MibFile]\nPath=%1/\n").arg(dir.path()).toUtf8());
    registry.close();
    QFile config(dir.filePath("127.0.0.1.cfg"));
    config.open(QIODevice::WriteOnly);
    config.write(
        QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=3\nSecurityLevel=0\n"
                       "AuthProtocol=0\nPrivProtocol=0\n")
            .arg(port)
            .toUtf8());
    config.close();
    qputenv("KELTRA_REGISTRY", dir.filePath("registry.ini").toUtf8());
}

bool EveryPanelHasItsLeds(const TMainForm &form)
{
    for (QWidget *window : form.PanelWindows) {
        const auto *panel = dynamic_cast<TPanelForm *>(window);
        if (panel && panel->LedBinding && panel->LedBinding->RowCount == 0)
            return false;
    }
    return !form.PanelWindows.isEmpty();
}

// The event loop as the running program has it, for a while.
void RunEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QProcess sim;
    const quint16 port = StartSimulator(sim);
    if (port == 0) {
        std::fprintf(stderr, "bench-panels: qgsim did not start\n");
        return 1;
    }
    QTemporaryDir dir;
    Configure(dir, port);

    QElapsedTimer clock;
    clock.start();
    TMainForm form({"/I127.0.0.1", "/Rpublic", "/Wprivate"});
    TForm1 form1;
    form.show();
    form.FirstActivation();
    while (!EveryPanelHasItsLeds(form) && clock.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(); // the first reading painted
    const double startMs = double(clock.nsecsElapsed()) / 1e6;

    // How much of the idle time some SNMP send is outstanding (the pump then
    // ticks every 20 ms).
    int samples = 0;
    int outstanding = 0;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        ++samples;
        outstanding += KtSNMPSession && KtSNMPSession->HasOutstandingSends();
    });
    sampler.start(97);
    std::vector<double> idlePercent;
    for (int period = 0; period < kIdlePeriods; ++period) {
        const double cpuBefore = CpuSeconds();
        RunEvents(kIdleSecondsPerPeriod * 1000);
        idlePercent.push_back((CpuSeconds() - cpuBefore) * 100.0 / kIdleSecondsPerPeriod);
    }
    std::sort(idlePercent.begin(), idlePercent.end());
    const double idleMedian = idlePercent[idlePercent.size() / 2];

    std::printf("units                        %d\n", int(form.PanelWindows.size()));
    std::printf("start to full front panel    %.0f ms   (goal < 1500 ms)\n", startMs);
    std::printf("idle CPU                     %.2f %% of one core [%.2f-%.2f, %d periods of %d s]   "
                "(goal < 0.5 %%)\n",
                idleMedian, idlePercent.front(), idlePercent.back(), kIdlePeriods, kIdleSecondsPerPeriod);
    std::printf("a send outstanding           %.0f %% of the idle time\n",
                samples ? 100.0 * outstanding / samples : 0.0);
    std::printf("peak resident memory         %.1f MB   (goal < 150 MB)\n",
                double(PeakResidentKiB()) / 1024.0);
    std::printf("idle-cpu-percent %.2f\n", idleMedian);
    sim.terminate();
    sim.waitForFinished(5000);
    return 0;
}
