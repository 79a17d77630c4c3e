// The configuration operations started from the real main window (offscreen)
// against the in-process simulated controller: what the window lets the user
// do while an operation runs, the texts left in `ActionName`, the frames the
// controller hears, and that every path hands the window back unlocked with
// a monitor running, directly or after the restart delay.

#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "common/test_bytes.h"
#include "app/dialogs/clear_config_dialog.h"
#include "app/shell/configurator_assembly.h"
#include "config/config_file.h"
#include "config/config_history.h"
#include "app/shell/configurator_window.h"
#include "app/live/monitor_wiring.h"
#include "app/shell/operation_controller.h"
#include "app/pages/section_panel.h"
#include "app/pages/system_parameters_panel.h"
#include "app/shell/section_tree.h"
#include "app/shell/status_panels.h"
#include "app/widgets/widget_colours.h"
#include "config/default_image.h"
#include "device/config_operations.h"
#include "support/fake_window_services.h"
#include "support/sim_window_rig.h"
#include "monitor/monitor_host.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"

using namespace krx;
using krx::test::ToVector;
using krx::test::Rig;
using krx::test::WaitIdle;

namespace {

using krx::test::Frame;

// Command codes as they travel (byte 1 of a request frame).
constexpr char kIdent = 5;
constexpr char kWriteArea1 = 6;
constexpr char kReadArea1 = 7;
constexpr char kWriteArea4 = 8;
constexpr char kReadArea4 = 9;
constexpr char kApply = 15;
constexpr char kRestart = 16;
constexpr char kPassword = 17;

const QString kDataRead = QStringLiteral("Данные считаны");
const QString kProgrammed = QStringLiteral("Программирование завершено успешно");
const QString kRestartStarted = QStringLiteral("Перезагрузка устройства инициированна");
const QString kDataSent = QStringLiteral("Данные переданы");
const QString kSame = QStringLiteral("Данные в памяти контроллера аналогичны текущим");
const QString kDifferent = QStringLiteral("Данные в памяти контроллера отличаются от текущих");
const QString kMismatch = QStringLiteral("Ошибка, найдены несоответствия в данных");
// A block read that got fewer bytes than it asked for, or none.
const QString kShortBlockRead = QStringLiteral("Ошибка передачи данных, код 1");
const QString kPasswordRefused = QStringLiteral(
    "Взаимодействие запрещено без указания пароля, команды чтения/записи и ряд управляющих "
    "команд не могут быть выполнены");
const QString kInvalidBody = QStringLiteral(
    "Контроллер не содержит достоверную конфигурацию.\n"
    "Настройте параметры как необходимо и запрограммируйте конфигурацию.");

QByteArray Commands(std::initializer_list<std::pair<char, int>> runs) {
    QByteArray all;
    for (const auto& [code, times] : runs) all.append(QByteArray(times, code));
    return all;
}


// A body this program accepts, unlike the default one in two settings: the
// pause between calls (byte 12, bits 0-2) is index 6 ("60"), and a byte deep
// inside and the last one differ.
std::vector<std::uint8_t> EditedBody() {
    std::vector<std::uint8_t> body = ToVector(DefaultImage().body());
    body[12] = static_cast<std::uint8_t>((body[12] & ~0x07) | 6);
    body[3000] = 0x5A;
    body[5291] = 0xC3;
    return body;
}

// Clicks a button of the modal dialog of type D once it is up.
template <typename D>
void ClickInDialogWhenShown(const char* buttonName, std::function<void(D&)> whileShown = {}) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, buttonName, whileShown] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        if (whileShown) whileShown(*dialog);
        if (buttonName) {
            if (auto* button = dialog->template findChild<QPushButton*>(buttonName)) button->click();
        }
    });
    poll->start();
}

}  // namespace

class OperationControllerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void programm_whileRunning_windowIsLockedButLive();
    void programm_endsThroughTimer2_unlockedWithMonitor();
    void programm_withClearSaveAreaTicked_writesModeMemoryBeforeRestart();
    void operation_leavesTextFramesAndImage_data();
    void operation_leavesTextFramesAndImage();
    void readConf_showsControllerValuesInSectionPanel();
    void readAndProgram_keepCopiesInTheHistory();
    void reset_endsThroughTimer2();
    void factoryConfig_cancelledCountdown_writesNothingAndUnlocks();
    void factoryConfig_monitorLosesController_cancelsCountdown();
    void factoryConfig_completedCountdown_writesDefaults();
    void closeWhenIdle_duringOperation_closesAfterItEnds();
    void closeRequest_whileTheMonitorIsStopped_waitsForTheOperation();
    void operationJobs_showTheOpenedPortAsLinkState_data();
    void operationJobs_showTheOpenedPortAsLinkState();
    void refusedController_textStandsWhenTheOperationReturns();
    void substitutedCatalogue_reachesTreePagesAndJobs();
    void systemParameters_readThenProgram_framesAndEnabling();
    void systemParameters_refusedPassword_sendsNoAreaFrame();

private:
    QTemporaryDir dir_;
};

void OperationControllerTest::initTestCase() {
    // The window reads and writes its working files in the current directory.
    QVERIFY(dir_.isValid());
    QVERIFY(QDir::setCurrent(dir_.path()));
}

void OperationControllerTest::init() {
    QDir(dir_.path()).removeRecursively();
    QDir().mkpath(dir_.path());
    QVERIFY(QDir::setCurrent(dir_.path()));
}

void OperationControllerTest::programm_whileRunning_windowIsLockedButLive() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.window->selectSection(sections::kGeneral);
    rig.quiet();

    // Sampled while the first area job reports progress, i.e. while the
    // window waits for a job and processes events meanwhile.
    bool sampled = false;
    bool actionsLocked = false, editorsLocked = false, closeAccepted = true, stillBusy = false;
    SectionId sectionDuringJob;
    int progressUpdatesWhileBusy = 0;
    QObject::connect(rig.progressBar(), &QProgressBar::valueChanged, rig.window.get(), [&] {
        if (!rig.operations->busy()) return;
        ++progressUpdatesWhileBusy;
        if (sampled) return;
        sampled = true;
        actionsLocked = rig.allActionsEnabled(false);
        editorsLocked = !rig.window->sectionTree().isEnabled() &&
                        !rig.window->page(sections::kGeneral)->isEnabled() &&
                        !rig.clearSaveArea()->isEnabled();
        sectionDuringJob = rig.window->currentSectionId();
        closeAccepted = rig.window->close();
        // A click that was queued before the lock took effect.
        emit rig.actions().ReadConf->triggered(false);
        emit rig.actions().Programm->triggered(false);
        stillBusy = rig.operations->busy();
    });

    rig.actions().Programm->trigger();

    QVERIFY(sampled);
    QVERIFY(actionsLocked);
    QVERIFY(editorsLocked);
    QCOMPARE(sectionDuringJob, sections::kController);
    QVERIFY(!closeAccepted);
    QVERIFY(rig.window->isVisible());
    QVERIFY(stillBusy);
    QVERIFY(progressUpdatesWhileBusy >= 2);
    QCOMPARE(rig.progressBar()->maximum(), 5292);
    QCOMPARE(rig.progressBar()->value(), 5292);
    // Only the one operation reached the controller: no second identification.
    QCOMPARE(rig.operationCommands(),
             Commands({{kIdent, 1}, {kPassword, 1}, {kWriteArea1, 21}, {kReadArea1, 21},
                       {kRestart, 1}}));
    QCOMPARE(rig.area(1), ToVector(rig.window->image().body()));
}

void OperationControllerTest::programm_endsThroughTimer2_unlockedWithMonitor() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.quiet();
    QSignalSpy finished(rig.operations, &OperationController::operationFinished);

    rig.actions().Programm->trigger();

    // The controller reboots: locked, no monitor, placeholder identification,
    // `Timer2` armed for 3 s.
    QCOMPARE(rig.actionText(), kRestartStarted);
    QCOMPARE(rig.actionColour(), kColourBlue);
    QCOMPARE(rig.label("iDeviceNameLabel")->text(), QStringLiteral("--------"));
    QCOMPARE(rig.label("iGSMIMEILabel")->text(), QStringLiteral("---------------"));
    QVERIFY(rig.allActionsEnabled(false));
    QVERIFY(!rig.window->sectionTree().isEnabled());
    QVERIFY(!rig.monitor().isRunning());
    QVERIFY(rig.operations->busy());
    QVERIFY(rig.timer2()->isActive());
    QCOMPARE(rig.timer2()->interval(), ConfigOperations::kRestartDelayMs);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(rig.monitorStarts, 0);

    // Not a moment before the delay.
    QTest::qWait(2500);
    QVERIFY(rig.allActionsEnabled(false));
    QVERIFY(!rig.monitor().isRunning());

    QTRY_VERIFY_WITH_TIMEOUT(rig.idle(), 2000);
    QCOMPARE(rig.monitorStarts, 1);
    QCOMPARE(finished.count(), 1);
    // The monitor finds the rebooted controller again.
    QTRY_COMPARE_WITH_TIMEOUT(rig.label("iDeviceNameLabel")->text(), QStringLiteral("KRX310"), 4000);
    // And the next operation runs.
    rig.quiet();
    rig.actions().CompareConf->trigger();
    QCOMPARE(rig.actionText(), kSame);
    QVERIFY(rig.idle());
}

void OperationControllerTest::programm_withClearSaveAreaTicked_writesModeMemoryBeforeRestart() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    const std::vector<std::uint8_t> stale(10, 0x77);
    std::copy(stale.begin(), stale.end(), rig.window->image().modeMemory().begin());
    rig.clearSaveArea()->setChecked(true);
    rig.quiet();

    rig.actions().Programm->trigger();

    QCOMPARE(rig.operationCommands(),
             Commands({{kIdent, 1}, {kPassword, 1}, {kWriteArea1, 21}, {kReadArea1, 21},
                       {kWriteArea4, 1}, {kReadArea4, 1}, {kRestart, 1}}));
    QCOMPARE(rig.area(4), ToVector(DefaultImage().modeMemory()));
    QCOMPARE(ToVector(rig.window->image().modeMemory()), ToVector(DefaultImage().modeMemory()));
    QTRY_VERIFY_WITH_TIMEOUT(rig.idle(), 5000);
}

namespace {

enum class Setup {
    EditedBody,       // the controller holds EditedBody(), no password
    SameBody,         // the controller holds the editor's body
    OtherDevice,      // it calls itself KRX740
    OtherVersion,     // software 01.02
    Password,         // it has a password the editor does not know
    InvalidBody,      // its body starts with 0 instead of 1
    SilentRead,       // block reads of area 1 go unanswered
    CorruptReadBack,  // read-back data of area 1 come back spoiled
};

enum class BodyAfter { Unchanged, Controller, Default };

}  // namespace

void OperationControllerTest::operation_leavesTextFramesAndImage_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("setup");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QByteArray>("commands");  // empty: not pinned
    QTest::addColumn<int>("bodyAfter");

    const auto row = [](const char* name, const char* action, Setup setup, const QString& text,
                        const QColor& colour, const QByteArray& commands, BodyAfter body) {
        QTest::newRow(name) << QString::fromLatin1(action) << int(setup) << text << colour
                            << commands << int(body);
    };
    const QByteArray readAll = Commands({{kIdent, 1}, {kPassword, 1}, {kReadArea1, 21}});
    const QByteArray writeAll =
        Commands({{kIdent, 1}, {kPassword, 1}, {kWriteArea1, 21}, {kReadArea1, 21}});

    row("read", "ReadConf", Setup::EditedBody, kDataRead, kColourBlue, readAll,
        BodyAfter::Controller);
    row("read invalid body", "ReadConf", Setup::InvalidBody, kInvalidBody, kColourRed, readAll,
        BodyAfter::Default);
    row("read refused password", "ReadConf", Setup::Password, kPasswordRefused, kColourRed,
        Commands({{kIdent, 1}, {kPassword, 1}}), BodyAfter::Unchanged);
    row("read unanswered", "ReadConf", Setup::SilentRead, kShortBlockRead, kColourRed, {},
        BodyAfter::Unchanged);
    row("compare same", "CompareConf", Setup::SameBody, kSame, kColourBlue,
        Commands({{kIdent, 1}, {kReadArea1, 21}}), BodyAfter::Unchanged);
    row("compare different", "CompareConf", Setup::EditedBody, kDifferent, kColourRed,
        Commands({{kIdent, 1}, {kReadArea1, 21}}), BodyAfter::Unchanged);
    row("reconfigure", "Reconfigurate", Setup::EditedBody, kProgrammed, kColourBlue,
        writeAll + QByteArray(1, kApply), BodyAfter::Unchanged);
    // The apply command goes out even though the write failed.
    row("reconfigure failed verify", "Reconfigurate", Setup::CorruptReadBack, kMismatch,
        kColourRed, {}, BodyAfter::Unchanged);
    // The identification job's colour stays; only its text is replaced.
    row("program other device", "Programm", Setup::OtherDevice,
        QStringLiteral("Устройство KRX740 не поддерживается"), kColourBlue,
        QByteArray(1, kIdent), BodyAfter::Unchanged);
    row("program other version", "Programm", Setup::OtherVersion,
        QStringLiteral("Версия LT.01.02 не поддерживается"), kColourBlue, QByteArray(1, kIdent),
        BodyAfter::Unchanged);
    row("reset refused password", "Reset", Setup::Password, kPasswordRefused, kColourRed,
        Commands({{kIdent, 1}, {kPassword, 1}}), BodyAfter::Unchanged);
    // No password on the controller: the defaults go out at once, no countdown.
    row("factory without password", "FactoryConfig", Setup::EditedBody, kProgrammed,
        kColourBlue,
        writeAll + Commands({{kWriteArea4, 1}, {kReadArea4, 1}, {kApply, 1}}),
        BodyAfter::Default);
}

void OperationControllerTest::operation_leavesTextFramesAndImage() {
    QFETCH(QString, action);
    QFETCH(int, setup);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(QByteArray, commands);
    QFETCH(int, bodyAfter);

    bool countdownShown = false;
    Rig rig([&](const std::function<bool()>&, QWidget*) {
        countdownShown = true;
        return false;
    });
    QVERIFY(WaitIdle(rig));

    // The editor starts from a body of its own, neither default nor edited.
    std::vector<std::uint8_t> editorBody = ToVector(DefaultImage().body());
    editorBody[3000] = 0x11;
    std::copy(editorBody.begin(), editorBody.end(), rig.window->image().body().begin());
    rig.window->loadCurrentSection();

    std::vector<std::uint8_t> controllerBody = EditedBody();
    sim::SimFaults faults;
    switch (Setup(setup)) {
        case Setup::EditedBody:
            break;
        case Setup::SameBody:
            controllerBody = editorBody;
            break;
        case Setup::OtherDevice:
            rig.controller->withDevice([](sim::SimDevice& d) {
                d.identity().deviceName = "KRX740";
                return 0;
            });
            break;
        case Setup::OtherVersion:
            rig.controller->withDevice([](sim::SimDevice& d) {
                d.identity().softwareVersion = 0x0102;
                return 0;
            });
            break;
        case Setup::Password:
            rig.setDevicePassword("4321");
            break;
        case Setup::InvalidBody:
            controllerBody[0] = 0;
            break;
        case Setup::SilentRead:
            faults.reply = sim::ReplyFault::Silence;
            faults.onlyCommand = kReadArea1;
            break;
        case Setup::CorruptReadBack:
            faults.corruptReadOffset = 100;
            break;
    }
    rig.setArea(1, controllerBody);
    rig.quiet();
    rig.controller->setFaults(faults);

    QAction* trigger = rig.window->findChild<QAction*>(action);
    QVERIFY(trigger);
    trigger->trigger();
    rig.controller->setFaults({});

    QCOMPARE(rig.actionText(), text);
    QCOMPARE(rig.actionColour(), colour);
    const QByteArray heard = rig.operationCommands();
    if (!commands.isEmpty()) QCOMPARE(heard, commands);
    if (action == QLatin1String("Reconfigurate")) QCOMPARE(heard.back(), kApply);
    if (heard.contains(kApply)) QCOMPARE(rig.label("TMPLabel")->text(), kDataSent);
    QVERIFY(!countdownShown);

    const std::vector<std::uint8_t> body = ToVector(rig.window->image().body());
    switch (BodyAfter(bodyAfter)) {
        case BodyAfter::Unchanged:
            QCOMPARE(body, editorBody);
            break;
        case BodyAfter::Controller:
            QCOMPARE(body, controllerBody);
            break;
        case BodyAfter::Default:
            QCOMPARE(body, ToVector(DefaultImage().body()));
            break;
    }
    if (Setup(setup) == Setup::InvalidBody) {
        QCOMPARE(rig.window->statusPanels().text(StatusPanels::kFileName),
                 QStringLiteral("default.cnt"));
    }

    // Handed back at once: these paths involve no restart.
    QVERIFY(rig.idle());
    QCOMPARE(rig.monitorStarts, 1);
    QVERIFY(!rig.timer2()->isActive());
}

void OperationControllerTest::readConf_showsControllerValuesInSectionPanel() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.setArea(1, EditedBody());
    rig.window->selectSection(sections::kGeneral);
    auto* pause = rig.window->findChild<QComboBox*>("ComboBoxCall2CallPauseX10S");
    QVERIFY(pause);
    QCOMPARE(pause->currentText(), QStringLiteral("10"));

    rig.actions().ReadConf->trigger();

    // The operation left the section for the root; coming back shows the read value.
    QCOMPARE(rig.window->currentSectionId(), sections::kController);
    rig.window->selectSection(sections::kGeneral);
    QCOMPARE(pause->currentText(), QStringLiteral("60"));
}

void OperationControllerTest::readAndProgram_keepCopiesInTheHistory() {
    // The window keeps its copies in the directory it was started in.
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    {
        Rig rig;
        QVERIFY(WaitIdle(rig));
        rig.setArea(1, EditedBody());
        rig.actions().ReadConf->trigger();
        QVERIFY(WaitIdle(rig));
        rig.actions().Programm->trigger();
        QVERIFY(WaitIdle(rig, 10000));
        rig.actions().CompareConf->trigger();  // compares keep nothing
        QVERIFY(WaitIdle(rig));
    }
    QDir::setCurrent(previous);
    const std::vector<HistoryEntry> kept = ListHistory(dir.path().toStdString());
    QCOMPARE(kept.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(kept[0].serial), QStringLiteral("4B52583331304C5400A1B2C30000002A"));
    std::vector<HistoryKind> kinds{kept[0].kind, kept[1].kind};
    std::sort(kinds.begin(), kinds.end());
    QCOMPARE(kinds, (std::vector<HistoryKind>{HistoryKind::Read, HistoryKind::Programmed}));
    for (const HistoryEntry& entry : kept) {
        ConfigImage copy;
        QCOMPARE(ReadConfigFile(copy, entry.file.string()), 0);
        QCOMPARE(std::vector<std::uint8_t>(copy.body().begin(), copy.body().end()), EditedBody());
    }
}

void OperationControllerTest::reset_endsThroughTimer2() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.quiet();

    rig.actions().Reset->trigger();

    QCOMPARE(rig.operationCommands(), Commands({{kIdent, 1}, {kPassword, 1}, {kRestart, 1}}));
    QCOMPARE(rig.actionText(), kRestartStarted);
    QVERIFY(rig.timer2()->isActive());
    QVERIFY(!rig.monitor().isRunning());
    QVERIFY(rig.allActionsEnabled(false));
    QTRY_VERIFY_WITH_TIMEOUT(rig.idle(), 4000);
    QCOMPARE(rig.controller->withDevice([](const sim::SimDevice& d) { return d.restartCount(); }),
             1);
}

void OperationControllerTest::factoryConfig_cancelledCountdown_writesNothingAndUnlocks() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.setDevicePassword("4321");
    const std::vector<std::uint8_t> before = rig.area(1);
    rig.quiet();

    bool monitorDuringCountdown = false, lockedDuringCountdown = false;
    QString firstText;
    ClickInDialogWhenShown<ClearConfigDialog>("ButtonCancel", [&](ClearConfigDialog& dialog) {
        monitorDuringCountdown = rig.monitor().isRunning();
        lockedDuringCountdown = rig.allActionsEnabled(false);
        firstText = dialog.remainingText();
    });

    rig.actions().FactoryConfig->trigger();

    QVERIFY(monitorDuringCountdown);
    QVERIFY(lockedDuringCountdown);
    QCOMPARE(firstText, QStringLiteral("1800 Сек."));
    QCOMPARE(rig.operationCommands(), Commands({{kIdent, 1}, {kPassword, 1}}));
    const QByteArray all = [&] {
        QByteArray codes;
        for (const Frame& f : rig.controller->requests()) codes.append(char(f.at(1)));
        return codes;
    }();
    QVERIFY(!all.contains(kWriteArea1));
    QVERIFY(!all.contains(kWriteArea4));
    QVERIFY(!all.contains(kApply));
    QCOMPARE(rig.area(1), before);
    QVERIFY(rig.idle());
    QCOMPARE(rig.monitorStarts, 1);  // the one started for the countdown
}

void OperationControllerTest::factoryConfig_monitorLosesController_cancelsCountdown() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.setDevicePassword("4321");
    rig.quiet();

    // Once the countdown runs and the monitor has seen the controller, the
    // controller falls silent.
    ClickInDialogWhenShown<ClearConfigDialog>(nullptr, [&](ClearConfigDialog&) {
        auto* cut = new QTimer(qApp);
        QObject::connect(cut, &QTimer::timeout, cut, [&rig, cut] {
            if (!rig.monitor().deviceConnected()) return;
            sim::SimFaults silent;
            silent.reply = sim::ReplyFault::Silence;
            rig.controller->setFaults(silent);
            cut->deleteLater();
            cut->stop();
        });
        cut->start(20);
    });

    QElapsedTimer elapsed;
    elapsed.start();
    rig.actions().FactoryConfig->trigger();
    rig.controller->setFaults({});

    // The countdown itself would run for 30 minutes; a loaded machine may
    // take several monitor cycles to see the controller gone.
    QVERIFY2(elapsed.elapsed() < 60000, "the countdown was not cut short");
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    const QByteArray all = [&] {
        QByteArray codes;
        for (const Frame& f : rig.controller->requests()) codes.append(char(f.at(1)));
        return codes;
    }();
    QVERIFY(!all.contains(kWriteArea1));
    QVERIFY(!all.contains(kApply));
    QVERIFY(rig.allActionsEnabled(true));
    QVERIFY(rig.monitor().isRunning());
    QVERIFY(!rig.operations->busy());
}

void OperationControllerTest::factoryConfig_completedCountdown_writesDefaults() {
    // The countdown itself is the dialog's business; here it runs to its end,
    // and the controller, as one in the field does after those 30 minutes,
    // has forgotten its password.
    bool watchedController = false;
    std::function<void()> atCountdownEnd;
    Rig rig([&](const std::function<bool()>& controllerLost, QWidget*) {
        // The dialog's first look comes after a second; by then the monitor
        // started for the countdown has found the controller.
        QTest::qWait(1000);
        watchedController = !controllerLost();
        atCountdownEnd();
        return true;
    });
    QVERIFY(WaitIdle(rig));
    QTRY_VERIFY(rig.monitor().deviceConnected());
    rig.setDevicePassword("4321");
    atCountdownEnd = [&rig] { rig.setDevicePassword(""); };
    rig.setArea(1, EditedBody());
    rig.quiet();

    rig.actions().FactoryConfig->trigger();

    QVERIFY(watchedController);
    // The refused empty password, the countdown (monitor frames: its own
    // identifications and status reads), then the defaults go out.
    QByteArray codes;
    for (const Frame& f : rig.controller->requests()) codes.append(char(f.at(1)));
    QVERIFY(codes.startsWith(Commands({{kIdent, 1}, {kPassword, 1}})));
    QVERIFY(codes.endsWith(Commands({{kWriteArea1, 21}, {kReadArea1, 21}, {kWriteArea4, 1},
                                      {kReadArea4, 1}, {kApply, 1}})));
    QCOMPARE(rig.area(1), ToVector(DefaultImage().body()));
    QCOMPARE(rig.area(4), ToVector(DefaultImage().modeMemory()));
    QCOMPARE(ToVector(rig.window->image().body()), ToVector(DefaultImage().body()));
    QCOMPARE(rig.actionText(), kProgrammed);
    QVERIFY(rig.idle());
}

void OperationControllerTest::closeWhenIdle_duringOperation_closesAfterItEnds() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    bool asked = false;
    QObject::connect(rig.progressBar(), &QProgressBar::valueChanged, rig.window.get(), [&] {
        if (asked || !rig.operations->busy()) return;
        asked = true;
        rig.window->closeWhenIdle();  // as on SIGTERM
    });

    rig.actions().CompareConf->trigger();

    QVERIFY(asked);
    QTRY_VERIFY(!rig.window->isVisible());
    QVERIFY(QFile::exists(dir_.filePath("default.cnt")));
}

void OperationControllerTest::closeRequest_whileTheMonitorIsStopped_waitsForTheOperation() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    // A termination request that arrives while the operation is still
    // stopping the monitor (the window processes events meanwhile), before
    // any action is locked.
    bool asked = false;
    bool askedBeforeTheLock = false;
    const auto ask = [&] {
        if (asked || !rig.operations->busy()) return;
        asked = true;
        askedBeforeTheLock = rig.actions().ComPortConfig->isEnabled();
        rig.window->closeWhenIdle();  // as on SIGTERM
    };
    MonitorHost& monitor = rig.monitor();
    QObject::connect(&monitor, &MonitorHost::identified, rig.window.get(), ask);
    QObject::connect(&monitor, &MonitorHost::controllerStatus, rig.window.get(), ask);
    QObject::connect(&monitor, &MonitorHost::controllerStatusFailed, rig.window.get(), ask);
    bool openWhenItEnded = false;
    QObject::connect(rig.operations, &OperationController::operationFinished, rig.window.get(),
                     [&] { openWhenItEnded = rig.window->isVisible(); });

    // The last cycle's reports reach the window during the stop; should a
    // cycle have ended unseen, the next operation gets the request.
    for (int attempt = 0; attempt < 5 && !asked; ++attempt) {
        QVERIFY(WaitIdle(rig));
        rig.actions().CompareConf->trigger();
    }

    QVERIFY(asked);
    QVERIFY(askedBeforeTheLock);
    QVERIFY2(openWhenItEnded, "the window closed in the middle of the operation");
    QVERIFY(rig.operations->lastOutcome().started);
    QVERIFY(!rig.operations->lastOutcome().message.isEmpty());
    QTRY_VERIFY(!rig.window->isVisible());
    QVERIFY(QFile::exists(dir_.filePath("default.cnt")));
}

void OperationControllerTest::operationJobs_showTheOpenedPortAsLinkState_data() {
    QTest::addColumn<bool>("silent");
    QTest::newRow("controller answers") << false;
    // The port opens although nobody answers: the link state is the port's.
    QTest::newRow("controller silent") << true;
}

void OperationControllerTest::operationJobs_showTheOpenedPortAsLinkState() {
    QFETCH(bool, silent);
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.quiet();
    if (silent) {
        sim::SimFaults faults;
        faults.reply = sim::ReplyFault::Silence;
        rig.controller->setFaults(faults);
    }
    rig.window->statusPanels().setText(StatusPanels::kLink, QStringLiteral("NC"));

    rig.actions().CompareConf->trigger();

    // Right as the operation returns, before any monitor report.
    QCOMPARE(rig.window->statusPanels().text(StatusPanels::kLink),
             QString::fromLatin1(sim::kSimPortName));
    if (silent) {
        QVERIFY(!rig.operations->lastOutcome().ok);
        QCOMPARE(rig.operations->lastOutcome().message, QStringLiteral("Нет ответа от устройства"));
    }
}

void OperationControllerTest::refusedController_textStandsWhenTheOperationReturns() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.quiet();
    rig.controller->withDevice([](sim::SimDevice& d) {
        d.identity().deviceName = "KRX740";
        return 0;
    });
    rig.actions().ReadConf->trigger();
    // No event processing: the identification job's own texts are already
    // shown, so the refusal that replaced them stands.
    QCOMPARE(rig.actionText(), QStringLiteral("Устройство KRX740 не поддерживается"));
    QCOMPARE(rig.operations->lastOutcome().message,
             QStringLiteral("Устройство KRX740 не поддерживается"));
    QVERIFY(!rig.operations->lastOutcome().ok);
    QCoreApplication::processEvents();
    QCOMPARE(rig.actionText(), QStringLiteral("Устройство KRX740 не поддерживается"));
}

void OperationControllerTest::substitutedCatalogue_reachesTreePagesAndJobs() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    auto* testOut = rig.window->findChild<QComboBox*>("ComboBoxTestOut");
    QVERIFY(testOut);
    testOut->setCurrentIndex(2);

    InterfaceTexts translated = rig.window->texts();
    translated.sectionTree[1].text = "General";
    translated.outputNames[0] = "Relay one";
    translated.transferMessages[7] = "Read done";
    translated.sectionTree[0].text = "GSM controller";
    rig.window->setTexts(translated);

    // The page on screen shows its node's new text, the model after it.
    QCOMPARE(rig.label("Label30")->text(), QStringLiteral("GSM controller KRX310-LT"));

    QCOMPARE(SectionItem(rig.window->sectionTree(), sections::kGeneral)->text(0),
             QStringLiteral("General"));
    QCOMPARE(testOut->itemText(0), QStringLiteral("Relay one"));
    QCOMPARE(testOut->currentIndex(), 2);  // the selection stays

    rig.actions().ReadConf->trigger();
    QCOMPARE(rig.actionText(), QStringLiteral("Read done"));
    QCOMPARE(rig.operations->lastOutcome().message, QStringLiteral("Read done"));
}

namespace {

// A block request's address and count (bytes 4..7 and 8..9 of its frame).
std::uint32_t AddressOf(const Frame& f) {
    return f[4] | (f[5] << 8) | (f[6] << 16) | (static_cast<std::uint32_t>(f[7]) << 24);
}
std::uint16_t CountOf(const Frame& f) { return static_cast<std::uint16_t>(f[8] | (f[9] << 8)); }

// The system-parameter page opened for editing, as a user would open it.
SystemParametersPanel* OpenSystemPage(Rig& rig) {
    rig.window->selectSection(sections::kSystemParameters);
    auto* page = dynamic_cast<SystemParametersPanel*>(rig.window->page(sections::kSystemParameters));
    if (page) page->findChild<QPushButton*>("Button1")->click();
    return page;
}

}  // namespace

void OperationControllerTest::systemParameters_readThenProgram_framesAndEnabling() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    // The controller's own values: CALVAL 300, subtract, Pb battery, CRC off.
    rig.setArea(5, std::vector<std::uint8_t>{0x2C, 0x01, 0x02, 0x00, 0x01, 0x00, 0x01, 0x00});
    SystemParametersPanel* page = OpenSystemPage(rig);
    QVERIFY(page);
    auto* read = page->findChild<QPushButton*>("BitBtnReadSysPar");
    auto* program = page->findChild<QPushButton*>("BitBtnProgSysPar");
    QVERIFY(!program->isEnabled());  // until a read has succeeded
    QVERIFY(!rig.actions().Programm->isEnabled());  // the page's own buttons only
    rig.quiet();

    read->click();

    // Identification, password, then area 5 from address 0, 8 bytes (19).
    QCOMPARE(rig.operationCommands(), Commands({{kIdent, 1}, {kPassword, 1}, {19, 1}}));
    const std::vector<Frame> frames = *rig.framesAtMonitorStart;
    QCOMPARE(AddressOf(frames.at(2)), std::uint32_t(0));
    QCOMPARE(CountOf(frames.at(2)), std::uint16_t(8));
    QVERIFY(program->isEnabled());
    QCOMPARE(page->findChild<QLineEdit*>("EditCALVAL")->text(), QStringLiteral("300"));
    QCOMPARE(page->messageLine()->text(), QStringLiteral("Данные считаны"));
    QCOMPARE(rig.window->currentSectionId(), sections::kSystemParameters);  // the page stays
    QTRY_VERIFY(rig.idle() || rig.monitor().isRunning());
    QVERIFY(!rig.actions().Programm->isEnabled());

    // CALVAL 200000 programs the field's maximum, 131071; the other bits of
    // the tail stay as read.
    page->findChild<QLineEdit*>("EditCALVAL")->setText("200000");
    rig.quiet();
    program->click();
    QCOMPARE(rig.operationCommands(), Commands({{kIdent, 1}, {kPassword, 1}, {18, 1}, {19, 1}}));
    QCOMPARE(rig.area(5), (std::vector<std::uint8_t>{0xFF, 0xFF, 0x03, 0x00, 0x01, 0x00, 0x01, 0x00}));
    QCOMPARE(page->messageLine()->text(), QStringLiteral("Программирование завершено успешно"));
    QVERIFY(program->isEnabled());
}

void OperationControllerTest::systemParameters_refusedPassword_sendsNoAreaFrame() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.setDevicePassword("secret");
    SystemParametersPanel* page = OpenSystemPage(rig);
    QVERIFY(page);
    rig.quiet();
    page->findChild<QPushButton*>("BitBtnReadSysPar")->click();
    QCOMPARE(rig.operationCommands(), Commands({{kIdent, 1}, {kPassword, 1}}));
    QCOMPARE(page->messageLine()->text(), kPasswordRefused);
    QVERIFY(!page->findChild<QPushButton*>("BitBtnProgSysPar")->isEnabled());
}

QTEST_MAIN(OperationControllerTest)
#include "tst_operation_controller.moc"
