// The level diagram as the input page uses it: barrier coupling on the
// sliders, labels per sensor type, and the alarm colour of the live value.

#include <QtTest>

#include <QLabel>
#include <QProgressBar>
#include <QSlider>

#include "app/live/input_level_diagram.h"
#include "app/widgets/widget_colours.h"

using namespace krx;

class TestInputLevelDiagram : public QObject {
    Q_OBJECT
private slots:
    void controls_carryTheirNames();
    void lowAboveHigh_dragsHighAndReportsBoth();
    void highBelowLow_dragsLow();
    void discreteVolts_labels();
    void analogue_asksForCalibrationButtonAndScalePanel();
    void hysteresis_keepsColourBetweenBarriers();
    void liveValue_beyondRangeIsClamped();
};

void TestInputLevelDiagram::controls_carryTheirNames() {
    InputLevelDiagram d;
    for (const char* name : {"ProgressBarCurrentVal", "TrackBarHiBarrier", "TrackBarLoBarrier",
                             "LabelHiBarrier", "LabelLoBarrier", "LabelCurrentVal"}) {
        QVERIFY2(d.findChild<QWidget*>(QLatin1String(name)), name);
    }
    QCOMPARE(d.findChild<QSlider*>("TrackBarHiBarrier")->maximum(), 4095);
    QCOMPARE(d.findChild<QProgressBar*>("ProgressBarCurrentVal")->maximum(), 4095);
}

void TestInputLevelDiagram::lowAboveHigh_dragsHighAndReportsBoth() {
    InputLevelDiagram d;
    d.setSensorType(kSensorDiscrete);
    d.setBarriers(2730, 1365);
    QSignalSpy edited(&d, &InputLevelDiagram::barriersEdited);
    d.lowSlider()->setValue(3000);
    QCOMPARE(d.highBarrier(), 3000);
    QCOMPARE(d.lowBarrier(), 3000);
    QCOMPARE(edited.count(), 1);
    QCOMPARE(edited.first().at(0).toInt(), 3000);
    QCOMPARE(edited.first().at(1).toInt(), 3000);
}

void TestInputLevelDiagram::highBelowLow_dragsLow() {
    InputLevelDiagram d;
    d.setBarriers(2730, 1365);
    d.highSlider()->setValue(500);
    QCOMPARE(d.highBarrier(), 500);
    QCOMPARE(d.lowBarrier(), 500);
}

void TestInputLevelDiagram::discreteVolts_labels() {
    InputLevelDiagram d;
    d.setSensorType(kSensorDiscrete);
    d.setUnitCaption(kUnitCaptionVolts);
    d.setBarriers(4095, 0);
    d.setLiveValue(4095);
    QCOMPARE(d.highLabel()->text(), QStringLiteral("10 В"));
    QCOMPARE(d.lowLabel()->text(), QStringLiteral("0 В"));
    QCOMPARE(d.liveLabel()->text(), QStringLiteral("10 В"));
}

void TestInputLevelDiagram::analogue_asksForCalibrationButtonAndScalePanel() {
    InputLevelDiagram d;
    QSignalSpy unit(&d, &InputLevelDiagram::unitControlsChanged);
    d.setSensorType(kSensorAnalogue);
    d.setScaleTexts("4", "20");
    d.setBarriers(4095, 0);
    d.setLiveValue(4095);
    QCOMPARE(d.liveLabel()->text(), QStringLiteral("20"));
    QCOMPARE(d.lowLabel()->text(), QStringLiteral("4"));
    QVERIFY(!unit.isEmpty());
    QCOMPARE(unit.last().at(0).toBool(), true);
    QCOMPARE(unit.last().at(1).toString(), QStringLiteral("K"));
    QCOMPARE(unit.last().at(2).toBool(), true);
    QCOMPARE(d.unitCaption(), QStringLiteral("K"));
}

void TestInputLevelDiagram::hysteresis_keepsColourBetweenBarriers() {
    InputLevelDiagram d;
    d.setSensorType(kSensorDiscrete);
    d.setAlarmLevel(4);
    d.setBarriers(3000, 1000);
    QList<bool> red;
    for (int v : {900, 2000, 3100, 2000}) {
        d.setLiveValue(v);
        red << (BackgroundColour(d.liveLabel()) == QColor(0xFF0000));
        QCOMPARE(d.alarmShown(), red.last());
    }
    QCOMPARE(red, (QList<bool>{true, true, false, false}));
    QCOMPARE(BackgroundColour(d.liveLabel()), ButtonFaceColour());
}

void TestInputLevelDiagram::liveValue_beyondRangeIsClamped() {
    InputLevelDiagram d;
    d.setSensorType(kSensorDiscrete);
    d.setLiveValue(5000);
    QCOMPARE(d.liveValue(), 4095);
    d.setLiveValue(-3);
    QCOMPARE(d.liveValue(), 0);
}

QTEST_MAIN(TestInputLevelDiagram)
#include "tst_input_level_diagram.moc"
