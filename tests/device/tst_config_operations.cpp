// The configuration operations run against the in-process simulated
// controller with real transfer jobs: which frames reach the controller and
// in what order, what the operation leaves in its status label, what happens
// to the image and to the controller's memory, and that every path gives the
// window back (actions unlocked, a monitor running, or the restart delay
// armed).

#include <QtTest>

#include <memory>
#include <vector>

#include "common/operation_frames.h"
#include "common/test_bytes.h"
#include "config/default_image.h"
#include "device/config_operations.h"
#include "device/status_sink.h"
#include "device/transfer_job_runner.h"
#include "device/transfer_messages.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"

using namespace krx;
using krx::test::ToVector;

namespace {

using Frame = std::vector<std::uint8_t>;

// Command codes as they travel (byte 1 of a request frame).
using namespace krx::test::code;
using krx::test::Join;
using krx::test::Repeat;

const QString kProgrammed = QStringLiteral("Программирование завершено успешно");
const QString kRestartStarted = QStringLiteral("Перезагрузка устройства инициированна");
const QString kPasswordRefused = QStringLiteral(
    "Взаимодействие запрещено без указания пароля, команды чтения/записи и ряд управляющих "
    "команд не могут быть выполнены");
const QString kDataSent = QStringLiteral("Данные переданы");

// The window as the operations see it: every call is logged, the status
// labels keep their text and colour.
class FakeHost : public OperationHost, public DeviceGateHooks {
public:
    ConfigImage image_;
    QStringList log;
    bool locked = false;
    bool monitorRunning = true;
    bool clearModeMemory = false;
    int restartDelay = 0;
    QString actionText;
    StatusColour actionColour = StatusColour::Black;
    QString configurationName;
    std::function<bool()> countdown = [] { return false; };
    std::function<void()> whileLocked;

    FakeHost() { image_ = DefaultImage(); }

    ConfigImage& image() override { return image_; }
    void stopMonitor() override {
        log << "stopMonitor";
        monitorRunning = false;
    }
    void startMonitor() override {
        log << "startMonitor";
        monitorRunning = true;
    }
    void selectRootNode() override { log << "selectRootNode"; }
    void storeSection() override { log << "storeSection"; }
    void loadSection() override { log << "loadSection"; }
    void lockDeviceActions() override {
        log << "lock";
        locked = true;
        if (whileLocked) whileLocked();
    }
    void unlockDeviceActions() override {
        log << "unlock";
        locked = false;
    }
    void showIdentification(std::span<const std::uint8_t> record) override {
        QCOMPARE(record.size(), std::size_t{88});
        log << "showIdentification";
    }
    void showPlaceholderIdentification() override { log << "showPlaceholder"; }
    void replaceActionNameText(const QString& text) override { actionText = text; }
    void showActionNameError(const QString& text) override {
        actionText = text;
        actionColour = StatusColour::Red;
    }
    void setConfigurationName(const QString& name) override { configurationName = name; }
    bool clearModeMemoryChecked() const override { return clearModeMemory; }
    void armRestartTimer(int ms) override {
        log << "armRestartTimer";
        restartDelay = ms;
    }
    bool runFactoryCountdown() override {
        log << "countdown";
        return countdown();
    }

    // Left to the user: unlocked with a monitor, or waiting for the restart.
    bool givenBack() const { return !locked && monitorRunning && restartDelay == 0; }
    bool waitingForRestart() const { return locked && !monitorRunning && restartDelay == 3000; }
};

// An operation set wired like the window: real jobs on the simulated port.
struct Bench {
    std::shared_ptr<sim::SimController> controller = std::make_shared<sim::SimController>();
    sim::ScopedSimLinks links{controller};
    QStringList messages = TransferMessages();
    StatusSink actionSink;
    StatusSink tmpSink;
    FakeHost host;
    TransferJobRunner runner{{[] { return QString::fromLatin1(sim::kSimPortName); }, &messages,
                              &actionSink, &tmpSink}};
    DeviceGate gate{host};
    ConfigOperations ops{host, runner, gate};
    QString tmpText;
    int progressMaximum = -1;
    int progressPosition = -1;

    Bench() {
        QObject::connect(&actionSink, &StatusSink::statusChanged,
                         [this](const QString& text, StatusColour colour) {
                             host.actionText = text;
                             host.actionColour = colour;
                         });
        QObject::connect(&tmpSink, &StatusSink::statusChanged,
                         [this](const QString& text, StatusColour) { tmpText = text; });
        QObject::connect(&actionSink, &StatusSink::progressMaximumChanged,
                         [this](int n) { progressMaximum = n; });
        QObject::connect(&actionSink, &StatusSink::progressPositionChanged,
                         [this](int n) { progressPosition = n; });
        controller->setRestartSilence(std::chrono::milliseconds(0));
    }

    std::vector<Frame> frames() const { return controller->requests(); }
    std::vector<std::uint8_t> commands() const {
        std::vector<std::uint8_t> codes;
        for (const Frame& f : frames()) codes.push_back(f.at(1));
        return codes;
    }
    std::vector<std::uint8_t> area(int n) const { return controller->area(n); }
    void setArea(int n, std::span<const std::uint8_t> bytes) { controller->setArea(n, bytes); }
    void setDevicePassword(const std::string& password) { controller->setPassword(password); }
    void setFaults(const sim::SimFaults& faults) { controller->setFaults(faults); }
};

std::uint32_t AddressOf(const Frame& f) {
    return f[4] | (f[5] << 8) | (f[6] << 16) | (static_cast<std::uint32_t>(f[7]) << 24);
}
std::uint16_t CountOf(const Frame& f) { return static_cast<std::uint16_t>(f[8] | (f[9] << 8)); }

// The body travels as 20 blocks of 256 bytes and one of 172.
void VerifyBodyBlocks(const std::vector<Frame>& frames, std::size_t first, std::uint8_t command) {
    for (std::size_t i = 0; i < 21; ++i) {
        const Frame& f = frames.at(first + i);
        QCOMPARE(f.at(1), command);
        QCOMPARE(AddressOf(f), std::uint32_t(256 * i));
        QCOMPARE(CountOf(f), std::uint16_t(i < 20 ? 256 : 172));
    }
}


// A body this program can edit, but not the default one.
std::vector<std::uint8_t> EditedBody() {
    std::vector<std::uint8_t> body = ToVector(DefaultImage().body());
    body[12] ^= 0x07;
    body[3000] = 0x5A;
    body[5291] = 0xC3;
    return body;
}

void SetSysPassword(ConfigImage& image, std::initializer_list<std::uint8_t> bytes) {
    std::size_t at = 20;
    for (auto b : bytes) image.bytes()[at++] = b;
}

using OperationFn = OperationOutcome (ConfigOperations::*)();

}  // namespace

Q_DECLARE_METATYPE(OperationFn)

class TestConfigOperations : public QObject {
    Q_OBJECT
private slots:
    void programm_sendsIdentPasswordBodyAndRestart();
    void programmWithClearOption_writesModeMemoryBeforeRestart();
    void programmWithClearOption_failedBodyWrite_stopsBeforeModeMemory();
    void unsupportedController_getsTextAndNoFurtherFrame_data();
    void unsupportedController_getsTextAndNoFurtherFrame();
    void noController_showsPlaceholderAndGivesBack_data();
    void noController_showsPlaceholderAndGivesBack();
    void refusedPassword_stopsAtOnce_data();
    void refusedPassword_stopsAtOnce();
    void readConf_putsControllerBodyIntoImage();
    void readConfOfInvalidBody_putsDefaultBodyAndRedText();
    void readConfFailedRead_leavesImageUnchanged();
    void compareConf_sendsNoPasswordAndChangesNothing_data();
    void compareConf_sendsNoPasswordAndChangesNothing();
    void reconfigurate_appliesWithoutRestart();
    void reconfigurateFailedWrite_stillSendsApply();
    void reset_sendsPasswordAndRestart();
    void factoryConfigWithoutPassword_writesDefaultsAtOnce();
    void factoryConfigCancelledCountdown_unlocksAndWritesNothing();
    void factoryConfigCompletedCountdown_writesDefaults();
    void runningOperation_refusesSecondOne();
    void restartDelay_holdsGuardUntilElapsed();
};

void TestConfigOperations::programm_sendsIdentPasswordBodyAndRestart() {
    Bench b;
    b.host.image_.body()[3000] = 0x77;  // an edit the controller does not have yet
    SetSysPassword(b.host.image_, {'1', '2', '3', '4'});
    b.setDevicePassword("1234");

    QVERIFY(b.ops.Programm().started);

    QCOMPARE(b.commands(), krx::test::ProgrammCodes());
    const auto frames = b.frames();
    QCOMPARE(frames[0], (Frame{0x05, 0x05, 0x00, 0x00, 0xFB}));
    QCOMPARE(frames[1], (Frame{0x05, 0x11, 0x09, 0x00, 0x31, 0x32, 0x33, 0x34, 0x00, 0x00, 0x00,
                               0x00, 0x00, 0xE4}));
    VerifyBodyBlocks(frames, 2, kWriteArea1);
    VerifyBodyBlocks(frames, 23, kReadArea1);
    QCOMPARE(frames.back(), (Frame{0x05, 0x10, 0x01, 0x00, 0x00, 0xEF}));
    QCOMPARE(b.area(1), ToVector(b.host.image_.body()));
    QCOMPARE(b.host.actionText, kRestartStarted);
    QCOMPARE(b.progressMaximum, 5292);
    QCOMPARE(b.progressPosition, 5292);
    QCOMPARE(b.host.log,
             (QStringList{"stopMonitor", "selectRootNode", "lock", "showIdentification",
                          "storeSection", "loadSection", "showPlaceholder", "armRestartTimer"}));
    QVERIFY(b.host.waitingForRestart());
}

void TestConfigOperations::programmWithClearOption_writesModeMemoryBeforeRestart() {
    Bench b;
    b.host.clearModeMemory = true;
    std::fill(b.host.image_.modeMemory().begin(), b.host.image_.modeMemory().end(), 0x11);
    const std::vector<std::uint8_t> oldArea4(10, 0x22);
    b.setArea(4, oldArea4);
    const auto sysParams = ToVector(b.host.image_.systemParameters());

    QVERIFY(b.ops.Programm().started);

    QCOMPARE(b.commands(), Join({{kIdent, kPassword}, Repeat(kWriteArea1, 21),
                                 Repeat(kReadArea1, 21), {kWriteArea4, kReadArea4, kRestart}}));
    const auto frames = b.frames();
    QCOMPARE(frames[44], (Frame{0x05, 0x08, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x00,
                                0x00, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00, 0xAE}));
    QCOMPARE(frames[45], (Frame{0x05, 0x09, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x00,
                                0x00, 0xF5}));
    const std::vector<std::uint8_t> defaultModeMemory{0x00, 0x00, 0x40, 0x40, 0x40,
                                                      0x40, 0x40, 0x40, 0x40, 0x00};
    QCOMPARE(ToVector(b.host.image_.modeMemory()), defaultModeMemory);
    QCOMPARE(b.area(4), defaultModeMemory);
    QCOMPARE(ToVector(b.host.image_.systemParameters()), sysParams);
    QCOMPARE(b.host.actionText, kRestartStarted);
    QVERIFY(b.host.waitingForRestart());
}

void TestConfigOperations::programmWithClearOption_failedBodyWrite_stopsBeforeModeMemory() {
    Bench b;
    b.host.clearModeMemory = true;
    sim::SimFaults faults;
    faults.corruptReadOffset = 700;  // the read-back differs in one byte
    b.setFaults(faults);

    QVERIFY(b.ops.Programm().started);

    QCOMPARE(b.commands(), Join({{kIdent, kPassword}, Repeat(kWriteArea1, 21),
                                 Repeat(kReadArea1, 21)}));
    QCOMPARE(b.host.actionText, QStringLiteral("Ошибка, найдены несоответствия в данных"));
    QCOMPARE(b.host.actionColour, StatusColour::Red);
    QVERIFY(!b.host.log.contains("armRestartTimer"));
    QVERIFY(b.host.givenBack());
    QVERIFY(!b.ops.busy());
}

void TestConfigOperations::unsupportedController_getsTextAndNoFurtherFrame_data() {
    QTest::addColumn<OperationFn>("operation");
    QTest::addColumn<QString>("deviceName");
    QTest::addColumn<QString>("modification");
    QTest::addColumn<int>("software");
    QTest::addColumn<QString>("expected");
    const QString other = QStringLiteral("Устройство KRX740 не поддерживается");
    const QString newer = QStringLiteral("Версия LT.01.02 не поддерживается");
    QTest::newRow("programm, other device")
        << &ConfigOperations::Programm << "KRX740" << "LT" << 0x0101 << other;
    QTest::newRow("read, other device")
        << &ConfigOperations::ReadConf << "KRX740" << "LT" << 0x0101 << other;
    QTest::newRow("factory, other device")
        << &ConfigOperations::FactoryConfig << "KRX740" << "LT" << 0x0101 << other;
    QTest::newRow("programm, newer version")
        << &ConfigOperations::Programm << "KRX310" << "LT" << 0x0102 << newer;
    QTest::newRow("compare, newer version")
        << &ConfigOperations::CompareConf << "KRX310" << "LT" << 0x0102 << newer;
    QTest::newRow("reset, other modification")
        << &ConfigOperations::Reset << "KRX310" << "H" << 0x0101
        << QStringLiteral("Версия H.01.01 не поддерживается");
    QTest::newRow("reconfigurate, version zero")
        << &ConfigOperations::Reconfigurate << "KRX310" << "LT" << 0
        << QStringLiteral("Версия LT.--.-- не поддерживается");
}

void TestConfigOperations::unsupportedController_getsTextAndNoFurtherFrame() {
    QFETCH(OperationFn, operation);
    QFETCH(QString, deviceName);
    QFETCH(QString, modification);
    QFETCH(int, software);
    QFETCH(QString, expected);
    Bench b;
    b.controller->withDevice([&](sim::SimDevice& d) {
        d.identity().deviceName = deviceName.toStdString();
        d.identity().modification = modification.toStdString();
        d.identity().softwareVersion = static_cast<std::uint16_t>(software);
        return 0;
    });
    const ConfigImage before = b.host.image_;
    const auto area1 = b.area(1);

    QVERIFY((b.ops.*operation)().started);

    QCOMPARE(b.commands(), (std::vector<std::uint8_t>{kIdent}));
    QCOMPARE(b.host.actionText, expected);
    // The text replaces the job's, in the job's colour.
    QCOMPARE(b.host.actionColour, StatusColour::Blue);
    QCOMPARE(b.host.log, (QStringList{"stopMonitor", "selectRootNode", "lock",
                                      "showIdentification", "unlock", "startMonitor"}));
    QVERIFY(b.host.image_ == before);
    QCOMPARE(b.area(1), area1);
    QVERIFY(b.host.givenBack());
}

void TestConfigOperations::noController_showsPlaceholderAndGivesBack_data() {
    QTest::addColumn<OperationFn>("operation");
    QTest::newRow("programm") << &ConfigOperations::Programm;
    QTest::newRow("read") << &ConfigOperations::ReadConf;
    QTest::newRow("reset") << &ConfigOperations::Reset;
    QTest::newRow("factory") << &ConfigOperations::FactoryConfig;
}

void TestConfigOperations::noController_showsPlaceholderAndGivesBack() {
    QFETCH(OperationFn, operation);
    Bench b;
    sim::SimFaults faults;
    faults.reply = sim::ReplyFault::Silence;
    b.setFaults(faults);

    QVERIFY((b.ops.*operation)().started);

    // Three attempts at the identification, nothing else.
    QCOMPARE(b.commands(), (std::vector<std::uint8_t>{kIdent, kIdent, kIdent}));
    QCOMPARE(b.host.actionText, QStringLiteral("Нет ответа от устройства"));
    QCOMPARE(b.host.log, (QStringList{"stopMonitor", "selectRootNode", "lock", "showPlaceholder",
                                      "unlock", "startMonitor"}));
    QVERIFY(b.host.givenBack());
    QVERIFY(!b.ops.busy());
}

void TestConfigOperations::refusedPassword_stopsAtOnce_data() {
    QTest::addColumn<OperationFn>("operation");
    QTest::newRow("programm") << &ConfigOperations::Programm;
    QTest::newRow("reconfigurate") << &ConfigOperations::Reconfigurate;
    QTest::newRow("read") << &ConfigOperations::ReadConf;
    QTest::newRow("reset") << &ConfigOperations::Reset;
}

void TestConfigOperations::refusedPassword_stopsAtOnce() {
    QFETCH(OperationFn, operation);
    Bench b;
    b.setDevicePassword("secret");
    SetSysPassword(b.host.image_, {'w', 'r', 'o', 'n', 'g'});
    const auto area1 = b.area(1);
    const auto body = ToVector(b.host.image_.body());

    QVERIFY((b.ops.*operation)().started);

    QCOMPARE(b.commands(), (std::vector<std::uint8_t>{kIdent, kPassword}));
    QCOMPARE(b.host.actionText, kPasswordRefused);
    QCOMPARE(b.host.actionColour, StatusColour::Red);
    QCOMPARE(b.area(1), area1);
    QCOMPARE(ToVector(b.host.image_.body()), body);
    QVERIFY(b.host.givenBack());
    QVERIFY(b.host.log.endsWith("startMonitor"));
}

void TestConfigOperations::readConf_putsControllerBodyIntoImage() {
    Bench b;
    const auto edited = EditedBody();
    b.setArea(1, edited);
    std::fill(b.host.image_.modeMemory().begin(), b.host.image_.modeMemory().end(), 0x33);
    const auto modeMemory = ToVector(b.host.image_.modeMemory());

    QVERIFY(b.ops.ReadConf().started);

    QCOMPARE(b.commands(), Join({{kIdent, kPassword}, Repeat(kReadArea1, 21)}));
    const auto frames = b.frames();
    QCOMPARE(frames[2], (Frame{0x05, 0x07, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00,
                               0x00, 0xF2}));
    QCOMPARE(frames.back(), (Frame{0x05, 0x07, 0x08, 0x00, 0x00, 0x14, 0x00, 0x00, 0xAC, 0x00,
                                   0x00, 0x00, 0x49}));
    QCOMPARE(ToVector(b.host.image_.body()), edited);
    QCOMPARE(ToVector(b.host.image_.modeMemory()), modeMemory);
    QCOMPARE(b.host.actionText, QStringLiteral("Данные считаны"));
    QCOMPARE(b.host.actionColour, StatusColour::Blue);
    QVERIFY(b.host.configurationName.isEmpty());
    QCOMPARE(b.host.log,
             (QStringList{"stopMonitor", "selectRootNode", "lock", "showIdentification",
                          "storeSection", "loadSection", "unlock", "startMonitor"}));
}

void TestConfigOperations::readConfOfInvalidBody_putsDefaultBodyAndRedText() {
    Bench b;
    auto invalid = EditedBody();
    invalid[0] = 0;
    b.setArea(1, invalid);
    b.host.image_.body()[3000] = 0x44;  // the editor's own changes go as well
    b.host.image_.systemParameters()[0] = 0x12;
    const auto tails = ToVector(std::span(b.host.image_.bytes()).subspan(5292));

    QVERIFY(b.ops.ReadConf().started);

    QCOMPARE(ToVector(b.host.image_.body()), ToVector(DefaultImage().body()));
    QCOMPARE(ToVector(std::span(b.host.image_.bytes()).subspan(5292)), tails);
    QCOMPARE(b.host.configurationName, QStringLiteral("default.cnt"));
    QCOMPARE(b.host.actionText,
             QStringLiteral("Контроллер не содержит достоверную конфигурацию.\nНастройте "
                            "параметры как необходимо и запрограммируйте конфигурацию."));
    QCOMPARE(b.host.actionColour, StatusColour::Red);
    QVERIFY(b.host.log.indexOf("loadSection") > b.host.log.indexOf("storeSection"));
    QVERIFY(b.host.givenBack());
}

void TestConfigOperations::readConfFailedRead_leavesImageUnchanged() {
    Bench b;
    b.host.image_.body()[3000] = 0x44;
    const ConfigImage before = b.host.image_;
    sim::SimFaults faults;
    faults.reply = sim::ReplyFault::Silence;
    faults.onlyCommand = kReadArea1;
    b.setFaults(faults);

    QVERIFY(b.ops.ReadConf().started);

    QCOMPARE(b.commands(), Join({{kIdent, kPassword}, Repeat(kReadArea1, 3)}));
    QVERIFY(b.host.image_ == before);
    QCOMPARE(b.host.actionText, QStringLiteral("Ошибка передачи данных, код 1"));
    QVERIFY(b.host.configurationName.isEmpty());
    QVERIFY(b.host.givenBack());
}

void TestConfigOperations::compareConf_sendsNoPasswordAndChangesNothing_data() {
    QTest::addColumn<bool>("equal");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("colour");
    QTest::newRow("equal") << true
                           << QStringLiteral("Данные в памяти контроллера аналогичны текущим")
                           << int(StatusColour::Blue);
    QTest::newRow("different") << false
                               << QStringLiteral("Данные в памяти контроллера отличаются от текущих")
                               << int(StatusColour::Red);
}

void TestConfigOperations::compareConf_sendsNoPasswordAndChangesNothing() {
    QFETCH(bool, equal);
    QFETCH(QString, expected);
    QFETCH(int, colour);
    Bench b;
    b.setDevicePassword("secret");  // comparing needs none
    const auto edited = EditedBody();
    b.setArea(1, edited);
    if (equal) std::copy(edited.begin(), edited.end(), b.host.image_.body().begin());
    const ConfigImage before = b.host.image_;

    QVERIFY(b.ops.CompareConf().started);

    QCOMPARE(b.commands(), Join({{kIdent}, Repeat(kReadArea1, 21)}));
    QCOMPARE(b.host.actionText, expected);
    QCOMPARE(int(b.host.actionColour), colour);
    QVERIFY(b.host.image_ == before);
    QCOMPARE(b.area(1), edited);
    QVERIFY(b.host.givenBack());
}

void TestConfigOperations::reconfigurate_appliesWithoutRestart() {
    Bench b;
    b.host.clearModeMemory = true;
    const auto edited = EditedBody();
    std::copy(edited.begin(), edited.end(), b.host.image_.body().begin());
    b.setArea(4, std::vector<std::uint8_t>(10, 0x22));

    QVERIFY(b.ops.Reconfigurate().started);

    QCOMPARE(b.commands(), Join({{kIdent, kPassword}, Repeat(kWriteArea1, 21),
                                 Repeat(kReadArea1, 21), {kWriteArea4, kReadArea4, kApply}}));
    QCOMPARE(b.frames().back(), (Frame{0x05, 0x0F, 0x01, 0x00, 0x00, 0xF2}));
    QCOMPARE(b.area(1), edited);
    QCOMPARE(b.area(4), ToVector(DefaultImage().modeMemory()));
    // The apply reports into the hidden label; the visible one keeps the
    // outcome of the programming.
    QCOMPARE(b.host.actionText, kProgrammed);
    QCOMPARE(b.tmpText, kDataSent);
    QVERIFY(!b.host.log.contains("armRestartTimer"));
    QVERIFY(b.host.givenBack());
}

void TestConfigOperations::reconfigurateFailedWrite_stillSendsApply() {
    Bench b;
    b.host.clearModeMemory = true;
    sim::SimFaults faults;
    faults.ackStatus = 1;  // FLASH failure on every write
    faults.onlyCommand = kWriteArea1;
    b.setFaults(faults);

    QVERIFY(b.ops.Reconfigurate().started);

    QCOMPARE(b.commands(), (std::vector<std::uint8_t>{kIdent, kPassword, kWriteArea1, kApply}));
    QCOMPARE(b.host.actionText,
             QStringLiteral("Внутренняя ошибка взаимодействия с FLASH памятью"));
    QCOMPARE(b.tmpText, kDataSent);
    QVERIFY(b.host.givenBack());
}

void TestConfigOperations::reset_sendsPasswordAndRestart() {
    Bench b;
    QVERIFY(b.ops.Reset().started);

    QCOMPARE(b.commands(), (std::vector<std::uint8_t>{kIdent, kPassword, kRestart}));
    QCOMPARE(b.frames()[1], (Frame{0x05, 0x11, 0x09, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                   0x00, 0x00, 0x00, 0xE8}));
    QCOMPARE(b.host.actionText, kRestartStarted);
    QCOMPARE(b.host.log, (QStringList{"stopMonitor", "selectRootNode", "lock",
                                      "showIdentification", "showPlaceholder", "armRestartTimer"}));
    QVERIFY(b.host.waitingForRestart());
    QCOMPARE(b.controller->withDevice([](const sim::SimDevice& d) { return d.restartCount(); }), 1);
}

void TestConfigOperations::factoryConfigWithoutPassword_writesDefaultsAtOnce() {
    Bench b;
    b.setArea(1, EditedBody());
    b.setArea(4, std::vector<std::uint8_t>(10, 0x22));
    b.host.image_.body()[3000] = 0x44;
    SetSysPassword(b.host.image_, {'a', 'b'});
    b.host.image_.systemParameters()[3] = 0x12;
    const auto sysParams = ToVector(b.host.image_.systemParameters());

    QVERIFY(b.ops.FactoryConfig().started);

    QCOMPARE(b.commands(), krx::test::FactoryConfigCodes());
    // The empty password, whatever the image holds.
    QCOMPARE(b.frames()[1], (Frame{0x05, 0x11, 0x09, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                   0x00, 0x00, 0x00, 0xE8}));
    QCOMPARE(ToVector(b.host.image_.body()), ToVector(DefaultImage().body()));
    QCOMPARE(ToVector(b.host.image_.modeMemory()), ToVector(DefaultImage().modeMemory()));
    QCOMPARE(ToVector(b.host.image_.systemParameters()), sysParams);
    QCOMPARE(b.area(1), ToVector(DefaultImage().body()));
    QCOMPARE(b.area(4), ToVector(DefaultImage().modeMemory()));
    QVERIFY(!b.host.log.contains("countdown"));
    QCOMPARE(b.host.log,
             (QStringList{"stopMonitor", "selectRootNode", "lock", "showIdentification",
                          "loadSection", "unlock", "startMonitor"}));
    QCOMPARE(b.host.actionText, kProgrammed);
    QCOMPARE(b.tmpText, kDataSent);
}

void TestConfigOperations::factoryConfigCancelledCountdown_unlocksAndWritesNothing() {
    Bench b;
    b.setDevicePassword("secret");
    b.host.image_.body()[3000] = 0x44;
    const ConfigImage before = b.host.image_;
    const auto area1 = b.area(1);
    b.host.countdown = [&b] {
        // The monitor runs while the dialog counts.
        return !b.host.monitorRunning;
    };

    QVERIFY(b.ops.FactoryConfig().started);

    QCOMPARE(b.commands(), (std::vector<std::uint8_t>{kIdent, kPassword}));
    QVERIFY(b.host.image_ == before);
    QCOMPARE(b.area(1), area1);
    QCOMPARE(b.host.log,
             (QStringList{"stopMonitor", "selectRootNode", "lock", "showIdentification",
                          "startMonitor", "countdown", "unlock"}));
    QVERIFY(b.host.givenBack());
    QVERIFY(!b.ops.busy());
}

void TestConfigOperations::factoryConfigCompletedCountdown_writesDefaults() {
    Bench b;
    b.setDevicePassword("secret");
    b.setArea(1, EditedBody());
    b.host.countdown = [&b] {
        // After half an hour connected the controller has dropped its password.
        b.setDevicePassword("");
        b.controller->clearRequests();
        return true;
    };

    QVERIFY(b.ops.FactoryConfig().started);

    QCOMPARE(b.commands(), Join({Repeat(kWriteArea1, 21), Repeat(kReadArea1, 21),
                                 {kWriteArea4, kReadArea4, kApply}}));
    QCOMPARE(b.area(1), ToVector(DefaultImage().body()));
    QCOMPARE(b.host.log,
             (QStringList{"stopMonitor", "selectRootNode", "lock", "showIdentification",
                          "startMonitor", "countdown", "stopMonitor", "loadSection", "unlock",
                          "startMonitor"}));
    QVERIFY(b.host.givenBack());
}

void TestConfigOperations::runningOperation_refusesSecondOne() {
    Bench b;
    QList<bool> started;
    b.host.whileLocked = [&] {
        started << b.ops.ReadConf().started << b.ops.Programm().started << b.ops.FactoryConfig().started;
    };

    QVERIFY(b.ops.CompareConf().started);

    QCOMPARE(started, (QList<bool>{false, false, false}));
    QCOMPARE(b.commands(), Join({{kIdent}, Repeat(kReadArea1, 21)}));
    QVERIFY(!b.ops.busy());
    b.host.whileLocked = nullptr;
    QVERIFY(b.ops.CompareConf().started);
}

void TestConfigOperations::restartDelay_holdsGuardUntilElapsed() {
    Bench b;
    QVERIFY(b.ops.Reset().started);
    QVERIFY(b.ops.busy());
    b.controller->clearRequests();
    QVERIFY(!b.ops.ReadConf().started);
    QVERIFY(b.frames().empty());

    b.ops.restartDelayElapsed();

    QVERIFY(!b.ops.busy());
    QVERIFY(b.ops.CompareConf().started);
    QCOMPARE(b.commands().front(), kIdent);
}

QTEST_GUILESS_MAIN(TestConfigOperations)
#include "tst_config_operations.moc"
