// krxctl against the in-process simulated controller: what each command
// line means, the frames each command sends (the same sequences the
// window's operations send), the files it writes, and the exit codes of
// every way it can fail.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include "cli/batch_programming.h"
#include "cli_fixture.h"
#include "cli/cli_request.h"
#include "cli/cli_runner.h"
#include "common/operation_frames.h"
#include "config/config_file.h"
#include "config/default_image.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"

using namespace krx;
using namespace krx::cli;
using namespace krx::test::code;
using krx::test::Join;
using krx::test::Repeat;
using krx::test::Cli;
using krx::test::Frame;

namespace {

std::vector<std::uint8_t> Bytes(std::span<const std::uint8_t> s) { return {s.begin(), s.end()}; }

// A body this program can edit, but not the default one.
ConfigImage EditedImage() {
    ConfigImage image = DefaultImage();
    image.body()[12] ^= 0x07;
    image.body()[3000] = 0x5A;
    return image;
}

}  // namespace

class TestKrxctl : public QObject {
    Q_OBJECT
private slots:
    void commandLine_refusals_data();
    void commandLine_refusals();
    void commandLine_passwordFromOptionOrEnvironment();
    void identify_printsTheIdentification();
    void identify_unsupportedController_exit3();
    void read_writesTheControllersBody();
    void read_invalidBody_writesNoFile();
    void read_silentPort_exit3();
    void program_framesAsTheWindow_data();
    void program_framesAsTheWindow();
    void program_refusedPassword_writesNothing();
    void program_unsupportedController_writesNothing();
    void program_passwordGiven_isPresented();
    void program_unusableFile_exit4_data();
    void program_unusableFile_exit4();
    void changedOnly_oneEdit_oneBlockWrittenAndVerified();
    void changedOnly_nothingDiffers_writesNothing();
    void changedOnly_noRestart_endsWithApply();
    void each_attachDetachAttach_twoLogLines();
    void csvField_quotesOnlyWhenNeeded();
    void history_readAndProgramKeepCopies();
    void compare_equalAndDifferent();
    void output_secondRelayOn_sendsTheWindowsFrame();
    void commands_framesAsTheWindow_data();
    void commands_framesAsTheWindow();
    void progress_showsBytesAndTimeLeft();
    void clock_setSendsTheTypedTimeWithoutPassword();
    void clock_impossibleTime_sendsNothing();
    void imei_json();
    void sysparams_readAndProgram();
};

void TestKrxctl::commandLine_refusals_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("nothing") << QStringList{} << 2;
    QTest::newRow("--help") << QStringList{"--help"} << 0;
    QTest::newRow("a command's help") << QStringList{"program", "--help"} << 0;
    QTest::newRow("unknown command") << QStringList{"burn"} << 2;
    QTest::newRow("no port") << QStringList{"read", "-o", "x.cnt"} << 2;
    QTest::newRow("read without a file") << QStringList{"read", "-p", "X"} << 2;
    QTest::newRow("program without a file") << QStringList{"program", "-p", "X"} << 2;
    QTest::newRow("output 0") << QStringList{"output", "-p", "X", "0", "on"} << 2;
    QTest::newRow("output 8") << QStringList{"output", "-p", "X", "8", "on"} << 2;
    QTest::newRow("output blink") << QStringList{"output", "-p", "X", "1", "blink"} << 2;
    QTest::newRow("scenario 15") << QStringList{"output", "-p", "X", "1", "scenario", "15"} << 2;
    QTest::newRow("mode sleep") << QStringList{"mode", "-p", "X", "sleep"} << 2;
    QTest::newRow("imitate 17") << QStringList{"imitate", "-p", "X", "17"} << 2;
    QTest::newRow("clock, both") << QStringList{"clock", "-p", "X", "--sync", "--set", "01.01.26 00:00:00"} << 2;
    QTest::newRow("clock, neither") << QStringList{"clock", "-p", "X"} << 2;
    QTest::newRow("unknown option") << QStringList{"restart", "-p", "X", "--force"} << 2;
    QTest::newRow("sysparams write") << QStringList{"sysparams", "-p", "X", "write", "f"} << 2;
}

void TestKrxctl::commandLine_refusals() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    const Parsed parsed = ParseCommandLine(args, {});
    QVERIFY(!parsed.request);
    QCOMPARE(parsed.refusal.exitCode, exitCode);
    QVERIFY(!parsed.refusal.text.isEmpty());
}

void TestKrxctl::commandLine_passwordFromOptionOrEnvironment() {
    const auto password = [](QStringList args, std::optional<QString> env) {
        return ParseCommandLine(args, env).request->password;
    };
    QCOMPARE(password({"restart", "-p", "X"}, {}), std::optional<QString>());
    QCOMPARE(password({"restart", "-p", "X"}, QString("env")), std::optional<QString>("env"));
    QCOMPARE(password({"restart", "-p", "X", "-P", "opt"}, QString("env")), std::optional<QString>("opt"));
}

void TestKrxctl::identify_printsTheIdentification() {
    Cli cli;
    const Result r = cli.run(cli.onPort({"identify"}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(cli.commands(), (std::vector<std::uint8_t>{kIdent}));
    QVERIFY2(r.out.contains("deviceName: KRX310\n"), qPrintable(r.out));
    QVERIFY(r.out.contains("softwareVersion: 01.01\n"));
    QVERIFY(r.out.contains("imei: 356938035643809\n"));
    QVERIFY(r.out.contains("supported: yes\n"));
}

void TestKrxctl::identify_unsupportedController_exit3() {
    Cli cli;
    cli.controller->withDevice([](sim::SimDevice& d) { d.identity().deviceName = "KRX740"; });
    const Result r = cli.run(cli.onPort({"identify", "--json"}));
    QCOMPARE(r.exitCode, 3);
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(json.value("deviceName").toString(), QStringLiteral("KRX740"));
    QCOMPARE(json.value("supported").toBool(true), false);
    QVERIFY(!r.err.isEmpty());
}

void TestKrxctl::read_writesTheControllersBody() {
    Cli cli;
    const ConfigImage edited = EditedImage();
    cli.controller->setArea(1, edited.body());
    const QString file = cli.path("read.cnt");
    const Result r = cli.run(cli.onPort({"read", "-o", file}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QStringLiteral("Данные считаны\n"));
    QCOMPARE(cli.commands(), krx::test::ReadConfCodes());
    ConfigImage readBack;
    QCOMPARE(ReadConfigFile(readBack, file.toStdString()), 0);
    QCOMPARE(Bytes(readBack.body()), Bytes(edited.body()));
}

void TestKrxctl::read_invalidBody_writesNoFile() {
    Cli cli;
    const std::vector<std::uint8_t> garbage(DefaultImage().body().size(), 0xFF);
    cli.controller->setArea(1, garbage);
    const QString file = cli.path("read.cnt");
    const Result r = cli.run(cli.onPort({"read", "-o", file}));
    QCOMPARE(r.exitCode, 3);
    QVERIFY(!QFile::exists(file));
    QVERIFY(r.err.contains("Контроллер не содержит достоверную конфигурацию"));
}

void TestKrxctl::read_silentPort_exit3() {
    Cli cli;
    sim::SimFaults faults;
    faults.reply = sim::ReplyFault::Silence;
    cli.controller->setFaults(faults);
    const QString file = cli.path("read.cnt");
    const Result r = cli.run(cli.onPort({"read", "-o", file, "--json"}));
    QCOMPARE(r.exitCode, 3);
    QVERIFY(!QFile::exists(file));
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(json.value("ok").toBool(true), false);
    QCOMPARE(json.value("status").toString(), QStringLiteral("Нет ответа от устройства"));
}

void TestKrxctl::program_framesAsTheWindow_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<std::vector<std::uint8_t>>("codes");
    QTest::newRow("program") << QStringList{} << krx::test::ProgrammCodes();
    QTest::newRow("--no-restart") << QStringList{"--no-restart"} << krx::test::ReconfigurateCodes();
    QTest::newRow("--clear-mode-memory")
        << QStringList{"--clear-mode-memory"}
        << Join({{kIdent, kPassword}, Repeat(kWriteArea1, 21), Repeat(kReadArea1, 21),
                 {kWriteArea4, kReadArea4, kRestart}});
}

void TestKrxctl::program_framesAsTheWindow() {
    QFETCH(QStringList, options);
    QFETCH(std::vector<std::uint8_t>, codes);
    Cli cli;
    const ConfigImage edited = EditedImage();
    const Result r = cli.run(cli.onPort(QStringList{"program", cli.writeFile(edited)} + options));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(cli.commands(), codes);
    QCOMPARE(cli.controller->area(1), Bytes(edited.body()));
}

void TestKrxctl::program_refusedPassword_writesNothing() {
    Cli cli;
    cli.controller->setPassword("1234");
    const std::vector<std::uint8_t> before = cli.controller->area(1);
    const Result r = cli.run(cli.onPort({"program", cli.writeFile(EditedImage())}));
    QCOMPARE(r.exitCode, 3);
    QCOMPARE(cli.commands(), (std::vector<std::uint8_t>{kIdent, kPassword}));
    QCOMPARE(cli.controller->area(1), before);
    QVERIFY(r.err.contains("Взаимодействие запрещено без указания пароля"));
}

void TestKrxctl::program_unsupportedController_writesNothing() {
    Cli cli;
    cli.controller->withDevice([](sim::SimDevice& d) { d.identity().softwareVersion = 0x0102; });
    const Result r = cli.run(cli.onPort({"program", cli.writeFile(EditedImage())}));
    QCOMPARE(r.exitCode, 3);
    QCOMPARE(cli.commands(), (std::vector<std::uint8_t>{kIdent}));
    QVERIFY2(r.err.contains("не поддерживается"), qPrintable(r.err));
}

void TestKrxctl::program_passwordGiven_isPresented() {
    Cli cli;
    cli.controller->setPassword("1234");
    const QString file = cli.writeFile(EditedImage());
    const Result r = cli.run(cli.onPort({"program", file}), QString("1234"));
    QCOMPARE(r.exitCode, 0);
    // The password frame carries "1234" and zeros, as the window sends it.
    const Frame password = cli.controller->requests().at(1);
    QCOMPARE(password, (Frame{0x05, 0x11, 0x09, 0x00, 0x31, 0x32, 0x33, 0x34, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE4}));
}

void TestKrxctl::program_unusableFile_exit4_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("exists");
    QTest::newRow("no such file") << QByteArray() << false;
    QTest::newRow("not a configuration") << QByteArray("hello") << true;
}

void TestKrxctl::program_unusableFile_exit4() {
    QFETCH(QByteArray, contents);
    QFETCH(bool, exists);
    Cli cli;
    const QString file = cli.path("bad.cnt");
    if (exists) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contents);
    }
    const Result r = cli.run(cli.onPort({"program", file}));
    QCOMPARE(r.exitCode, 4);
    QVERIFY(cli.controller->requests().empty());
    QVERIFY(r.err.contains(file));
}

namespace {

std::uint32_t AddressOf(const Frame& f) {
    return f[4] | (f[5] << 8) | (f[6] << 16) | (static_cast<std::uint32_t>(f[7]) << 24);
}
std::uint16_t CountOf(const Frame& f) { return static_cast<std::uint16_t>(f[8] | (f[9] << 8)); }

}  // namespace

void TestKrxctl::changedOnly_oneEdit_oneBlockWrittenAndVerified() {
    Cli cli;
    const ConfigImage held = DefaultImage();
    cli.controller->setArea(1, held.body());
    ConfigImage edited = held;
    edited.body()[3000] ^= 0x01;  // block 11: bytes 2816..3071
    const Result r = cli.run(cli.onPort({"program", "--changed-only", "--json", cli.writeFile(edited)}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(cli.commands(), Join({{kIdent, kPassword}, Repeat(kReadArea1, 21), {kWriteArea1, kReadArea1, kRestart}}));
    const std::vector<Frame> frames = cli.controller->requests();
    const Frame& write = frames.at(2 + 21);
    const Frame& verify = frames.at(2 + 22);
    QCOMPARE(AddressOf(write), 2816u);
    QCOMPARE(CountOf(write), std::uint16_t(256));
    QCOMPARE(AddressOf(verify), 2816u);
    QCOMPARE(CountOf(verify), std::uint16_t(256));
    QCOMPARE(cli.controller->area(1), Bytes(edited.body()));
    QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object().value("blocksWritten").toInt(-1), 1);
}

void TestKrxctl::changedOnly_nothingDiffers_writesNothing() {
    Cli cli;
    const ConfigImage edited = EditedImage();
    cli.controller->setArea(1, edited.body());
    const Result r = cli.run(cli.onPort({"program", "--changed-only", cli.writeFile(edited)}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(cli.commands(), Join({{kIdent, kPassword}, Repeat(kReadArea1, 21)}));
    QCOMPARE(r.err, QStringLiteral("Данные в памяти контроллера аналогичны текущим\n"));
}

void TestKrxctl::changedOnly_noRestart_endsWithApply() {
    Cli cli;
    cli.controller->setArea(1, DefaultImage().body());
    ConfigImage edited = DefaultImage();
    edited.body()[511] ^= 0x01;
    edited.body()[512] ^= 0x01;  // blocks 1 and 2: one run of 512 bytes
    const Result r = cli.run(cli.onPort({"program", "--changed-only", "--no-restart", cli.writeFile(edited)}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(cli.commands(), Join({{kIdent, kPassword}, Repeat(kReadArea1, 21),
                                   {kWriteArea1, kWriteArea1, kReadArea1, kReadArea1, kApply}}));
    QCOMPARE(AddressOf(cli.controller->requests().at(23)), 256u);
    QCOMPARE(AddressOf(cli.controller->requests().at(24)), 512u);
    QCOMPARE(cli.controller->area(1), Bytes(edited.body()));
}

void TestKrxctl::each_attachDetachAttach_twoLogLines() {
    Cli cli;
    const QString log = cli.path("batch.csv");
    const auto lines = [&log] {
        QFile f(log);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
                                           : QStringList();
    };
    // The technician: the first controller is there from the start; once it
    // is logged it is unplugged, and after a few polls a second one (another
    // serial number) is plugged in; after its line Ctrl-C.
    int pollsSinceUnplugged = -1;
    cli.environment.pollIntervalMs = 10;
    cli.environment.restartDelayMs = 0;
    cli.environment.keepGoing = [&] {
        const int logged = lines().size() - 1;  // the header
        if (logged == 1 && pollsSinceUnplugged < 0) {
            sim::SimFaults silent;
            silent.reply = sim::ReplyFault::Silence;
            cli.controller->setFaults(silent);
            pollsSinceUnplugged = 0;
        } else if (pollsSinceUnplugged >= 0 && logged == 1 && ++pollsSinceUnplugged == 3) {
            cli.controller->setFaults({});
            cli.controller->withDevice([](sim::SimDevice& d) { d.identity().uniqueId[3] = 0x0000002B; });
        }
        return logged < 2;
    };
    const Result r = cli.run(cli.onPort({"program", cli.writeFile(EditedImage()), "--each", log}));
    QCOMPARE(r.exitCode, 0);
    const QStringList logged = lines();
    QCOMPARE(logged.size(), 3);
    QCOMPARE(logged.at(0), QStringLiteral("time,serial,imei,firmware,result,seconds"));
    const QStringList first = logged.at(1).split(',');
    QCOMPARE(first.size(), 6);
    QVERIFY(QDateTime::fromString(first.at(0), Qt::ISODate).isValid());
    QCOMPARE(first.at(1), QStringLiteral("4B525833 31304C54 00A1B2C3 0000002A"));
    QCOMPARE(first.at(2), QStringLiteral("356938035643809"));
    QCOMPARE(first.at(3), QStringLiteral("LT.01.01"));
    QCOMPARE(first.at(4), QStringLiteral("ok"));
    QVERIFY(first.at(5).toDouble() >= 0);
    QCOMPARE(logged.at(2).split(',').at(1), QStringLiteral("4B525833 31304C54 00A1B2C3 0000002B"));
    QCOMPARE(logged.at(2).split(',').at(4), QStringLiteral("ok"));
    QVERIFY(r.out.contains("programmed: 2, failed: 0"));
}

void TestKrxctl::csvField_quotesOnlyWhenNeeded() {
    QCOMPARE(CsvField("ok"), QStringLiteral("ok"));
    QCOMPARE(CsvField("Ошибка передачи данных, код 3"), QStringLiteral("\"Ошибка передачи данных, код 3\""));
    QCOMPARE(CsvField("a \"b\""), QStringLiteral("\"a \"\"b\"\"\""));
}

void TestKrxctl::history_readAndProgramKeepCopies() {
    Cli cli;
    cli.environment.historyDirectory = cli.dir.path();
    const ConfigImage edited = EditedImage();
    QCOMPARE(cli.run(cli.onPort({"read", "-o", cli.path("r.cnt")})).exitCode, 0);
    QCOMPARE(cli.run(cli.onPort({"program", cli.writeFile(edited)})).exitCode, 0);
    // A refused one keeps nothing.
    cli.controller->setPassword("9999");
    QCOMPARE(cli.run(cli.onPort({"program", cli.writeFile(edited)})).exitCode, 3);

    const Result r = cli.run({"history", "--json"});
    QCOMPARE(r.exitCode, 0);
    const QJsonArray entries = QJsonDocument::fromJson(r.out.toUtf8()).object().value("entries").toArray();
    QCOMPARE(entries.size(), 2);
    QStringList kinds;
    for (const QJsonValue& e : entries) {
        QCOMPARE(e.toObject().value("serial").toString(), QStringLiteral("4B52583331304C5400A1B2C30000002A"));
        kinds << e.toObject().value("kind").toString();
    }
    kinds.sort();
    QCOMPARE(kinds, (QStringList{"programmed", "read"}));
    // The programmed copy is what the controller now holds.
    for (const QJsonValue& e : entries) {
        if (e.toObject().value("kind").toString() != "programmed") continue;
        ConfigImage kept;
        QCOMPARE(ReadConfigFile(kept, e.toObject().value("file").toString().toStdString()), 0);
        QCOMPARE(Bytes(kept.body()), Bytes(edited.body()));
    }
    // By serial number, blanks and case as the identification shows it.
    QCOMPARE(QJsonDocument::fromJson(cli.run({"history", "--json", "4b525833 31304c54 00a1b2c3 0000002a"}).out.toUtf8())
                 .object().value("entries").toArray().size(), 2);
    QCOMPARE(QJsonDocument::fromJson(cli.run({"history", "--json", "0000"}).out.toUtf8())
                 .object().value("entries").toArray().size(), 0);
}

void TestKrxctl::compare_equalAndDifferent() {
    Cli cli;
    const ConfigImage edited = EditedImage();
    cli.controller->setArea(1, edited.body());
    const QString same = cli.writeFile(edited, "same.cnt");
    Result r = cli.run(cli.onPort({"compare", same}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(cli.commands(), krx::test::CompareConfCodes());
    QCOMPARE(r.err, QStringLiteral("Данные в памяти контроллера аналогичны текущим\n"));

    cli.controller->clearRequests();
    r = cli.run(cli.onPort({"compare", cli.writeFile(DefaultImage(), "default.cnt")}));
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, QStringLiteral("Данные в памяти контроллера отличаются от текущих\n"));
    QCOMPARE(cli.controller->area(1), Bytes(edited.body()));  // nothing written
}

void TestKrxctl::output_secondRelayOn_sendsTheWindowsFrame() {
    Cli cli;
    const Result r = cli.run(cli.onPort({"output", "2", "on"}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(cli.commands(), (std::vector<std::uint8_t>{kIdent, kPassword, kControl}));
    QCOMPARE(cli.controller->requests().back(), (Frame{0x05, 0x14, 0x03, 0x00, 0x02, 0x01, 0x01, 0xEB}));
    QCOMPARE(r.err, QStringLiteral("Данные переданы\n"));
}

void TestKrxctl::commands_framesAsTheWindow_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<std::vector<std::uint8_t>>("codes");
    QTest::addColumn<Frame>("payload");  // bytes 4..6 of the last frame, when a control command
    using V = std::vector<std::uint8_t>;
    QTest::newRow("restart") << QStringList{"restart"} << V{kIdent, kPassword, kRestart} << Frame{};
    QTest::newRow("factory-reset") << QStringList{"factory-reset"} << krx::test::FactoryConfigCodes() << Frame{};
    QTest::newRow("mode arm") << QStringList{"mode", "arm"} << V{kIdent, kPassword, kControl} << Frame{0, 0, 0};
    QTest::newRow("mode disarm") << QStringList{"mode", "disarm"} << V{kIdent, kPassword, kControl} << Frame{1, 0, 0};
    QTest::newRow("mode protect") << QStringList{"mode", "protect"} << V{kIdent, kPassword, kControl}
                                  << Frame{3, 0, 0};
    QTest::newRow("output 7 off") << QStringList{"output", "7", "off"} << V{kIdent, kPassword, kControl}
                                  << Frame{2, 6, 2};
    QTest::newRow("output 3 scenario 1") << QStringList{"output", "3", "scenario", "1"}
                                         << V{kIdent, kPassword, kControl} << Frame{2, 2, 3};
    QTest::newRow("output 1 scenario 14") << QStringList{"output", "1", "scenario", "14"}
                                          << V{kIdent, kPassword, kControl} << Frame{2, 0, 16};
    QTest::newRow("imitate 1") << QStringList{"imitate", "1"} << V{kIdent, kPassword, kControl} << Frame{4, 0, 0};
    QTest::newRow("imitate 16") << QStringList{"imitate", "16"} << V{kIdent, kPassword, kControl} << Frame{4, 15, 0};
    QTest::newRow("clock --sync") << QStringList{"clock", "--sync"} << V{kIdent, kClock} << Frame{};
    QTest::newRow("imei") << QStringList{"imei"} << V{kIdent, kPassword} << Frame{};
}

void TestKrxctl::commands_framesAsTheWindow() {
    QFETCH(QStringList, args);
    QFETCH(std::vector<std::uint8_t>, codes);
    QFETCH(Frame, payload);
    Cli cli;
    const Result r = cli.run(cli.onPort(args));
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(cli.commands(), codes);
    if (!payload.empty()) {
        const Frame last = cli.controller->requests().back();
        QCOMPARE(Frame(last.begin() + 4, last.begin() + 7), payload);
    }
}

void TestKrxctl::progress_showsBytesAndTimeLeft() {
    Cli cli;
    QStringList shown;
    cli.environment.progress = [&shown](const QString& line) { shown << line; };
    const Result r = cli.run(cli.onPort({"read", "-o", cli.path("p.cnt")}));
    QCOMPARE(r.exitCode, 0);
    QVERIFY(shown.size() >= 21);
    QVERIFY2(shown.at(shown.size() - 2).contains("] 5292/5292 bytes"), qPrintable(shown.at(shown.size() - 2)));
    QVERIFY(shown.at(shown.size() - 2).startsWith("\r[##############################]"));
    QCOMPARE(shown.last(), QStringLiteral("\n"));
}

void TestKrxctl::clock_setSendsTheTypedTimeWithoutPassword() {
    Cli cli;
    cli.controller->setPassword("1234");
    const Result r = cli.run(cli.onPort({"clock", "--set", "07.12.26 10:05:30"}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(cli.commands(), (std::vector<std::uint8_t>{kIdent, kClock}));
    QCOMPARE(cli.controller->requests().back(),
             (Frame{0x05, 0x0D, 0x06, 0x00, 0x1A, 0x0C, 0x07, 0x0A, 0x05, 0x1E, 0xF5}));
}

void TestKrxctl::clock_impossibleTime_sendsNothing() {
    Cli cli;
    const Result r = cli.run(cli.onPort({"clock", "--set", "07.13.26 10:05:30"}));
    QCOMPARE(r.exitCode, 2);
    QVERIFY(cli.controller->requests().empty());
    QCOMPARE(r.err, QStringLiteral("Установка времени и даты: Не верно установлен месяц\n"));
}

void TestKrxctl::imei_json() {
    Cli cli;
    const Result r = cli.run(cli.onPort({"imei", "--json"}));
    QCOMPARE(r.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(json.value("command").toString(), QStringLiteral("imei"));
    QCOMPARE(json.value("imei").toString(), QStringLiteral("356938035643809"));
    QCOMPARE(json.value("exitCode").toInt(-1), 0);
}

void TestKrxctl::sysparams_readAndProgram() {
    Cli cli;
    const std::vector<std::uint8_t> preset{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    cli.controller->setArea(5, preset);
    const QString file = cli.path("sys.txt");
    Result r = cli.run(cli.onPort({"sysparams", "read", "-o", file}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(cli.commands(), (std::vector<std::uint8_t>{kIdent, kPassword, kReadArea5}));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("0123456789ABCDEF\n"));
    f.close();

    QFile changed(cli.path("new.txt"));
    QVERIFY(changed.open(QIODevice::WriteOnly));
    changed.write("10 32 54 76 98 BA DC FE\n");
    changed.close();
    cli.controller->clearRequests();
    r = cli.run(cli.onPort({"sysparams", "program", changed.fileName()}));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(cli.commands(), (std::vector<std::uint8_t>{kIdent, kPassword, kWriteArea5, kReadArea5}));
    QCOMPARE(cli.controller->area(5), (std::vector<std::uint8_t>{0x10, 0x32, 0x54, 0x76, 0x98, 0xBA, 0xDC, 0xFE}));
}

QTEST_GUILESS_MAIN(TestKrxctl)
#include "tst_krxctl.moc"
