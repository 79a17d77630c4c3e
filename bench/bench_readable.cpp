// Times the readable configuration: a dump of a .cnt file as TOML and as
// JSON, a load of that text back into a file, a diff of two files, and the
// report, each as krxctl runs it (parsed command line, files on disk), and
// the whole krxctl process for a dump and a diff. Median of the runs.
//
// usage: bench_readable [runs] [path-to-krxctl]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "cli/cli_request.h"
#include "cli/cli_runner.h"
#include "config/config_file.h"
#include "config/default_image.h"

using namespace krx;

namespace {

double Millis(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// One krxctl command line in-process; its time in ms, negative when it failed.
double Timed(const QStringList& args, int expectedExit = 0) {
    const cli::Parsed parsed = cli::ParseCommandLine(args, {});
    if (!parsed.request) return -1;
    QElapsedTimer clock;
    clock.start();
    const cli::Result result = cli::Run(*parsed.request, {});
    const double ms = Millis(clock);
    return result.exitCode == expectedExit ? ms : -1;
}

double TimedProcess(const QString& program, const QStringList& args, int expectedExit) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    p.start(program, args);
    if (!p.waitForFinished(10000) || p.exitCode() != expectedExit) return -1;
    return Millis(clock);
}

void Report(const char* what, std::vector<double> times) {
    if (std::any_of(times.begin(), times.end(), [](double t) { return t < 0; })) {
        std::printf("%-52s FAILED\n", what);
        return;
    }
    std::printf("%-52s %8.2f ms (min %.2f, max %.2f)\n", what, Median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
    const QString krxctl = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(KRX_KRXCTL_PROGRAM);
    QTemporaryDir dir;
    const QString a = dir.filePath("a.cnt"), b = dir.filePath("b.cnt");
    ConfigImage edited = DefaultImage();
    edited.body()[104] = '+';
    edited.body()[2717] = 8;
    WriteConfigFile(DefaultImage(), a.toStdString());
    WriteConfigFile(edited, b.toStdString());
    const QString toml = dir.filePath("a.toml");
    Timed({"dump", a, "-o", toml});

    std::vector<double> dumpToml, dumpJson, load, diff, reportPdf, processDump, processDiff;
    for (int i = 0; i < runs; ++i) {
        dumpToml.push_back(Timed({"dump", a, "-o", dir.filePath("t.toml")}));
        dumpJson.push_back(Timed({"dump", a, "--format", "json", "-o", dir.filePath("t.json")}));
        load.push_back(Timed({"load", toml, "-o", dir.filePath("back.cnt")}));
        diff.push_back(Timed({"diff", a, b}, 1));
        processDump.push_back(TimedProcess(krxctl, {"dump", a}, 0));
        processDiff.push_back(TimedProcess(krxctl, {"diff", a, b}, 1));
        if (i < 11) reportPdf.push_back(Timed({"report", a, "-o", dir.filePath("r.pdf")}));
    }
    std::printf("%d runs\n", runs);
    Report("dump FILE.cnt as TOML (in-process)", dumpToml);
    Report("dump FILE.cnt as JSON (in-process)", dumpJson);
    Report("load FILE.toml -o FILE.cnt (in-process)", load);
    Report("diff A.cnt B.cnt (in-process)", diff);
    Report("krxctl dump FILE.cnt (the whole process)", processDump);
    Report("krxctl diff A.cnt B.cnt (the whole process)", processDiff);
    Report("report FILE.cnt -o FILE.pdf (in-process, 11 runs)", reportPdf);
    return 0;
}
