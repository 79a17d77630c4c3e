// The controller session without a window: reading, programming and
// comparing against the in-process simulated controller, each returning its
// outcome as a value. Nothing of the window toolkit is linked into this
// program: a command-line tool runs the operations exactly like this.

#include <QtTest>

#ifdef QT_WIDGETS_LIB
#error "the headless session must not need the window toolkit"
#endif

#include <memory>
#include <vector>

#include "config/default_image.h"
#include "device/controller_session.h"
#include "device/ident_record.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"

using namespace krx;

namespace {

// A body this program accepts that differs from the default one.
std::vector<std::uint8_t> EditedBody() {
    const ConfigImage defaults = DefaultImage();
    std::vector<std::uint8_t> body(defaults.body().begin(), defaults.body().end());
    body[3000] = 0x5A;
    body[5291] = 0xC3;
    return body;
}

std::vector<std::uint8_t> BodyOf(const ConfigImage& image) {
    return {image.body().begin(), image.body().end()};
}

struct Headless {
    std::shared_ptr<sim::SimController> controller = std::make_shared<sim::SimController>();
    sim::ScopedSimLinks links{controller};
    ControllerSession session{{[] { return QString::fromLatin1(sim::kSimPortName); }, {}, {}}};

    Headless() { controller->setRestartSilence(std::chrono::milliseconds(0)); }
};

}  // namespace

class TestControllerSession : public QObject {
    Q_OBJECT
private slots:
    void programm_writesTheBodyAndEndsWithTheRestartText();
    void readConf_bringsTheControllersBody();
    void readConf_invalidBody_givesDefaultsAndTheRedText();
    void compareConf_reportsDifferenceAsFailure_data();
    void compareConf_reportsDifferenceAsFailure();
    void unsupportedDevice_outcomeCarriesTheRefusal();
    void wrongPassword_stopsBeforeTheWrite();
    void unopenablePort_outcomeNamesThePort();
    void runJob_returnsTheRecordRead();
    void operationsFollowOneAnother_gateNeverLeftBusy();
    void factoryConfig_keptPassword_droppedOnlyAfterTheCountdown_data();
    void factoryConfig_keptPassword_droppedOnlyAfterTheCountdown();
};

void TestControllerSession::programm_writesTheBodyAndEndsWithTheRestartText() {
    Headless h;
    const std::vector<std::uint8_t> edited = EditedBody();
    std::copy(edited.begin(), edited.end(), h.session.image().body().begin());

    const OperationOutcome out = h.session.Programm();

    QVERIFY(out.started);
    QVERIFY(out.ok);
    QCOMPARE(out.message, QStringLiteral("Перезагрузка устройства инициированна"));
    QCOMPARE(out.colour, StatusColour::Blue);
    QCOMPARE(h.controller->area(1), edited);
    // No restart delay holds a headless session.
    QVERIFY(!h.session.gate().busy());
}

void TestControllerSession::readConf_bringsTheControllersBody() {
    Headless h;
    const std::vector<std::uint8_t> edited = EditedBody();
    h.controller->setArea(1, edited);

    const OperationOutcome out = h.session.ReadConf();

    QVERIFY(out.started);
    QVERIFY(out.ok);
    QCOMPARE(out.message, QStringLiteral("Данные считаны"));
    QCOMPARE(out.colour, StatusColour::Blue);
    QCOMPARE(BodyOf(h.session.image()), edited);
}

void TestControllerSession::readConf_invalidBody_givesDefaultsAndTheRedText() {
    Headless h;
    std::vector<std::uint8_t> foreign = EditedBody();
    foreign[0] = 2;  // byte 0 must be 1
    h.controller->setArea(1, foreign);
    h.session.image().body()[100] ^= 0xFF;

    const OperationOutcome out = h.session.ReadConf();

    QVERIFY(out.started);
    QVERIFY(!out.ok);
    QCOMPARE(out.message, ConfigOperations::InvalidConfigurationText());
    QCOMPARE(out.colour, StatusColour::Red);
    QCOMPARE(BodyOf(h.session.image()), BodyOf(DefaultImage()));
}

void TestControllerSession::compareConf_reportsDifferenceAsFailure_data() {
    QTest::addColumn<bool>("same");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("colour");
    QTest::newRow("same") << true << "Данные в памяти контроллера аналогичны текущим"
                          << int(StatusColour::Blue);
    QTest::newRow("different") << false << "Данные в памяти контроллера отличаются от текущих"
                               << int(StatusColour::Red);
}

void TestControllerSession::compareConf_reportsDifferenceAsFailure() {
    QFETCH(bool, same);
    QFETCH(QString, message);
    QFETCH(int, colour);
    Headless h;
    std::vector<std::uint8_t> body = BodyOf(h.session.image());
    if (!same) body[2000] ^= 0x01;
    h.controller->setArea(1, body);
    const std::vector<std::uint8_t> before = BodyOf(h.session.image());

    const OperationOutcome out = h.session.CompareConf();

    QVERIFY(out.started);
    QCOMPARE(out.ok, same);
    QCOMPARE(out.message, message);
    QCOMPARE(int(out.colour), colour);
    QCOMPARE(BodyOf(h.session.image()), before);
}

void TestControllerSession::unsupportedDevice_outcomeCarriesTheRefusal() {
    Headless h;
    h.controller->withDevice([](sim::SimDevice& d) {
        d.identity().deviceName = "KRX740";
        return 0;
    });
    const OperationOutcome out = h.session.Programm();
    QVERIFY(out.started);
    QVERIFY(!out.ok);
    QCOMPARE(out.message, QStringLiteral("Устройство KRX740 не поддерживается"));
    // The refusal replaces the identification job's text in its colour.
    QCOMPARE(out.colour, StatusColour::Blue);
    QCOMPARE(h.controller->requests().size(), std::size_t{1});
}

void TestControllerSession::wrongPassword_stopsBeforeTheWrite() {
    Headless h;
    h.controller->setPassword("secret");
    const std::vector<std::uint8_t> area1 = h.controller->area(1);
    const std::vector<std::uint8_t> edited = EditedBody();
    std::copy(edited.begin(), edited.end(), h.session.image().body().begin());

    const OperationOutcome out = h.session.Programm();

    QVERIFY(out.started);
    QVERIFY(!out.ok);
    QCOMPARE(out.message,
             QStringLiteral("Взаимодействие запрещено без указания пароля, команды чтения/записи "
                            "и ряд управляющих команд не могут быть выполнены"));
    QCOMPARE(out.colour, StatusColour::Red);
    QCOMPARE(h.controller->area(1), area1);
}

void TestControllerSession::unopenablePort_outcomeNamesThePort() {
    Headless h;
    ControllerSession session({[] { return QStringLiteral("NOWHERE"); }, {}, {}});
    const OperationOutcome out = session.ReadConf();
    QVERIFY(out.started);
    QVERIFY(!out.ok);
    QCOMPARE(out.message, QStringLiteral("Невозможно открыть NOWHERE"));
    QCOMPARE(out.colour, StatusColour::Red);
}

void TestControllerSession::runJob_returnsTheRecordRead() {
    Headless h;
    IdentRecordBytes record{};
    TransferStep step;
    step.kind = TransferJobKind::IdentityRead;
    step.buffer = record;
    const JobOutcome out = h.session.runJob(step);
    QVERIFY(out.ok);
    QVERIFY(out.portOpened);
    QCOMPARE(out.message, QStringLiteral("Версия устройства считана"));
    QCOMPARE(out.bytes.size(), ident::kSize);
    const IdentValues ident =
        DecodeIdentRecord(std::span<const std::uint8_t, ident::kSize>(out.bytes.data(), ident::kSize));
    QCOMPARE(ident.deviceName, QStringLiteral("KRX310"));
    QCOMPARE(VersionPanelText(ident), QStringLiteral("LT.01.01"));
}

void TestControllerSession::operationsFollowOneAnother_gateNeverLeftBusy() {
    Headless h;
    for (int i = 0; i < 3; ++i) {
        QVERIFY(h.session.Reset().started);
        QVERIFY(h.session.CompareConf().started);
        QVERIFY(!h.session.gate().busy());
    }
}

void TestControllerSession::factoryConfig_keptPassword_droppedOnlyAfterTheCountdown_data() {
    QTest::addColumn<int>("controllerDelayMs");
    QTest::addColumn<bool>("dropped");
    QTest::newRow("the controller's countdown has run out") << 0 << true;
    QTest::newRow("the controller still counts") << 3600 * 1000 << false;
}

void TestControllerSession::factoryConfig_keptPassword_droppedOnlyAfterTheCountdown() {
    QFETCH(int, controllerDelayMs);
    QFETCH(bool, dropped);
    Headless h;
    h.controller->setPassword("4321");
    h.controller->setFactoryResetDelay(std::chrono::milliseconds(controllerDelayMs));
    const std::vector<std::uint8_t> edited = EditedBody();
    h.controller->setArea(1, edited);
    // The session's countdown "runs to its end" at once.
    ControllerSession session({[] { return QString::fromLatin1(sim::kSimPortName); }, {}, [] { return true; }, {}});
    const OperationOutcome out = session.FactoryConfig();
    if (dropped) {
        QVERIFY(out.ok);
        QCOMPARE(h.controller->area(1), BodyOf(DefaultImage()));
        // The password is gone: reading needs none.
        QVERIFY(session.ReadConf().ok);
    } else {
        QVERIFY(!out.ok);
        QCOMPARE(out.colour, StatusColour::Red);
        // The first block write is refused (status 2 in a block acknowledgement).
        QCOMPARE(out.message, QStringLiteral("Ошибка передачи данных, код 3"));
        QCOMPARE(h.controller->area(1), edited);
    }
}

QTEST_GUILESS_MAIN(TestControllerSession)
#include "tst_controller_session.moc"
