#pragma once
// Section "Питание, температура, индикация, контроль вскрытия": main power and
// battery messages, the LED indication, the board temperature borders with
// their output reactions, and the case-opening sensor.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "config/config_image.h"
#include "config/setting_visitor.h"

namespace krx {

namespace power_layout {
inline constexpr std::size_t kPower = 2808;
inline constexpr unsigned kSignAverTimeFirst = 0, kSignAverTimeWidth = 3;
inline constexpr unsigned kExtPowerFaultBit = 3;
inline constexpr unsigned kRecoveryTimeFirst = 4, kRecoveryTimeWidth = 3;
inline constexpr unsigned kExtPowerRecBit = 7;
inline constexpr std::size_t kPowerGps = 2809;  // bit 0; bits 1-7 are not ours
inline constexpr std::size_t kDischargeAlarm = 2812;  // bits 0-6 percent, bit 7 message
inline constexpr std::size_t kDischargeWarn = 2813;   // bits 0-6 percent, bit 7 message
inline constexpr unsigned kPercentWidth = 7;
inline constexpr unsigned kBorderEventBit = 7;
inline constexpr std::size_t kDischargeGps = 2814;  // bit 0; bits 1-7 are not ours
inline constexpr std::size_t kIndication = 2817;
inline constexpr unsigned kIndFunctionFirst = 0, kIndFunctionWidth = 2;
inline constexpr unsigned kAlarmBlinkingBit = 2;
inline constexpr unsigned kDisableLedsAtCoverCloseBit = 3;
inline constexpr unsigned kShowActiveInsToArmOutBit = 7;  // bits 4-6 are not ours
inline constexpr std::size_t kTemperatureEvent = 2842;    // bit 0
inline constexpr std::size_t kTemperatLowBorder = 2843;   // signed 8, degrees
inline constexpr std::size_t kTemperatHiBorder = 2844;    // signed 8, degrees
inline constexpr std::size_t kLoBorderLevel = 2845;       // signed 8, degrees
inline constexpr std::size_t kLoBorderReaction = 2846;    // bits 0-2 output, 3-7 reaction
inline constexpr std::size_t kHiBorderLevel = 2847;
inline constexpr std::size_t kHiBorderReaction = 2848;
inline constexpr std::size_t kTamperEnable = 2849;        // bit 0
inline constexpr std::size_t kTamperReaction = 2850;
inline constexpr unsigned kReactionOutFirst = 0, kReactionOutWidth = 3;
inline constexpr unsigned kReactionScnFirst = 3, kReactionScnWidth = 5;
}  // namespace power_layout

// What the section shows. List indexes are -1 when the list shows no choice.
// The battery borders are the positions p of their scales (0..100), showing
// 100 - p percent; the temperature borders are degrees.
struct PowerSettings {
    int powerSignAverTime = -1;       // ComboBoxPowerSignAverTime
    bool extPowerFault = false;       // CheckBoxExtPowerFault
    int powerRecoveryTime = -1;       // ComboBoxRecoveryTime
    bool extPowerRec = false;         // CheckBoxExtPowerRec
    bool asFaultSendGpsPos = false;   // CheckBoxAsFaultSendGPSPos (hidden)
    int dischargeAlarmPosition = 100;  // TrackBarDischargeAlarm, second border
    bool batteryDischargeAlarmEventEn = false;
    int dischargeWarnPosition = 100;   // TrackBarDischargeWarn, first border
    bool batteryDischargeWarnEventEn = false;
    bool asDischargeSendGpsPos = false;  // CheckBoxAsDischargeSendGPSPos (hidden)
    int indFunction = -1;                // ComboBoxIndFunction
    bool alarmBlinking = false;
    bool disableLedsAtCoverClose = false;
    bool showActiveInsToArmOut = false;
    bool temperatureEvent = false;       // CheckBoxTemperatureEvent
    int temperatLowBorder = 0;           // TrackBarTemperatLowBorder, degrees
    int temperatHiBorder = 2;            // TrackBarTemperatHiBorder, degrees
    int loBorderLevel = -1;              // ComboBoxLoBorderLevel, BorderLevelItems() index
    int loBorderOut = -1;                // ComboBoxLoBorderOut
    int loBorderScn = -1;                // ComboBoxLoBorderScn, OutputReactionTexts() index
    int hiBorderLevel = -1;
    int hiBorderOut = -1;
    int hiBorderScn = -1;
    bool tamperEnable = false;           // CheckBoxTamperEnable
    int tamperActOutN = -1;              // ComboBoxTamperActOutN
    int tamperActScnN = -1;              // ComboBoxTamperActScnN

    bool operator==(const PowerSettings&) const = default;
};

// Item lists. The three output lists offer the first kModelOutputCount of
// OutputNameItems(); the reaction lists offer OutputReactionTexts().
const std::array<std::string_view, 8>& PowerSignAverTimeItems();  // "2 Sec." .. "256 Sec."
const std::array<std::string_view, 8>& PowerRecoveryTimeItems();  // "2 Min." .. "256 Min."
const std::array<std::string_view, 4>& IndFunctionItems();
// "89° C" down to "-39° C"; item i is 89 - i degrees.
inline constexpr int kBorderLevelCount = 129;
inline constexpr int kHighestBorderLevel = 89;
const std::vector<std::string>& BorderLevelItems();
int BorderLevelIndex(int degrees);  // -1 outside -39..89
int BorderLevelDegrees(int index);

// Touches only the section's own bits. A border level with no choice leaves
// its byte as it was: storing an index there would turn into a real,
// different temperature.
void StorePower(const PowerSettings& v, ConfigImage& image);
// Sets the battery and temperature scales through their editing rules, as
// the editor does, so the section always shows a consistent pair of borders.
void LoadPower(PowerSettings& v, const ConfigImage& image);

// Every setting of the section, under its name, to `visitor`.
void VisitSettings(PowerSettings& v, SettingVisitor& visitor);

}  // namespace krx
