// krxctl: the configurator's controller operations from the command line.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>
#include <QThread>

#include <atomic>
#include <csignal>
#include <cstring>
#include <memory>
#include <cstdio>
#include <unistd.h>

#include "cli/cli_request.h"
#include "cli/cli_runner.h"
#include "config/language_file.h"
#include "device/config_operations.h"

namespace {

void Write(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

// Ctrl-C during batch programming: finish the controller under way, then stop.
std::atomic<bool> interrupted{false};
void OnInterrupt(int) { interrupted = true; }

int main(int argc, char** argv) {
    // The report draws its pictures and lays out its pages with Qt's
    // document classes, which need a (windowless) GUI application.
    const bool drawing = argc > 1 && std::strcmp(argv[1], "report") == 0;
    if (drawing && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application =
        drawing ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("krxctl"));

    std::optional<QString> environmentPassword;
    if (qEnvironmentVariableIsSet("KRX_PASSWORD")) environmentPassword = qEnvironmentVariable("KRX_PASSWORD");
    const krx::cli::Parsed parsed = krx::cli::ParseCommandLine(app.arguments().mid(1), environmentPassword);
    if (!parsed.request) {
        Write(parsed.refusal.exitCode == krx::cli::exit_code::kSuccess ? stdout : stderr, parsed.refusal.text);
        return parsed.refusal.exitCode;
    }

    krx::cli::Environment environment;
    // A language file in the working directory gives the jobs' texts, as it
    // gives the window's.
    environment.messages = krx::cli::LanguageFileMessages(QString::fromLatin1(krx::kLanguageFileName));
    environment.historyDirectory = QDir::currentPath();
    if (!parsed.request->eachLog.isEmpty()) {
        std::signal(SIGINT, OnInterrupt);
        environment.keepGoing = [] { return !interrupted.load(); };
    }
    if (!parsed.request->quiet && isatty(fileno(stderr))) {
        environment.progress = [](const QString& line) { Write(stderr, line); };
    }
    // A controller that keeps its password forgets it only after the long
    // wait; Ctrl-C cancels it.
    environment.factoryCountdown = [] {
        for (int left = krx::kFactoryCountdownSeconds; left > 0; --left) {
            Write(stderr, QStringLiteral("\rFactory reset in %1 s; keep the controller connected. ").arg(left));
            QThread::sleep(1);
        }
        Write(stderr, QStringLiteral("\n"));
        return true;
    };
    const krx::cli::Result result = krx::cli::Run(*parsed.request, environment);
    Write(stderr, result.err);
    Write(stdout, result.out);
    return result.exitCode;
}
