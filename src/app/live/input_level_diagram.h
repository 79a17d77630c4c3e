#pragma once
// The level diagram of an input section: the live converter value on
// `ProgressBarCurrentVal`, the alarm barriers on `TrackBarHiBarrier` and
// `TrackBarLoBarrier`, their readings in the units of the sensor type, the
// alarm colour of the live value, and a strip that paints the alarm zones of
// the selected active level. The input panel tells it the input's settings;
// the monitor's live values arrive through setLiveValue().

#include <QWidget>

#include "monitor/input_level_rules.h"

class QLabel;
class QProgressBar;
class QSlider;

namespace krx {

class LevelZoneStrip;

class InputLevelDiagram : public QWidget {
    Q_OBJECT
public:
    explicit InputLevelDiagram(QWidget* parent = nullptr);

    // Settings of the input shown (`ComboBoxSensType`, `ComboBoxSensActLevel`
    // indexes, the `MaskEditMinVal`/`MaskEditMaxVal` texts, the caption of
    // `ButtonVoltPerc`). They take effect at the next refresh.
    void setSensorType(int index) { sensorType_ = index; }
    void setAlarmLevel(int index);
    void setScaleTexts(const QString& minText, const QString& maxText);
    void setUnitCaption(const QString& caption) { unitCaption_ = caption; }
    QString unitCaption() const { return unitCaption_; }

    // Loads stored barriers without coupling them (a stored pair is shown as is).
    void setBarriers(int high, int low);
    int highBarrier() const;
    int lowBarrier() const;

    // A live value from the monitor: the bar, then the labels and the colour.
    void setLiveValue(int counts);
    int liveValue() const;

    // The label routine alone (after the unit button and a section switch).
    void refreshLabels();
    // The label routine, then the colour routine.
    void refresh();

    // Whether the live value shows the alarm colour; one state for all inputs.
    bool alarmShown() const { return alarm_; }

    QLabel* highLabel() const { return highLabel_; }
    QLabel* lowLabel() const { return lowLabel_; }
    QLabel* liveLabel() const { return liveLabel_; }
    QSlider* highSlider() const { return highSlider_; }
    QSlider* lowSlider() const { return lowSlider_; }
    QProgressBar* liveBar() const { return liveBar_; }

signals:
    // A barrier was moved by the user (after coupling).
    void barriersEdited(int high, int low);
    // The label routine decided how the unit button and the scale panel look.
    void unitControlsChanged(bool unitButtonVisible, const QString& unitCaption,
                             bool analoguePanelVisible);

private:
    void highMoved(int value);
    void lowMoved(int value);
    void applyBarriers(const Barriers& b);
    void refreshColour();

    QProgressBar* liveBar_ = nullptr;
    QSlider* highSlider_ = nullptr;
    QSlider* lowSlider_ = nullptr;
    QLabel* highLabel_ = nullptr;
    QLabel* lowLabel_ = nullptr;
    QLabel* liveLabel_ = nullptr;
    LevelZoneStrip* strip_ = nullptr;

    int sensorType_ = -1;
    int alarmLevel_ = -1;
    QString minText_;
    QString maxText_;
    QString unitCaption_ = kUnitCaptionPercent;
    bool alarm_ = false;
    bool applying_ = false;
};

}  // namespace krx
