// The input level display: labels per sensor type and unit, the alarm colour
// with its hysteresis, barrier coupling and calibration.

#include <QtTest>

#include "monitor/input_level_rules.h"

using namespace krx;

class TestInputLevelRules : public QObject {
    Q_OBJECT
private slots:
    void readScaleNumber_data();
    void readScaleNumber();

    void labels_discreteAndDisabled_data();
    void labels_discreteAndDisabled();
    void labels_analogueScale_data();
    void labels_analogueScale();
    void labels_thx21_data();
    void labels_thx21();
    void labels_noSensorTypeChangesNothing();

    void alarm_levels_data();
    void alarm_levels();
    void alarm_hysteresisKeepsColourBetweenBarriers();

    void barriers_followEachOther_data();
    void barriers_followEachOther();
    void unitButton_toggles_data();
    void unitButton_toggles();
    void calibration_shiftsScaleSoLiveReadsWanted();
};

void TestInputLevelRules::readScaleNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("not a number") << "abc" << 0.0;
    QTest::newRow("comma") << "4,5" << 4.5;
    QTest::newRow("point") << "4.5" << 4.5;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("blanks and sign") << " -3.5x" << -3.5;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("bare exponent letter") << "1e" << 1.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("second comma ends it") << "1,2,3" << 1.2;
}

void TestInputLevelRules::readScaleNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ReadScaleNumber(text), value);
}

void TestInputLevelRules::labels_discreteAndDisabled_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("live");
    QTest::addColumn<QString>("captionAfter");
    QTest::addColumn<QStringList>("labels");  // high, low, live
    QTest::newRow("volts at the top") << 1 << "%" << 4095 << 0 << 4095 << "%"
                                      << QStringList{"10 В", "0 В", "10 В"};
    QTest::newRow("percent, three digits") << 1 << "В" << 2048 << 1365 << 0 << "В"
                                           << QStringList{"50 %", "33.3 %", "0 %"};
    QTest::newRow("disabled input in volts") << 0 << "%" << 2730 << 1365 << 1000 << "%"
                                             << QStringList{"6.67 В", "3.33 В", "2.44 В"};
    QTest::newRow("calibration caption becomes percent")
        << 1 << "K" << 4095 << 0 << 0 << "В" << QStringList{"100 %", "0 %", "0 %"};
}

void TestInputLevelRules::labels_discreteAndDisabled() {
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(int, live);
    QFETCH(QString, captionAfter);
    QFETCH(QStringList, labels);
    LevelLabelInputs in;
    in.sensorType = type;
    in.unitCaption = caption;
    in.high = high;
    in.low = low;
    in.live = live;
    const auto out = ComputeLevelLabels(in, '.');
    QVERIFY(out.has_value());
    QCOMPARE((QStringList{out->high, out->low, out->live}), labels);
    QCOMPARE(out->unitCaption, captionAfter);
    QVERIFY(out->unitButtonVisible);
    QVERIFY(!out->analoguePanelVisible);
}

void TestInputLevelRules::labels_analogueScale_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("minText");
    QTest::addColumn<QString>("maxText");
    QTest::addColumn<int>("live");
    QTest::addColumn<QString>("liveText");
    QTest::newRow("4..20 at the top") << 2 << "4" << "20" << 4095 << "20";
    QTest::newRow("comma accepted") << 2 << "4,5" << "20" << 0 << "4.5";
    QTest::newRow("four digits") << 2 << "" << "10" << 2048 << "5.001";
    QTest::newRow("equal ends show min") << 2 << "7" << "7" << 3000 << "7";
    QTest::newRow("thx-31 in degrees") << 4 << "-50" << "150" << 4095 << "150° C";
    QTest::newRow("thx-31 bottom") << 4 << "-50" << "150" << 0 << "-50° C";
}

void TestInputLevelRules::labels_analogueScale() {
    QFETCH(int, type);
    QFETCH(QString, minText);
    QFETCH(QString, maxText);
    QFETCH(int, live);
    QFETCH(QString, liveText);
    LevelLabelInputs in;
    in.sensorType = type;
    in.unitCaption = QStringLiteral("В");
    in.minText = minText;
    in.maxText = maxText;
    in.live = live;
    in.high = 4095;
    in.low = 0;
    const auto out = ComputeLevelLabels(in, '.');
    QVERIFY(out.has_value());
    QCOMPARE(out->live, liveText);
    QCOMPARE(out->unitCaption, QStringLiteral("K"));
    QVERIFY(out->unitButtonVisible);
    QVERIFY(out->analoguePanelVisible);
}

void TestInputLevelRules::labels_thx21_data() {
    QTest::addColumn<int>("counts");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("text");
    QTest::newRow("bottom") << 0 << '.' << "-50.2° C";
    QTest::newRow("middle") << 2048 << '.' << "117° C";
    QTest::newRow("top") << 4095 << '.' << "284° C";
    QTest::newRow("system separator") << 0 << ',' << "-50,2° C";
}

void TestInputLevelRules::labels_thx21() {
    QFETCH(int, counts);
    QFETCH(char, separator);
    QFETCH(QString, text);
    LevelLabelInputs in;
    in.sensorType = kSensorThx21;
    in.unitCaption = QStringLiteral("%");
    in.high = counts;
    in.low = counts;
    in.live = counts;
    const auto out = ComputeLevelLabels(in, separator);
    QVERIFY(out.has_value());
    QCOMPARE(out->high, text);
    QCOMPARE(out->low, text);
    QCOMPARE(out->live, text);
    QVERIFY(!out->unitButtonVisible);
    QVERIFY(!out->analoguePanelVisible);
}

void TestInputLevelRules::labels_noSensorTypeChangesNothing() {
    LevelLabelInputs in;
    in.sensorType = -1;
    QVERIFY(!ComputeLevelLabels(in, '.').has_value());
    in.sensorType = 5;
    QVERIFY(!ComputeLevelLabels(in, '.').has_value());
}

void TestInputLevelRules::alarm_levels_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("live");
    QTest::addColumn<bool>("alarm");
    // Barriers L = 1000, H = 3000 in every row.
    QTest::newRow("0: at low") << 0 << 1000 << true;
    QTest::newRow("0: between") << 0 << 2000 << false;
    QTest::newRow("0: at high") << 0 << 3000 << true;
    QTest::newRow("1: at low") << 1 << 1000 << true;
    QTest::newRow("1: above high") << 1 << 3500 << false;
    QTest::newRow("2: at low") << 2 << 1000 << true;
    QTest::newRow("2: at high") << 2 << 3000 << true;
    QTest::newRow("2: below low") << 2 << 999 << false;
    QTest::newRow("3: at high") << 3 << 3000 << true;
    QTest::newRow("3: below high") << 3 << 2999 << false;
}

void TestInputLevelRules::alarm_levels() {
    QFETCH(int, level);
    QFETCH(int, live);
    QFETCH(bool, alarm);
    // The plain levels ignore what was shown before.
    QCOMPARE(NextAlarmState(level, live, 1000, 3000, false), alarm);
    QCOMPARE(NextAlarmState(level, live, 1000, 3000, true), alarm);
}

void TestInputLevelRules::alarm_hysteresisKeepsColourBetweenBarriers() {
    bool alarm = false;
    QList<bool> low;
    for (int v : {900, 2000, 3100, 2000}) low << (alarm = NextAlarmState(4, v, 1000, 3000, alarm));
    QCOMPARE(low, (QList<bool>{true, true, false, false}));

    alarm = false;
    QList<bool> high;
    for (int v : {2000, 3100, 2000, 900, 2000}) {
        high << (alarm = NextAlarmState(5, v, 1000, 3000, alarm));
    }
    QCOMPARE(high, (QList<bool>{false, true, true, false, false}));

    // No level selected: the colour stays as it is.
    QCOMPARE(NextAlarmState(-1, 0, 1000, 3000, true), true);
    QCOMPARE(NextAlarmState(-1, 0, 1000, 3000, false), false);
}

void TestInputLevelRules::barriers_followEachOther_data() {
    QTest::addColumn<bool>("highMoved");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("highAfter");
    QTest::addColumn<int>("lowAfter");
    QTest::newRow("high below low drags low") << true << 500 << 1365 << 500 << 500;
    QTest::newRow("high above low stays") << true << 3000 << 1365 << 3000 << 1365;
    QTest::newRow("low above high drags high") << false << 2730 << 3500 << 3500 << 3500;
    QTest::newRow("low below high stays") << false << 2730 << 100 << 2730 << 100;
}

void TestInputLevelRules::barriers_followEachOther() {
    QFETCH(bool, highMoved);
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(int, highAfter);
    QFETCH(int, lowAfter);
    const Barriers b{high, low};
    const Barriers after = highMoved ? AfterHighBarrierMoved(b) : AfterLowBarrierMoved(b);
    QCOMPARE(after.high, highAfter);
    QCOMPARE(after.low, lowAfter);
}

void TestInputLevelRules::unitButton_toggles_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("after");
    QTest::newRow("percent to volts") << "В" << "%";
    QTest::newRow("volts to percent") << "%" << "В";
    QTest::newRow("anything else to percent") << "K" << "В";
}

void TestInputLevelRules::unitButton_toggles() {
    QFETCH(QString, caption);
    QFETCH(QString, after);
    QCOMPARE(ToggledUnitCaption(caption), after);
}

void TestInputLevelRules::calibration_shiftsScaleSoLiveReadsWanted() {
    // Live 2048 on 0..10 reads 5.001221...; wanting 6 shifts by 0.998779.
    const ScaleTexts scale = CalibratedScale({"0", "10"}, 2048, 6.0, '.');
    QCOMPARE(scale.minText, QStringLiteral("0.998779"));
    QCOMPARE(scale.maxText, QStringLiteral("10.99878"));

    LevelLabelInputs in;
    in.sensorType = kSensorAnalogue;
    in.minText = scale.minText;
    in.maxText = scale.maxText;
    in.live = 2048;
    QCOMPARE(ComputeLevelLabels(in, '.')->live, QStringLiteral("6"));

    // Comma-typed scales calibrate too, and the result uses the separator asked for.
    const ScaleTexts comma = CalibratedScale({"4,5", "20"}, 0, 5.0, ',');
    QCOMPARE(comma.minText, QStringLiteral("5"));
    QCOMPARE(comma.maxText, QStringLiteral("20,5"));
}

QTEST_GUILESS_MAIN(TestInputLevelRules)
#include "tst_input_level_rules.moc"
