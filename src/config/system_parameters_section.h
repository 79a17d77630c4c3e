#pragma once
// Section "Системные параметры": the per-device values set at manufacture
// (clock calibration, backup battery type, two service switches). They live
// in the tail record after the body, never in configuration files.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/config_image.h"

namespace krx {

namespace system_parameters_layout {
inline constexpr std::size_t kCalibrationWord = kSystemParametersOffset;  // 5304, 32 bits
inline constexpr std::uint32_t kCalValMask = 0x1FFFF;                      // bits 0-16: CALVAL
inline constexpr std::uint32_t kCalValMax = kCalValMask;                   // 131071 seconds
inline constexpr unsigned kCalDirBit = 17;                                 // CALDIR
inline constexpr std::size_t kBatteryType = 5308;                          // bit 0
inline constexpr std::size_t kFWUpdateEnable = 5309;                       // bit 0
inline constexpr std::size_t kCRCCheckDisable = 5310;                      // bit 0
}  // namespace system_parameters_layout

struct SystemParameters {
    std::string calVal;        // EditCALVAL: calibration interval in seconds
    int calDir = -1;           // ComboBoxCALDIR: 0 add, 1 subtract one second
    int batteryType = -1;      // ComboBoxBatteryType
    bool fwUpdateEnable = false;   // CheckBoxFWUpdateEnable
    bool crcCheckDisable = false;  // CheckBoxCRCCheckDisable

    bool operator==(const SystemParameters&) const = default;
};

const std::array<std::string_view, 2>& CalDirItems();
const std::array<std::string_view, 2>& BatteryTypeItems();

// The three paragraphs of the panel that covers the section until editing is
// allowed.
const std::array<std::string_view, 3>& SystemParametersWarning();

// Editor to the tail record. The CALVAL text is trimmed and written back
// trimmed; a text that is not a number stores 0, 131072 or more stores
// 131071, a negative number its low 17 bits. Bits the section does not edit
// keep their values.
void StoreSystemParameters(SystemParameters& v, ConfigImage& image);
void LoadSystemParameters(SystemParameters& v, const ConfigImage& image);

}  // namespace krx
