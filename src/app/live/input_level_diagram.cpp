#include "app/live/input_level_diagram.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>

#include "app/live/level_zone_strip.h"
#include "app/widgets/widget_colours.h"
#include "monitor/status_display_rules.h"

namespace krx {
namespace {

QSlider* MakeBarrier(const QString& name, QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(0, kLevelMaximum);
    s->setPageStep(64);
    return s;
}

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

InputLevelDiagram::InputLevelDiagram(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("InputLevelDiagram"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    highSlider_ = MakeBarrier(QStringLiteral("TrackBarHiBarrier"), this);
    lowSlider_ = MakeBarrier(QStringLiteral("TrackBarLoBarrier"), this);
    liveBar_ = new QProgressBar(this);
    liveBar_->setObjectName(QStringLiteral("ProgressBarCurrentVal"));
    liveBar_->setRange(0, kLevelMaximum);
    liveBar_->setValue(0);
    liveBar_->setTextVisible(false);
    highLabel_ = MakeLabel(QStringLiteral("LabelHiBarrier"), QString(), this);
    lowLabel_ = MakeLabel(QStringLiteral("LabelLoBarrier"), QString(), this);
    liveLabel_ = MakeLabel(QStringLiteral("LabelCurrentVal"), QString(), this);
    liveLabel_->setAutoFillBackground(true);
    for (QLabel* l : {highLabel_, lowLabel_, liveLabel_}) {
        l->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-00.00° C__")));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    strip_ = new LevelZoneStrip(this);

    grid->addWidget(MakeLabel(QStringLiteral("Label152"),
                              QStringLiteral("Верхняя граница"), this), 0, 0);
    grid->addWidget(highSlider_, 0, 1);
    grid->addWidget(highLabel_, 0, 2);
    grid->addWidget(MakeLabel(QStringLiteral("Label93"),
                              QStringLiteral("Текущее значение"), this), 1, 0);
    grid->addWidget(liveBar_, 1, 1);
    grid->addWidget(liveLabel_, 1, 2);
    grid->addWidget(MakeLabel(QStringLiteral("Label151"),
                              QStringLiteral("Нижняя граница"), this), 2, 0);
    grid->addWidget(lowSlider_, 2, 1);
    grid->addWidget(lowLabel_, 2, 2);
    grid->addWidget(strip_, 3, 1);
    grid->setColumnStretch(1, 1);

    SetBackgroundColour(liveLabel_, ButtonFaceColour());
    connect(highSlider_, &QSlider::valueChanged, this, &InputLevelDiagram::highMoved);
    connect(lowSlider_, &QSlider::valueChanged, this, &InputLevelDiagram::lowMoved);
}

void InputLevelDiagram::setAlarmLevel(int index) { alarmLevel_ = index; }

void InputLevelDiagram::setScaleTexts(const QString& minText, const QString& maxText) {
    minText_ = minText;
    maxText_ = maxText;
}

void InputLevelDiagram::setBarriers(int high, int low) {
    const QSignalBlocker blockHigh(highSlider_);
    const QSignalBlocker blockLow(lowSlider_);
    highSlider_->setValue(high);
    lowSlider_->setValue(low);
}

int InputLevelDiagram::highBarrier() const { return highSlider_->value(); }
int InputLevelDiagram::lowBarrier() const { return lowSlider_->value(); }

void InputLevelDiagram::setLiveValue(int counts) {
    liveBar_->setValue(qBound(0, counts, kLevelMaximum));
    refresh();
}

int InputLevelDiagram::liveValue() const { return liveBar_->value(); }

void InputLevelDiagram::highMoved(int value) {
    applyBarriers(AfterHighBarrierMoved({value, lowSlider_->value()}));
}

void InputLevelDiagram::lowMoved(int value) {
    applyBarriers(AfterLowBarrierMoved({highSlider_->value(), value}));
}

void InputLevelDiagram::applyBarriers(const Barriers& b) {
    if (applying_) return;
    applying_ = true;
    highSlider_->setValue(b.high);
    lowSlider_->setValue(b.low);
    applying_ = false;
    refresh();
    emit barriersEdited(b.high, b.low);
}

void InputLevelDiagram::refreshLabels() {
    LevelLabelInputs in;
    in.sensorType = sensorType_;
    in.unitCaption = unitCaption_;
    in.live = liveBar_->value();
    in.high = highSlider_->value();
    in.low = lowSlider_->value();
    in.highMaximum = highSlider_->maximum();
    in.lowMaximum = lowSlider_->maximum();
    in.minText = minText_;
    in.maxText = maxText_;
    const auto out = ComputeLevelLabels(in, DecimalSeparator(QLocale::system()));
    if (!out) return;
    highLabel_->setText(out->high);
    lowLabel_->setText(out->low);
    liveLabel_->setText(out->live);
    unitCaption_ = out->unitCaption;
    emit unitControlsChanged(out->unitButtonVisible, out->unitCaption, out->analoguePanelVisible);
    strip_->setState(alarmLevel_, lowSlider_->value(), highSlider_->value(), liveBar_->value(),
                     alarm_);
}

void InputLevelDiagram::refreshColour() {
    alarm_ = NextAlarmState(alarmLevel_, liveBar_->value(), lowSlider_->value(),
                            highSlider_->value(), alarm_);
    SetBackgroundColour(liveLabel_, alarm_ ? kColourRed : ButtonFaceColour());
    strip_->setState(alarmLevel_, lowSlider_->value(), highSlider_->value(), liveBar_->value(),
                     alarm_);
}

void InputLevelDiagram::refresh() {
    refreshLabels();
    refreshColour();
}

}  // namespace krx
