#include "support/sim_window_rig.h"

#include <QElapsedTimer>
#include <QtTest>

#include "support/fake_window_services.h"

namespace krx::test {

Rig::Rig(OperationController::CountdownRunner countdown, DirectCommandController::PcClock pcClock) {
    AssemblyOptions options;
    options.window.dialogs = std::make_unique<test::FakeDialogs>();
    options.window.port = std::make_unique<test::FakePort>(QStringList{sim::kSimPortName});
    options.window.portOverride = QString::fromLatin1(sim::kSimPortName);
    options.countdown = std::move(countdown);
    options.pcClock = std::move(pcClock);
    Configurator configurator = AssembleConfigurator(std::move(options));
    window = std::move(configurator.window);
    wiring = configurator.monitor;
    operations = configurator.operations;
    commands = configurator.commands;
    // The monitor starts as the wiring starts it; the rig only notes when.
    window->setMonitorControl(
        [this] {
            ++monitorStarts;
            if (!framesAtMonitorStart) framesAtMonitorStart = controller->requests();
            MonitorHost& host = wiring->host();
            host.setPortName(window->port().portName());
            host.shared().setSectionId(window->currentSectionId());
            host.start();
        },
        [this] { wiring->host().stop(); });
    window->show();
}

bool WaitIdle(const Rig& rig, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!rig.idle() && timer.elapsed() < ms) QTest::qWait(20);
    return rig.idle();
}

}  // namespace krx::test
