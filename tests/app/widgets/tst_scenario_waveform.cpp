// The waveform geometry of a scenario row: levels, the ends of every
// segment, and the return line of a cyclic row.

#include <QtTest>

#include "app/widgets/scenario_waveform.h"

using namespace krx;

namespace {

// Three 40 x 20 cells side by side from x = 100, y = 10..30: high at
// y = 15, low at y = 25.
std::vector<QRectF> Cells() {
    return {QRectF(100, 10, 40, 20), QRectF(140, 10, 40, 20), QRectF(180, 10, 40, 20),
            QRectF(220, 10, 40, 20)};
}

}  // namespace

class TestScenarioWaveform : public QObject {
    Q_OBJECT
private slots:
    void lowStart_threeSteps_alternates();
    void highStart_oneStep_isOneSegment();
    void cyclic_hasReturnLineOnlyWhenItsStartIsVisible();
    void noSteps_drawsNothing();
};

void TestScenarioWaveform::lowStart_threeSteps_alternates() {
    const WaveformGeometry g = ComputeWaveform({false, 3, false}, Cells(), true);
    // Low over cell 1, an edge up, high over cell 2, an edge down, low over 3.
    const std::vector<QPointF> expected = {{100, 25}, {140, 25}, {140, 15}, {180, 15},
                                           {180, 25}, {220, 25}};
    QCOMPARE(g.train, expected);
    QVERIFY(!g.returnLine);
}

void TestScenarioWaveform::highStart_oneStep_isOneSegment() {
    const WaveformGeometry g = ComputeWaveform({true, 1, false}, Cells(), true);
    QCOMPARE(g.train, (std::vector<QPointF>{{100, 15}, {140, 15}}));
}

void TestScenarioWaveform::cyclic_hasReturnLineOnlyWhenItsStartIsVisible() {
    const WaveformGeometry g = ComputeWaveform({true, 2, true}, Cells(), true);
    QVERIFY(g.returnLine);
    // From the end of step 2 back to the start of step 1, 2 px above the
    // cells' bottom.
    QCOMPARE(*g.returnLine, QLineF(180, 28, 100, 28));
    QVERIFY(!ComputeWaveform({true, 2, true}, Cells(), false).returnLine);
}

void TestScenarioWaveform::noSteps_drawsNothing() {
    const WaveformGeometry g = ComputeWaveform({true, 0, true}, Cells(), true);
    QVERIFY(g.train.empty());
    QVERIFY(!g.returnLine);
}

QTEST_APPLESS_MAIN(TestScenarioWaveform)
#include "tst_scenario_waveform.moc"
