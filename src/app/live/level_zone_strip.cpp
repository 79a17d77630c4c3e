#include "app/live/level_zone_strip.h"

#include <QPainter>

#include "app/widgets/widget_colours.h"
#include "monitor/input_level_rules.h"

namespace krx {

LevelZoneStrip::LevelZoneStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LevelZoneStrip"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void LevelZoneStrip::setState(int alarmLevel, int low, int high, int live, bool alarm) {
    alarmLevel_ = alarmLevel;
    low_ = low;
    high_ = high;
    live_ = live;
    alarm_ = alarm;
    update();
}

void LevelZoneStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    auto x = [&r](int counts) {
        return r.left() + static_cast<int>(static_cast<qint64>(r.width()) * counts / kLevelMaximum);
    };
    p.fillRect(r, ButtonFaceColour().darker(105));
    const QColor zone = kColourRed.lighter(150);
    auto fill = [&](int from, int to, Qt::BrushStyle style) {
        if (to < from) return;
        p.fillRect(QRect(QPoint(x(from), r.top()), QPoint(x(to), r.bottom())), QBrush(zone, style));
    };
    switch (alarmLevel_) {
        case 0:
            fill(0, low_, Qt::SolidPattern);
            fill(high_, kLevelMaximum, Qt::SolidPattern);
            break;
        case 1:
            fill(0, low_, Qt::SolidPattern);
            break;
        case 2:
            fill(low_, high_, Qt::SolidPattern);
            break;
        case 3:
            fill(high_, kLevelMaximum, Qt::SolidPattern);
            break;
        case 4:  // between the barriers the state holds: hatched
            fill(0, low_, Qt::SolidPattern);
            fill(low_, high_, Qt::BDiagPattern);
            break;
        case 5:
            fill(high_, kLevelMaximum, Qt::SolidPattern);
            fill(low_, high_, Qt::BDiagPattern);
            break;
        default:
            break;
    }
    p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DashLine));
    p.drawLine(x(low_), r.top(), x(low_), r.bottom());
    p.drawLine(x(high_), r.top(), x(high_), r.bottom());
    p.setPen(QPen(alarm_ ? kColourRed : palette().color(QPalette::WindowText), 3));
    p.drawLine(x(live_), r.top(), x(live_), r.bottom());
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(r);
}

}  // namespace krx
