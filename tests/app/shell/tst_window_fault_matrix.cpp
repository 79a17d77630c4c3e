// The fault matrix run from the window: every operation a technician starts
// from the menus and buttons, against the simulated controller with each of
// its fault switches striking at the identification, the password, the
// first, a middle or the last block, or the operation's own command. One
// window lives through the whole matrix, as one would on a bad site. After
// every case:
// - no false success: an operation whose examined answer was spoiled ends
//   with a red text where that operation shows its result;
// - exactly one final status (one `operationFinished`);
// - the window handed back: the actions and editors unlocked, no command
//   holding the device, and a monitor running;
// - a failed operation leaves the editor's configuration as it was;
// - a bounded time.

#include <QtTest>

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

#include "common/fault_cases.h"
#include "common/test_bytes.h"
#include "app/pages/system_parameters_panel.h"
#include "app/shell/status_panels.h"
#include "config/default_image.h"
#include "support/sim_window_rig.h"

using namespace krx;
using namespace krx::test::code;
using krx::test::FaultCase;
using krx::test::FaultCases;
using krx::test::FaultOp;
using krx::test::Rig;
using krx::test::ToVector;
using Bytes = std::vector<std::uint8_t>;

namespace {

// The window has no "changed blocks only" programming: that is krxctl's.
std::vector<FaultCase> WindowCases() {
    std::vector<FaultCase> cases;
    for (const FaultCase& c : FaultCases())
        if (c.op->op != FaultOp::ProgramChanged) cases.push_back(c);
    return cases;
}

bool OnSystemPage(FaultOp op) {
    return op == FaultOp::ReadSystemParameters || op == FaultOp::ProgramSystemParameters;
}
bool IsDirectCommand(FaultOp op) { return op == FaultOp::Control || op == FaultOp::Clock; }

// The controller's body: the defaults, so the editor's own body differs.
const Bytes kHeldSystem = {1, 2, 3, 4, 5, 6, 7, 8};

}  // namespace

class WindowFaultMatrixTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyOperationUnderEveryFault_handsTheWindowBack_data();
    void everyOperationUnderEveryFault_handsTheWindowBack();

private:
    SystemParametersPanel* systemPage() const {
        return dynamic_cast<SystemParametersPanel*>(rig_->window->page(sections::kSystemParameters));
    }
    QPushButton* button(const char* name) const { return rig_->window->findChild<QPushButton*>(name); }
    // Handed back as the operation's own section leaves it: on the
    // system-parameter page only its buttons drive the device.
    bool handedBack(FaultOp op) const {
        if (!OnSystemPage(op)) return rig_->idle();
        return rig_->window->sectionTree().isEnabled() && button("BitBtnReadSysPar")->isEnabled() &&
               rig_->monitor().isRunning() && !rig_->operations->busy();
    }
    bool waitHandedBack(FaultOp op, int ms) const {
        QElapsedTimer timer;
        timer.start();
        while (!handedBack(op) && timer.elapsed() < ms) QTest::qWait(10);
        return handedBack(op);
    }
    void start(FaultOp op);

    QTemporaryDir dir_;
    std::unique_ptr<Rig> rig_;
};

void WindowFaultMatrixTest::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(QDir::setCurrent(dir_.path()));
    // The factory reset's countdown, had it come, is cancelled at once.
    rig_ = std::make_unique<Rig>([](const std::function<bool()>&, QWidget*) { return false; });
    rig_->controller->setRestartSilence(std::chrono::milliseconds(0));
    QVERIFY(krx::test::WaitIdle(*rig_));
}

void WindowFaultMatrixTest::cleanupTestCase() { rig_.reset(); }

void WindowFaultMatrixTest::start(FaultOp op) {
    const WindowActions& actions = rig_->actions();
    switch (op) {
        case FaultOp::ReadConf: actions.ReadConf->trigger(); break;
        case FaultOp::Programm: actions.Programm->trigger(); break;
        case FaultOp::Reconfigurate: actions.Reconfigurate->trigger(); break;
        case FaultOp::CompareConf: actions.CompareConf->trigger(); break;
        case FaultOp::Reset: actions.Reset->trigger(); break;
        case FaultOp::FactoryConfig: actions.FactoryConfig->trigger(); break;
        case FaultOp::ReadSystemParameters: button("BitBtnReadSysPar")->click(); break;
        case FaultOp::ProgramSystemParameters: button("BitBtnProgSysPar")->click(); break;
        case FaultOp::Control: button("Button23")->click(); break;  // "Охрана"
        case FaultOp::Clock: button("Button3")->click(); break;     // "Синхро."
        case FaultOp::ProgramChanged: break;
    }
}

void WindowFaultMatrixTest::everyOperationUnderEveryFault_handsTheWindowBack_data() {
    QTest::addColumn<int>("index");
    const std::vector<FaultCase> cases = WindowCases();
    for (std::size_t i = 0; i < cases.size(); ++i) QTest::newRow(cases[i].name.c_str()) << int(i);
}

void WindowFaultMatrixTest::everyOperationUnderEveryFault_handsTheWindowBack() {
    QFETCH(int, index);
    static const std::vector<FaultCase> cases = WindowCases();
    const FaultCase& c = cases[std::size_t(index)];
    Rig& rig = *rig_;
    const FaultOp op = c.op->op;

    // Whatever the case before left, the window is back before this one
    // starts (away from the system-parameter page, whose buttons alone drive
    // the device).
    rig.window->selectSection(sections::kGeneral);
    QVERIFY(krx::test::WaitIdle(rig, 10000));
    rig.window->selectSection(OnSystemPage(op) ? sections::kSystemParameters
                              : op == FaultOp::Clock ? sections::kClock
                                                     : sections::kGeneral);
    rig.controller->setFaults({});
    rig.setDevicePassword("");
    rig.setArea(1, DefaultImage().body());
    rig.setArea(5, kHeldSystem);
    rig.clearSaveArea()->setChecked(c.op->clearModeMemory);
    if (OnSystemPage(op)) {
        button("Button1")->click();  // the page opened for editing
        // "Программировать" is offered once a read has succeeded.
        if (op == FaultOp::ProgramSystemParameters && !button("BitBtnProgSysPar")->isEnabled()) {
            button("BitBtnReadSysPar")->click();
            QVERIFY(waitHandedBack(op, 5000));
        }
        QVERIFY(button("BitBtnProgSysPar")->isEnabled() || op == FaultOp::ReadSystemParameters);
    }
    // The editor holds a body of its own.
    Bytes editorBody = ToVector(DefaultImage().body());
    editorBody[12] ^= 0x07;
    editorBody[3000] = 0x5A;
    std::copy(editorBody.begin(), editorBody.end(), rig.window->image().body().begin());
    rig.window->loadCurrentSection();
    const Bytes imageBefore = ToVector(rig.window->image().bytes());
    rig.quiet();
    QSignalSpy finished(rig.operations, &OperationController::operationFinished);
    rig.controller->setFaults(c.faults);

    QElapsedTimer clock;
    clock.start();
    start(op);
    // The texts as the operation left them: the monitor, back a moment
    // later, writes its own into the status bar and the controller page.
    const QString commandResult = rig.window->statusPanels().text(StatusPanels::kMessage);
    const QString actionText = rig.actionText();
    const QColor actionColour = rig.actionColour();
    const QString pageText = systemPage()->messageLine()->text();
    const QColor pageColour = TextColour(systemPage()->messageLine());
    // Faults off once the operation has returned, so the monitor that comes
    // back finds the controller.
    rig.controller->setFaults({});
    QVERIFY2(waitHandedBack(op, 8000), "the window was not handed back");
    const qint64 ms = clock.elapsed();
    QVERIFY2(ms < 20000, qPrintable(QString("took %1 ms").arg(ms)));

    // Exactly one final status, and nothing that comes later.
    QTest::qWait(20);
    QCOMPARE(finished.count(), 1);
    const OperationOutcome& out = rig.operations->lastOutcome();
    QVERIFY(out.started);
    QVERIFY(!out.message.isEmpty());

    // What the operation sent, up to the monitor's restart.
    const std::vector<krx::test::Frame> heard =
        rig.framesAtMonitorStart ? *rig.framesAtMonitorStart : rig.controller->requests();
    if (c.expectFailure && krx::test::Struck(c, heard)) QVERIFY2(!out.ok, qPrintable("false success: " + out.message));
    if (out.ok) return;

    // The failure is shown red, where the operation shows its result.
    QCOMPARE(out.colour, StatusColour::Red);
    if (OnSystemPage(op)) {
        QCOMPARE(pageText, out.message);
        QCOMPARE(pageColour, kColourRed);
    } else if (IsDirectCommand(op) && c.target != kIdent && c.target != kPassword) {
        // The command itself failed: its answer's text, in the status bar.
        QCOMPARE(commandResult, out.message);
    } else {
        // The identification and the password show on the controller page.
        QCOMPARE(actionText, out.message);
        QCOMPARE(actionColour, kColourRed);
    }
    // A failed operation does not change the editor's configuration, except
    // the factory reset, which puts the defaults in before writing.
    if (op != FaultOp::FactoryConfig) QCOMPARE(ToVector(rig.window->image().bytes()), imageBefore);
}

QTEST_MAIN(WindowFaultMatrixTest)
#include "tst_window_fault_matrix.moc"
