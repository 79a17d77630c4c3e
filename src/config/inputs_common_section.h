#pragma once
// Section "Входы": what all inputs share, the sensor supply and the scan
// delays.

#include <array>
#include <cstddef>
#include <string_view>

#include "config/config_image.h"
#include "config/setting_visitor.h"

namespace krx {

namespace inputs_common_layout {
// Bit 0 PortPwrSensAllOn, bits 1-3 LoopPwrResetTime, bits 4-7 NoScaningTimeAftArm.
inline constexpr std::size_t kSupplyByte = 356;
// Bits 0-2 NoScaningTimeAftReset; bits 3-7 are not ours.
inline constexpr std::size_t kStartByte = 357;
}  // namespace inputs_common_layout

// What the section's editor shows; -1 = the list shows no choice. This model
// shows only the device-start delay; the other three are kept all the same.
struct InputsCommonSettings {
    int portPwrSensAllOn = -1;       // ComboBoxPortPwrSensAllOn
    int loopPwrResetTime = -1;       // ComboBoxLoopPwrResetTime
    int noScaningTimeAftArm = -1;    // ComboBoxNoScaningTimeAftArm
    int noScaningTimeAftReset = -1;  // ComboBoxNoScaningTimeAftReset

    bool operator==(const InputsCommonSettings&) const = default;
};

const std::array<std::string_view, 2>& PortPwrSensAllOnItems();
const std::array<std::string_view, 8>& LoopPwrResetTimeItems();
const std::array<std::string_view, 16>& NoScaningTimeAftArmItems();
const std::array<std::string_view, 8>& NoScaningTimeAftResetItems();

void StoreInputsCommon(const InputsCommonSettings& v, ConfigImage& image);
void LoadInputsCommon(InputsCommonSettings& v, const ConfigImage& image);

// Every setting of the section, under its name, to `visitor`.
void VisitSettings(InputsCommonSettings& v, SettingVisitor& visitor);

}  // namespace krx
