// The fault matrix: every operation of the headless session against the
// simulated controller, with each of its fault switches striking at the
// identification, the password, the first, a middle or the last block, or
// the operation's own command. For every case:
// - no false success: an operation that says it succeeded did what it says
//   (the controller holds the image, the image holds the controller's body),
//   and one whose examined step was spoiled ends red;
// - a failed operation leaves the image as it was, and the controller's
//   memory as it was unless the failure came after the first write;
// - one final status, the device gate free, and a bounded time.

#include <QElapsedTimer>
#include <QtTest>

#include <memory>
#include <vector>

#include "common/fault_cases.h"
#include "common/operation_frames.h"
#include "config/default_image.h"
#include "device/clock_command.h"
#include "device/control_command.h"
#include "device/controller_session.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"

using namespace krx;
using namespace krx::test::code;
using Bytes = std::vector<std::uint8_t>;
using krx::test::FaultCase;
using krx::test::FaultCases;
using Op = krx::test::FaultOp;

namespace {

// A body the program accepts, other than the default one.
ConfigImage EditedImage() {
    ConfigImage image = DefaultImage();
    image.body()[12] ^= 0x07;
    image.body()[3000] = 0x5A;
    image.body()[5291] = 0xC3;
    return image;
}

OperationOutcome RunOp(Op op, ControllerSession& session) {
    switch (op) {
        case Op::ReadConf: return session.ReadConf();
        case Op::Programm: return session.Programm();
        case Op::Reconfigurate: return session.Reconfigurate();
        case Op::ProgramChanged: return session.ProgramChanged(true);
        case Op::CompareConf: return session.CompareConf();
        case Op::Reset: return session.Reset();
        case Op::FactoryConfig: return session.FactoryConfig();
        case Op::ReadSystemParameters: return session.ReadSystemParameters();
        case Op::ProgramSystemParameters: return session.ProgramSystemParameters();
        case Op::Control: return session.ControlCommand(ModeChangePayload(SecurityMode::Armed));
        case Op::Clock: return session.SetClock(ClockPayloadFromText(u"11.12.26 10:20:30"));
    }
    return {};
}

}  // namespace

class TestFaultMatrix : public QObject {
    Q_OBJECT
private slots:
    void everyOperationUnderEveryFault_data();
    void everyOperationUnderEveryFault();
};

void TestFaultMatrix::everyOperationUnderEveryFault_data() {
    QTest::addColumn<int>("index");
    const std::vector<FaultCase> cases = FaultCases();
    for (std::size_t i = 0; i < cases.size(); ++i) QTest::newRow(cases[i].name.c_str()) << int(i);
}

void TestFaultMatrix::everyOperationUnderEveryFault() {
    QFETCH(int, index);
    static const std::vector<FaultCase> cases = FaultCases();
    const FaultCase& c = cases[std::size_t(index)];

    auto controller = std::make_shared<sim::SimController>();
    sim::ScopedSimLinks links{controller};
    controller->setRestartSilence(std::chrono::milliseconds(0));
    // The controller holds one body and the editor another.
    const ConfigImage held = DefaultImage();
    controller->setArea(1, held.body());
    const Bytes heldSystem = {1, 2, 3, 4, 5, 6, 7, 8};
    controller->setArea(5, heldSystem);
    const bool clearModes = c.op->clearModeMemory;
    ControllerSession session({[] { return QString::fromLatin1(sim::kSimPortName); }, {}, [] { return true; },
                               [clearModes] { return clearModes; }});
    const ConfigImage edited = EditedImage();
    std::copy(edited.bytes().begin(), edited.bytes().end(), session.image().bytes().begin());
    for (std::size_t i = 0; i < 8; ++i) session.image().systemParameters()[i] = std::uint8_t(0x40 + i);
    const ConfigImage before = session.image();
    controller->setFaults(c.faults);

    QElapsedTimer clock;
    clock.start();
    const OperationOutcome out = RunOp(c.op->op, session);
    const qint64 ms = clock.elapsed();

    // A bounded time, one final status, the gate free.
    QVERIFY2(ms < 20000, qPrintable(QString("took %1 ms").arg(ms)));
    QVERIFY(out.started);
    QVERIFY(!out.message.isEmpty());
    QVERIFY(!session.gate().busy());
    // Every request the program sent, faults or not, reads as one by the
    // controller's own rules.
    const std::vector<std::string> refused = controller->refusedRequests();
    QVERIFY2(refused.empty(), refused.empty() ? "" : refused.front().c_str());

    if (c.expectFailure && krx::test::Struck(c, controller->requests())) {
        QVERIFY2(!out.ok, qPrintable("false success: " + out.message));
    }

    if (!out.ok) {
        QCOMPARE(out.colour, StatusColour::Red);
        // A failed operation does not change the editor's configuration,
        // except the factory reset, which puts the defaults in before writing.
        if (c.op->op != Op::FactoryConfig) QVERIFY(session.image() == before);
        // Nothing reached the controller before the first write's answer.
        if (c.target == kIdent || c.target == kPassword || !(c.op->writesBody || c.op->writesSystemParameters)) {
            QCOMPARE(controller->area(1), Bytes(held.body().begin(), held.body().end()));
            QCOMPARE(controller->area(5), heldSystem);
        }
        return;
    }
    // What a success says is true.
    const Bytes imageBody(session.image().body().begin(), session.image().body().end());
    const Bytes imageSystem(session.image().systemParameters().begin(), session.image().systemParameters().end());
    switch (c.op->op) {
        case Op::ReadConf:
            QCOMPARE(imageBody, controller->area(1));
            break;
        case Op::Programm:
        case Op::Reconfigurate:
        case Op::ProgramChanged:
        case Op::FactoryConfig:
            QCOMPARE(controller->area(1), imageBody);
            break;
        case Op::CompareConf:
            QCOMPARE(controller->area(1), imageBody);
            break;
        case Op::ReadSystemParameters:
            QCOMPARE(imageSystem, controller->area(5));
            break;
        case Op::ProgramSystemParameters:
            QCOMPARE(controller->area(5), imageSystem);
            break;
        default:
            break;
    }
}

QTEST_GUILESS_MAIN(TestFaultMatrix)
#include "tst_fault_matrix.moc"
