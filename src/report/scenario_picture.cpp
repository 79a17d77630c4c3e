#include "report/scenario_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace krx {

int ScenarioTrain::totalDuration() const {
    int total = 0;
    for (const Step& s : steps) total += s.duration;
    return total;
}

ScenarioTrain TrainOf(const ControlScenario& scenario) {
    using namespace scenario_layout;
    ScenarioTrain train;
    for (std::uint16_t word : scenario.steps) {
        const int duration = word & kDurationMask;
        if (duration == 0) break;
        train.steps.push_back({(word & kHighLevel) != 0, duration});
    }
    return train;
}

namespace {

// A duration of 100 ms units in seconds: "0.5", "2".
QString DurationLabel(int units) {
    if (units % 10 != 0) return QString::number(units / 10.0, 'f', 1);
    return QString::number(units / 10);
}

}  // namespace

QImage ScenarioPicture(const ControlScenario& scenario, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const ScenarioTrain train = TrainOf(scenario);
    const QRectF area(10, 10, size.width() - 50, size.height() - 34);
    p.setPen(QPen(QColor(200, 200, 200), 1, Qt::DashLine));
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.drawLine(area.topLeft(), area.topRight());
    if (train.steps.empty()) return image;

    const double perUnit = area.width() / train.totalDuration();
    const auto levelY = [&](bool high) { return high ? area.top() : area.bottom(); };
    QPainterPath path(QPointF(area.left(), levelY(train.steps.front().high)));
    double x = area.left();
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    std::vector<std::pair<QRectF, QString>> labels;
    for (std::size_t i = 0; i < train.steps.size(); ++i) {
        const auto& step = train.steps[i];
        const double y = levelY(step.high);
        path.lineTo(x, y);
        const double end = x + step.duration * perUnit;
        path.lineTo(end, y);
        labels.push_back({QRectF(x, area.bottom() + 2, end - x, 18), DurationLabel(step.duration)});
        x = end;
    }
    p.setPen(QPen(QColor(0, 0, 160), 2));
    p.drawPath(path);
    p.setPen(Qt::black);
    for (const auto& [rect, text] : labels) {
        if (p.fontMetrics().horizontalAdvance(text) < rect.width()) p.drawText(rect, Qt::AlignCenter, text);
    }
    // A repeating scenario starts again: an arrow back to its first level.
    if (scenario.repeatCount != scenario_layout::kPlayedOnce) {
        const double right = area.right() + 30;
        p.setPen(QPen(QColor(160, 0, 0), 1.5));
        p.drawLine(QPointF(area.right(), area.center().y()), QPointF(right, area.center().y()));
        p.drawText(QRectF(area.right() + 2, area.top(), 36, 14), Qt::AlignCenter,
                   scenario.repeatCount == 0 ? QStringLiteral("∞") : QStringLiteral("×%1").arg(scenario.repeatCount));
    }
    return image;
}

}  // namespace krx
