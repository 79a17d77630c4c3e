#include "monitor/input_level_rules.h"

#include <cstdint>

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

double ReadScaleNumber(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    // Longest leading decimal number: blanks, a sign, digits, one point,
    // digits, and an exponent only when digits follow it.
    qsizetype i = 0;
    while (i < t.size() && t.at(i).isSpace()) ++i;
    const qsizetype start = i;
    if (i < t.size() && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-'))) ++i;
    auto isDigit = [&t](qsizetype k) {
        return k < t.size() && t.at(k) >= QLatin1Char('0') && t.at(k) <= QLatin1Char('9');
    };
    qsizetype digits = 0;
    while (isDigit(i)) ++i, ++digits;
    if (i < t.size() && t.at(i) == QLatin1Char('.')) {
        ++i;
        while (isDigit(i)) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    qsizetype end = i;
    if (i < t.size() && (t.at(i) == QLatin1Char('e') || t.at(i) == QLatin1Char('E'))) {
        qsizetype k = i + 1;
        if (k < t.size() && (t.at(k) == QLatin1Char('+') || t.at(k) == QLatin1Char('-'))) ++k;
        if (isDigit(k)) {
            while (isDigit(k)) ++k;
            end = k;
        }
    }
    bool ok = false;
    const double value = t.mid(start, end - start).toDouble(&ok);
    return ok ? value : 0.0;
}

double Thx21Celsius(int counts) {
    // The controller shifts the 12-bit count to 16 bits and flips the sign
    // bit; the XOR keeps that exact for counts beyond the converter's range.
    const auto t = static_cast<std::int16_t>(static_cast<std::uint16_t>(counts * 16) ^ 0x8000);
    const std::int32_t hundredths = (100 * static_cast<std::int32_t>(t) + 2292700) / 196;
    return hundredths * 0.01;
}

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
    switch (level) {
        case 0:
            return v <= low || v >= high;
        case 1:
            return v <= low;
        case 2:
            return low <= v && v <= high;
        case 3:
            return v >= high;
        case 4:
            if (v <= low) return true;
            if (v >= high) return false;
            return alarmNow;
        case 5:
            if (v >= high) return true;
            if (v <= low) return false;
            return alarmNow;
        default:
            return alarmNow;
    }
}

Barriers AfterHighBarrierMoved(Barriers b) {
    if (b.high < b.low) b.low = b.high;
    return b;
}

Barriers AfterLowBarrierMoved(Barriers b) {
    if (b.low > b.high) b.high = b.low;
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
