#include "cli/cli_runner.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSerialPortInfo>

#include <array>
#include <optional>

#include "cli/batch_programming.h"
#include "cli/configuration_files.h"
#include "config/body_description.h"
#include "config/readable_config.h"
#include "report/config_report.h"
#include "config/config_file.h"
#include "config/config_history.h"
#include "config/general_section.h"
#include "config/interface_texts.h"
#include "config/language_file.h"
#include "device/clock_command.h"
#include "device/control_command.h"
#include "device/controller_session.h"
#include "device/ident_record.h"
#include "device/records.h"
#include "monitor/status_display_rules.h"

namespace krx::cli {
namespace {

QString PortFromArgument(const QString& port) {
    return port.startsWith(QLatin1String("/dev/")) ? port.mid(5) : port;
}

// Collects what a command says, for text or JSON output.
class Report {
public:
    Report(const Request& request) : request_(request) { json_.insert("command", request.name); }

    void field(const QString& key, const QJsonValue& value, const QString& text = {}) {
        json_.insert(key, value);
        if (!text.isNull()) out_ += text + '\n';
    }
    void message(const QString& text) {
        if (!text.isEmpty()) messages_ << text;
    }
    Result finish(int exitCode) {
        Result r;
        r.exitCode = exitCode;
        json_.insert("ok", exitCode == exit_code::kSuccess);
        json_.insert("exitCode", exitCode);
        json_.insert("messages", QJsonArray::fromStringList(messages_));
        if (!messages_.isEmpty()) r.err = messages_.join('\n') + '\n';
        r.out = request_.json ? QString::fromUtf8(QJsonDocument(json_).toJson(QJsonDocument::Indented)) : out_;
        return r;
    }

private:
    const Request& request_;
    QJsonObject json_;
    QString out_;
    QStringList messages_;
};

// The progress of block transfers, as a bar with the bytes and the time left.
class ProgressLine {
public:
    ProgressLine(StatusSink& sink, const std::function<void(const QString&)>& write) : write_(write) {
        if (!write_) return;
        // The connections end with this line, whatever the sink does later.
        QObject::connect(&sink, &StatusSink::progressMaximumChanged, &context_, [this](int maximum) {
            maximum_ = maximum;
            timer_.start();
        });
        QObject::connect(&sink, &StatusSink::progressPositionChanged, &context_, [this](int position) {
            show(position);
        });
    }
    ~ProgressLine() {
        if (write_ && shown_) write_(QStringLiteral("\n"));
    }

private:
    void show(int position) {
        if (maximum_ <= 0) return;
        constexpr int kWidth = 30;
        const int filled = static_cast<int>(qint64(kWidth) * position / maximum_);
        QString line = "\r[" + QString(filled, '#') + QString(kWidth - filled, ' ') + "] " +
                       QString::number(position) + '/' + QString::number(maximum_) + " bytes";
        if (position > 0 && position < maximum_) {
            const qint64 left = timer_.elapsed() * (maximum_ - position) / position;
            line += ", " + QString::number((left + 999) / 1000) + " s left";
        }
        write_(line.leftJustified(72));
        shown_ = true;
    }

    QObject context_;
    std::function<void(const QString&)> write_;
    int maximum_ = 0;
    bool shown_ = false;
    QElapsedTimer timer_;
};

// How an operation's outcome maps onto the exit code: anything not ok is
// the controller's failure or refusal.
int ExitFor(const OperationOutcome& outcome) {
    return outcome.ok ? exit_code::kSuccess : exit_code::kController;
}

// The window's texts for a file that cannot be used, with the file's name.
QString FileError(int code, const QString& file) {
    const std::string_view text = OpenResultMessage(code);
    return QString::fromUtf8(text.data(), qsizetype(text.size())) + ": " + file;
}

bool ApplyPassword(const Request& request, ConfigImage& image, Report& report) {
    if (!request.password) return true;
    GeneralSettings general;
    LoadGeneral(general, image);
    // As a technician ticks "Использовать административный пароль" and types it.
    general.useSysPassword = true;
    general.sysPassword = request.password->toStdString();
    StoreGeneral(general, image);
    GeneralSettings stored;
    LoadGeneral(stored, image);
    if (QString::fromStdString(stored.sysPassword) != *request.password) {
        report.message("krxctl: the password must be at most 8 characters of the controller's alphabet.");
        return false;
    }
    return true;
}

QString Hex(std::span<const std::uint8_t> bytes) {
    QString text;
    for (std::uint8_t b : bytes) text += QString::asprintf("%02X", b);
    return text;
}

Result RunPorts(const Request& request) {
    Report report(request);
    QJsonArray ports;
    QString text;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        ports.append(info.portName());
        text += info.portName() + (info.description().isEmpty() ? QString() : "  " + info.description()) + '\n';
    }
    report.field("ports", ports, text.chopped(text.isEmpty() ? 0 : 1));
    return report.finish(exit_code::kSuccess);
}

Result RunIdentify(const Request& request, ControllerSession& session) {
    Report report(request);
    std::array<std::uint8_t, ident::kSize> record{};
    const JobOutcome job = session.runJob({TransferJobKind::IdentityRead, 0, record});
    if (!job.ok) {
        report.message(job.message);
        return report.finish(exit_code::kController);
    }
    const IdentValues ident = DecodeIdentRecord(record);
    const auto put = [&report](const char* key, const QString& value) {
        report.field(QLatin1String(key), value, QLatin1String(key) + QLatin1String(": ") + value);
    };
    put("deviceName", ident.deviceName);
    put("modification", ident.modification);
    put("hardwareVersion", VersionText(ident.hardwareVersion));
    put("softwareVersion", VersionText(ident.softwareVersion));
    put("bootLoaderVersion", VersionText(ident.bootLoaderVersion));
    put("productionDate", ident.productionDate);
    put("countryCode", ident.countryCode);
    put("imei", ident.imei);
    put("uniqueId", IdWordsText(ident.uniqueId));
    put("bindingId", IdWordsText(ident.bindingId));
    const QString rejection = IdentRejection(ident);
    report.field("supported", rejection.isEmpty(), QStringLiteral("supported: ") + (rejection.isEmpty() ? "yes" : "no"));
    report.message(rejection);
    return report.finish(rejection.isEmpty() ? exit_code::kSuccess : exit_code::kController);
}

// An operation, its final text, and its exit code.
Result Finish(Report& report, const OperationOutcome& outcome, int exitCode) {
    report.field("status", outcome.message);
    report.message(outcome.message);
    return report.finish(exitCode);
}

Result RunRead(const Request& request, ControllerSession& session) {
    Report report(request);
    if (!ApplyPassword(request, session.image(), report)) return report.finish(exit_code::kUsage);
    const OperationOutcome outcome = session.ReadConf();
    if (!outcome.ok) return Finish(report, outcome, exit_code::kController);
    if (WriteConfigFile(session.image(), request.outputFile.toStdString()) != 0) {
        report.message(FileError(kConfigFileCannotOpen, request.outputFile));
        return Finish(report, outcome, exit_code::kFile);
    }
    report.field("file", request.outputFile);
    return Finish(report, outcome, exit_code::kSuccess);
}

bool LoadFile(const Request& request, ConfigImage& image, Report& report) {
    const int code = ReadConfigFile(image, request.file.toStdString());
    if (code != 0) {
        report.message(FileError(code, request.file));
        return false;
    }
    return true;
}

Result RunEach(const Request& request, ControllerSession& session, const Environment& environment, Report& report) {
    BatchSetup setup;
    setup.logFile = request.eachLog;
    setup.programOnce = [&request, &session] {
        if (request.changedOnly) return session.ProgramChanged(!request.noRestart);
        return request.noRestart ? session.Reconfigurate() : session.Programm();
    };
    setup.keepGoing = environment.keepGoing;
    setup.pollIntervalMs = environment.pollIntervalMs;
    setup.restartDelayMs = request.noRestart ? 0 : environment.restartDelayMs;
    const BatchResult batch = RunBatch(session, setup);
    report.field("programmed", batch.programmed,
                 QStringLiteral("programmed: %1, failed: %2").arg(batch.programmed).arg(batch.failed));
    report.field("failed", batch.failed);
    if (!batch.error.isEmpty()) {
        report.message(FileError(kConfigFileCannotOpen, request.eachLog) + " (" + batch.error + ")");
        return report.finish(exit_code::kFile);
    }
    return report.finish(exit_code::kSuccess);
}

Result RunProgram(const Request& request, ControllerSession& session, const Environment& environment) {
    Report report(request);
    if (!LoadFile(request, session.image(), report)) return report.finish(exit_code::kFile);
    if (!ApplyPassword(request, session.image(), report)) return report.finish(exit_code::kUsage);
    if (!request.eachLog.isEmpty()) return RunEach(request, session, environment, report);
    if (request.changedOnly) {
        const OperationOutcome outcome = session.ProgramChanged(!request.noRestart);
        report.field("blocksWritten", outcome.blocksWritten);
        if (outcome.ok && outcome.blocksWritten == 0 && !request.clearModeMemory) {
            // Nothing written: the controller's own answer says why.
            report.message(session.messages().at(msg::kCompareEqual));
            return report.finish(exit_code::kSuccess);
        }
        return Finish(report, outcome, ExitFor(outcome));
    }
    const OperationOutcome outcome = request.noRestart ? session.Reconfigurate() : session.Programm();
    return Finish(report, outcome, ExitFor(outcome));
}

QString Utf8(const std::string& s) { return QString::fromStdString(s); }

QJsonValue JsonValue(const SettingValue& v) {
    switch (v.kind) {
        case SettingKind::Text: return Utf8(v.text);
        case SettingKind::Flag: return v.flag;
        case SettingKind::Number:
        case SettingKind::Choice: return v.number;
    }
    return {};
}

// One line per differing setting, then the differing bytes of no setting.
void ReportDifferences(Report& report, const BodyDifferences& d) {
    QJsonArray settings;
    for (const SettingDifference& s : d.settings) {
        QJsonObject o;
        o.insert("section", Utf8(s.part));
        o.insert("setting", Utf8(s.name));
        o.insert("a", JsonValue(s.a));
        o.insert("b", JsonValue(s.b));
        if (s.a.kind == SettingKind::Choice) {
            o.insert("aText", Utf8(s.a.listText));
            o.insert("bText", Utf8(s.b.listText));
        }
        settings.append(o);
    }
    QJsonArray bytes;
    for (const ByteDifference& b : d.bytes) {
        QJsonObject o;
        o.insert("offset", qint64(b.offset));
        o.insert("a", b.a);
        o.insert("b", b.b);
        bytes.append(o);
    }
    const QString text = Utf8(DifferencesText(d));
    report.field("differences", settings, text.isEmpty() ? QString() : text.chopped(1));
    report.field("bytes", bytes);
}

// The configuration `file` names (a .cnt file or its text), or the failure
// in the report.
std::optional<ConfigImage> InputConfiguration(const QString& file, Report& report) {
    LoadedConfiguration loaded = ReadAnyConfiguration(file);
    if (loaded.ok) return loaded.image;
    report.message(loaded.error);
    return std::nullopt;
}

// A command whose result is a file: written, or its failure.
Result FinishWriting(Report& report, bool written, const QString& file) {
    if (!written) {
        report.message(FileError(kConfigFileCannotOpen, file));
        return report.finish(exit_code::kFile);
    }
    report.field("file", file);
    return report.finish(exit_code::kSuccess);
}

Result RunDump(const Request& request) {
    Report report(request);
    const std::optional<ConfigImage> image = InputConfiguration(request.file, report);
    if (!image) return report.finish(exit_code::kFile);
    const std::string text =
        BodyAsText(*image, request.format == QLatin1String("json") ? TextFormat::Json : TextFormat::Toml);
    if (request.outputFile.isEmpty()) {
        Result r;
        r.out = Utf8(text);
        return r;
    }
    return FinishWriting(report, WriteWholeFile(request.outputFile, QByteArray::fromStdString(text)),
                         request.outputFile);
}

Result RunLoad(const Request& request) {
    Report report(request);
    const std::optional<ConfigImage> image = InputConfiguration(request.file, report);
    if (!image) return report.finish(exit_code::kFile);
    return FinishWriting(report, WriteConfigFile(*image, request.outputFile.toStdString()) == 0,
                         request.outputFile);
}

Result RunDiff(const Request& request) {
    Report report(request);
    const std::optional<ConfigImage> a = InputConfiguration(request.file, report);
    const std::optional<ConfigImage> b = a ? InputConfiguration(request.otherFile, report) : std::nullopt;
    if (!a || !b) return report.finish(exit_code::kFile);
    const BodyDifferences d = DiffBodies(*a, *b);
    report.field("equal", d.empty());
    ReportDifferences(report, d);
    return report.finish(d.empty() ? exit_code::kSuccess : exit_code::kDifferent);
}

Result RunReport(const Request& request, const Environment& environment) {
    Report report(request);
    const std::optional<ConfigImage> image = InputConfiguration(request.file, report);
    if (!image) return report.finish(exit_code::kFile);
    ReportSetup setup;
    setup.source = request.file;
    setup.made = environment.now();
    if (!request.port.isEmpty()) {
        ControllerSession::Setup sessionSetup;
        sessionSetup.messages = environment.messages;
        const QString port = PortFromArgument(request.port);
        sessionSetup.portName = [port] { return port; };
        ControllerSession session(sessionSetup);
        std::array<std::uint8_t, ident::kSize> record{};
        const JobOutcome job = session.runJob({TransferJobKind::IdentityRead, 0, record});
        if (!job.ok) {
            report.message(job.message);
            return report.finish(exit_code::kController);
        }
        setup.identification = IdentificationValues(DecodeIdentRecord(record));
    }
    return FinishWriting(report, WriteReport(*image, setup, request.outputFile), request.outputFile);
}

Result RunCompare(const Request& request, ControllerSession& session) {
    Report report(request);
    if (!LoadFile(request, session.image(), report)) return report.finish(exit_code::kFile);
    if (!ApplyPassword(request, session.image(), report)) return report.finish(exit_code::kUsage);
    const OperationOutcome outcome = session.CompareConf();
    const bool different = !outcome.ok && outcome.message == session.messages().at(msg::kCompareDifferent);
    report.field("equal", outcome.ok);
    if (different && outcome.controllerBody.size() == kBodySize) {
        ConfigImage controller;
        std::copy(outcome.controllerBody.begin(), outcome.controllerBody.end(), controller.body().begin());
        ReportDifferences(report, DiffBodies(session.image(), controller));
    }
    return Finish(report, outcome, outcome.ok ? exit_code::kSuccess : different ? exit_code::kDifferent
                                                                              : exit_code::kController);
}

Result RunSimple(const Request& request, ControllerSession& session, OperationOutcome (ControllerSession::*op)()) {
    Report report(request);
    if (!ApplyPassword(request, session.image(), report)) return report.finish(exit_code::kUsage);
    const OperationOutcome outcome = (session.*op)();
    return Finish(report, outcome, ExitFor(outcome));
}

// A direct command: done only when its own job succeeded.
Result FinishCommand(Report& report, const OperationOutcome& outcome) {
    return Finish(report, outcome, outcome.sent && outcome.ok ? exit_code::kSuccess : exit_code::kController);
}

Result RunControl(const Request& request, ControllerSession& session, const ControlPayload& payload) {
    Report report(request);
    if (!ApplyPassword(request, session.image(), report)) return report.finish(exit_code::kUsage);
    return FinishCommand(report, session.ControlCommand(payload));
}

Result RunClock(const Request& request, ControllerSession& session, const Environment& environment) {
    Report report(request);
    if (request.clockSync) {
        const auto now = environment.now;
        return FinishCommand(report, session.SetClock([now] { return ClockPayloadFromText(PcClockText(now())); }));
    }
    const ClockTextFields fields = ReadClockText(request.clockText);
    if (request.clockText.size() != 17 || CheckClockText(fields) != ClockTextFault::None) {
        const ClockCheckTexts& t = BuiltInInterfaceTexts().clockCheck;
        const ClockTextFault fault = CheckClockText(fields);
        const std::string& why = fault == ClockTextFault::Day     ? t.day
                                 : fault == ClockTextFault::Month ? t.month
                                 : fault == ClockTextFault::Year  ? t.year
                                 : fault == ClockTextFault::Hour  ? t.hour
                                 : fault == ClockTextFault::Minute ? t.minute
                                                                   : std::string("dd.mm.yy hh:mm:ss");
        report.message(QString::fromStdString(t.title) + ": " + QString::fromStdString(why));
        return report.finish(exit_code::kUsage);
    }
    return FinishCommand(report, session.SetClock(ClockPayloadOf(fields)));
}

Result RunImei(const Request& request, ControllerSession& session) {
    Report report(request);
    if (!ApplyPassword(request, session.image(), report)) return report.finish(exit_code::kUsage);
    const OperationOutcome outcome = session.ReadImei();
    if (outcome.ok) report.field("imei", outcome.value, outcome.value);
    return Finish(report, outcome, ExitFor(outcome));
}

// The system-parameter file: the 8 bytes as 16 hexadecimal digits on one
// line (blanks and a final line end allowed).
bool ReadSystemParameterFile(const QString& name, std::span<std::uint8_t> bytes, QString& why) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        why = FileError(kConfigFileCannotOpen, name);
        return false;
    }
    const QByteArray text = file.read(256).simplified().replace(' ', "");
    const QByteArray raw = QByteArray::fromHex(text);
    if (text.size() != qsizetype(bytes.size() * 2) || raw.size() != qsizetype(bytes.size()) ||
        raw.toHex().toUpper() != text.toUpper()) {
        why = "krxctl: " + name + " must hold the 8 bytes as 16 hexadecimal digits.";
        return false;
    }
    std::copy(raw.begin(), raw.end(), bytes.begin());
    return true;
}

Result RunSysParams(const Request& request, ControllerSession& session) {
    Report report(request);
    if (!ApplyPassword(request, session.image(), report)) return report.finish(exit_code::kUsage);
    if (request.action == QLatin1String("read")) {
        const OperationOutcome outcome = session.ReadSystemParameters();
        if (!outcome.ok) return Finish(report, outcome, exit_code::kController);
        const QString hex = Hex(session.image().systemParameters());
        if (!request.outputFile.isEmpty()) {
            QFile file(request.outputFile);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write((hex + '\n').toLatin1()) < 0) {
                report.message(FileError(kConfigFileCannotOpen, request.outputFile));
                return Finish(report, outcome, exit_code::kFile);
            }
        }
        report.field("systemParameters", hex, request.outputFile.isEmpty() ? hex : QString());
        return Finish(report, outcome, exit_code::kSuccess);
    }
    QString why;
    if (!ReadSystemParameterFile(request.file, session.image().systemParameters(), why)) {
        report.message(why);
        return report.finish(exit_code::kFile);
    }
    const OperationOutcome outcome = session.ProgramSystemParameters();
    return Finish(report, outcome, ExitFor(outcome));
}

}  // namespace

QStringList LanguageFileMessages(const QString& fileName) {
    QFile file(fileName);
    constexpr qint64 kLargestAccepted = 1 << 20;
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestAccepted) return {};
    const QByteArray bytes = file.readAll();
    const std::optional<LanguageLines> lines =
        ReadLanguageFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!lines) return {};
    QStringList messages;
    for (const std::string& text : ApplyLanguageVocabulary(*lines, BuiltInInterfaceTexts()).transferMessages) {
        messages << QString::fromStdString(text);
    }
    return messages;
}

Result RunHistory(const Request& request, const Environment& environment) {
    Report report(request);
    QJsonArray entries;
    QStringList lines;
    for (const HistoryEntry& e :
         ListHistory(std::filesystem::path(environment.historyDirectory.toStdString()), request.serial.toStdString())) {
        const QString kind = e.kind == HistoryKind::Read ? QStringLiteral("read") : QStringLiteral("programmed");
        const QString file = QString::fromStdString(e.file.string());
        QJsonObject entry;
        entry.insert("serial", QString::fromStdString(e.serial));
        entry.insert("time", QString::fromStdString(e.time));
        entry.insert("kind", kind);
        entry.insert("file", file);
        entries.append(entry);
        lines << QString::fromStdString(e.serial) + "  " + QString::fromStdString(e.time) + "  " +
                     kind.leftJustified(10) + "  " + file;
    }
    report.field("entries", entries, lines.join('\n'));
    return report.finish(exit_code::kSuccess);
}

Result Run(const Request& request, const Environment& environment) {
    if (request.command == Command::Ports) return RunPorts(request);
    if (request.command == Command::History) return RunHistory(request, environment);
    if (request.command == Command::Dump) return RunDump(request);
    if (request.command == Command::Load) return RunLoad(request);
    if (request.command == Command::Diff) return RunDiff(request);
    if (request.command == Command::Report) return RunReport(request, environment);

    ControllerSession::Setup setup;
    setup.messages = environment.messages;
    setup.historyDirectory = environment.historyDirectory;
    const QString port = PortFromArgument(request.port);
    setup.portName = [port] { return port; };
    setup.factoryCountdown = environment.factoryCountdown;
    const bool clearModes = request.clearModeMemory;
    setup.clearModeMemory = [clearModes] { return clearModes; };
    ControllerSession session(setup);
    const ProgressLine progress(session.actionSink(), environment.progress);

    switch (request.command) {
    case Command::Identify: return RunIdentify(request, session);
    case Command::Read: return RunRead(request, session);
    case Command::Program: return RunProgram(request, session, environment);
    case Command::Compare: return RunCompare(request, session);
    case Command::Restart: return RunSimple(request, session, &ControllerSession::Reset);
    case Command::FactoryReset: return RunSimple(request, session, &ControllerSession::FactoryConfig);
    case Command::Clock: return RunClock(request, session, environment);
    case Command::Output: {
        const auto payload = request.action == QLatin1String("scenario")
                                 ? OutputScenarioPayload(request.number - 1, request.scenario)
                                 : OutputSwitchPayload(request.number - 1, request.action == QLatin1String("on"));
        return RunControl(request, session, *payload);
    }
    case Command::Mode: {
        const SecurityMode mode = request.action == QLatin1String("arm")      ? SecurityMode::Armed
                                  : request.action == QLatin1String("disarm") ? SecurityMode::Observation
                                                                              : SecurityMode::Protection;
        return RunControl(request, session, ModeChangePayload(mode));
    }
    case Command::Imitate: return RunControl(request, session, *InputImitationPayload(request.number - 1));
    case Command::Imei: return RunImei(request, session);
    case Command::SysParams: return RunSysParams(request, session);
    case Command::Ports:
    case Command::History:
    case Command::Dump:
    case Command::Load:
    case Command::Diff:
    case Command::Report: break;
    }
    return {};
}

}  // namespace krx::cli
