// The texts, bar positions and colour choices of the controller panel.

#include <QtTest>

#include "config/interface_texts.h"
#include "monitor/status_display_rules.h"

using namespace krx;

Q_DECLARE_METATYPE(krx::ArmColour)

class TestStatusDisplayRules : public QObject {
    Q_OBJECT
private slots:
    void versionText_data();
    void versionText();
    void identifierText_wordsInRecordOrder();
    void supportedChecks_areExactAndCaseSensitive_data();
    void supportedChecks_areExactAndCaseSensitive();

    void gsmState_unknownCodesShareTheLastText_data();
    void gsmState_unknownCodesShareTheLastText();

    void armingPanel_captionAndColour_data();
    void armingPanel_captionAndColour();
    void armingPanel_modeChangeBlinksEveryCycle();

    void battery_data();
    void battery();
    void mains_data();
    void mains();
    void temperature_data();
    void temperature();
    void balance_data();
    void balance();

    void controllerClock_twoDigitsPerValue_data();
    void controllerClock_twoDigitsPerValue();
    void pcClock_format();
};

void TestStatusDisplayRules::versionText_data() {
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "--.--";
    QTest::newRow("1.1") << 0x0101 << "01.01";
    QTest::newRow("upper-case hex") << 0x0A10 << "0A.10";
    QTest::newRow("low byte only") << 0x00AB << "00.AB";
    QTest::newRow("largest") << 0xFFFF << "FF.FF";
}

void TestStatusDisplayRules::versionText() {
    QFETCH(int, version);
    QFETCH(QString, text);
    QCOMPARE(VersionText(static_cast<std::uint16_t>(version)), text);
}

void TestStatusDisplayRules::identifierText_wordsInRecordOrder() {
    QCOMPARE(IdentifierText({0x01020304, 0, 0xDEADBEEF, 0x10}, kNoBindingIdText),
             QStringLiteral("01020304 00000000 DEADBEEF 00000010"));
    QCOMPARE(IdentifierText({0, 0, 0, 1}, kNoUniqueIdText),
             QStringLiteral("00000000 00000000 00000000 00000001"));
}

void TestStatusDisplayRules::supportedChecks_areExactAndCaseSensitive_data() {
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("deviceOk");
    QTest::addColumn<bool>("versionOk");
    QTest::newRow("supported") << "KRX310" << "LT.01.01" << true << true;
    QTest::newRow("larger model") << "KRX740" << "LT.01.01" << false << true;
    QTest::newRow("lower case") << "krx310" << "lt.01.01" << false << false;
    QTest::newRow("trailing blank") << "KRX310 " << "LT.01.01 " << false << false;
    QTest::newRow("newer firmware") << "KRX310" << "LT.01.02" << true << false;
    QTest::newRow("placeholder") << "--------" << "--------.--.--" << false << false;
}

void TestStatusDisplayRules::supportedChecks_areExactAndCaseSensitive() {
    QFETCH(QString, device);
    QFETCH(QString, version);
    QFETCH(bool, deviceOk);
    QFETCH(bool, versionOk);
    QCOMPARE(IsSupportedDevice(device), deviceOk);
    QCOMPARE(IsSupportedVersion(version), versionOk);
}

void TestStatusDisplayRules::gsmState_unknownCodesShareTheLastText_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "Инициализация модема";
    QTest::newRow("8") << 8 << "Зарегистрирован в домашней сети";
    QTest::newRow("10") << 10 << "Зарегистрирован в роуменге";
    QTest::newRow("11") << 11 << "Неизвестное состояние GSM модуля";
    QTest::newRow("12") << 12 << "Неизвестное состояние GSM модуля";
    QTest::newRow("255") << 255 << "Неизвестное состояние GSM модуля";
}

void TestStatusDisplayRules::gsmState_unknownCodesShareTheLastText() {
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(TextAt(BuiltInInterfaceTexts().gsmStates, GsmStateTextIndex(static_cast<std::uint8_t>(code)))), text);
}

void TestStatusDisplayRules::armingPanel_captionAndColour_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<ArmColour>("colour");
    QTest::newRow("observation") << 0 << "НАБЛЮДЕНИЕ" << ArmColour::ButtonFace;
    QTest::newRow("armed") << 2 << "ОХРАНА" << ArmColour::Red;
    QTest::newRow("protection") << 3 << "ЗАЩИТА" << ArmColour::Amber;
    QTest::newRow("unknown 4") << 4 << "" << ArmColour::ButtonFace;
    QTest::newRow("failed read") << 255 << "" << ArmColour::ButtonFace;
}

void TestStatusDisplayRules::armingPanel_captionAndColour() {
    QFETCH(int, code);
    QFETCH(QString, caption);
    QFETCH(ArmColour, colour);
    // The steady codes do not depend on what the panel showed before.
    for (ArmColour before : {ArmColour::ButtonFace, ArmColour::Red, ArmColour::Amber}) {
        const ArmPanelLook look = ArmPanelLookFor(static_cast<std::uint8_t>(code), before);
        const QString shown =
            look.textIndex < 0 ? QString() : QString::fromStdString(TextAt(BuiltInInterfaceTexts().armStates, look.textIndex));
        QCOMPARE(shown, caption);
        QCOMPARE(look.colour, colour);
    }
}

void TestStatusDisplayRules::armingPanel_modeChangeBlinksEveryCycle() {
    ArmColour colour = ArmColour::ButtonFace;
    QList<ArmColour> seen;
    for (int cycle = 0; cycle < 3; ++cycle) {
        const ArmPanelLook look = ArmPanelLookFor(1, colour);
        QCOMPARE(QString::fromStdString(TextAt(BuiltInInterfaceTexts().armStates, look.textIndex)), QStringLiteral("Смена режима"));
        colour = look.colour;
        seen << colour;
    }
    QCOMPARE(seen, (QList<ArmColour>{ArmColour::Red, ArmColour::ButtonFace, ArmColour::Red}));
    // From amber (protection shown before) the first blink goes to button face.
    QCOMPARE(ArmPanelLookFor(1, ArmColour::Amber).colour, ArmColour::ButtonFace);
}

void TestStatusDisplayRules::battery_data() {
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("message");
    const QString connected = QStringLiteral("\nАккумулятор подключен");
    const QString missing = QStringLiteral("\nАккумулятор не подключен");
    QTest::newRow("empty") << 0 << "0%" << 0 << connected;
    QTest::newRow("55") << 55 << "55%" << 55 << connected;
    QTest::newRow("full") << 100 << "100%" << 100 << connected;
    QTest::newRow("101") << 101 << "0%" << 0 << missing;
    QTest::newRow("253") << 253 << "0%" << 0 << missing;
    QTest::newRow("test running") << 254 << "0%" << 0
                                  << "Тестирование АКБ,\nподождите (не более 1 мин.)";
    QTest::newRow("255") << 255 << "0%" << 0 << missing;
}

void TestStatusDisplayRules::battery() {
    QFETCH(int, raw);
    QFETCH(QString, percent);
    QFETCH(int, bar);
    QFETCH(QString, message);
    const BatteryLook look = BatteryLookFor(static_cast<std::uint8_t>(raw));
    QCOMPARE(look.percentText, percent);
    QCOMPARE(look.bar, bar);
    QCOMPARE(look.message, message);
}

void TestStatusDisplayRules::mains_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bar");
    const QLocale c = QLocale::c();
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    QTest::newRow("zero") << c << 0 << "0.0 В" << 0;
    QTest::newRow("4 is noise") << c << 4 << "0.0 В" << 0;
    QTest::newRow("5 is shown") << c << 5 << "0.5 В" << 5;
    QTest::newRow("12.4") << c << 124 << "12.4 В" << 124;
    QTest::newRow("system separator") << ru << 124 << "12,4 В" << 124;
    QTest::newRow("above the bar") << c << 200 << "20.0 В" << 200;
}

void TestStatusDisplayRules::mains() {
    QFETCH(QLocale, locale);
    QFETCH(int, raw);
    QFETCH(QString, text);
    QFETCH(int, bar);
    const MainsLook look = MainsLookFor(static_cast<std::uint8_t>(raw), locale);
    QCOMPARE(look.text, text);
    QCOMPARE(look.bar, bar);
}

void TestStatusDisplayRules::temperature_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("barVisible");
    QTest::addColumn<QString>("text");
    const QString shown = QStringLiteral("Текущее значение");
    const QString none = QStringLiteral("Текущее значение температуры не доступно");
    QTest::newRow("25") << 25 << true << shown << true << "25° C";
    QTest::newRow("-5 from 0xFB") << -5 << true << shown << true << "-5° C";
    QTest::newRow("-128") << -128 << true << shown << true << "-128° C";
    QTest::newRow("not valid") << -5 << false << none << false << "";
}

void TestStatusDisplayRules::temperature() {
    QFETCH(int, value);
    QFETCH(bool, valid);
    QFETCH(QString, caption);
    QFETCH(bool, barVisible);
    QFETCH(QString, text);
    const TemperatureLook look =
        TemperatureLookFor(static_cast<std::int8_t>(value), valid, QLocale::c(), QStringLiteral("Текущее значение"));
    QCOMPARE(look.caption, caption);
    QCOMPARE(look.barVisible, barVisible);
    QCOMPARE(look.valueText, text);
    if (valid) QCOMPARE(look.bar, value);
}

void TestStatusDisplayRules::balance_data() {
    QTest::addColumn<bool>("valid");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("not valid") << false << 123.5f << "";
    QTest::newRow("us dollars") << true << 1234.5f << "Баланс лицевого счета: $1,234.50";
    // The float holds 123456.7890625; seven significant digits make it .80.
    QTest::newRow("seven digits") << true << 123456.789f << "Баланс лицевого счета: $123,456.80";
    QTest::newRow("zero") << true << 0.0f << "Баланс лицевого счета: $0.00";
}

void TestStatusDisplayRules::balance() {
    QFETCH(bool, valid);
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(BalanceText(valid, value, QLocale(QLocale::English, QLocale::UnitedStates)), text);
}

void TestStatusDisplayRules::controllerClock_twoDigitsPerValue_data() {
    QTest::addColumn<QList<int>>("clock");  // year, month, day, hour, minute, second
    QTest::addColumn<QString>("text");
    QTest::newRow("leading zeros") << QList<int>{9, 3, 7, 0, 5, 9} << "07.03.09 00:05:09";
    QTest::newRow("two digits") << QList<int>{99, 12, 31, 23, 59, 58} << "31.12.99 23:59:58";
    QTest::newRow("three digits") << QList<int>{123, 1, 1, 0, 0, 0} << "01.01.123 00:00:00";
}

void TestStatusDisplayRules::controllerClock_twoDigitsPerValue() {
    QFETCH(QList<int>, clock);
    QFETCH(QString, text);
    StatusValues s;
    s.year = static_cast<std::uint8_t>(clock[0]);
    s.month = static_cast<std::uint8_t>(clock[1]);
    s.day = static_cast<std::uint8_t>(clock[2]);
    s.hour = static_cast<std::uint8_t>(clock[3]);
    s.minute = static_cast<std::uint8_t>(clock[4]);
    s.second = static_cast<std::uint8_t>(clock[5]);
    QCOMPARE(ControllerClockText(s), text);
}

void TestStatusDisplayRules::pcClock_format() {
    QCOMPARE(PcClockText(QDateTime(QDate(2009, 3, 7), QTime(14, 5, 9))),
             QStringLiteral("07.03.09 14:05:09"));
}

QTEST_GUILESS_MAIN(TestStatusDisplayRules)
#include "tst_status_display_rules.moc"
