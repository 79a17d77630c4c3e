#pragma once
// The input level display of an input section: the texts beside the live
// value and the two alarm barriers, the alarm colour of the live value, the
// barrier coupling and the calibration of analogue scales. Pure rules; the
// level diagram widget and the input panel apply them.

#include <QString>

#include <optional>

namespace krx {

inline constexpr int kLevelMaximum = 4095;  // converter counts of a live value

// `ComboBoxSensType` indexes.
enum SensorTypeIndex {
    kSensorDisabled = 0,
    kSensorDiscrete = 1,
    kSensorAnalogue = 2,
    kSensorThx21 = 3,
    kSensorThx31 = 4,
};

// Captions of the unit button `ButtonVoltPerc`: the caption names the unit a
// click switches to, so "%" means volts are shown and "В" percent; "K" is the
// calibration button of analogue inputs.
inline const QString kUnitCaptionVolts = QStringLiteral("%");
inline const QString kUnitCaptionPercent = QStringLiteral("В");
inline const QString kUnitCaptionCalibrate = QStringLiteral("K");

// A scale text as typed: every "," reads as "."; the value is the longest
// leading decimal number, 0 when there is none.
double ReadScaleNumber(const QString& text);

// THX-21 thermistor: converter counts to degrees Celsius (integer arithmetic
// of the controller, hundredths of a degree, truncated toward zero).
double Thx21Celsius(int counts);

struct LevelLabelInputs {
    int sensorType = -1;  // -1: nothing selected
    QString unitCaption;
    int live = 0;
    int high = 0;
    int low = 0;
    int highMaximum = kLevelMaximum;
    int lowMaximum = kLevelMaximum;
    QString minText;  // scale of analogue and THX-31 inputs
    QString maxText;
};

struct LevelLabels {
    QString high;
    QString low;
    QString live;
    bool unitButtonVisible = false;
    QString unitCaption;
    bool analoguePanelVisible = false;
};

// The label routine; nullopt when no sensor type is selected (nothing changes).
std::optional<LevelLabels> ComputeLevelLabels(const LevelLabelInputs& in, char decimalSeparator);

// `ComboBoxSensActLevel` index 0..5 (-1: none). Returns whether the live value
// now shows the alarm colour; hysteresis levels keep `alarmNow` between the
// barriers, as does a missing level.
bool NextAlarmState(int alarmLevel, int live, int low, int high, bool alarmNow);

// Barrier coupling: after a move of one barrier the other follows so that
// low <= high.
struct Barriers {
    int high = 0;
    int low = 0;
    bool operator==(const Barriers&) const = default;
};
Barriers AfterHighBarrierMoved(Barriers b);
Barriers AfterLowBarrierMoved(Barriers b);

// The unit button of discrete inputs: "В" becomes "%", anything else "В".
QString ToggledUnitCaption(const QString& caption);

// Calibration: shifts the scale so that the live value reads `wanted`. The
// new end points are written with 7 significant digits.
struct ScaleTexts {
    QString minText;
    QString maxText;
    bool operator==(const ScaleTexts&) const = default;
};
ScaleTexts CalibratedScale(const ScaleTexts& scale, int live, double wanted,
                           char decimalSeparator);

}  // namespace krx
