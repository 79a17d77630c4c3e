// KRX Configurator: one copy per user session, the main window, and an
// orderly close on SIGTERM/SIGINT.

#include <QCommandLineParser>
#include <QMessageBox>

#include "app/shell/application.h"
#include "app/shell/close_on_signal.h"
#include "app/shell/configurator_window.h"
#include "app/live/monitor_wiring.h"
#include "app/shell/operation_controller.h"
#include "app/shell/single_instance.h"

int main(int argc, char** argv) {
    krx::Application app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(krx::kApplicationTitle);
    parser.addHelpOption();
    const QCommandLineOption portOption(
        "port", "Serial port to use instead of the one in KRXConfig.cfg.", "NAME");
    parser.addOption(portOption);
    parser.process(app);

    krx::SingleInstanceGuard guard(krx::kApplicationTitle);
    if (!guard.tryAcquire()) {
        QMessageBox::warning(nullptr, krx::kApplicationTitle,
                             QStringLiteral("Программа уже запущена"));
        return 0;
    }

    krx::ConfiguratorWindowSetup setup;
    setup.portOverride = parser.value(portOption);
    krx::ConfiguratorWindow window(std::move(setup));
    auto* monitor = new krx::MonitorWiring(window);  // owned by the window
    new krx::OperationController(window, monitor->display(), monitor->host());  // likewise
    krx::CloseOnSignal closeOnSignal([&window] { window.closeWhenIdle(); });
    window.show();
    return app.exec();
}
