#include "monitor/input_level_rules.h"

#include "config/barrier_rules.h"
#include "config/number_format.h"

namespace krx {
namespace {

QString General(double value, int digits, char separator) {
    return QString::fromStdString(FormatGeneral(value, digits, separator));
}

double ScaleValue(double min, double max, int counts, int maximum) {
    return min + (max - min) * counts / maximum;
}

}  // namespace

double ReadScaleNumber(const QString& text) { return ReadDecimalNumber(text.toStdString()); }

double Thx21Celsius(int counts) { return Thx21Hundredths(counts) * 0.01; }

std::optional<LevelLabels> ComputeLevelLabels(const LevelLabelInputs& in, char sep) {
    LevelLabels out;
    switch (in.sensorType) {
        case kSensorDisabled:
        case kSensorDiscrete: {
            out.unitButtonVisible = true;
            out.unitCaption =
                in.unitCaption == kUnitCaptionCalibrate ? kUnitCaptionPercent : in.unitCaption;
            const bool volts = out.unitCaption == kUnitCaptionVolts;
            const double full = volts ? 10.0 : 100.0;
            const QString unit = volts ? QStringLiteral(" В") : QStringLiteral(" %");
            out.high = General(in.high * full / in.highMaximum, 3, sep) + unit;
            out.low = General(in.low * full / in.lowMaximum, 3, sep) + unit;
            out.live = General(in.live * full / kLevelMaximum, 3, sep) + unit;
            return out;
        }
        case kSensorAnalogue:
        case kSensorThx31: {
            out.unitButtonVisible = true;
            out.unitCaption = kUnitCaptionCalibrate;
            out.analoguePanelVisible = true;
            const double min = ReadScaleNumber(in.minText);
            const double max = ReadScaleNumber(in.maxText);
            const QString unit =
                in.sensorType == kSensorThx31 ? QStringLiteral("° C") : QString();
            // Both barriers are read against the high bar's range; the two
            // ranges are the same.
            out.high = General(ScaleValue(min, max, in.high, in.highMaximum), 4, sep) + unit;
            out.low = General(ScaleValue(min, max, in.low, in.highMaximum), 4, sep) + unit;
            out.live = General(ScaleValue(min, max, in.live, kLevelMaximum), 4, sep) + unit;
            return out;
        }
        case kSensorThx21: {
            out.unitCaption = in.unitCaption;
            const QString unit = QStringLiteral("° C");
            out.high = General(Thx21Celsius(in.high), 3, sep) + unit;
            out.low = General(Thx21Celsius(in.low), 3, sep) + unit;
            out.live = General(Thx21Celsius(in.live), 3, sep) + unit;
            return out;
        }
        default:
            return std::nullopt;
    }
}

bool NextAlarmState(int level, int v, int low, int high, bool alarmNow) {
    return ZoneActive(level, v, low, high, alarmNow);
}

Barriers AfterHighBarrierMoved(Barriers b) {
    MoveHiBarrier(b.high, b.high, b.low);
    return b;
}

Barriers AfterLowBarrierMoved(Barriers b) {
    MoveLoBarrier(b.low, b.low, b.high);
    return b;
}

QString ToggledUnitCaption(const QString& caption) {
    return caption == kUnitCaptionPercent ? kUnitCaptionVolts : kUnitCaptionPercent;
}

ScaleTexts CalibratedScale(const ScaleTexts& scale, int live, double wanted, char sep) {
    const double min = ReadScaleNumber(scale.minText);
    const double max = ReadScaleNumber(scale.maxText);
    const double offset = wanted - ScaleValue(min, max, live, kLevelMaximum);
    return {General(min + offset, 7, sep), General(max + offset, 7, sep)};
}

}  // namespace krx
