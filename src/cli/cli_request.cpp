#include "cli/cli_request.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <vector>

namespace krx::cli {
namespace {

struct CommandInfo {
    const char* name;
    Command command;
    const char* arguments;  // the positional part of its synopsis
    const char* summary;
    bool needsPort;
};

const std::vector<CommandInfo>& Commands() {
    static const std::vector<CommandInfo> kCommands = {
        {"ports", Command::Ports, "", "list the serial ports the system enumerates", false},
        {"identify", Command::Identify, "", "read the controller's identification; exit 3 when it is not supported",
         true},
        {"read", Command::Read, "", "read the controller's configuration into FILE.cnt (-o FILE.cnt)", true},
        {"program", Command::Program, "FILE.cnt",
         "program FILE.cnt into the controller, verify it and restart the controller", true},
        {"compare", Command::Compare, "FILE.cnt", "compare FILE.cnt with the controller's configuration; exit 1 when they differ",
         true},
        {"restart", Command::Restart, "", "restart the controller (system reset)", true},
        {"factory-reset", Command::FactoryReset, "", "restore the controller's factory configuration", true},
        {"clock", Command::Clock, "", "set the controller's clock: --sync (this computer's time) or --set \"dd.mm.yy hh:mm:ss\"",
         true},
        {"output", Command::Output, "N (on | off | scenario S)",
         "switch output N (1..7: relay 1, relay 2, outputs 1..5) on or off, or run scenario S (1..14) on it", true},
        {"mode", Command::Mode, "(arm | disarm | protect)", "set the security mode", true},
        {"imitate", Command::Imitate, "N", "imitate the activation of input N (1..16)", true},
        {"imei", Command::Imei, "", "print the controller's IMEI", true},
        {"sysparams", Command::SysParams, "(read [-o FILE] | program FILE)",
         "read or program the controller's 8 bytes of system parameters (a text file of 16 hex digits)", true},
        {"history", Command::History, "[SERIAL]",
         "list the configurations kept from every read and programming, by controller and time", false},
        {"dump", Command::Dump, "FILE", "print a configuration (.cnt or text) as text, setting by setting (-o OUT)",
         false},
        {"load", Command::Load, "FILE.toml", "turn a configuration text back into a configuration file (-o FILE.cnt)",
         false},
        {"diff", Command::Diff, "A B",
         "list the settings that differ between two configurations (.cnt or text); exit 1 when they differ", false},
        {"report", Command::Report, "FILE",
         "write a printable report of a configuration (-o FILE.pdf or FILE.html; -p PORT adds the controller's "
         "identification)",
         false},
    };
    return kCommands;
}

const CommandInfo* Find(const QString& name) {
    for (const CommandInfo& info : Commands()) {
        if (name == QLatin1String(info.name)) return &info;
    }
    return nullptr;
}

Refusal Usage(const QString& text) { return {exit_code::kUsage, text + "\n" + "Try 'krxctl --help'.\n"}; }

bool ReadNumber(const QString& text, int low, int high, int& number) {
    bool ok = false;
    number = text.toInt(&ok);
    return ok && number >= low && number <= high;
}

}  // namespace

QString OverviewText() {
    QString text = QStringLiteral(
        "Usage: krxctl COMMAND [options]\n"
        "Configures the KRX310-LT GSM controller over a serial port, as the configurator's window does.\n\n"
        "Commands:\n");
    for (const CommandInfo& info : Commands()) {
        QString synopsis = QString::fromLatin1(info.name);
        if (*info.arguments) synopsis += ' ' + QString::fromLatin1(info.arguments);
        text += "  " + synopsis.leftJustified(44) + ' ' + QString::fromUtf8(info.summary) + '\n';
    }
    text += QStringLiteral(
        "\nCommon options:\n"
        "  -p, --port PORT      the serial port (ttyUSB0, /dev/ttyUSB0, pts/3)\n"
        "  -P, --password PASS  the administrative password (or the environment variable KRX_PASSWORD)\n"
        "  --json               machine-readable results on stdout\n"
        "  --quiet              no progress bar on stderr\n\n"
        "Exit codes: 0 success, 1 compare found differences, 2 usage error,\n"
        "3 the controller failed, refused or is not supported, 4 file error.\n"
        "'krxctl COMMAND --help' explains one command.\n");
    return text;
}

Parsed ParseCommandLine(const QStringList& arguments, const std::optional<QString>& environmentPassword) {
    Parsed parsed;
    if (arguments.isEmpty() || arguments.first() == "--help" || arguments.first() == "-h") {
        parsed.refusal = {arguments.isEmpty() ? exit_code::kUsage : exit_code::kSuccess, OverviewText()};
        return parsed;
    }
    const CommandInfo* info = Find(arguments.first());
    if (!info) {
        parsed.refusal = Usage("krxctl: unknown command '" + arguments.first() + "'.");
        return parsed;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(info->summary));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "Explains this command.");
    const QCommandLineOption port({"p", "port"}, "The serial port.", "PORT");
    const QCommandLineOption password({"P", "password"},
                                      "The administrative password (else the variable KRX_PASSWORD).", "PASSWORD");
    const QCommandLineOption json("json", "Machine-readable results on stdout.");
    const QCommandLineOption quiet("quiet", "No progress bar on stderr.");
    const QCommandLineOption output({"o", "output"}, "The file to write.", "FILE");
    const QCommandLineOption noRestart("no-restart", "Apply the configuration without a restart (Reconfigurate).");
    const QCommandLineOption clearModes("clear-mode-memory", "Also clear the controller's mode memory.");
    const QCommandLineOption changedOnly("changed-only",
                                         "Write only the 256-byte blocks that differ from the controller's.");
    const QCommandLineOption each("each", "Batch mode: program every controller attached in turn, logging each.",
                                  "LOG.csv");
    const QCommandLineOption sync("sync", "Set the controller's clock to this computer's time.");
    const QCommandLineOption set("set", "Set the controller's clock to the time given.", "dd.mm.yy hh:mm:ss");
    const QCommandLineOption format("format", "The text's form: toml (the default) or json.", "toml|json");

    QList<QCommandLineOption> options{help, json, quiet};
    if (info->needsPort) options << port << password;
    switch (info->command) {
    case Command::Read: options << output; break;
    case Command::Program: options << noRestart << clearModes << changedOnly << each; break;
    case Command::Clock: options << sync << set; break;
    case Command::SysParams: options << output; break;
    case Command::Dump: options << output << format; break;
    case Command::Load: options << output; break;
    case Command::Report: options << output << port; break;
    default: break;
    }
    parser.addOptions(options);
    if (*info->arguments) parser.addPositionalArgument(QString::fromLatin1(info->arguments), QString());

    QStringList line{QStringLiteral("krxctl ") + info->name};
    line += arguments.mid(1);
    if (!parser.parse(line)) {
        parsed.refusal = Usage("krxctl " + QString::fromLatin1(info->name) + ": " + parser.errorText());
        return parsed;
    }
    if (parser.isSet(help)) {
        // The parser names the program by its path; the synopsis names the command.
        QString text = parser.helpText();
        text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+ \\[options\\]")),
                     QStringLiteral("Usage: krxctl ") + info->name + " [options]");
        parsed.refusal = {exit_code::kSuccess, text};
        return parsed;
    }

    Request r;
    r.command = info->command;
    r.name = QString::fromLatin1(info->name);
    r.json = parser.isSet(json);
    r.quiet = parser.isSet(quiet);
    const QStringList args = parser.positionalArguments();
    const auto refuse = [&](const QString& why) {
        parsed.refusal = Usage("krxctl " + r.name + ": " + why);
        return parsed;
    };
    if (info->needsPort) {
        r.port = parser.value(port);
        if (r.port.isEmpty()) return refuse("a port is needed (-p PORT).");
        if (parser.isSet(password)) {
            r.password = parser.value(password);
        } else if (environmentPassword) {
            r.password = environmentPassword;
        }
    }
    switch (r.command) {
    case Command::Read:
        r.outputFile = parser.value(output);
        if (r.outputFile.isEmpty()) return refuse("the file to write is needed (-o FILE.cnt).");
        if (!args.isEmpty()) return refuse("unexpected argument '" + args.first() + "'.");
        break;
    case Command::Program:
        if (args.size() != 1) return refuse("one configuration file is needed.");
        r.file = args.first();
        r.noRestart = parser.isSet(noRestart);
        r.clearModeMemory = parser.isSet(clearModes);
        r.changedOnly = parser.isSet(changedOnly);
        r.eachLog = parser.value(each);
        if (parser.isSet(each) && r.eachLog.isEmpty()) return refuse("--each needs a log file.");
        break;
    case Command::Compare:
        if (args.size() != 1) return refuse("one configuration file is needed.");
        r.file = args.first();
        break;
    case Command::Clock:
        r.clockSync = parser.isSet(sync);
        r.clockText = parser.value(set);
        if (r.clockSync == parser.isSet(set)) return refuse("either --sync or --set \"dd.mm.yy hh:mm:ss\".");
        if (!args.isEmpty()) return refuse("unexpected argument '" + args.first() + "'.");
        break;
    case Command::Output:
        if (args.size() < 2 || !ReadNumber(args.at(0), 1, 7, r.number)) {
            return refuse("an output 1..7 and on, off or scenario S are needed.");
        }
        r.action = args.at(1);
        if (r.action == "scenario") {
            if (args.size() != 3 || !ReadNumber(args.at(2), 1, 14, r.scenario)) {
                return refuse("a scenario 1..14 is needed.");
            }
        } else if ((r.action != "on" && r.action != "off") || args.size() != 2) {
            return refuse("on, off or scenario S.");
        }
        break;
    case Command::Mode:
        if (args.size() != 1 || !(args.first() == "arm" || args.first() == "disarm" || args.first() == "protect")) {
            return refuse("arm, disarm or protect.");
        }
        r.action = args.first();
        break;
    case Command::Imitate:
        if (args.size() != 1 || !ReadNumber(args.first(), 1, 16, r.number)) return refuse("an input 1..16 is needed.");
        break;
    case Command::SysParams:
        if (args.isEmpty() || (args.first() != "read" && args.first() != "program")) {
            return refuse("read [-o FILE] or program FILE.");
        }
        r.action = args.first();
        if (r.action == "read") {
            if (args.size() != 1) return refuse("unexpected argument '" + args.at(1) + "'.");
            r.outputFile = parser.value(output);
        } else {
            if (args.size() != 2) return refuse("the file to program is needed.");
            r.file = args.at(1);
        }
        break;
    case Command::Dump:
        if (args.size() != 1) return refuse("one configuration file is needed.");
        r.file = args.first();
        r.outputFile = parser.value(output);
        r.format = parser.isSet(format) ? parser.value(format) : QStringLiteral("toml");
        if (r.format != "toml" && r.format != "json") return refuse("--format toml or --format json.");
        break;
    case Command::Load:
        if (args.size() != 1) return refuse("one configuration text is needed.");
        r.file = args.first();
        r.outputFile = parser.value(output);
        if (r.outputFile.isEmpty()) return refuse("the file to write is needed (-o FILE.cnt).");
        break;
    case Command::Report:
        if (args.size() != 1) return refuse("one configuration file is needed.");
        r.file = args.first();
        r.outputFile = parser.value(output);
        r.port = parser.value(port);
        if (!r.outputFile.toLower().endsWith(".pdf") && !r.outputFile.toLower().endsWith(".html") &&
            !r.outputFile.toLower().endsWith(".htm")) {
            return refuse("the report to write is needed (-o FILE.pdf or -o FILE.html).");
        }
        break;
    case Command::Diff:
        if (args.size() != 2) return refuse("two configurations are needed.");
        r.file = args.at(0);
        r.otherFile = args.at(1);
        break;
    case Command::History:
        if (args.size() > 1) return refuse("at most one serial number.");
        r.serial = args.value(0).remove(QLatin1Char(' ')).toUpper();
        break;
    default:
        if (!args.isEmpty()) return refuse("unexpected argument '" + args.first() + "'.");
        break;
    }
    parsed.request = r;
    return parsed;
}

}  // namespace krx::cli
