// A scenario's waveform picture: the train ends at the first zero duration,
// each step is drawn at its level for its share of the time, and only a
// repeating scenario gets its return mark.

#include <QtTest>

#include "config/default_image.h"
#include "report/scenario_picture.h"

using namespace krx;

namespace {

constexpr std::uint16_t kHigh = 0x8000;

ControlScenario Scenario(std::uint16_t repeat, std::initializer_list<std::uint16_t> steps) {
    ControlScenario s;
    s.repeatCount = repeat;
    std::size_t i = 0;
    for (std::uint16_t w : steps) s.steps[i++] = w;
    return s;
}

// Whether column `x` of the picture has a dark blue pixel within `rows`.
bool TraceIn(const QImage& image, int x, int fromRow, int toRow) {
    for (int y = fromRow; y <= toRow; ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c.blue() > 100 && c.red() < 90 && c.green() < 90) return true;
    }
    return false;
}

}  // namespace

class TestScenarioPicture : public QObject {
    Q_OBJECT
private slots:
    void train_endsAtTheFirstZeroDuration();
    void picture_drawsEachStepAtItsLevelForItsShare();
    void picture_returnMarkOnlyWhenRepeating();
};

void TestScenarioPicture::train_endsAtTheFirstZeroDuration() {
    // Scenario 2 by default: endless H2, L2, H2, L2.
    const ScenarioTrain two = TrainOf(ReadControlScenario(2, DefaultImage()));
    QCOMPARE(int(two.steps.size()), 4);
    QVERIFY(two.steps[0].high && !two.steps[1].high && two.steps[2].high && !two.steps[3].high);
    QCOMPARE(two.totalDuration(), 8);
    // What follows the end mark is never read.
    const ScenarioTrain cut = TrainOf(Scenario(1, {kHigh | 5, 0, kHigh | 7}));
    QCOMPARE(int(cut.steps.size()), 1);
    QCOMPARE(cut.totalDuration(), 5);
    QVERIFY(TrainOf(Scenario(1, {0x8000})).steps.empty());
}

void TestScenarioPicture::picture_drawsEachStepAtItsLevelForItsShare() {
    // High for 1 s, then low for 3 s: the first quarter up, the rest down.
    const QImage picture = ScenarioPicture(Scenario(1, {kHigh | 10, 30}), QSize(720, 90));
    // The drawing area runs from x 10 to 680 and y 10 (high) to 66 (low).
    const int quarter = 10 + 670 / 4;
    QVERIFY(TraceIn(picture, 10 + 40, 8, 12));
    QVERIFY(!TraceIn(picture, 10 + 40, 60, 70));
    QVERIFY(TraceIn(picture, quarter + 40, 60, 70));
    QVERIFY(!TraceIn(picture, quarter + 40, 8, 12));
    QVERIFY(TraceIn(picture, 670, 60, 70));
}

void TestScenarioPicture::picture_returnMarkOnlyWhenRepeating() {
    const auto reddish = [](const QImage& image) {
        for (int x = 681; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 120 && c.green() < 80) return true;
            }
        return false;
    };
    QVERIFY(reddish(ScenarioPicture(Scenario(0, {kHigh | 2, 2}))));
    QVERIFY(reddish(ScenarioPicture(Scenario(3, {kHigh | 2, 2}))));
    QVERIFY(!reddish(ScenarioPicture(Scenario(1, {kHigh | 2, 2}))));
}

QTEST_MAIN(TestScenarioPicture)
#include "tst_scenario_picture.moc"
