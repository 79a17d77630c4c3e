// The direct commands started from the real main window (offscreen) against
// the in-process simulated controller: which button sends which command,
// the clock buttons and the check of a typed time, F10 and the clipboard,
// the last message in the status bar, and the window locked but live while
// a command runs.

#include <QtTest>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/pages/clock_panel.h"
#include "app/shell/direct_command_controller.h"
#include "app/shell/status_panels.h"
#include "device/status_sink.h"
#include "support/fake_window_services.h"
#include "support/sim_window_rig.h"

using namespace krx;
using krx::test::Frame;
using krx::test::Rig;
using krx::test::WaitIdle;

Q_DECLARE_METATYPE(krx::ControlPayload)

namespace {

constexpr std::uint8_t kIdent = 5;
constexpr std::uint8_t kSetClock = 13;
constexpr std::uint8_t kPassword = 17;
constexpr std::uint8_t kControl = 20;

// What the controller heard since quiet(), up to the monitor's restart.
std::vector<std::uint8_t> Commands(const Rig& rig) {
    const std::vector<Frame> frames =
        rig.framesAtMonitorStart ? *rig.framesAtMonitorStart : rig.controller->requests();
    std::vector<std::uint8_t> codes;
    for (const Frame& f : frames) codes.push_back(f.at(1));
    return codes;
}

Frame LastCommandFrame(const Rig& rig) {
    const std::vector<Frame> frames =
        rig.framesAtMonitorStart ? *rig.framesAtMonitorStart : rig.controller->requests();
    return frames.empty() ? Frame{} : frames.back();
}

std::optional<ControlPayload> LastControl(const Rig& rig) {
    return rig.controller->withDevice([](const sim::SimDevice& d) { return d.lastControl(); });
}

QPushButton* Button(const Rig& rig, const QString& name) {
    return rig.window->findChild<QPushButton*>(name);
}

test::FakeDialogs& Dialogs(const Rig& rig) {
    return static_cast<test::FakeDialogs&>(rig.window->dialogs());
}

// Types `text` into the controller-time field and moves the focus on, as a
// user does before pressing "Установить".
void TypeControllerTime(const Rig& rig, const QString& text) {
    rig.window->selectSection(sections::kClock);
    auto* field = rig.window->findChild<QLineEdit*>("MaskEditContrCurTime");
    QVERIFY(field);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClicks(field, text);
    // Pressing the mouse on the button takes the focus first.
    QTest::mousePress(Button(rig, "Button2"), Qt::LeftButton);
    QTest::mouseRelease(Button(rig, "Button2"), Qt::LeftButton);
}

}  // namespace

class DirectCommandControllerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void controlButtons_sendTheirPayload_data();
    void controlButtons_sendTheirPayload();
    void switchOn_framesStatusBarAndLitAtTheNextCycle();
    void runScenario_takesBothLists();
    void refusedPassword_sendsNoCommandAndUnlocks();
    void whileRunning_windowLockedButLive();
    void sync_sendsThePcTimeWithoutPassword();
    void typedTime_impossibleDay_refusedClearedAndNothingSent();
    void typedTime_secondSentAsTyped();
    void typedTime_nothingTyped_doesNothing();
    void f10_putsTheImeiOnTheClipboard();

private:
    QTemporaryDir dir_;
};

void DirectCommandControllerTest::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(QDir::setCurrent(dir_.path()));
}

void DirectCommandControllerTest::controlButtons_sendTheirPayload_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<ControlPayload>("payload");
    const char* on[] = {"Button4", "Button6", "Button8", "Button10", "Button12", "Button14", "Button16"};
    const char* off[] = {"Button5", "Button7", "Button9", "Button11", "Button13", "Button15", "Button17"};
    for (std::uint8_t i = 0; i < 7; ++i) {
        QTest::newRow(on[i]) << on[i] << ControlPayload{2, i, 1};
        QTest::newRow(off[i]) << off[i] << ControlPayload{2, i, 2};
    }
    QTest::newRow("Button18") << "Button18" << ControlPayload{0, 0, 0};
    QTest::newRow("Button23") << "Button23" << ControlPayload{0, 0, 0};
    QTest::newRow("Button19") << "Button19" << ControlPayload{1, 0, 0};
    QTest::newRow("Button24") << "Button24" << ControlPayload{1, 0, 0};
    QTest::newRow("Button22") << "Button22" << ControlPayload{3, 0, 0};
    // The imitation buttons' tags, in their own order.
    const std::pair<const char*, std::uint8_t> imitate[] = {
        {"Button25", 0},  {"Button27", 1},  {"Button28", 2},  {"Button29", 3},
        {"Button30", 4},  {"Button31", 5},  {"Button32", 6},  {"Button26", 7},
        {"Button33", 8},  {"Button35", 9},  {"Button36", 10}, {"Button37", 11},
        {"Button38", 12}, {"Button39", 13}, {"Button40", 14}, {"Button34", 15}};
    for (const auto& [name, tag] : imitate) {
        QTest::newRow(name) << name << ControlPayload{4, tag, 0};
    }
}

void DirectCommandControllerTest::controlButtons_sendTheirPayload() {
    QFETCH(QString, button);
    QFETCH(ControlPayload, payload);
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.quiet();
    QPushButton* b = Button(rig, button);
    QVERIFY2(b, qPrintable(button));
    // Buttons of what this model lacks are hidden, but keep their command.
    b->click();
    QVERIFY(WaitIdle(rig));
    QCOMPARE(Commands(rig), (std::vector<std::uint8_t>{kIdent, kPassword, kControl}));
    QCOMPARE(LastControl(rig), std::optional<ControlPayload>(payload));
}

void DirectCommandControllerTest::switchOn_framesStatusBarAndLitAtTheNextCycle() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.quiet();
    auto* lamp = rig.window->findChild<QWidget*>("PanelOut2");
    QCOMPARE(BackgroundColour(lamp), kColourGreen);

    Button(rig, "Button6")->click();  // "Вкл." of "Реле 2"
    QVERIFY(WaitIdle(rig));
    QCOMPARE(LastCommandFrame(rig), (Frame{0x05, 0x14, 0x03, 0x00, 0x02, 0x01, 0x01, 0xEB}));
    QCOMPARE(rig.window->statusPanels().text(StatusPanels::kMessage), QStringLiteral("Данные переданы"));
    // The monitor runs again and shows the output on.
    QTRY_COMPARE_WITH_TIMEOUT(BackgroundColour(lamp), kColourLime, 3000);
}

void DirectCommandControllerTest::runScenario_takesBothLists() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.quiet();
    rig.window->findChild<QComboBox*>("ComboBoxTestOut")->setCurrentIndex(2);   // "Выход 1"
    rig.window->findChild<QComboBox*>("ComboBoxTestScen")->setCurrentIndex(0);  // "сценарий 1"
    Button(rig, "Button20")->click();
    QVERIFY(WaitIdle(rig));
    QCOMPARE(LastControl(rig), (std::optional<ControlPayload>{{2, 2, 3}}));
}

void DirectCommandControllerTest::refusedPassword_sendsNoCommandAndUnlocks() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.setDevicePassword("4321");
    rig.quiet();
    Button(rig, "Button4")->click();
    QVERIFY(WaitIdle(rig));
    QCOMPARE(Commands(rig), (std::vector<std::uint8_t>{kIdent, kPassword}));
    QCOMPARE(LastControl(rig), std::nullopt);
    QVERIFY(rig.actionText().startsWith(QStringLiteral("Взаимодействие запрещено без указания пароля")));
    QVERIFY(Button(rig, "Button4")->isEnabled());
}

void DirectCommandControllerTest::whileRunning_windowLockedButLive() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.quiet();
    bool sampled = false, buttonsLocked = false, actionsLocked = false, closeRefused = false;
    int reports = 0;
    StatusSink& sink = rig.operations->session().actionSink();
    QObject::connect(&sink, &StatusSink::statusChanged, rig.window.get(), [&] {
        ++reports;
        if (sampled || !rig.operations->busy()) return;
        sampled = true;
        buttonsLocked = !Button(rig, "Button4")->isEnabled() && !Button(rig, "Button23")->isEnabled();
        actionsLocked = rig.allActionsEnabled(false);
        // A second command and a close request both wait for this one.
        Button(rig, "Button5")->click();
        closeRefused = !rig.window->close();
    });
    Button(rig, "Button4")->click();
    QVERIFY(WaitIdle(rig));
    QVERIFY(sampled);
    QVERIFY(buttonsLocked);
    QVERIFY(actionsLocked);
    QVERIFY(closeRefused);
    QVERIFY(rig.window->isVisible());
    // Only the first command reached the controller.
    QCOMPARE(Commands(rig), (std::vector<std::uint8_t>{kIdent, kPassword, kControl}));
    QCOMPARE(LastControl(rig), (std::optional<ControlPayload>{{2, 0, 1}}));
}

void DirectCommandControllerTest::sync_sendsThePcTimeWithoutPassword() {
    Rig rig({}, [] { return QDateTime(QDate(2026, 12, 7), QTime(10, 5, 30)); });
    QVERIFY(WaitIdle(rig));
    rig.setDevicePassword("4321");
    rig.window->selectSection(sections::kClock);
    rig.quiet();
    Button(rig, "Button3")->click();
    QVERIFY(WaitIdle(rig));
    QCOMPARE(Commands(rig), (std::vector<std::uint8_t>{kIdent, kSetClock}));
    QCOMPARE(LastCommandFrame(rig),
             (Frame{0x05, 0x0D, 0x06, 0x00, 0x1A, 0x0C, 0x07, 0x0A, 0x05, 0x1E, 0xF5}));
    QCOMPARE(rig.window->statusPanels().text(StatusPanels::kMessage), QStringLiteral("Данные переданы"));
}

void DirectCommandControllerTest::typedTime_impossibleDay_refusedClearedAndNothingSent() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.quiet();
    Dialogs(rig).shown.clear();
    TypeControllerTime(rig, "321226100530");
    QCOMPARE(int(Dialogs(rig).shown.size()), 1);
    QCOMPARE(Dialogs(rig).shown[0].title, QStringLiteral("Установка времени и даты"));
    QCOMPARE(Dialogs(rig).shown[0].text, QStringLiteral("Не верно установлено число"));
    auto* page = dynamic_cast<ClockPanel*>(rig.window->page(sections::kClock));
    QVERIFY(page->pendingControllerTime().isEmpty());
    QVERIFY(rig.controller->requests().empty());
}

void DirectCommandControllerTest::typedTime_secondSentAsTyped() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.quiet();
    TypeControllerTime(rig, "010227030475");
    QVERIFY(WaitIdle(rig));
    QVERIFY(Dialogs(rig).shown.empty());
    QCOMPARE(Commands(rig), (std::vector<std::uint8_t>{kIdent, kSetClock}));
    const Frame frame = LastCommandFrame(rig);
    QCOMPARE(Frame(frame.begin() + 4, frame.begin() + 10), (Frame{27, 2, 1, 3, 4, 75}));
    auto* page = dynamic_cast<ClockPanel*>(rig.window->page(sections::kClock));
    QVERIFY(page->pendingControllerTime().isEmpty());
}

void DirectCommandControllerTest::typedTime_nothingTyped_doesNothing() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.window->selectSection(sections::kClock);
    rig.quiet();
    const OperationOutcome out = rig.commands->setTypedClock();
    QVERIFY(!out.started);
    QVERIFY(Dialogs(rig).shown.empty());
    QVERIFY(rig.controller->requests().empty());
}

void DirectCommandControllerTest::f10_putsTheImeiOnTheClipboard() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.controller->withDevice([](sim::SimDevice& d) {
        d.identity().imei = "861234567890123";
        return 0;
    });
    rig.window->selectSection(sections::kGeneral);
    QApplication::clipboard()->clear();
    rig.quiet();
    QCOMPARE(rig.actions().ReadIMEICode->shortcut(), QKeySequence(Qt::Key_F10));
    rig.actions().ReadIMEICode->trigger();
    QVERIFY(WaitIdle(rig));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("IMEI: 861234567890123"));
    QCOMPARE(Commands(rig), (std::vector<std::uint8_t>{kIdent, kPassword}));
    // The common start leaves the section for the root node.
    QCOMPARE(rig.window->currentSectionId(), sections::kController);
}

QTEST_MAIN(DirectCommandControllerTest)
#include "tst_direct_command_controller.moc"
