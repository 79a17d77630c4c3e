#pragma once
// A strip under the level diagram that paints the alarm zone of the selected
// active level across the converter range, the two barriers and the live value.

#include <QWidget>

namespace krx {

class LevelZoneStrip : public QWidget {
    Q_OBJECT
public:
    explicit LevelZoneStrip(QWidget* parent = nullptr);

    void setState(int alarmLevel, int low, int high, int live, bool alarm);

    QSize sizeHint() const override { return {200, 14}; }
    QSize minimumSizeHint() const override { return {60, 10}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int alarmLevel_ = -1;
    int low_ = 0;
    int high_ = 0;
    int live_ = 0;
    bool alarm_ = false;
};

}  // namespace krx
