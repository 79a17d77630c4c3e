// The direct commands of a session without a window, against the
// in-process simulated controller: the frames the controller hears, in
// their order and to the byte, what each command leaves as its outcome, and
// that a refusal sends nothing further.

#include <QtTest>

#ifdef QT_WIDGETS_LIB
#error "the direct commands must not need the window toolkit"
#endif

#include <memory>
#include <vector>

#include "config/default_image.h"
#include "device/controller_session.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"

using namespace krx;

namespace {

using Frame = std::vector<std::uint8_t>;

// Command codes as they travel (byte 1 of a request frame).
constexpr std::uint8_t kIdent = 5;
constexpr std::uint8_t kSetClock = 13;
constexpr std::uint8_t kPassword = 17;
constexpr std::uint8_t kControl = 20;

const QString kDataSent = QStringLiteral("Данные переданы");

struct Headless {
    std::shared_ptr<sim::SimController> controller = std::make_shared<sim::SimController>();
    sim::ScopedSimLinks links{controller};
    ControllerSession session{{[] { return QString::fromLatin1(sim::kSimPortName); }, {}, {}}};

    std::vector<std::uint8_t> commands() const {
        std::vector<std::uint8_t> codes;
        for (const Frame& f : controller->requests()) codes.push_back(f.at(1));
        return codes;
    }
    Frame lastFrame() const { return controller->requests().back(); }
    std::optional<ControlPayload> lastControl() const {
        return controller->withDevice([](const sim::SimDevice& d) { return d.lastControl(); });
    }
    std::uint8_t outputs() const {
        return controller->withDevice([](const sim::SimDevice& d) { return d.live().outputs; });
    }
};

}  // namespace

class TestDirectCommands : public QObject {
    Q_OBJECT
private slots:
    void switchOnSecondRelay_identPasswordThenTheCommandFrame();
    void runScenario_sendsOutputAndScenarioCode();
    void refusedPassword_sendsNoCommand();
    void unsupportedController_sendsNothingAfterIdentification();
    void setClock_sendsNoPasswordEvenWhenTheControllerHasOne();
    void setClock_payloadIsTakenOnceTheControllerAnswered();
    void readImei_givesTheIdentifiedImei();
    void readImei_refusedPassword_givesNothing();
    void busyDevice_commandDoesNotStart();
};

void TestDirectCommands::switchOnSecondRelay_identPasswordThenTheCommandFrame() {
    Headless h;
    const OperationOutcome out = h.session.ControlCommand(*OutputSwitchPayload(1, true));
    QVERIFY(out.started);
    QVERIFY(out.sent);
    QVERIFY(out.ok);
    QCOMPARE(out.message, kDataSent);
    QCOMPARE(h.commands(), (std::vector<std::uint8_t>{kIdent, kPassword, kControl}));
    QCOMPARE(h.lastFrame(), (Frame{0x05, 0x14, 0x03, 0x00, 0x02, 0x01, 0x01, 0xEB}));
    QCOMPARE(int(h.outputs()), 0x02);
    QVERIFY(!h.session.gate().busy());
}

void TestDirectCommands::runScenario_sendsOutputAndScenarioCode() {
    Headless h;
    QVERIFY(h.session.ControlCommand(*OutputScenarioPayload(2, 1)).ok);
    QCOMPARE(h.lastControl(), (std::optional<ControlPayload>{{2, 2, 3}}));
}

void TestDirectCommands::refusedPassword_sendsNoCommand() {
    Headless h;
    h.controller->setPassword("4321");  // the image holds none
    const OperationOutcome out = h.session.ControlCommand(ModeChangePayload(SecurityMode::Armed));
    QVERIFY(out.started);
    QVERIFY(!out.sent);
    QVERIFY(!out.ok);
    QCOMPARE(h.commands(), (std::vector<std::uint8_t>{kIdent, kPassword}));
    QCOMPARE(h.lastControl(), std::nullopt);
}

void TestDirectCommands::unsupportedController_sendsNothingAfterIdentification() {
    Headless h;
    h.controller->withDevice([](sim::SimDevice& d) {
        d.identity().deviceName = "KRX740";
        return 0;
    });
    const OperationOutcome out = h.session.ControlCommand(*OutputSwitchPayload(0, true));
    QVERIFY(out.started);
    QVERIFY(!out.sent);
    QCOMPARE(out.message, QStringLiteral("Устройство KRX740 не поддерживается"));
    QCOMPARE(h.commands(), (std::vector<std::uint8_t>{kIdent}));
}

void TestDirectCommands::setClock_sendsNoPasswordEvenWhenTheControllerHasOne() {
    Headless h;
    h.controller->setPassword("4321");
    const OperationOutcome out = h.session.SetClock(ClockPayloadFromText(u"07.12.26 10:05:30"));
    QVERIFY(out.sent);
    QVERIFY(out.ok);
    QCOMPARE(out.message, kDataSent);
    QCOMPARE(h.commands(), (std::vector<std::uint8_t>{kIdent, kSetClock}));
    QCOMPARE(h.lastFrame(),
             (Frame{0x05, 0x0D, 0x06, 0x00, 0x1A, 0x0C, 0x07, 0x0A, 0x05, 0x1E, 0xF5}));
}

void TestDirectCommands::setClock_payloadIsTakenOnceTheControllerAnswered() {
    Headless h;
    int framesWhenAsked = -1;
    const OperationOutcome out = h.session.SetClock(std::function<ClockPayload()>([&] {
        framesWhenAsked = int(h.controller->requests().size());
        return ClockPayload{27, 1, 2, 3, 4, 5};
    }));
    QVERIFY(out.ok);
    QCOMPARE(framesWhenAsked, 1);  // after the identification
    QCOMPARE(h.lastFrame().at(4), std::uint8_t(27));

    // No answer: the payload is never asked for.
    h.controller->withDevice([](sim::SimDevice& d) {
        d.identity().deviceName = "KRX740";
        return 0;
    });
    bool asked = false;
    h.session.SetClock(std::function<ClockPayload()>([&] {
        asked = true;
        return ClockPayload{};
    }));
    QVERIFY(!asked);
}

void TestDirectCommands::readImei_givesTheIdentifiedImei() {
    Headless h;
    h.controller->withDevice([](sim::SimDevice& d) {
        d.identity().imei = "861234567890123";
        return 0;
    });
    const OperationOutcome out = h.session.ReadImei();
    QVERIFY(out.ok);
    QCOMPARE(out.value, QStringLiteral("861234567890123"));
    QCOMPARE(h.commands(), (std::vector<std::uint8_t>{kIdent, kPassword}));
}

void TestDirectCommands::readImei_refusedPassword_givesNothing() {
    Headless h;
    h.controller->setPassword("4321");
    const OperationOutcome out = h.session.ReadImei();
    QVERIFY(out.started);
    QVERIFY(!out.ok);
    QVERIFY(out.value.isEmpty());
}

void TestDirectCommands::busyDevice_commandDoesNotStart() {
    Headless h;
    OperationOutcome inner;
    QVERIFY(h.session.gate().run(
        [&] { inner = h.session.ControlCommand(*OutputSwitchPayload(0, true)); }));
    QVERIFY(!inner.started);
    QVERIFY(h.controller->requests().empty());
}

QTEST_GUILESS_MAIN(TestDirectCommands)
#include "tst_direct_commands.moc"
