// KRX Configurator: one copy per user session, the main window, and an
// orderly close on SIGTERM/SIGINT.

#include <QCommandLineParser>
#include <QMessageBox>

#include "app/shell/application.h"
#include "app/shell/close_on_signal.h"
#include "app/shell/configurator_assembly.h"
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

    krx::AssemblyOptions options;
    options.window.portOverride = parser.value(portOption);
    krx::Configurator configurator = krx::AssembleConfigurator(std::move(options));
    krx::ConfiguratorWindow& window = *configurator.window;
    krx::CloseOnSignal closeOnSignal([&window] { window.closeWhenIdle(); });
    window.show();
    return app.exec();
}
