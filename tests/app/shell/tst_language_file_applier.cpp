// The language file "lng.txt" in the working directory, applied at start-up
// by the window as the program builds it: which files count, where each
// line lands, what the lines change without a line of their own, that the
// monitor speaks the new words, and that the shipped English file leaves
// no Russian on the pages beyond a short, named list.

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>
#include <set>

#include "app/shell/status_panels.h"
#include "support/fake_window_services.h"
#include "support/sim_window_rig.h"

using namespace krx;
using krx::test::Rig;

namespace {

const QByteArray kHeader = "// KRX Language file - do not change this line!";

// Line n reads "L<n>" unless given.
QList<QByteArray> NumberedLines(int count = 413) {
    QList<QByteArray> lines{kHeader};
    for (int n = 1; n < count; ++n) lines << "L" + QByteArray::number(n);
    return lines;
}

QByteArray Join(const QList<QByteArray>& lines, const QByteArray& end = "\r\n") {
    QByteArray file;
    for (const QByteArray& line : lines) file += line + end;
    return file;
}

// Runs the window in a directory of its own, as the program runs in the
// technician's working directory.
class WorkingDirectory {
public:
    WorkingDirectory() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }
    void writeLanguageFile(const QByteArray& bytes) const {
        QFile file(dir_.filePath("lng.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};

QString TextOf(QObject* o) {
    if (auto* box = qobject_cast<QGroupBox*>(o)) return box->title();
    if (auto* label = qobject_cast<QLabel*>(o)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(o)) return button->text();
    if (auto* action = qobject_cast<QAction*>(o)) return action->text();
    if (auto* menu = qobject_cast<QMenu*>(o)) return menu->title();
    return QStringLiteral("<not a captioned control>");
}

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

QString Heading(const QTableWidget* grid, int column) {
    const QTableWidgetItem* item = grid->horizontalHeaderItem(column);
    return item ? item->text() : QString();
}

}  // namespace

class TestLanguageFileApplier : public QObject {
    Q_OBJECT
private slots:
    void noValidFile_changesNothing_data();
    void noValidFile_changesNothing();
    void lineEnds_allThreeWork_data();
    void lineEnds_allThreeWork();
    void captions_eachLineOnItsControls_data();
    void captions_eachLineOnItsControls();
    void lists_itemsAndHeadings();
    void emptyLine_emptiesItsTarget();
    void armingWord_monitorShowsTheNewWord();
    void englishFile_leavesOnlyTheNamedRussianTexts();
};

void TestLanguageFileApplier::noValidFile_changesNothing_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("file");
    QList<QByteArray> lines = NumberedLines();
    lines[1] = "T";
    QTest::newRow("no file") << false << QByteArray();
    QTest::newRow("412 lines") << true << Join(lines.mid(0, 412));
    QTest::newRow("414 lines") << true << Join(lines + QList<QByteArray>{"extra"});
    QList<QByteArray> blankHeader = lines;
    blankHeader[0] += ' ';
    QTest::newRow("header with a trailing blank") << true << Join(blankHeader);
}

void TestLanguageFileApplier::noValidFile_changesNothing() {
    QFETCH(bool, present);
    QFETCH(QByteArray, file);
    WorkingDirectory dir;
    if (present) dir.writeLanguageFile(file);
    Rig rig;
    QCOMPARE(rig.window->windowTitle(), QStringLiteral("Конфигуратор GSM контроллера KRX310"));
    QVERIFY(!rig.window->languageLoaded());
    QCOMPARE(TextOf(rig.window->findChild<QPushButton*>("Button18")), QStringLiteral("Охрана"));
    QCOMPARE(rig.window->sectionTree().topLevelItem(0)->text(0), QStringLiteral("GSM контроллер KRX310-LT"));
    QCOMPARE(rig.window->texts(), BuiltInInterfaceTexts());
}

void TestLanguageFileApplier::lineEnds_allThreeWork_data() {
    QTest::addColumn<QByteArray>("end");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void TestLanguageFileApplier::lineEnds_allThreeWork() {
    QFETCH(QByteArray, end);
    QList<QByteArray> lines = NumberedLines();
    lines[1] = "T";
    WorkingDirectory dir;
    dir.writeLanguageFile(Join(lines, end));
    Rig rig;
    QVERIFY(rig.window->languageLoaded());
    QCOMPARE(rig.window->windowTitle(), QStringLiteral("T KRX310"));
    QCOMPARE(TextOf(rig.window->findChild<QGroupBox*>("GroupBox15")), QStringLiteral(" L65 "));
}

void TestLanguageFileApplier::captions_eachLineOnItsControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const char* text) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(text);
    };
    // Menus and their items by their own names; the tool buttons follow.
    row("N1", "L3");
    row("N9", "L10");
    row("Programm", "L11");  // menu item N10
    row("SpeedButton6", "L11");
    row("SpeedButton8", "L12");
    row("SpeedButton1", "L13");
    row("ReadIMEICode", "L14");
    row("SpeedButton4", "L15");
    row("SpeedButton9", "L16");
    row("FactoryConfig", "L17");  // N5
    row("Abaut", "L18");          // N15
    // The controller page.
    row("Label30", "L20 KRX310-LT");
    row("GroupBox15", " L65 ");
    row("Label48", "L66");
    row("Label68", "L74");
    row("Button21", "L75");
    row("GroupBoxPerimetersInfo", " L76 ");
    row("GroupBoxMaunPerimInfo", " L76 ");
    row("Button18", "L77");
    row("Button23", "L77");
    row("Button19", "L78");
    row("Button24", "L78");
    row("Button22", "L79");
    row("Button4", "L83");
    row("Button16", "L83");
    row("Button17", "L84");
    row("GroupBox28", " L85 ");
    row("LabelOut3", "L90");  // output name 3
    // Copies of captions that took a line.
    row("CheckBoxSMSEn", "L151");
    row("Label78", "L156");
    row("GroupBoxConSMS", " L157 ");
    row("CheckBoxMaskSInput3", "L160");
    row("CheckBoxMaskSRestrictedArm", "L178");
    row("CheckBoxMaskSDisarm4", "L184");
    row("CheckBoxInfoIn2", "L159");
    row("CheckBoxRestrArmMode8", "L165");
    // Output names on the Arm-In, input and profile pages.
    row("Label9", "L89");
    row("Label71", "L94");
    row("Label102", "L88");
    row("Label40", "L94");
    row("LabelProfileToR2", "L89");
    // Further pages.
    row("Label131", "L123");
    row("Label129", "L136");
    row("Label75", "L138");
    row("Label130", "L198");
    row("Label157", "L244");
    row("Label25", "L257");
    row("GroupBox43", " L262 ");
    row("Label96", "L284");
    row("Label80", "L310");
    row("GroupBoxInPasActions", " L336 ");
    row("CheckBoxReleInversion", "L339");
    row("Label7", "L340");
    row("Label90", "L344");
    row("Memo2", "L354");
    row("Button1", "L356");
    row("Label109", "L359");
    row("GroupBox41", " L365 ");
    row("CheckBoxFWUpdateEnable", "L368");
    row("BitBtnProgSysPar", "L11");
    row("BitBtnReadSysPar", "L12");
}

void TestLanguageFileApplier::captions_eachLineOnItsControls() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    WorkingDirectory dir;
    dir.writeLanguageFile(Join(NumberedLines()));
    Rig rig;
    QObject* target = rig.window->findChild<QObject*>(name);
    QVERIFY2(target, qPrintable(name));
    QCOMPARE(TextOf(target), text);
}

void TestLanguageFileApplier::lists_itemsAndHeadings() {
    WorkingDirectory dir;
    dir.writeLanguageFile(Join(NumberedLines()));
    Rig rig;
    ConfiguratorWindow& w = *rig.window;
    const auto list = [&w](const char* name) { return w.findChild<QComboBox*>(name); };

    // Emptied and refilled with four lines; the general page keeps two.
    w.selectSection(sections::kGeneral);
    QCOMPARE(Items(list("ComboBoxDialPriority")), (QStringList{"L132", "L133"}));
    // Four lines onto the four items; a connection shows three.
    w.selectSection(SectionId::FromIndex(2));
    QCOMPARE(Items(list("ComboBoxIncomungCallAction")), (QStringList{"L145", "L146", "L147"}));
    QCOMPARE(Items(list("ComboBoxOnLineTime")).mid(0, 3), (QStringList{"L153", "L154", "2 Sec."}));
    QCOMPARE(Items(list("ComboBoxICToOUOutN")).first(), QStringLiteral("L88"));
    // The time zones lose their place names.
    const QStringList zones = Items(list("ComboBoxTimeZone"));
    QCOMPARE(zones.size(), 26);
    QCOMPARE(zones.first(), QStringLiteral("(GMT-12:00)"));
    QCOMPARE(zones.at(11), QStringLiteral("(GMT-1:00)"));
    QCOMPARE(zones.at(12), QStringLiteral("(GMT+0:00)"));
    QCOMPARE(zones.at(16), QStringLiteral("(GMT+4:00)"));
    QCOMPARE(zones.last(), QStringLiteral("(GMT+13:00)"));
    // The scheduler grid's headings and embedded lists.
    auto* scheduler = w.findChild<QTableWidget*>("StringGrid3");
    QCOMPARE(Heading(scheduler, 0), QStringLiteral(" L202"));
    QCOMPARE(Heading(scheduler, 1), QString());
    QCOMPARE(Heading(scheduler, 2), QStringLiteral("L203"));
    QCOMPARE(Heading(scheduler, 13), QStringLiteral("L214"));
    const QStringList tasks = Items(list("ComboBoxTaskAction8"));
    QCOMPARE(tasks.size(), 11);
    QCOMPARE(tasks.at(0), QStringLiteral("L215"));
    QCOMPARE(tasks.at(6), QStringLiteral("L221"));
    QCOMPARE(tasks.at(7), QStringLiteral("Применить профиль 1"));
    QCOMPARE(Items(list("ComboBoxTaskExtra1")).last(), QStringLiteral("L111"));
    // The indicator functions this model offers: entries 4 to 7 of the seven.
    w.selectSection(sections::kPower);
    QCOMPARE(Items(list("ComboBoxIndFunction")), (QStringList{"L250", "L251", "L252", "L253"}));
    QCOMPARE(Items(list("ComboBoxTamperActScnN")).at(2), QStringLiteral("L97"));
    // The key table.
    auto* keys = w.findChild<QTableWidget*>("StringGrid1");
    QCOMPARE(Heading(keys, 0), QStringLiteral("№"));
    QCOMPARE(Heading(keys, 1), QStringLiteral("L263"));
    QCOMPARE(Heading(keys, 2), QStringLiteral("L264"));
    // An input's lists.
    QCOMPARE(Items(list("ComboBoxSensType")).last(), QStringLiteral("L296"));
    QCOMPARE(Items(list("ComboBoxSensActLevel")).first(), QStringLiteral("L298"));
    QCOMPARE(Items(list("ComboBoxReleToAlarm")).last(), QStringLiteral("L334"));
    QCOMPARE(Items(list("ComboBoxActRele7")).at(3), QStringLiteral("L98"));
    // An output's switching type: line 345, then the 14 scenarios.
    const QStringList commType = Items(list("ComboBoxCommType"));
    QCOMPARE(commType.size(), 15);
    QCOMPARE(commType.at(0), QStringLiteral("L345"));
    QCOMPARE(commType.at(1), QStringLiteral("L98"));
    QCOMPARE(commType.last(), QStringLiteral("L111"));
    // The controller page's test lists.
    QCOMPARE(Items(list("ComboBoxTestOut")), (QStringList{"L88", "L89", "L90", "L91"}));
    QCOMPARE(Items(list("ComboBoxTestScen")).first(), QStringLiteral("L98"));
    // The system parameters.
    QCOMPARE(Items(list("ComboBoxCALDIR")), (QStringList{"L363", "L364"}));
    QCOMPARE(Items(list("ComboBoxBatteryType")), (QStringList{"L366", "L367"}));
    // The tool buttons keep no hints.
    for (QToolButton* button : w.findChildren<QToolButton*>()) {
        if (button->objectName().startsWith("SpeedButton")) QCOMPARE(button->toolTip(), QString());
    }
    // The tree: nodes by block position, profiles as they were.
    QCOMPARE(w.sectionTree().topLevelItem(0)->text(0), QStringLiteral("L20 KRX310-LT"));
    w.selectSection(SectionId::FromIndex(23));
    QCOMPARE(w.sectionTree().currentItem()->text(0), QStringLiteral("L62"));
    w.selectSection(SectionId::FromIndex(25));
    QCOMPARE(w.sectionTree().currentItem()->text(0), QStringLiteral("Профиль 1"));
}

void TestLanguageFileApplier::emptyLine_emptiesItsTarget() {
    QList<QByteArray> lines = NumberedLines();
    lines[65].clear();
    lines[66].clear();
    lines[83].clear();
    WorkingDirectory dir;
    dir.writeLanguageFile(Join(lines));
    Rig rig;
    QCOMPARE(TextOf(rig.window->findChild<QGroupBox*>("GroupBox15")), QStringLiteral("  "));
    QCOMPARE(TextOf(rig.window->findChild<QLabel*>("Label48")), QString());
    QCOMPARE(TextOf(rig.window->findChild<QPushButton*>("Button4")), QString());
    QCOMPARE(TextOf(rig.window->findChild<QLabel*>("Label51")), QStringLiteral("L67"));
}

void TestLanguageFileApplier::armingWord_monitorShowsTheNewWord() {
    QList<QByteArray> lines = NumberedLines();
    lines[77] = "Armed";
    WorkingDirectory dir;
    dir.writeLanguageFile(Join(lines));
    Rig rig;
    rig.controller->withDevice([](sim::SimDevice& d) { d.live().armingMode = 2; });
    QCOMPARE(TextOf(rig.window->findChild<QPushButton*>("Button18")), QStringLiteral("Armed"));
    QCOMPARE(TextOf(rig.window->findChild<QPushButton*>("Button23")), QStringLiteral("Armed"));
    QCOMPARE(QString::fromStdString(rig.window->texts().armStates.at(0)), QStringLiteral("Armed"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.label("PanelArmDisarmStatus")->text(), QStringLiteral("Armed"), 10000);
    // The status bar speaks the file's transfer messages too: "Версия
    // устройства считана" is line 399.
    QTRY_COMPARE_WITH_TIMEOUT(rig.window->statusPanels().text(StatusPanels::kMessage), QStringLiteral("L399"),
                              10000);
}

namespace {

const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));

// The interface texts a control shows: captions, list items, headings and
// tree rows. What the user typed or the configuration holds (names in
// editable lists, line edits) is data, not interface text.
QStringList ShownTexts(QWidget* w) {
    QStringList texts;
    if (auto* box = qobject_cast<QGroupBox*>(w)) texts << box->title();
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) texts << memo->toPlainText();
    if (auto* list = qobject_cast<QComboBox*>(w); list && !list->isEditable()) texts << Items(list);
    if (auto* grid = qobject_cast<QTableWidget*>(w)) {
        for (int c = 0; c < grid->columnCount(); ++c) texts << Heading(grid, c);
        for (int r = 0; r < grid->rowCount(); ++r) {
            for (int c = 0; c < grid->columnCount(); ++c) {
                if (const QTableWidgetItem* item = grid->item(r, c)) texts << item->text();
            }
        }
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            for (int c = 0; c < tree->columnCount(); ++c) texts << (*it)->text(c);
        }
        if (!tree->isHeaderHidden()) {
            for (int c = 0; c < tree->columnCount(); ++c) texts << tree->headerItem()->text(c);
        }
    }
    return texts;
}

}  // namespace

void TestLanguageFileApplier::englishFile_leavesOnlyTheNamedRussianTexts() {
    QFile english(QStringLiteral(KRX_PROJECT_DIR "/lang/lng-en.txt"));
    QVERIFY(english.open(QIODevice::ReadOnly));
    WorkingDirectory dir;
    dir.writeLanguageFile(english.readAll());
    Rig rig;
    ConfiguratorWindow& w = *rig.window;
    QVERIFY(w.languageLoaded());
    // Wait for the monitor's first reading, so the live texts are shown too.
    QTRY_VERIFY_WITH_TIMEOUT(!rig.label("iDeviceNameLabel")->text().isEmpty(), 10000);

    // Texts no line of the file covers; they keep their built-in Russian.
    const std::set<QString> allowed = {
        // Tree nodes the file leaves as they are, and their page headers.
        "Профили", "Профиль 1", "Профиль 2", "Профиль 3", "Профиль 4", "Системные параметры",
        // The controller page.
        "Код привязки:", "Уровень сигнала:", "Имит.",
        // General parameters: the balance templates, operators' names.
        " Предустановленные шаблоны ", "Билайн", "МТС", "Мегафон", "Теле 2",
        // A connection.
        " Голосовое оповещение ",
        // Profile choices: the scheduler's tasks and the Arm-In page's lists.
        "Не применять профиль",
        "Применить профиль 1", "Применить профиль 2", "Применить профиль 3", "Применить профиль 4",
        // Power and indication.
        "Напряжение основного питания", "Заряд аккумулятора", "Первая граница разряда",
        "Вторая граница разряда", "Показывать активность входов на ArmOut в реж. ОХРАНА",
        // The Arm-In modes.
        "Замыкание входа - ОХРАНА, размыкание - НАБЛЮДЕНИЕ", "Смена режима ОХРАНА/НАБЛЮДЕНИЕ импульсом",
        "Смена режима ОХРАНА/НАБЛЮДЕНИЕ - TouchMemory",
        // An output's settings group.
        " Параметры выхода ",
        // The profile pages.
        "Название профиля", " Границы зон тревоги входов ", " Воздействие на реле / выходы ",
        // The volt unit ("В") and the profile sliders' upper and lower marks.
        "В", "Н",
        // Our own menu items, which no line of the file names.
        "История конфигураций...", "Отчёт о конфигурации...",
    };
    // Values in volts and the controller's balance line read "3.33 В" and
    // "Баланс лицевого счета: 150.50"; the profiles' note is one text.
    const QRegularExpression allowedPatterns(
        QStringLiteral("^(-?[0-9]+([.,][0-9]+)? В|Баланс лицевого счета: .*|Профиль - это .*)$"));
    std::set<QString> left;
    const auto look = [&](QWidget* root) {
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* widget : widgets) {
            if (!widget->isVisibleTo(&w)) continue;
            for (const QString& text : ShownTexts(widget)) {
                if (text.contains(kCyrillic) && !allowed.count(text) &&
                    !allowedPatterns.match(text).hasMatch()) {
                    left.insert(widget->objectName() + ": " + text);
                }
            }
        }
    };
    for (int index = 0; index < SectionId::kCount; ++index) {
        w.selectSection(SectionId::FromIndex(index));
        look(w.page(SectionId::FromIndex(index)));
    }
    // The window around the pages: tree, mode buttons, tool bar, menus.
    w.selectSection(sections::kController);
    look(w.centralWidget());
    for (QToolButton* button : w.findChildren<QToolButton*>()) {
        if (button->text().contains(kCyrillic)) left.insert(button->objectName() + ": " + button->text());
    }
    for (QAction* action : w.menuBar()->actions()) {
        if (action->text().contains(kCyrillic)) left.insert("menu: " + action->text());
        if (QMenu* menu = action->menu()) {
            for (QAction* item : menu->actions()) {
                if (item->text().contains(kCyrillic) && !allowed.count(item->text())) {
                    left.insert(item->objectName() + ": " + item->text());
                }
            }
        }
    }
    QVERIFY(!w.windowTitle().contains(kCyrillic));

    QStringList report(left.begin(), left.end());
    QVERIFY2(report.isEmpty(), qPrintable("\n" + report.join('\n')));
}

QTEST_MAIN(TestLanguageFileApplier)
#include "tst_language_file_applier.moc"
