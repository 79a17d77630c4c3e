// The built-in catalogue of run-time texts, entry by entry as the window's
// vocabulary table gives them, and the look-ups that read it.

#include <QtTest>

#include <string>
#include <vector>

#include "config/interface_texts.h"

using namespace krx;

namespace {

QStringList ToQt(const std::vector<std::string>& texts) {
    QStringList out;
    for (const std::string& t : texts) out << QString::fromStdString(t);
    return out;
}

}  // namespace

class TestInterfaceTexts : public QObject {
    Q_OBJECT
private slots:
    void builtIn_vocabularyLists();
    void builtIn_singleStrings();
    void builtIn_sectionTree_data();
    void builtIn_sectionTree();
    void lookUps_outsideTheListsAreEmpty();
};

void TestInterfaceTexts::builtIn_vocabularyLists() {
    const InterfaceTexts& t = BuiltInInterfaceTexts();
    QCOMPARE(ToQt(t.armStates), (QStringList{"ОХРАНА", "НАБЛЮДЕНИЕ", "ЗАЩИТА", "Смена режима"}));
    QCOMPARE(ToQt(t.outputNames), (QStringList{"Реле 1", "Реле 2", "Выход 1", "Выход 2", "Выход 3",
                                               "Выход 4", "Выход 5"}));
    QCOMPARE(t.outputActions.size(), std::size_t{17});
    QCOMPARE(ToQt(t.outputActions).mid(0, 4),
             (QStringList{"Нет реакции", "Включить", "Выключить", "сценарий 1"}));
    QCOMPARE(QString::fromStdString(t.outputActions.back()), QString("сценарий 14"));
    QCOMPARE(ToQt(t.scenarioActions),
             (QStringList{"Нет действия", "Перейти в реж. Охрана", "Перейти в реж. Наблюдение",
                          "Управление Реле 1", "Управление Реле 2", "Управление Выходом 1",
                          "Управление Выходом 2", "Управление Выходом 3", "Управление Выходом 4",
                          "Управление Выходом 5"}));
    QCOMPARE(t.indicatorFunctions.size(), std::size_t{8});
    QCOMPARE(QString::fromStdString(t.indicatorFunctions[3]),
             QString("Показывать состояние входов на индикаторах In1-In4"));
    QCOMPARE(QString::fromStdString(t.indicatorFunctions[7]),
             QString("Установлена плата расширенной индикации"));
    QCOMPARE(ToQt(t.permissionWords), (QStringList{"Разрешено", "Разрешен"}));
    QCOMPARE(ToQt(t.sourceListHeadings),
             (QStringList{" События воздействующие на это реле [Вкладка | Воздействие | Событие] ",
                          " События воздействующие на этот выход [Вкладка | Воздействие | Событие] "}));
    QCOMPARE(t.gsmStates.size(), std::size_t{12});
    QCOMPARE(QString::fromStdString(t.gsmStates[0]), QString("Инициализация модема"));
    QCOMPARE(QString::fromStdString(t.gsmStates[11]), QString("Неизвестное состояние GSM модуля"));
    QCOMPARE(t.transferMessages.size(), std::size_t{20});
    QCOMPARE(QString::fromStdString(t.transferMessages[0]), QString("Невозможно открыть "));
    QCOMPARE(QString::fromStdString(t.transferMessages[12]),
             QString("Перезагрузка устройства инициированна"));
}

void TestInterfaceTexts::builtIn_singleStrings() {
    const InterfaceTexts& t = BuiltInInterfaceTexts();
    QCOMPARE(QString::fromStdString(t.portOpenError),
             QString("Не возможно открыть указанный COM порт, возможно он занят другим приложением."));
    QCOMPARE(QString::fromStdString(t.portDialogCaption), QString("Выбор COM порта"));
    QCOMPARE(QString::fromStdString(t.aboutForVersion), QString("для версии устройства"));
    QCOMPARE(QString::fromStdString(t.aboutCaption), QString("О программе"));
    QCOMPARE(QString::fromStdString(t.scenarioGrid.header), QString("Форма сигнала"));
    QCOMPARE(QString::fromStdString(t.scenarioGrid.scenario), QString("Сценарий №"));
    QCOMPARE(QString::fromStdString(t.keyTable.alreadyListedPrefix), QString("Ключ с кодом: "));
    QCOMPARE(QString::fromStdString(t.keyTable.alreadyListedSuffix), QString(", уже внесен в таблицу"));
    QCOMPARE(QString::fromStdString(t.keyTable.memoryFull), QString("Вся память использована"));
    QCOMPARE(QString::fromStdString(t.armInModeOnOutput),
             QString("Отображать режим (ОХРАНА/НАБЛЮДЕНИЕ) на выходе "));
}

void TestInterfaceTexts::builtIn_sectionTree_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::newRow("root") << 0 << 0 << "GSM контроллер";
    QTest::newRow("general") << 1 << 1 << "Общие параметры соединений";
    QTest::newRow("connection 1") << 2 << 2 << "Соединение 1";
    QTest::newRow("connection 8") << 9 << 2 << "Соединение 8";
    QTest::newRow("clock") << 10 << 1 << "Часы, планировщик задач";
    QTest::newRow("power") << 11 << 1 << "Питание, температура, индикация, контроль вскрытия";
    QTest::newRow("arm-in") << 12 << 1 << "Вход [Arm In]";
    QTest::newRow("inputs") << 13 << 1 << "Входы";
    QTest::newRow("input 4") << 17 << 2 << "Вход 4";
    QTest::newRow("outputs") << 18 << 1 << "Выходы";
    QTest::newRow("output 2") << 22 << 2 << "Выход 2";
    QTest::newRow("scenarios") << 23 << 2 << "Сценарии управления";
    QTest::newRow("profiles") << 24 << 1 << "Профили";
    QTest::newRow("profile 4") << 28 << 2 << "Профиль 4";
    QTest::newRow("system parameters") << 29 << 1 << "Системные параметры";
}

void TestInterfaceTexts::builtIn_sectionTree() {
    QFETCH(int, index);
    QFETCH(int, level);
    QFETCH(QString, text);
    const InterfaceTexts& t = BuiltInInterfaceTexts();
    QCOMPARE(t.sectionTree.size(), std::size_t{30});
    QCOMPARE(t.sectionTree[std::size_t(index)].level, level);
    QCOMPARE(QString::fromStdString(SectionNodeTextOf(t, SectionId::FromIndex(index))), text);
}

void TestInterfaceTexts::lookUps_outsideTheListsAreEmpty() {
    const InterfaceTexts& t = BuiltInInterfaceTexts();
    QVERIFY(TextAt(t.armStates, -1).empty());
    QVERIFY(TextAt(t.armStates, 4).empty());
    QVERIFY(SectionNodeTextOf(t, SectionId()).empty());
    InterfaceTexts shortTree = t;
    shortTree.sectionTree.resize(3);
    QVERIFY(SectionNodeTextOf(shortTree, sections::kSystemParameters).empty());
}

QTEST_APPLESS_MAIN(TestInterfaceTexts)
#include "tst_interface_texts.moc"
