// The bytes of the direct commands, derived by hand from the command tables:
// control commands (action, target, parameter) and the clock (year, month,
// day, hour, minute, second), with the check of a typed time.

#include <QtTest>

#include "device/clock_command.h"
#include "device/control_command.h"

using namespace krx;

Q_DECLARE_METATYPE(krx::ControlPayload)
Q_DECLARE_METATYPE(std::optional<krx::ControlPayload>)
Q_DECLARE_METATYPE(krx::ClockPayload)
Q_DECLARE_METATYPE(krx::ClockTextFault)

namespace {

ControlPayload P(std::uint8_t a, std::uint8_t b, std::uint8_t c) { return {a, b, c}; }

}  // namespace

class TestDirectCommandPayloads : public QObject {
    Q_OBJECT
private slots:
    void modeChange_data();
    void modeChange();
    void outputCommands_data();
    void outputCommands();
    void inputImitation_data();
    void inputImitation();
    void clockText_readByFixedPositions_data();
    void clockText_readByFixedPositions();
    void clockCheck_firstImpossibleFieldInOrder_data();
    void clockCheck_firstImpossibleFieldInOrder();
};

void TestDirectCommandPayloads::modeChange_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<ControlPayload>("bytes");
    QTest::newRow("Охрана") << int(SecurityMode::Armed) << P(0, 0, 0);
    QTest::newRow("Наблюдение") << int(SecurityMode::Observation) << P(1, 0, 0);
    QTest::newRow("Защита") << int(SecurityMode::Protection) << P(3, 0, 0);
}

void TestDirectCommandPayloads::modeChange() {
    QFETCH(int, mode);
    QFETCH(ControlPayload, bytes);
    QCOMPARE(ModeChangePayload(SecurityMode(mode)), bytes);
}

void TestDirectCommandPayloads::outputCommands_data() {
    QTest::addColumn<std::optional<ControlPayload>>("made");
    QTest::addColumn<std::optional<ControlPayload>>("bytes");
    using O = std::optional<ControlPayload>;
    QTest::newRow("Реле 1 on") << OutputSwitchPayload(0, true) << O(P(2, 0, 1));
    QTest::newRow("Реле 2 on") << OutputSwitchPayload(1, true) << O(P(2, 1, 1));
    QTest::newRow("Выход 5 off") << OutputSwitchPayload(6, false) << O(P(2, 6, 2));
    QTest::newRow("output 7 none") << OutputSwitchPayload(7, true) << O();
    QTest::newRow("output -1 none") << OutputSwitchPayload(-1, false) << O();
    QTest::newRow("Выход 1, сценарий 1") << OutputScenarioPayload(2, 1) << O(P(2, 2, 3));
    QTest::newRow("Реле 1, сценарий 14") << OutputScenarioPayload(0, 14) << O(P(2, 0, 16));
    QTest::newRow("сценарий 0 none") << OutputScenarioPayload(0, 0) << O();
    QTest::newRow("сценарий 15 none") << OutputScenarioPayload(0, 15) << O();
    QTest::newRow("scenario on output 7 none") << OutputScenarioPayload(7, 1) << O();
}

void TestDirectCommandPayloads::outputCommands() {
    QFETCH(std::optional<ControlPayload>, made);
    QFETCH(std::optional<ControlPayload>, bytes);
    QCOMPARE(made, bytes);
}

void TestDirectCommandPayloads::inputImitation_data() {
    QTest::addColumn<int>("input");
    QTest::addColumn<std::optional<ControlPayload>>("bytes");
    using O = std::optional<ControlPayload>;
    QTest::newRow("first") << 0 << O(P(4, 0, 0));
    QTest::newRow("last") << 15 << O(P(4, 15, 0));
    QTest::newRow("beyond") << 16 << O();
    QTest::newRow("negative") << -1 << O();
}

void TestDirectCommandPayloads::inputImitation() {
    QFETCH(int, input);
    QFETCH(std::optional<ControlPayload>, bytes);
    QCOMPARE(InputImitationPayload(input), bytes);
}

void TestDirectCommandPayloads::clockText_readByFixedPositions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<ClockPayload>("bytes");  // year, month, day, hour, minute, second
    QTest::newRow("synchronising example") << "07.12.26 10:05:30" << ClockPayload{26, 12, 7, 10, 5, 30};
    QTest::newRow("second 75 as typed") << "01.02.27 03:04:75" << ClockPayload{27, 2, 1, 3, 4, 75};
    // A blank ends a field: "3-" is 3, "--" is 0.
    QTest::newRow("blanks") << "3-.1-.-- 0-:--:5-" << ClockPayload{0, 1, 3, 0, 0, 5};
    QTest::newRow("short text") << "15.06" << ClockPayload{0, 6, 15, 0, 0, 0};
    QTest::newRow("empty") << "" << ClockPayload{0, 0, 0, 0, 0, 0};
    // The positions are fixed: a text one character off reads other fields.
    QTest::newRow("shifted") << "7.12.26 10:05:30" << ClockPayload{6, 2, 7, 0, 5, 0};
}

void TestDirectCommandPayloads::clockText_readByFixedPositions() {
    QFETCH(QString, text);
    QFETCH(ClockPayload, bytes);
    QCOMPARE(ClockPayloadFromText(text), bytes);
}

void TestDirectCommandPayloads::clockCheck_firstImpossibleFieldInOrder_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<ClockTextFault>("fault");
    QTest::newRow("sound") << "31.12.99 23:59:59" << ClockTextFault::None;
    QTest::newRow("second unchecked") << "01.01.00 00:00:99" << ClockTextFault::None;
    QTest::newRow("day 32") << "32.12.26 10:05:30" << ClockTextFault::Day;
    QTest::newRow("day before month") << "32.13.26 24:60:00" << ClockTextFault::Day;
    QTest::newRow("month 13") << "01.13.26 24:60:00" << ClockTextFault::Month;
    QTest::newRow("hour 24") << "01.12.26 24:60:00" << ClockTextFault::Hour;
    QTest::newRow("minute 60") << "01.12.26 23:60:00" << ClockTextFault::Minute;
    // No calendar has a day or a month 0 (an untyped field reads 0).
    QTest::newRow("day 0") << "00.12.26 10:05:30" << ClockTextFault::Day;
    QTest::newRow("month 0") << "07.00.26 10:05:30" << ClockTextFault::Month;
    QTest::newRow("all blank") << "--.--.-- --:--:--" << ClockTextFault::Day;
}

void TestDirectCommandPayloads::clockCheck_firstImpossibleFieldInOrder() {
    QFETCH(QString, text);
    QFETCH(ClockTextFault, fault);
    QCOMPARE(CheckClockText(ReadClockText(text)), fault);
}

QTEST_APPLESS_MAIN(TestDirectCommandPayloads)
#include "tst_direct_command_payloads.moc"
