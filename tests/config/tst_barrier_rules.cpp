// The alarm zone of an input: barrier readings per sensor type, the zone rule
// with its hysteresis levels, barrier coupling and the reading of typed
// decimal numbers. Expected texts worked out by hand from the formulas.

#include <QtTest>

#include <limits>

#include "config/barrier_rules.h"

using namespace krx;

class TestBarrierRules : public QObject {
    Q_OBJECT
private slots:
    void reading_bySensorType_data();
    void reading_bySensorType();
    void reading_noTypeSelected_keepsLabel();
    void thx21_truncatesTowardsZero_data();
    void thx21_truncatesTowardsZero();
    void zone_staticLevels_data();
    void zone_staticLevels();
    void zone_hysteresisKeepsStateBetweenBarriers_data();
    void zone_hysteresisKeepsStateBetweenBarriers();
    void coupling_keepsLowNotAboveHigh_data();
    void coupling_keepsLowNotAboveHigh();
    void decimalNumber_leadingNumberOrZero_data();
    void decimalNumber_leadingNumberOrZero();
};

void TestBarrierRules::reading_bySensorType_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("minVal");
    QTest::addColumn<double>("maxVal");
    QTest::addColumn<bool>("percent");
    QTest::addColumn<QString>("text");
    // 10 x 4095 / 4095
    QTest::newRow("discrete top volts") << 1 << 4095 << 0.0 << 0.0 << false << "10 В";
    // 10 x 1000 / 4095 = 2.442..
    QTest::newRow("discrete volts 3 digits") << 1 << 1000 << 0.0 << 0.0 << false << "2,44 В";
    QTest::newRow("disabled reads volts") << 0 << 0 << 0.0 << 0.0 << false << "0 В";
    // 100 x 2048 / 4095 = 50.012..
    QTest::newRow("discrete percent") << 1 << 2048 << 0.0 << 0.0 << true << "50 %";
    // 4 + 16 x 4095 / 4095
    QTest::newRow("analog top") << 2 << 4095 << 4.0 << 20.0 << false << "20";
    // 4 + 16 x 1000 / 4095 = 7.9072..
    QTest::newRow("analog 4 digits") << 2 << 1000 << 4.0 << 20.0 << false << "7,907";
    QTest::newRow("analog ignores percent") << 2 << 0 << 4.0 << 20.0 << true << "4";
    // (0 - 984100) / 196 = -5020.9 -> -5020
    QTest::newRow("thx21 bottom") << 3 << 0 << 0.0 << 0.0 << false << "-50,2° C";
    // (6552000 - 984100) / 196 = 28407.6 -> 28407 -> 284.07
    QTest::newRow("thx21 top") << 3 << 4095 << 0.0 << 0.0 << false << "284° C";
    // (3276800 - 984100) / 196 = 11697.4 -> 116.97
    QTest::newRow("thx21 middle") << 3 << 2048 << 0.0 << 0.0 << false << "117° C";
    // -50 + 200 x 2048 / 4095 = 50.0244..
    QTest::newRow("thx31 middle") << 4 << 2048 << -50.0 << 150.0 << false << "50,02° C";
    QTest::newRow("thx31 top") << 4 << 4095 << -50.0 << 150.0 << false << "150° C";
    // Equal ends: every code reads the same value.
    QTest::newRow("analog equal ends") << 2 << 3000 << 5.0 << 5.0 << false << "5";
    QTest::newRow("code above range reads as top") << 1 << 5000 << 0.0 << 0.0 << false << "10 В";
}

void TestBarrierRules::reading_bySensorType() {
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(double, minVal);
    QFETCH(double, maxVal);
    QFETCH(bool, percent);
    QFETCH(QString, text);
    const auto reading = BarrierReading(code, type, minVal, maxVal, ',',
                                        percent ? LevelUnit::Percent : LevelUnit::Volts);
    QVERIFY(reading.has_value());
    QCOMPARE(QString::fromStdString(*reading), text);
}

void TestBarrierRules::reading_noTypeSelected_keepsLabel() {
    QVERIFY(!BarrierReading(100, -1, 0.0, 10.0, ',').has_value());
    QVERIFY(!BarrierReading(100, 5, 0.0, 10.0, ',').has_value());
}

void TestBarrierRules::thx21_truncatesTowardsZero_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("hundredths");
    QTest::newRow("0") << 0 << -5020;
    // 1600 x 614 - 984100 = -1700; / 196 = -8.67 -> -8 (not -9)
    QTest::newRow("614") << 614 << -8;
    // -100 / 196 = -0.51 -> 0
    QTest::newRow("615") << 615 << 0;
    QTest::newRow("4095") << 4095 << 28407;
}

void TestBarrierRules::thx21_truncatesTowardsZero() {
    QFETCH(int, code);
    QFETCH(int, hundredths);
    QCOMPARE(Thx21Hundredths(code), hundredths);
}

void TestBarrierRules::zone_staticLevels_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("active");
    // Barriers 1000 .. 3000 throughout; the previous state is "active" so
    // that a static level visibly ignores it.
    QTest::newRow("0 below") << 0 << 999 << true;
    QTest::newRow("0 at low") << 0 << 1000 << true;
    QTest::newRow("0 between") << 0 << 2000 << false;
    QTest::newRow("0 at high") << 0 << 3000 << true;
    QTest::newRow("1 at low") << 1 << 1000 << true;
    QTest::newRow("1 above high") << 1 << 3500 << false;
    QTest::newRow("2 at low") << 2 << 1000 << true;
    QTest::newRow("2 at high") << 2 << 3000 << true;
    QTest::newRow("2 below") << 2 << 999 << false;
    QTest::newRow("2 above") << 2 << 3001 << false;
    QTest::newRow("3 at high") << 3 << 3000 << true;
    QTest::newRow("3 below high") << 3 << 2999 << false;
}

void TestBarrierRules::zone_staticLevels() {
    QFETCH(int, level);
    QFETCH(int, code);
    QFETCH(bool, active);
    QCOMPARE(ZoneActive(level, code, 1000, 3000, true), active);
    QCOMPARE(ZoneActive(level, code, 1000, 3000, false), active);
}

void TestBarrierRules::zone_hysteresisKeepsStateBetweenBarriers_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QList<bool>>("states");
    // Starting passive, barriers 1000 .. 3000.
    QTest::newRow("4 low hysteresis") << 4 << QList<int>{2000, 900, 2000, 3100, 2000}
                                      << QList<bool>{false, true, true, false, false};
    QTest::newRow("5 high hysteresis") << 5 << QList<int>{2000, 3000, 2000, 1000, 2000}
                                       << QList<bool>{false, true, true, false, false};
    QTest::newRow("no level keeps state") << -1 << QList<int>{0, 4095}
                                          << QList<bool>{false, false};
}

void TestBarrierRules::zone_hysteresisKeepsStateBetweenBarriers() {
    QFETCH(int, level);
    QFETCH(QList<int>, codes);
    QFETCH(QList<bool>, states);
    bool active = false;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        active = ZoneActive(level, codes[i], 1000, 3000, active);
        QCOMPARE(active, states[i]);
    }
}

void TestBarrierRules::coupling_keepsLowNotAboveHigh_data() {
    QTest::addColumn<bool>("moveHigh");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    // Starting from lo 1000, hi 3000.
    QTest::newRow("high within") << true << 2000 << 1000 << 2000;
    QTest::newRow("high below low drags low") << true << 500 << 500 << 500;
    QTest::newRow("high beyond slider") << true << 5000 << 1000 << 4095;
    QTest::newRow("low within") << false << 2500 << 2500 << 3000;
    QTest::newRow("low above high pushes high") << false << 3500 << 3500 << 3500;
    QTest::newRow("low below slider") << false << -7 << 0 << 3000;
}

void TestBarrierRules::coupling_keepsLowNotAboveHigh() {
    QFETCH(bool, moveHigh);
    QFETCH(int, code);
    QFETCH(int, lo);
    QFETCH(int, hi);
    int low = 1000;
    int high = 3000;
    if (moveHigh) {
        MoveHiBarrier(code, high, low);
    } else {
        MoveLoBarrier(code, low, high);
    }
    QCOMPARE(low, lo);
    QCOMPARE(high, hi);
}

void TestBarrierRules::decimalNumber_leadingNumberOrZero_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << "2,5" << 2.5;
    QTest::newRow("point") << "2.5" << 2.5;
    QTest::newRow("leading number") << "12.5abc" << 12.5;
    QTest::newRow("blanks and sign") << "  -3e2x" << -300.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "2e+" << 2.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("no hexadecimal") << "0x10" << 0.0;
    QTest::newRow("no infinity word") << "inf" << 0.0;
    QTest::newRow("too small") << "1e-400" << 0.0;
    QTest::newRow("too large") << "1e400" << std::numeric_limits<double>::max();
    QTest::newRow("too large negative") << "-0.01e999" << -std::numeric_limits<double>::max();
}

void TestBarrierRules::decimalNumber_leadingNumberOrZero() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ReadDecimalNumber(text.toStdString()), value);
}

QTEST_APPLESS_MAIN(TestBarrierRules)
#include "tst_barrier_rules.moc"
