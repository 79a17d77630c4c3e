// The real main window, offscreen: start-up (tree, caption, status bar,
// working file, port probe, delayed unlock), the actions and their menus and
// tool buttons, the section switch with its store/load discipline and the
// model adaptations, the close path, the file commands with their messages,
// the port dialog, and the monitor against the in-process simulator.

#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <csignal>
#include <memory>

#include "app/shell/configurator_window.h"
#include "app/shell/file_commands.h"
#include "app/live/monitor_wiring.h"
#include "app/dialogs/port_dialog.h"
#include "app/pages/section_panel.h"
#include "app/shell/single_instance.h"
#include "app/shell/status_panels.h"
#include "app/widgets/widget_colours.h"
#include "config/config_file.h"
#include "config/default_image.h"
#include "config/general_section.h"
#include "support/crafted_sections.h"
#include "support/fake_window_services.h"
#include "sim/sim_controller.h"
#include "sim/sim_link.h"

using namespace krx;
using krx::test::FakeDialogs;
using krx::test::FakePort;

namespace {

const QString kSimPort = QString::fromLatin1(sim::kSimPortName);
const QByteArray kHeader = "[KRXControllerConfiguration_v01.02]";

// A .cnt file made by hand: header, body, and the checksum that makes the
// XOR of the body plus the checksum 0 modulo 256.
QByteArray CntFile(const QByteArray& header, const ConfigImage& image) {
    QByteArray file = header;
    std::uint8_t x = 0;
    for (std::size_t i = 0; i < kBodySize; ++i) {
        const auto b = image.bytes()[i];
        file.append(char(b));
        x ^= b;
    }
    file.append(char(std::uint8_t((x ^ 0xFF) + 1)));
    return file;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

ConfigImage DefaultConfig() {
    ConfigImage image;
    ApplyDefaults(image);
    return image;
}

// A default configuration whose SMS password and DTMF password differ from
// the defaults, to recognise it after a load.
ConfigImage MarkedConfig(const std::string& smsPassword, const std::string& dtmf) {
    ConfigImage image = DefaultConfig();
    GeneralSettings s;
    LoadGeneral(s, image);
    s.password = smsPassword;
    s.dtmfPass = dtmf;
    StoreGeneral(s, image);
    return image;
}

GeneralSettings GeneralOf(const ConfigImage& image) {
    GeneralSettings s;
    LoadGeneral(s, image);
    return s;
}

}  // namespace

class TestConfiguratorWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // Start-up
    void startUp_captionTreeAndRoot();
    void startUp_treeNodes_data();
    void startUp_treeNodes();
    void startUp_statusBarPanels();
    void startUp_linkPanelFollowsPortProbe_data();
    void startUp_linkPanelFollowsPortProbe();
    void startUp_actionsLockedUntilTimer2();
    void startUp_readsWorkingFileWithoutStoringAnySection();
    void startUp_brokenWorkingFile_silentDefaultBody_data();
    void startUp_brokenWorkingFile_silentDefaultBody();

    // Actions
    void actions_menuCaptionHintKey_data();
    void actions_menuCaptionHintKey();
    void actions_toolButtonsFollowTheirAction_data();
    void actions_toolButtonsFollowTheirAction();

    // Section switch
    void switch_leavingRootOrOutputs_storesNothing();
    void switch_leavingAndReturning_showsTypedValues();
    void switch_sharedInputPage_keepsEachInputsValues();
    void switch_systemParameters_disablesAndRestoresControllerActions();
    void switch_outputsNode_showsOutputsPicture();
    void switch_craftedSectionsStoreBackByteForByte_data();
    void switch_craftedSectionsStoreBackByteForByte();
    void switch_smallPageAfterLargeOne_doesNotScroll();
    void adaptation_controllerSection();
    void adaptation_generalSection_repeatedEntryKeepsTwoPriorities();

    // Close
    void close_writesVisibleSectionSettingsAndWorkingFile();
    void close_refusedWhileOperationRuns();
    void closeWhenIdle_waitsForTheOperationToEnd();

    // File commands
    void fileNew_defaultBodyShownWithoutQuestion();
    void fileOpen_cancelled_changesNothing();
    void fileOpen_failure_showsMessageAndKeepsImage_data();
    void fileOpen_failure_showsMessageAndKeepsImage();
    void fileOpen_success_replacesUnsavedEditsAndNamesFile();
    void fileSave_storesShownSectionAndNamesFile();
    void fileSave_existingFile_askedAndNoKeepsIt();
    void fileSave_unwritable_showsMessage();

    // Port dialog
    void portDialog_okWithOpenablePort_closesAndShowsName();
    void portDialog_unopenablePort_warnsWithReasonAndStaysOpen();
    void portDialog_cancel_keepsLastTriedName();
    void portAccess_unopenableSystemPort_givesSystemReason();

    // Monitor through the window
    void monitor_fillsControllerPanelAndStatusBar();
    void monitor_powerPage_showsBatteryMainsAndTheirFailure();
    void monitor_clockPage_showsBothClocksAndLeavesATypedTime();
    void monitor_controllerGone_showsPlaceholdersAndNc();
    void monitor_unsupported_data();
    void monitor_unsupported();

    // Process
    void singleInstance_secondGuardRefusedUntilFirstGoes();
    void process_terminationSignal_closesThroughClosePathWithCodeZero_data();
    void process_terminationSignal_closesThroughClosePathWithCodeZero();

private:
    // Builds the window in the temporary working directory; `openable` ports
    // open, the named one is used.
    ConfiguratorWindow& makeWindow(const QStringList& openable = {QString::fromLatin1(sim::kSimPortName)},
                                   const QString& portName = QString::fromLatin1(sim::kSimPortName));
    // Waits for `Timer2` to unlock the actions.
    void waitUntilUnlocked();
    void attachMonitor();
    template <typename W>
    W* w(const char* name) const {
        auto* found = window_->findChild<W*>(QLatin1String(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    QString panel(int index) const { return window_->statusPanels().text(index); }
    // Runs the port dialog through its action; `drive` acts on the open dialog.
    void runPortDialog(const std::function<void(TFormCOMPortConfig&)>& drive);

    std::unique_ptr<QTemporaryDir> dir_;
    QString previousDir_;
    std::shared_ptr<sim::SimController> controller_;
    std::unique_ptr<sim::ScopedSimLinks> links_;
    std::unique_ptr<ConfiguratorWindow> window_;
    FakeDialogs* dialogs_ = nullptr;
    FakePort* port_ = nullptr;
};

void TestConfiguratorWindow::init() {
    previousDir_ = QDir::currentPath();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir::setCurrent(dir_->path()));
    controller_ = std::make_shared<sim::SimController>();
    links_ = std::make_unique<sim::ScopedSimLinks>(controller_);
}

void TestConfiguratorWindow::cleanup() {
    window_.reset();
    dialogs_ = nullptr;
    port_ = nullptr;
    links_.reset();
    controller_.reset();
    QDir::setCurrent(previousDir_);
    dir_.reset();
}

ConfiguratorWindow& TestConfiguratorWindow::makeWindow(const QStringList& openable,
                                                       const QString& portName) {
    ConfiguratorWindowSetup setup;
    auto dialogs = std::make_unique<FakeDialogs>();
    auto port = std::make_unique<FakePort>(openable, QStringList{"ttyS0", "ttyUSB0"});
    dialogs_ = dialogs.get();
    port_ = port.get();
    setup.dialogs = std::move(dialogs);
    setup.port = std::move(port);
    setup.portOverride = portName;
    window_ = std::make_unique<ConfiguratorWindow>(std::move(setup));
    window_->show();
    return *window_;
}

void TestConfiguratorWindow::waitUntilUnlocked() {
    QTRY_VERIFY_WITH_TIMEOUT(window_->actions().ComPortConfig->isEnabled(), 5000);
}

void TestConfiguratorWindow::attachMonitor() {
    new MonitorWiring(*window_);  // owned by the window
}

// ---------------------------------------------------------------- start-up

void TestConfiguratorWindow::startUp_captionTreeAndRoot() {
    ConfiguratorWindow& window = makeWindow();
    QCOMPARE(window.windowTitle(), QStringLiteral("Конфигуратор GSM контроллера KRX310"));
    QTreeWidget& tree = window.sectionTree();
    QCOMPARE(tree.topLevelItemCount(), 1);
    int nodes = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        ++nodes;
        QVERIFY2((*it)->childCount() == 0 || (*it)->isExpanded(), qPrintable((*it)->text(0)));
    }
    QCOMPARE(nodes, 30);
    QCOMPARE(tree.currentItem(), tree.topLevelItem(0));
    QCOMPARE(window.currentSectionId(), sections::kController);
    QCOMPARE(w<QLabel>("Label30")->text(), QStringLiteral("GSM контроллер KRX310-LT"));
    // The tree keeps its width: the splitter cannot be dragged.
    QVERIFY(!w<QSplitter>("Splitter1")->handle(1)->isEnabled());
}

void TestConfiguratorWindow::startUp_treeNodes_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << 0 << "GSM контроллер KRX310-LT";
    QTest::newRow("1") << 1 << 1 << "Общие параметры соединений";
    QTest::newRow("2") << 2 << 2 << "Соединение 1";
    QTest::newRow("9") << 9 << 2 << "Соединение 8";
    QTest::newRow("10") << 10 << 1 << "Часы, планировщик задач";
    QTest::newRow("11") << 11 << 1 << "Питание, температура, индикация, контроль вскрытия";
    QTest::newRow("12") << 12 << 1 << "Вход [Arm In]";
    QTest::newRow("13") << 13 << 1 << "Входы";
    QTest::newRow("14") << 14 << 2 << "Вход 1";
    QTest::newRow("17") << 17 << 2 << "Вход 4";
    QTest::newRow("18") << 18 << 1 << "Выходы";
    QTest::newRow("19") << 19 << 2 << "Реле 1";
    QTest::newRow("20") << 20 << 2 << "Реле 2";
    QTest::newRow("21") << 21 << 2 << "Выход 1";
    QTest::newRow("22") << 22 << 2 << "Выход 2";
    QTest::newRow("23") << 23 << 2 << "Сценарии управления";
    QTest::newRow("24") << 24 << 1 << "Профили";
    QTest::newRow("25") << 25 << 2 << "Профиль 1";
    QTest::newRow("28") << 28 << 2 << "Профиль 4";
    QTest::newRow("29") << 29 << 1 << "Системные параметры";
}

void TestConfiguratorWindow::startUp_treeNodes() {
    QFETCH(int, id);
    QFETCH(int, level);
    QFETCH(QString, text);
    ConfiguratorWindow& window = makeWindow();
    QTreeWidgetItemIterator it(&window.sectionTree());
    for (int i = 0; i < id && *it; ++i) ++it;
    QVERIFY(*it);
    QCOMPARE((*it)->text(0), text);
    int depth = 0;
    for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) ++depth;
    QCOMPARE(depth, level);
    if (id == 23) QCOMPARE((*it)->parent()->text(0), QStringLiteral("Выходы"));

    // Selecting the node shows its text in the page header (13 has none).
    window.selectSection(SectionId::FromIndex(id));
    QCOMPARE(window.currentSectionId().index(), id);
    if (QLabel* header = window.page(SectionId::FromIndex(id))->headerLabel()) QCOMPARE(header->text(), text);
}

void TestConfiguratorWindow::startUp_statusBarPanels() {
    ConfiguratorWindow& window = makeWindow();
    const int widths[] = {500, 60, 90, 250};
    const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter,
                                        Qt::AlignLeft};
    for (int i = 0; i < 4; ++i) {
        QLabel* label = window.statusPanels().label(i);
        QVERIFY(label);
        QCOMPARE(label->parentWidget(), window.statusBar());
        QCOMPARE(label->width(), widths[i]);
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, horizontal[i]);
    }
    QCOMPARE(panel(StatusPanels::kFileName), QStringLiteral("default.cnt"));
}

void TestConfiguratorWindow::startUp_linkPanelFollowsPortProbe_data() {
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("expected");
    QTest::newRow("port opens") << true << "SIM1";
    QTest::newRow("port cannot open") << false << "NC";
}

void TestConfiguratorWindow::startUp_linkPanelFollowsPortProbe() {
    QFETCH(bool, opens);
    QFETCH(QString, expected);
    makeWindow(opens ? QStringList{kSimPort} : QStringList{}, kSimPort);
    QCOMPARE(panel(StatusPanels::kLink), expected);
    QVERIFY(port_->opens >= 1);
    QVERIFY(!port_->isOpen());  // the probe closes the port again
    QVERIFY(dialogs_->shown.empty());
}

void TestConfiguratorWindow::startUp_actionsLockedUntilTimer2() {
    QElapsedTimer clock;
    clock.start();
    ConfiguratorWindow& window = makeWindow();
    const WindowActions& a = window.actions();
    for (QAction* action : a.deviceActions()) QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
    waitUntilUnlocked();
    QVERIFY(clock.elapsed() >= 450);
    for (QAction* action : a.deviceActions()) QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
}

void TestConfiguratorWindow::startUp_readsWorkingFileWithoutStoringAnySection() {
    // Values a page would normalise or change if it stored anything while
    // the window starts.
    ConfigImage marked = MarkedConfig("abc", "9");
    WriteFile("default.cnt", CntFile(kHeader, marked));
    ConfiguratorWindow& window = makeWindow();
    for (std::size_t i = 0; i < kBodySize; ++i) {
        if (i >= general_layout::kSysPassword && i < general_layout::kSysPassword + 9) continue;
        QVERIFY2(window.image().bytes()[i] == marked.bytes()[i], qPrintable(QString::number(i)));
    }
    // Tails are not in the file: they keep the built-in defaults.
    const ConfigImage defaults = DefaultConfig();
    QVERIFY(std::equal(window.image().modeMemory().begin(), window.image().modeMemory().end(),
                       defaults.modeMemory().begin()));
    window.selectSection(sections::kGeneral);
    QCOMPARE(w<QLineEdit>("MaskEditPassword")->text(), QStringLiteral("abc"));
    QCOMPARE(w<QLineEdit>("MaskEditDTMFPass")->text(), QStringLiteral("9"));
}

void TestConfiguratorWindow::startUp_brokenWorkingFile_silentDefaultBody_data() {
    QTest::addColumn<QByteArray>("content");
    ConfigImage marked = MarkedConfig("abc", "9");
    QByteArray badSum = CntFile(kHeader, marked);
    badSum[badSum.size() - 1] = char(badSum.at(badSum.size() - 1) ^ 0x01);
    QTest::newRow("bad checksum") << badSum;
    QTest::newRow("other version") << CntFile("[KRXControllerConfiguration_v01.01]", marked);
    QTest::newRow("foreign file") << QByteArray("hello, this is no configuration");
    QTest::newRow("cut short") << CntFile(kHeader, marked).left(2000);
}

void TestConfiguratorWindow::startUp_brokenWorkingFile_silentDefaultBody() {
    QFETCH(QByteArray, content);
    WriteFile("default.cnt", content);
    ConfiguratorWindow& window = makeWindow();
    const ConfigImage defaults = DefaultConfig();
    QVERIFY(window.image().bytes() == defaults.bytes());
    QVERIFY(dialogs_->shown.empty());
    QCOMPARE(panel(StatusPanels::kFileName), QStringLiteral("default.cnt"));
}

// ----------------------------------------------------------------- actions

void TestConfiguratorWindow::actions_menuCaptionHintKey_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("FileNew1") << "Файл" << "Установить стандартную конфигурацию"
                              << "Установить стандартную конфигурацию" << QKeySequence();
    QTest::newRow("FileOpen1") << "Файл" << "Открыть файл конфигурации..."
                               << "Открыть файл конфигурации" << QKeySequence();
    QTest::newRow("FileSave1") << "Файл" << "Сохранить текущую конфигурацию в файл..."
                               << "Сохранить текущую конфигурацию в файл" << QKeySequence();
    QTest::newRow("close") << "Файл" << "Закрыть" << "" << QKeySequence();
    QTest::newRow("ComPortConfig") << "Настройка" << "COM порт..." << "Настройка COM порта"
                                   << QKeySequence();
    QTest::newRow("Programm") << "Контроллер" << "Программировать"
                              << "Загрузить конфигурацию в контроллер и перезапустить"
                              << QKeySequence(Qt::Key_F5);
    QTest::newRow("ReadConf") << "Контроллер" << "Считать конфигурацию"
                              << "Считать конфигурацию контроллера" << QKeySequence(Qt::Key_F6);
    QTest::newRow("CompareConf") << "Контроллер" << "Сравнить конфигурацию"
                                 << "Сравнить текущую конфигурацию с конфигурацией контроллера"
                                 << QKeySequence(Qt::Key_F7);
    QTest::newRow("ReadIMEICode") << "Контроллер" << "Считать IMEI контроллера в буфер обмена"
                                  << "" << QKeySequence(Qt::Key_F10);
    QTest::newRow("Reconfigurate") << "Контроллер" << "Реконфигурировать"
                                   << "Загрузить конфигурацию в контроллер, без перезапуска"
                                   << QKeySequence();
    QTest::newRow("Reset") << "Контроллер" << "Перезапустить (Системный сброс)"
                           << "Перезапустить контроллер" << QKeySequence();
    QTest::newRow("FactoryConfig") << "Контроллер" << "Восстановить заводскую конфигурацию" << ""
                                   << QKeySequence();
    QTest::newRow("Abaut") << "?" << "О программе..." << "" << QKeySequence();
}

void TestConfiguratorWindow::actions_menuCaptionHintKey() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QKeySequence, key);
    ConfiguratorWindow& window = makeWindow();
    // Found by caption: the close item's object name is free.
    QAction* action = nullptr;
    QString foundIn;
    for (QAction* top : window.menuBar()->actions()) {
        if (!top->menu()) continue;
        for (QAction* item : top->menu()->actions()) {
            if (item->text() == caption) {
                action = item;
                foundIn = top->text();
            }
        }
    }
    QVERIFY2(action, qPrintable(caption));
    QCOMPARE(foundIn, menu);
    if (QString(QTest::currentDataTag()) != "close") {
        QCOMPARE(action->objectName(), QString(QTest::currentDataTag()));
    }
    if (!hint.isEmpty()) QCOMPARE(action->statusTip(), hint);
    QCOMPARE(action->shortcut(), key);
}

void TestConfiguratorWindow::actions_toolButtonsFollowTheirAction_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");  // empty: an icon button
    QTest::newRow("FileNew1") << "FileNew1" << "";
    QTest::newRow("FileOpen1") << "FileOpen1" << "";
    QTest::newRow("FileSave1") << "FileSave1" << "";
    QTest::newRow("Programm") << "Programm" << "";
    QTest::newRow("ReadConf") << "ReadConf" << "";
    QTest::newRow("CompareConf") << "CompareConf" << "";
    QTest::newRow("Reconfigurate") << "Reconfigurate" << "Реконфигурировать";
    QTest::newRow("Reset") << "Reset" << "Перезапустить";
}

void TestConfiguratorWindow::actions_toolButtonsFollowTheirAction() {
    QFETCH(QString, action);
    QFETCH(QString, text);
    ConfiguratorWindow& window = makeWindow();
    waitUntilUnlocked();
    auto* act = window.findChild<QAction*>(action);
    QVERIFY(act);
    QToolButton* button = nullptr;
    for (QToolButton* b : w<QToolBar>("ToolBar1")->findChildren<QToolButton*>()) {
        if (b->toolTip() == act->statusTip() && b->isVisible()) button = b;
    }
    QVERIFY2(button, qPrintable(action));
    if (!text.isEmpty()) QCOMPARE(button->text(), text);
    QVERIFY(button->isEnabled());
    act->setEnabled(false);
    QVERIFY(!button->isEnabled());
    act->setEnabled(true);
    QVERIFY(button->isEnabled());
}

// ---------------------------------------------------------- section switch

void TestConfiguratorWindow::switch_leavingRootOrOutputs_storesNothing() {
    ConfiguratorWindow& window = makeWindow();
    window.selectSection(sections::kGeneral);
    w<QLineEdit>("MaskEditPassword")->setText("stale");
    window.selectSection(sections::kController);  // stores "stale"
    QCOMPARE(GeneralOf(window.image()).password, std::string("stale"));

    // The image changes while the root and then the outputs node are shown;
    // leaving either must not write the general page's old text back.
    GeneralSettings s = GeneralOf(window.image());
    s.password = "fresh";
    StoreGeneral(s, window.image());
    const auto before = window.image().bytes();
    window.selectSection(sections::kOutputs);
    window.selectSection(sections::kController);
    window.selectSection(sections::kOutputs);
    QVERIFY(window.image().bytes() == before);
    window.selectSection(sections::kGeneral);
    QCOMPARE(w<QLineEdit>("MaskEditPassword")->text(), QStringLiteral("fresh"));
}

void TestConfiguratorWindow::switch_leavingAndReturning_showsTypedValues() {
    ConfiguratorWindow& window = makeWindow();
    window.selectSection(sections::kGeneral);
    w<QLineEdit>("MaskEditDTMFPass")->setText("1357");
    w<QLineEdit>("MaskEditPIN")->setText("2468");
    window.selectSection(SectionId::FromIndex(13));
    QCOMPARE(GeneralOf(window.image()).dtmfPass, std::string("1357"));
    QCOMPARE(GeneralOf(window.image()).pin, std::string("2468"));
    window.selectSection(sections::kGeneral);
    QCOMPARE(w<QLineEdit>("MaskEditDTMFPass")->text(), QStringLiteral("1357"));
    QCOMPARE(w<QLineEdit>("MaskEditPIN")->text(), QStringLiteral("2468"));
}

void TestConfiguratorWindow::switch_sharedInputPage_keepsEachInputsValues() {
    ConfiguratorWindow& window = makeWindow();
    window.selectSection(SectionId::FromIndex(15));
    auto* name = w<QComboBox>("ComboBoxSensName");
    const QString secondInputName = name->currentText();
    window.selectSection(SectionId::FromIndex(14));
    name->setEditText("ДВЕРЬ");
    window.selectSection(SectionId::FromIndex(15));  // the same page now shows input 2
    QCOMPARE(name->currentText(), secondInputName);
    window.selectSection(SectionId::FromIndex(14));
    QCOMPARE(name->currentText(), QStringLiteral("ДВЕРЬ"));
}

void TestConfiguratorWindow::switch_systemParameters_disablesAndRestoresControllerActions() {
    ConfiguratorWindow& window = makeWindow();
    waitUntilUnlocked();
    const QList<QAction*> controller = window.actions().controllerActions();
    QCOMPARE(controller.size(), 6);
    window.selectSection(SectionId::FromIndex(29));
    for (QAction* a : controller) QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
    QVERIFY(window.actions().FileSave1->isEnabled());
    QVERIFY(window.actions().ReadIMEICode->isEnabled());
    window.selectSection(sections::kGeneral);
    for (QAction* a : controller) QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));

    // Leaving it while an operation holds the lock enables nothing.
    window.selectSection(SectionId::FromIndex(29));
    window.LockDeviceActions();
    window.selectSection(sections::kController);
    for (QAction* a : controller) QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
    window.UnlockDeviceActions();
    for (QAction* a : controller) QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
}

void TestConfiguratorWindow::switch_outputsNode_showsOutputsPicture() {
    ConfiguratorWindow& window = makeWindow();
    const auto before = window.image().bytes();
    window.selectSection(sections::kOutputs);
    QVERIFY(w<QLabel>("ImageKRX310Outs")->isVisible());
    QCOMPARE(w<QLabel>("Label1")->text(), QStringLiteral("Выходы"));
    QVERIFY(window.image().bytes() == before);
}

void TestConfiguratorWindow::switch_craftedSectionsStoreBackByteForByte_data() {
    QTest::addColumn<int>("section");
    QTest::newRow("connection 1") << 2;
    QTest::newRow("connection 8") << 9;
    QTest::newRow("clock and scheduler") << 10;
    QTest::newRow("power and temperature") << 11;
    QTest::newRow("output 2") << 22;
    QTest::newRow("scenarios") << 23;
    QTest::newRow("profile 2") << 26;
}

void TestConfiguratorWindow::switch_craftedSectionsStoreBackByteForByte() {
    QFETCH(int, section);
    ConfiguratorWindow& window = makeWindow();
    const SectionId id = SectionId::FromIndex(section);
    ConfigImage& image = window.image();
    if (id.kind() == SectionKind::Connection) {
        test::PutCraftedConnection(image, 68 + 36 * std::size_t(id.record() - 1));
    } else if (id.kind() == SectionKind::Clock) {
        test::PutCraftedClock(image);
    } else if (id.kind() == SectionKind::Output) {
        test::PutCraftedOutput(image);
    } else if (id.kind() == SectionKind::Scenarios) {
        test::PutCraftedScenario(image);
    } else if (id.kind() == SectionKind::Profile) {
        test::PutCraftedProfile(image);
    } else {
        test::PutCraftedPower(image);
    }
    const ConfigImage crafted = image;
    // Shown (adapted and loaded), then left: stored into the image again.
    window.selectSection(id);
    window.selectSection(sections::kController);
    QVERIFY(window.image() == crafted);
    // And once more, after a round through another section of the same page.
    window.selectSection(id);
    window.selectSection(sections::kGeneral);
    QVERIFY(window.image() == crafted);
}

void TestConfiguratorWindow::switch_smallPageAfterLargeOne_doesNotScroll() {
    ConfiguratorWindow& window = makeWindow();
    window.resize(1180, 780);
    auto* scroll = w<QScrollArea>("ScrollBoxPanels");
    // One page far taller than this window.
    window.page(SectionId::FromIndex(12))->setMinimumHeight(2000);
    window.selectSection(SectionId::FromIndex(12));
    QTRY_VERIFY(scroll->verticalScrollBar()->maximum() > 0);
    for (SectionId id : {SectionId::FromIndex(2), sections::kOutputs, sections::kGeneral, sections::kController}) {
        window.selectSection(id);
        QTRY_COMPARE(scroll->verticalScrollBar()->maximum(), 0);
        QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(scroll->widget()->findChildren<SectionPanel*>(Qt::FindDirectChildrenOnly).size() > 1,
                 true);  // the other pages still exist
        QVERIFY(window.page(id)->isVisible());
    }
}

void TestConfiguratorWindow::adaptation_controllerSection() {
    ConfiguratorWindow& window = makeWindow();
    w<QLabel>("ActionName")->setText("leftover");
    window.selectSection(sections::kGeneral);
    window.selectSection(sections::kController);
    QVERIFY(!w<QPushButton>("Button22")->isVisible());
    for (const char* hidden : {"BevelInputIndicator", "PanelLed5", "Label117", "Button30"}) {
        QVERIFY2(!w<QWidget>(hidden)->isVisible(), hidden);
    }
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(w<QWidget>(qPrintable(QStringLiteral("PanelLed%1").arg(n)))->isVisible());
    }
    for (int n = 6; n <= 16; ++n) {
        QVERIFY(!w<QWidget>(qPrintable(QStringLiteral("PanelLed%1").arg(n)))->isVisible());
    }
    QCOMPARE(w<QPushButton>("Button18")->width(), w<QPushButton>("Button19")->width());
    // The test lists are refilled for this model (their texts are the
    // controller panel's own test).
    QCOMPARE(w<QComboBox>("ComboBoxTestOut")->count(), 4);
    QCOMPARE(w<QComboBox>("ComboBoxTestScen")->count(), 14);
    QCOMPARE(w<QLabel>("ActionName")->text(), QString());
}

void TestConfiguratorWindow::adaptation_generalSection_repeatedEntryKeepsTwoPriorities() {
    ConfiguratorWindow& window = makeWindow();
    for (int round = 0; round < 3; ++round) {
        window.selectSection(sections::kGeneral);
        QCOMPARE(w<QLabel>("Label15")->text(), QStringLiteral("Общие параметры соединений"));
        for (const char* hidden : {"Label73", "MaskEditSMSCA", "Label131", "ComboBoxOutdatedMsgTime"}) {
            QVERIFY2(!w<QWidget>(hidden)->isVisible(), hidden);
        }
        QCOMPARE(w<QComboBox>("ComboBoxDialPriority")->count(), 2);
        window.selectSection(sections::kController);
    }
}

// ------------------------------------------------------------------- close

void TestConfiguratorWindow::close_writesVisibleSectionSettingsAndWorkingFile() {
    ConfiguratorWindow& window = makeWindow({kSimPort}, QStringLiteral("ttyUSB7"));
    waitUntilUnlocked();
    window.selectSection(sections::kGeneral);
    w<QLineEdit>("MaskEditDTMFPass")->setText("8642");  // never left: still only on screen
    QVERIFY(window.close());

    ConfigImage read = DefaultConfig();
    QCOMPARE(ReadConfigFile(read, "default.cnt"), 0);
    QCOMPARE(GeneralOf(read).dtmfPass, std::string("8642"));
    QCOMPARE(QFileInfo("default.cnt").size(), qint64(5328));

    // 24 bytes: header, the port name padded with zeros, the constant.
    QByteArray expected("[KRXProgCfg]ttyUSB7\0", 20);
    expected.append("\x86\x42\xB8\x20", 4);
    QCOMPARE(ReadFile("KRXConfig.cfg"), expected);
}

void TestConfiguratorWindow::close_refusedWhileOperationRuns() {
    ConfiguratorWindow& window = makeWindow();
    waitUntilUnlocked();
    window.LockDeviceActions();
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QVERIFY(!QFile::exists("default.cnt"));
    QVERIFY(!QFile::exists("KRXConfig.cfg"));
    window.UnlockDeviceActions();
    QVERIFY(window.close());
    QVERIFY(QFile::exists("default.cnt"));
}

void TestConfiguratorWindow::closeWhenIdle_waitsForTheOperationToEnd() {
    ConfiguratorWindow& window = makeWindow();
    waitUntilUnlocked();
    window.LockDeviceActions();
    window.closeWhenIdle();  // what a termination signal does
    QTest::qWait(50);
    QVERIFY(window.isVisible());
    window.UnlockDeviceActions();
    QTRY_VERIFY(!window.isVisible());
    QVERIFY(QFile::exists("default.cnt"));
}

// ----------------------------------------------------------- file commands

void TestConfiguratorWindow::fileNew_defaultBodyShownWithoutQuestion() {
    WriteFile("default.cnt", CntFile(kHeader, MarkedConfig("abc", "9")));
    ConfiguratorWindow& window = makeWindow();
    waitUntilUnlocked();
    window.selectSection(sections::kGeneral);
    QCOMPARE(w<QLineEdit>("MaskEditPassword")->text(), QStringLiteral("abc"));
    window.fileCommands().setFileName("other.cnt");
    window.actions().FileNew1->trigger();
    const ConfigImage defaults = DefaultConfig();
    QCOMPARE(w<QLineEdit>("MaskEditPassword")->text(),
             QString::fromStdString(GeneralOf(defaults).password));
    QVERIFY(std::equal(defaults.body().begin(), defaults.body().end(), window.image().body().begin()));
    QCOMPARE(panel(StatusPanels::kFileName), QStringLiteral("default.cnt"));
    QVERIFY(dialogs_->shown.empty());
    QCOMPARE(dialogs_->fileDialogs, 0);
}

void TestConfiguratorWindow::fileOpen_cancelled_changesNothing() {
    ConfiguratorWindow& window = makeWindow();
    waitUntilUnlocked();
    const auto before = window.image().bytes();
    dialogs_->fileToChoose.clear();
    window.actions().FileOpen1->trigger();
    QCOMPARE(dialogs_->fileDialogs, 1);
    QVERIFY(dialogs_->lastSetup);
    QCOMPARE(dialogs_->lastSetup->title, QStringLiteral("Открытие файла конфигурации"));
    QCOMPARE(dialogs_->lastSetup->filter, QStringLiteral("Файлы конфигурации (*.cnt)"));
    QCOMPARE(dialogs_->lastSetup->defaultSuffix, QStringLiteral("cnt"));
    QCOMPARE(QDir(dialogs_->lastSetup->directory).canonicalPath(), QDir(dir_->path()).canonicalPath());
    QVERIFY(dialogs_->shown.empty());
    QVERIFY(window.image().bytes() == before);
    QCOMPARE(panel(StatusPanels::kFileName), QStringLiteral("default.cnt"));
}

void TestConfiguratorWindow::fileOpen_failure_showsMessageAndKeepsImage_data() {
    QTest::addColumn<QByteArray>("content");  // empty: the file does not exist
    QTest::addColumn<QString>("message");
    const ConfigImage marked = MarkedConfig("zz", "1");
    QByteArray badSum = CntFile(kHeader, marked);
    badSum[100] = char(badSum.at(100) ^ 0x40);
    QTest::newRow("missing") << QByteArray() << "Невозможно открыть файл";
    QTest::newRow("bad checksum") << badSum << "Неизвестный формат файла";
    QTest::newRow("foreign") << QByteArray("[KRX something else]") << "Неизвестный формат файла";
    QTest::newRow("other version")
        << CntFile("[KRXControllerConfiguration_v01.00]", marked)
        << "Несоответствие версий! Файл не может быть использован для конфигурирования этого "
           "устройства.";
}

void TestConfiguratorWindow::fileOpen_failure_showsMessageAndKeepsImage() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    ConfiguratorWindow& window = makeWindow();
    waitUntilUnlocked();
    const QString path = QDir(dir_->path()).filePath("chosen.cnt");
    if (!content.isEmpty()) WriteFile(path, content);
    const auto before = window.image().bytes();
    dialogs_->fileToChoose = path;
    window.actions().FileOpen1->trigger();
    QCOMPARE(int(dialogs_->shown.size()), 1);
    QCOMPARE(dialogs_->shown.front().title, QStringLiteral("Открытие файла конфигурации"));
    QCOMPARE(dialogs_->shown.front().text, message);
    QVERIFY(!dialogs_->shown.front().question);
    QVERIFY(window.image().bytes() == before);
    QCOMPARE(panel(StatusPanels::kFileName), QStringLiteral("default.cnt"));
}

void TestConfiguratorWindow::fileOpen_success_replacesUnsavedEditsAndNamesFile() {
    ConfiguratorWindow& window = makeWindow();
    waitUntilUnlocked();
    const QString path = QDir(dir_->path()).filePath("site.cnt");
    WriteFile(path, CntFile(kHeader, MarkedConfig("site", "4321")));
    const auto modeMemoryBefore = window.image().bytes();
    window.selectSection(sections::kGeneral);
    w<QLineEdit>("MaskEditPassword")->setText("unsaved");
    dialogs_->fileToChoose = path;
    window.actions().FileOpen1->trigger();
    QVERIFY(dialogs_->shown.empty());
    QCOMPARE(w<QLineEdit>("MaskEditPassword")->text(), QStringLiteral("site"));
    QCOMPARE(w<QLineEdit>("MaskEditDTMFPass")->text(), QStringLiteral("4321"));
    QCOMPARE(panel(StatusPanels::kFileName), path);
    // The tails are not in a file.
    QVERIFY(std::equal(modeMemoryBefore.begin() + kModeMemoryOffset, modeMemoryBefore.end(),
                       window.image().bytes().begin() + kModeMemoryOffset));
}

void TestConfiguratorWindow::fileSave_storesShownSectionAndNamesFile() {
    ConfiguratorWindow& window = makeWindow();
    waitUntilUnlocked();
    window.selectSection(sections::kGeneral);
    w<QLineEdit>("MaskEditPassword")->setText("saved");
    const QString path = QDir(dir_->path()).filePath("out.cnt");
    dialogs_->fileToChoose = path;
    window.actions().FileSave1->trigger();
    QVERIFY(dialogs_->lastSetup);
    QCOMPARE(dialogs_->lastSetup->title, QStringLiteral("Сохранение конфигурации"));
    QCOMPARE(dialogs_->lastSetup->filter, QStringLiteral("Файлы конфигурации (*.cnt)"));
    QCOMPARE(dialogs_->lastSetup->defaultSuffix, QStringLiteral("cnt"));
    QCOMPARE(dialogs_->lastSetup->fileName, QStringLiteral("default.cnt"));  // panel 0's text
    QVERIFY(dialogs_->shown.empty());
    QCOMPARE(panel(StatusPanels::kFileName), path);

    const QByteArray file = ReadFile(path);
    QCOMPARE(file.size(), 5328);
    QCOMPARE(file.left(35), kHeader);
    ConfigImage read = DefaultConfig();
    QCOMPARE(ReadConfigFile(read, path.toStdString()), 0);
    QCOMPARE(GeneralOf(read).password, std::string("saved"));

    // The next save offers the file just written.
    dialogs_->fileToChoose.clear();
    window.actions().FileSave1->trigger();
    QCOMPARE(dialogs_->lastSetup->fileName, path);
}

void TestConfiguratorWindow::fileSave_existingFile_askedAndNoKeepsIt() {
    ConfiguratorWindow& window = makeWindow();
    waitUntilUnlocked();
    const QString path = QDir(dir_->path()).filePath("keep.cnt");
    WriteFile(path, "precious");
    dialogs_->fileToChoose = path;
    dialogs_->answerYes = false;
    window.actions().FileSave1->trigger();
    QCOMPARE(int(dialogs_->shown.size()), 1);
    QVERIFY(dialogs_->shown.front().question);
    QCOMPARE(dialogs_->shown.front().title, QStringLiteral("Сохранение конфигурации"));
    QCOMPARE(dialogs_->shown.front().text, QStringLiteral("Файл уже существует, заменить?"));
    QCOMPARE(ReadFile(path), QByteArray("precious"));
    QCOMPARE(panel(StatusPanels::kFileName), QStringLiteral("default.cnt"));

    dialogs_->answerYes = true;
    window.actions().FileSave1->trigger();
    QCOMPARE(ReadFile(path).size(), 5328);
    QCOMPARE(panel(StatusPanels::kFileName), path);
}

void TestConfiguratorWindow::fileSave_unwritable_showsMessage() {
    ConfiguratorWindow& window = makeWindow();
    waitUntilUnlocked();
    dialogs_->fileToChoose = QDir(dir_->path()).filePath("no/such/folder/x.cnt");
    window.actions().FileSave1->trigger();
    QCOMPARE(int(dialogs_->shown.size()), 1);
    QCOMPARE(dialogs_->shown.front().title, QStringLiteral("Сохранение конфигурации"));
    QCOMPARE(dialogs_->shown.front().text, QStringLiteral("Невозможно сохранить файл"));
    QVERIFY(!dialogs_->shown.front().question);
    QCOMPARE(panel(StatusPanels::kFileName), QStringLiteral("default.cnt"));
}

// ------------------------------------------------------------- port dialog

void TestConfiguratorWindow::runPortDialog(const std::function<void(TFormCOMPortConfig&)>& drive) {
    bool ran = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<TFormCOMPortConfig*>(QApplication::activeModalWidget());
        if (!dialog) {
            // Not modal yet: look for it among the window's children.
            dialog = window_->findChild<TFormCOMPortConfig*>();
        }
        QVERIFY(dialog);
        ran = true;
        drive(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    window_->actions().ComPortConfig->trigger();
    QVERIFY(ran);
}

void TestConfiguratorWindow::portDialog_okWithOpenablePort_closesAndShowsName() {
    makeWindow({"ttyUSB0"}, QStringLiteral("ttyS9"));
    waitUntilUnlocked();
    QCOMPARE(panel(StatusPanels::kLink), QStringLiteral("NC"));
    bool closedByOk = false;
    runPortDialog([&](TFormCOMPortConfig& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Выбор COM порта"));
        auto* list = d.findChild<QComboBox*>("ComComboBox1");
        QVERIFY(list);
        QCOMPARE(list->currentText(), QStringLiteral("ttyS9"));
        QVERIFY(list->findText("ttyUSB0") >= 0);
        list->setCurrentText("ttyUSB0");
        QTest::mouseClick(d.findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
        closedByOk = !d.isVisible() && d.result() == QDialog::Accepted;
    });
    QVERIFY(closedByOk);
    QVERIFY(dialogs_->shown.empty());
    QCOMPARE(port_->portName(), QStringLiteral("ttyUSB0"));
    QCOMPARE(panel(StatusPanels::kLink), QStringLiteral("ttyUSB0"));
    QVERIFY(!port_->isOpen());
}

void TestConfiguratorWindow::portDialog_unopenablePort_warnsWithReasonAndStaysOpen() {
    makeWindow({"ttyUSB0"}, QStringLiteral("ttyUSB0"));
    waitUntilUnlocked();
    QCOMPARE(panel(StatusPanels::kLink), QStringLiteral("ttyUSB0"));
    bool stayedOpen = false;
    QString linkWhileOpen;
    runPortDialog([&](TFormCOMPortConfig& d) {
        auto* list = d.findChild<QComboBox*>("ComComboBox1");
        list->setCurrentText("pts/42");  // typed: not in the list
        QTest::mouseClick(d.findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
        stayedOpen = d.isVisible();
        linkWhileOpen = panel(StatusPanels::kLink);
        // A second choice that opens.
        list->setCurrentText("ttyUSB0");
        QTest::mouseClick(d.findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
    });
    QVERIFY(stayedOpen);
    QCOMPARE(linkWhileOpen, QStringLiteral("NC"));
    QCOMPARE(int(dialogs_->shown.size()), 1);
    const auto& shown = dialogs_->shown.front();
    QCOMPARE(shown.title, QStringLiteral("Выбор COM порта"));
    QCOMPARE(shown.text, QStringLiteral(
        "Не возможно открыть указанный COM порт, возможно он занят другим приложением."));
    QCOMPARE(shown.details, QStringLiteral("Permission denied"));
    QCOMPARE(panel(StatusPanels::kLink), QStringLiteral("ttyUSB0"));
}

void TestConfiguratorWindow::portDialog_cancel_keepsLastTriedName() {
    makeWindow({"ttyUSB0"}, QStringLiteral("ttyUSB0"));
    waitUntilUnlocked();
    runPortDialog([&](TFormCOMPortConfig& d) {
        d.findChild<QComboBox*>("ComComboBox1")->setCurrentText("ttyS5");
        QTest::mouseClick(d.findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
        QTest::mouseClick(d.findChild<QPushButton*>("ButtonCancel"), Qt::LeftButton);
    });
    QCOMPARE(port_->portName(), QStringLiteral("ttyS5"));
    QCOMPARE(panel(StatusPanels::kLink), QStringLiteral("NC"));
    QVERIFY(!port_->isOpen());

    // Cancel alone keeps the name and probes it again.
    port_->openable << "ttyS5";
    runPortDialog([&](TFormCOMPortConfig& d) {
        QTest::mouseClick(d.findChild<QPushButton*>("ButtonCancel"), Qt::LeftButton);
    });
    QCOMPARE(port_->portName(), QStringLiteral("ttyS5"));
    QCOMPARE(panel(StatusPanels::kLink), QStringLiteral("ttyS5"));
    QVERIFY(!port_->isOpen());
}

void TestConfiguratorWindow::portAccess_unopenableSystemPort_givesSystemReason() {
    std::unique_ptr<PortAccess> port = MakeSystemPortAccess();
    port->setPortName(QStringLiteral("ttyKRXnowhere"));
    QString reason;
    QVERIFY(!port->open(&reason));
    QVERIFY(!port->isOpen());
    QVERIFY2(!reason.trimmed().isEmpty(), "the system's reason is empty");
    QCOMPARE(ProbePort(*port), QStringLiteral("NC"));
}

// ----------------------------------------------------------------- monitor

void TestConfiguratorWindow::monitor_fillsControllerPanelAndStatusBar() {
    controller_->withDevice([](sim::SimDevice& d) {
        d.live().armingMode = 2;
        d.live().signalLevel = 17;
        d.live().gsmState = 8;
        d.live().outputs = 0x05;
        d.live().indicators = 0x02;
        d.live().temperature = 25;
        d.live().temperatureValid = true;
    });
    makeWindow();
    attachMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(w<QLabel>("PanelArmDisarmStatus")->text(), QStringLiteral("ОХРАНА"), 10000);
    QCOMPARE(BackgroundColour(w<QWidget>("PanelArmDisarmStatus")), kColourRed);
    QCOMPARE(w<QLabel>("iDeviceNameLabel")->text(), QStringLiteral("KRX310"));
    QCOMPARE(w<QLabel>("iModificationLabel")->text(), QStringLiteral("LT"));
    QCOMPARE(w<QLabel>("iHardVerLabel")->text(), QStringLiteral("01.00"));
    QCOMPARE(w<QLabel>("iSoftVerLabel")->text(), QStringLiteral("01.01"));
    QCOMPARE(w<QLabel>("iBLLabel")->text(), QStringLiteral("01.02"));
    QCOMPARE(w<QLabel>("iDateLabel")->text(), QStringLiteral("14.03.2013"));
    QCOMPARE(w<QLabel>("iLabelCountryCode")->text(), QStringLiteral("RU"));
    QCOMPARE(w<QLabel>("iGSMIMEILabel")->text(), QStringLiteral("356938035643809"));
    QCOMPARE(w<QLabel>("iLabelDevSNLocked")->text(), QString(48, ' ') + "-");
    QCOMPARE(w<QLabel>("iLabelDevSN")->text(), QStringLiteral("4B525833 31304C54 00A1B2C3 0000002A"));
    QCOMPARE(w<QProgressBar>("ProgressBarSignalQuality")->value(), 17);
    QCOMPARE(w<QLabel>("LabelGSMState")->text(), QStringLiteral("Зарегистрирован в домашней сети"));
    QCOMPARE(BackgroundColour(w<QWidget>("PanelLed1")), kColourGreen);
    QCOMPARE(BackgroundColour(w<QWidget>("PanelLed2")), kColourLime);
    QCOMPARE(BackgroundColour(w<QWidget>("PanelOut1")), kColourLime);
    QCOMPARE(BackgroundColour(w<QWidget>("PanelOut2")), kColourGreen);
    QCOMPARE(BackgroundColour(w<QWidget>("PanelOut3")), kColourLime);
    QCOMPARE(w<QLabel>("LabelTempCurVal")->text(), QStringLiteral("25° C"));
    QCOMPARE(w<QProgressBar>("ProgressBarModemTemperature")->value(), 25);
    QCOMPARE(w<QLabel>("ActionName")->text(), QString());
    QCOMPARE(panel(StatusPanels::kLink), kSimPort);
    QCOMPARE(panel(StatusPanels::kVersion), QStringLiteral("LT.01.01"));
    QCOMPARE(panel(StatusPanels::kMessage), QStringLiteral("Версия устройства считана"));
    QVERIFY(dialogs_->shown.empty());

    // A change on the controller shows in a later cycle.
    controller_->withDevice([](sim::SimDevice& d) { d.live().gsmState = 200; });
    QTRY_COMPARE_WITH_TIMEOUT(w<QLabel>("LabelGSMState")->text(),
                              QStringLiteral("Неизвестное состояние GSM модуля"), 10000);
}

void TestConfiguratorWindow::monitor_powerPage_showsBatteryMainsAndTheirFailure() {
    controller_->withDevice([](sim::SimDevice& d) {
        d.live().battery = 77;
        d.live().mains = 131;
    });
    makeWindow();
    attachMonitor();
    window_->selectSection(sections::kPower);
    const QChar point = QLocale::system().decimalPoint().at(0);
    QTRY_COMPARE_WITH_TIMEOUT(w<QLabel>("Label17")->text(), QStringLiteral("77%"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(w<QLabel>("LabelMainPower")->text(),
                              QStringLiteral("13") + point + QStringLiteral("1 В"), 5000);
    QCOMPARE(w<QProgressBar>("ProgressBarBatCharge")->value(), 77);
    QCOMPARE(w<QProgressBar>("ProgressBarMainPower")->value(), 131);

    // The status read fails while the controller still identifies itself:
    // the page shows its failure values.
    sim::SimFaults faults;
    faults.reply = sim::ReplyFault::Silence;
    faults.onlyCommand = 12;
    controller_->setFaults(faults);
    QTRY_COMPARE_WITH_TIMEOUT(w<QLabel>("Label17")->text(), QStringLiteral("0%"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(w<QLabel>("LabelMainPower")->text(),
                              QStringLiteral("0") + point + QStringLiteral("0 В"), 5000);
    QCOMPARE(w<QLabel>("LabelBatMsg")->text(), QStringLiteral("\nАккумулятор подключен"));
    QTRY_COMPARE_WITH_TIMEOUT(panel(StatusPanels::kMessage), QStringLiteral("Нет ответа от устройства"), 5000);
}

void TestConfiguratorWindow::monitor_clockPage_showsBothClocksAndLeavesATypedTime() {
    controller_->withDevice([](sim::SimDevice& d) {
        d.setClock(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)), std::chrono::steady_clock::now());
        return 0;
    });
    makeWindow();
    attachMonitor();
    window_->selectSection(sections::kClock);
    auto* pc = w<QLineEdit>("MaskEditPCTime");
    auto* controller = w<QLineEdit>("MaskEditContrCurTime");
    QTRY_VERIFY_WITH_TIMEOUT(controller->text().startsWith("04.03.26 05:0"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(pc->text().startsWith(QDateTime::currentDateTime().toString("dd.MM.yy")),
                             5000);

    // Typed into while it has the focus: the monitor leaves the field alone,
    // the computer's clock goes on.
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    controller->setFocus();
    QTRY_VERIFY(controller->hasFocus());
    controller->setText("01.01.30 00:00:00");
    const QString pcBefore = pc->text();
    QTRY_VERIFY_WITH_TIMEOUT(pc->text() != pcBefore, 5000);
    // Nor does it read the controller's clock meanwhile: no status request
    // after the one that may have been on its way.
    const auto statusReads = [this] {
        int n = 0;
        for (const auto& frame : controller_->requests()) n += frame.at(1) == 12 ? 1 : 0;
        return n;
    };
    const int readsWhileTyping = statusReads();
    QTest::qWait(600);
    QCOMPARE(statusReads(), readsWhileTyping);
    QCOMPARE(controller->text(), QStringLiteral("01.01.30 00:00:00"));
}

void TestConfiguratorWindow::monitor_controllerGone_showsPlaceholdersAndNc() {
    makeWindow();
    attachMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(panel(StatusPanels::kVersion), QStringLiteral("LT.01.01"), 10000);
    sim::SimFaults faults;
    faults.reply = sim::ReplyFault::Silence;
    controller_->setFaults(faults);
    QTRY_COMPARE_WITH_TIMEOUT(w<QLabel>("iDeviceNameLabel")->text(), QStringLiteral("--------"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(panel(StatusPanels::kLink), QStringLiteral("NC"), 5000);
    QCOMPARE(panel(StatusPanels::kVersion), QStringLiteral("--------.--.--"));
    QCOMPARE(w<QLabel>("iSoftVerLabel")->text(), QStringLiteral("--.--"));
    QCOMPARE(w<QLabel>("iGSMIMEILabel")->text(), QStringLiteral("---------------"));
    QCOMPARE(w<QLabel>("ActionName")->text(), QString());
    QTRY_COMPARE_WITH_TIMEOUT(panel(StatusPanels::kMessage), QStringLiteral("Нет ответа от устройства"), 5000);
}

void TestConfiguratorWindow::monitor_unsupported_data() {
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("software");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("version");
    QTest::newRow("other device") << "KRX740" << 0x0101 << "Устройство KRX740 не поддерживается"
                                  << "LT.01.01";
    QTest::newRow("other version") << "KRX310" << 0x0102 << "Версия LT.01.02 не поддерживается"
                                   << "LT.01.02";
}

void TestConfiguratorWindow::monitor_unsupported() {
    QFETCH(QString, device);
    QFETCH(int, software);
    QFETCH(QString, message);
    QFETCH(QString, version);
    controller_->withDevice([&](sim::SimDevice& d) {
        d.identity().deviceName = device.toStdString();
        d.identity().softwareVersion = std::uint16_t(software);
    });
    makeWindow();
    attachMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(w<QLabel>("ActionName")->text(), message, 10000);
    QCOMPARE(TextColour(w<QWidget>("ActionName")), kColourRed);
    QCOMPARE(w<QLabel>("iDeviceNameLabel")->text(), device);
    QCOMPARE(panel(StatusPanels::kVersion), version);
    QCOMPARE(panel(StatusPanels::kLink), kSimPort);
    // Let a few more cycles run: none of them reads a section record.
    QTest::qWait(300);
    window_->stopMonitor();
    for (const auto& frame : controller_->requests()) {
        if (frame.size() > 1) QCOMPARE(int(frame[1]), 5);  // identification only
    }
    QCOMPARE(w<QLabel>("PanelArmDisarmStatus")->text(), QString());
}

// ----------------------------------------------------------------- process

void TestConfiguratorWindow::singleInstance_secondGuardRefusedUntilFirstGoes() {
    const QString title = QStringLiteral("KRX Configurator test %1").arg(QCoreApplication::applicationPid());
    auto first = std::make_unique<SingleInstanceGuard>(title);
    QVERIFY(first->tryAcquire());
    {
        SingleInstanceGuard second(title);
        QVERIFY(!second.tryAcquire());
    }
    first.reset();
    SingleInstanceGuard third(title);
    QVERIFY(third.tryAcquire());
}

void TestConfiguratorWindow::process_terminationSignal_closesThroughClosePathWithCodeZero_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestConfiguratorWindow::process_terminationSignal_closesThroughClosePathWithCodeZero() {
    QFETCH(int, signal);
    const QString program =
        QDir(QCoreApplication::applicationDirPath()).filePath("../src/app/krx-configurator");
    if (!QFileInfo::exists(program)) QSKIP("krx-configurator is not built beside the tests");

    QProcess process;
    process.setWorkingDirectory(dir_->path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TMPDIR", dir_->path());  // its own single-instance lock
    process.setProcessEnvironment(env);
    process.start(program, {"--port", "ttyKRXnowhere"});
    QVERIFY(process.waitForStarted(5000));
    // Ready once it catches the signal (a close before Timer2 is only put off).
    const auto catches = [&] {
        QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
        if (!status.open(QIODevice::ReadOnly)) return false;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("SigCgt:")) {
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1) & 1) != 0;
            }
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(catches(), 15000);
    QCOMPARE(process.state(), QProcess::Running);
    ::kill(pid_t(process.processId()), signal);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QFileInfo(QDir(dir_->path()).filePath("default.cnt")).size(), qint64(5328));
    const QByteArray settings = ReadFile(QDir(dir_->path()).filePath("KRXConfig.cfg"));
    QCOMPARE(settings.size(), 24);
    QCOMPARE(settings.mid(12, 7), QByteArray("ttyKRXn"));  // cut to 7 characters
}

QTEST_MAIN(TestConfiguratorWindow)
#include "tst_configurator_window.moc"
