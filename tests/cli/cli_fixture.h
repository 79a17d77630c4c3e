#pragma once
// krxctl as a program runs it, in-process, against the simulated controller
// on the simulated port; each fixture has a temporary folder for its files.

#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

#include "cli/cli_request.h"
#include "cli/cli_runner.h"
#include "config/config_file.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"

namespace krx::test {

using Frame = std::vector<std::uint8_t>;

struct Cli {
    std::shared_ptr<sim::SimController> controller = std::make_shared<sim::SimController>();
    sim::ScopedSimLinks links{controller};
    QTemporaryDir dir;
    cli::Environment environment;

    Cli() { controller->setRestartSilence(std::chrono::milliseconds(0)); }

    // Runs "krxctl ARGS"; a parsing refusal comes back as a result too.
    cli::Result run(QStringList args, std::optional<QString> environmentPassword = {}) {
        const cli::Parsed parsed = cli::ParseCommandLine(args, environmentPassword);
        if (!parsed.request) return {parsed.refusal.exitCode, {}, parsed.refusal.text};
        return cli::Run(*parsed.request, environment);
    }
    QStringList onPort(QStringList args) const { return args << "-p" << QString::fromLatin1(sim::kSimPortName); }
    QString path(const QString& name) const { return dir.filePath(name); }

    std::vector<std::uint8_t> commands() const {
        std::vector<std::uint8_t> codes;
        for (const Frame& f : controller->requests()) codes.push_back(f.at(1));
        return codes;
    }
    // A configuration file holding `image`.
    QString writeFile(const ConfigImage& image, const QString& name = "c.cnt") const {
        const QString file = path(name);
        if (WriteConfigFile(image, file.toStdString()) != 0) qFatal("cannot write %s", qPrintable(file));
        return file;
    }
};

}  // namespace krx::test
