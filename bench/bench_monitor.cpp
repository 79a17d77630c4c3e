// Figures of the live monitor with the real main window:
//   (d) start-up time to the first painted window;
//   (a) the longest stall of the GUI thread while the monitor polls krx-sim
//       --pace on a pseudo-terminal (a 1 ms timer and its largest gap);
//   (c) the monitor's cycle time on that line beside its wire-time bound;
//   (b) the process's CPU use while no controller answers: a port that
//       cannot be opened, and a pseudo-terminal nobody answers on.
//
// usage: bench_monitor [--sim PATH] [--stall-seconds N] [--cpu-seconds N]
// Run it under Xvfb (DISPLAY) for a real window, or QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/shell/configurator_assembly.h"
#include "gui_stall.h"
#include "app/shell/configurator_window.h"
#include "app/live/monitor_wiring.h"
#include "app/shell/status_panels.h"
#include "monitor/monitor_host.h"
#include "monitor/transfer_job_exchange.h"

using namespace krx;
using krx::bench::MeasureStall;
using krx::bench::RunFor;
using krx::bench::Stall;

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Milliseconds from the creation of this process to now, from the kernel's
// start time of the process (10 ms resolution).
double MsSinceProcessStart() {
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    const auto close = stat.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream rest(stat.substr(close + 2));
    std::string field;
    // Fields after the command name start at field 3; starttime is field 22.
    for (int i = 3; i < 22; ++i) rest >> field;
    unsigned long long startTicks = 0;
    rest >> startTicks;
    std::ifstream uptimeFile("/proc/uptime");
    double uptime = 0;
    uptimeFile >> uptime;
    return (uptime - double(startTicks) / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

// Notes the first paint of a widget.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QElapsedTimer& clock) : clock_(clock) {}
    qint64 at = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && at < 0) at = clock_.elapsed();
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer& clock_;
};

Configurator OpenWindow(const QString& port) {
    AssemblyOptions options;
    options.window.portOverride = port;
    return AssembleConfigurator(std::move(options));
}

struct CpuFigure {
    double percent = 0;
    int cycles = 0;
    QString message;  // status bar panel 3 at the end
};

// Mean time of one monitor job of `job` on `port`, over `count` runs.
double MeanJobMs(const QString& port, TransferJobKind job, std::size_t length, int count) {
    TransferJobExchange exchange(port);
    std::vector<std::uint8_t> buffer(length);
    QElapsedTimer clock;
    clock.start();
    int ok = 0;
    for (int i = 0; i < count; ++i) ok += exchange.run(job, buffer, nullptr).ok ? 1 : 0;
    return ok == count ? double(clock.elapsed()) / count : -1.0;
}

CpuFigure MeasureCpu(const QString& port, int seconds) {
    Configurator w = OpenWindow(port);
    w.window->show();
    RunFor(2000);  // past Timer2: the monitor runs
    int cycles = 0;
    QObject::connect(&w.monitor->host(), &MonitorHost::identificationFailed, w.window.get(),
                     [&cycles] { ++cycles; });
    const double cpu0 = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    RunFor(seconds * 1000);
    const double cpu = CpuSeconds() - cpu0;
    const double elapsed = double(wall.elapsed()) / 1000.0;
    return {100.0 * cpu / elapsed, cycles,
            w.window->statusPanels().text(StatusPanels::kMessage)};
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    const double execToMainMs = MsSinceProcessStart();

    QApplication app(argc, argv);
    const qint64 appReadyMs = sinceMain.elapsed();

    QString simPath = QDir(QCoreApplication::applicationDirPath()).filePath("../src/sim/krx-sim");
    int stallSeconds = 60;
    int cpuSeconds = 20;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--sim") simPath = args[++i];
        else if (args[i] == "--stall-seconds") stallSeconds = args[++i].toInt();
        else if (args[i] == "--cpu-seconds") cpuSeconds = args[++i].toInt();
    }

    // The window keeps its working files in the current directory.
    QTemporaryDir workDir;
    QDir::setCurrent(workDir.path());

    QProcess sim;
    sim.start(simPath, {"--pace"});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(simPath));
        return 1;
    }
    const QString simPort = QString::fromLocal8Bit(sim.readLine()).trimmed();

    // (d) Start-up: window construction (creation handler, working file,
    // port probe) until its first paint.
    QElapsedTimer sinceWindow;
    sinceWindow.start();
    Configurator live = OpenWindow(simPort);
    FirstPaint painted(sinceWindow);
    live.window->installEventFilter(&painted);
    live.window->show();
    while (painted.at < 0 && sinceWindow.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    std::printf("start-up: exec to main %.0f ms (10 ms resolution), QApplication %lld ms, "
                "window to first paint %lld ms; total %.0f ms\n",
                execToMainMs, appReadyMs, painted.at,
                execToMainMs + double(appReadyMs) + double(painted.at));
    std::fflush(stdout);

    // (a) and (c): the controller page shown, the monitor polling the
    // simulated controller at line rate.
    RunFor(1000);  // Timer2 has started the monitor
    int statuses = 0;
    int idents = 0;
    QObject::connect(&live.monitor->host(), &MonitorHost::controllerStatus, live.window.get(),
                     [&statuses] { ++statuses; });
    QObject::connect(&live.monitor->host(), &MonitorHost::identified, live.window.get(),
                     [&idents] { ++idents; });
    QElapsedTimer runClock;
    runClock.start();
    const Stall stall = MeasureStall(stallSeconds);
    const double runSeconds = double(runClock.elapsed()) / 1000.0;
    std::printf("GUI stall over %.0f s with the monitor on krx-sim --pace (%s): "
                "longest gap of a 1 ms timer %.1f ms (GUI thread busy %.1f ms of it), "
                "99.9th percentile %.1f ms, median %.2f ms (%zu ticks)\n",
                runSeconds, qPrintable(simPort), stall.pct(1.0), stall.longestGapCpuMs,
                stall.pct(0.999), stall.pct(0.5), stall.gapsUs.size());

    // Wire time of one controller-page cycle: two jobs, each "BINARY\r" (7
    // bytes) and its one-byte answer, a 5-byte query frame and the reply
    // frame (record + 5): 88-byte identification and 36-byte status.
    const int cycleBytes = (7 + 1 + 5 + 88 + 5) + (7 + 1 + 5 + 36 + 5);
    const double wireMs = cycleBytes * 10.0 * 1000.0 / 19200.0;
    std::printf("monitor cycle on the controller page: %d cycles (%d identifications) in %.1f s "
                "= %.1f ms per cycle; wire-time bound %d bytes x 10 bits / 19200 = %.1f ms "
                "(no time-out waits when the controller answers)\n",
                statuses, idents, runSeconds, statuses ? runSeconds * 1000.0 / statuses : 0.0,
                cycleBytes, wireMs);
    std::fflush(stdout);

    // The same timer with the monitor stopped: what the machine alone costs.
    live.window->stopMonitor();
    const int controlSeconds = std::max(10, stallSeconds / 2);
    const Stall control = MeasureStall(controlSeconds);
    std::printf("control, same window without the monitor for %d s: longest gap %.1f ms "
                "(GUI thread busy %.1f ms of it), 99.9th percentile %.1f ms\n",
                controlSeconds, control.pct(1.0), control.longestGapCpuMs, control.pct(0.999));
    live.window.reset();
    // Where a cycle's time goes: the two jobs on their own.
    std::printf("one identification job %.1f ms, one status job %.1f ms (mean of 20 each)\n",
                MeanJobMs(simPort, TransferJobKind::IdentityRead, 88, 20),
                MeanJobMs(simPort, TransferJobKind::StatusRead, 36, 20));
    std::fflush(stdout);
    sim.terminate();
    sim.waitForFinished(5000);

    // (b) CPU with nothing answering.
    const CpuFigure unopenable = MeasureCpu(QStringLiteral("ttyKRXnowhere"), cpuSeconds);
    std::printf("CPU, port cannot be opened: %.2f %% of one core over %d s (%d cycles, \"%s\")\n",
                unopenable.percent, cpuSeconds, unopenable.cycles, qPrintable(unopenable.message));

    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::fprintf(stderr, "openpty failed\n");
        return 1;
    }
    QString silentPort = QString::fromLocal8Bit(name);
    silentPort.remove(QStringLiteral("/dev/"));
    const CpuFigure silent = MeasureCpu(silentPort, cpuSeconds);
    std::printf("CPU, silent pseudo-terminal %s: %.2f %% of one core over %d s (%d cycles, \"%s\")\n",
                qPrintable(silentPort), silent.percent, cpuSeconds, silent.cycles,
                qPrintable(silent.message));
    ::close(slave);
    ::close(master);
    return 0;
}
