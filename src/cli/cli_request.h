#pragma once
// What a krxctl command line asks for, parsed and checked: the command, its
// port and file, and its options. Parsing prints nothing; a command line that
// asks for help or is wrong gives the text to print and the exit code.

#include <QString>
#include <QStringList>

#include <optional>

namespace krx::cli {

// The exit codes of every command.
namespace exit_code {
inline constexpr int kSuccess = 0;
inline constexpr int kDifferent = 1;   // compare found differences
inline constexpr int kUsage = 2;
inline constexpr int kController = 3;  // failed, refused or not supported
inline constexpr int kFile = 4;
}  // namespace exit_code

enum class Command {
    Ports,
    Identify,
    Read,
    Program,
    Compare,
    Restart,
    FactoryReset,
    Clock,
    Output,
    Mode,
    Imitate,
    Imei,
    SysParams,
    History,
    Dump,
    Load,
    Diff,
    Report,
};

struct Request {
    Command command = Command::Ports;
    QString name;  // the command as typed ("read", "factory-reset" ...)
    QString port;
    // The administrative password (-P, else KRX_PASSWORD); unset: the
    // file's or the built-in configuration's own.
    std::optional<QString> password;
    QString file;        // program, compare, sysparams program: the input
    QString outputFile;  // read, sysparams read: -o
    bool json = false;
    bool quiet = false;
    bool noRestart = false;
    bool clearModeMemory = false;
    bool changedOnly = false;
    QString eachLog;     // program --each LOG.csv
    bool clockSync = false;
    QString clockText;   // clock --set "dd.mm.yy hh:mm:ss"
    int number = 0;      // output 1..7, imitate 1..16
    QString action;      // output: on/off/scenario; mode: arm/disarm/protect; sysparams: read/program
    int scenario = 0;    // output N scenario S: 1..14
    QString serial;      // history [SERIAL]
    QString format;      // dump: "toml" or "json"
    QString otherFile;   // diff: the second file
};

// A command line that runs nothing: help, or a usage error.
struct Refusal {
    int exitCode = exit_code::kUsage;
    QString text;  // to stdout for help, to stderr for an error
};

struct Parsed {
    std::optional<Request> request;
    Refusal refusal;
};

// `arguments` without the program name; `environmentPassword` is
// KRX_PASSWORD (unset when it is not in the environment).
Parsed ParseCommandLine(const QStringList& arguments, const std::optional<QString>& environmentPassword);

// The overview `krxctl --help` prints.
QString OverviewText();

}  // namespace krx::cli
