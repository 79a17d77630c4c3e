#include "config/power_editing_rules.h"

#include <algorithm>

namespace krx {

int DischargeBorderPercent(int position) { return kDischargeScaleMax - position; }

int DischargeBorderPosition(int percent) {
    return std::clamp(kDischargeScaleMax - percent, 0, kDischargeScaleMax);
}

std::string DischargeBorderText(int position) {
    return std::to_string(DischargeBorderPercent(position)) + "%";
}

void MoveFirstDischargeBorder(PowerSettings& s, int position) {
    const int lowestPosition = DischargeBorderPosition(kFirstBorderMaxPercent);
    s.dischargeWarnPosition = std::clamp(position, lowestPosition, kDischargeScaleMax);
    // A smaller position is a higher percentage.
    if (s.dischargeAlarmPosition < s.dischargeWarnPosition) {
        s.dischargeAlarmPosition = s.dischargeWarnPosition;
    }
}

void MoveSecondDischargeBorder(PowerSettings& s, int position) {
    s.dischargeAlarmPosition = std::clamp(position, 0, kDischargeScaleMax);
    if (s.dischargeAlarmPosition < s.dischargeWarnPosition) {
        MoveFirstDischargeBorder(s, s.dischargeAlarmPosition);
    }
}

std::string TemperatureText(int degrees) { return std::to_string(degrees) + "° C"; }

void MoveTemperatLowBorder(PowerSettings& s, int degrees) {
    s.temperatLowBorder = std::clamp(degrees, kLowBorderMin, kLowBorderMax);
    if (s.temperatHiBorder < s.temperatLowBorder + kTemperatureGap) {
        s.temperatHiBorder = s.temperatLowBorder + kTemperatureGap;
    }
}

void MoveTemperatHiBorder(PowerSettings& s, int degrees) {
    s.temperatHiBorder = std::clamp(degrees, kHiBorderMin, kHiBorderMax);
    if (s.temperatLowBorder > s.temperatHiBorder - kTemperatureGap) {
        s.temperatLowBorder = s.temperatHiBorder - kTemperatureGap;
    }
}

// Levels are listed from hot to cold, so a colder level has a larger index.
void ChooseHiBorderLevel(PowerSettings& s, int index) {
    s.hiBorderLevel = index;
    if (index >= 0 && s.loBorderLevel >= 0 && index > s.loBorderLevel) s.loBorderLevel = index;
}

void ChooseLoBorderLevel(PowerSettings& s, int index) {
    s.loBorderLevel = index;
    if (index >= 0 && s.hiBorderLevel >= 0 && index < s.hiBorderLevel) s.hiBorderLevel = index;
}

}  // namespace krx
