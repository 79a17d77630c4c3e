#pragma once
// Sections "Вход 1" .. "Вход 4": one input record each, with the input's
// names, sensor type, alarm zone, timing and output reactions.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "config/config_image.h"
#include "config/setting_visitor.h"
#include "config/output_reaction_texts.h"

namespace krx {

namespace input_layout {
// Sixteen records; this model edits the first four.
inline constexpr std::size_t kFirstRecord = 360;
inline constexpr std::size_t kRecordSize = 92;
inline constexpr int kRecordCount = 16;
inline constexpr int kEditedInputs = 4;
// Start of input `input` (1-based).
constexpr std::size_t RecordStart(int input) {
    return kFirstRecord + kRecordSize * static_cast<std::size_t>(input - 1);
}

// Offsets relative to the record start.
inline constexpr std::size_t kTextWidth = 17;
inline constexpr std::size_t kSensName = 0;
inline constexpr std::size_t kSensActSt = 17;
inline constexpr std::size_t kSensPassSt = 34;
inline constexpr std::size_t kLevelByte = 52;     // AverageTime 0-3, SensActLevel 4-6, 24HZone 7
inline constexpr std::size_t kRecoveryByte = 53;  // RecoveryTime 0-5
inline constexpr std::size_t kDelayByte = 54;     // DelayTime 0-5, ReleToAlarm 6-7
inline constexpr std::size_t kTypeByte = 55;      // RestrArmMode 0, SensType 1-3
inline constexpr unsigned kRestrArmModeBit = 0;
inline constexpr std::size_t kLoBarrier = 58;     // unsigned 16
inline constexpr std::size_t kHiBarrier = 60;     // unsigned 16
inline constexpr std::size_t kFilterByte = 62;    // ActiveTriggerNum 0-1, NotArmingAsActive 2, ListenNum 4-7
inline constexpr std::size_t kSupplyByte = 63;    // SensorPwrSource 0-1, AlarmTry 2-3, ActArmDisMode 4-5, PassArmDisMode 6-7
inline constexpr std::size_t kAlarmByte = 64;     // AlarmDelayTime 0-3, ActiveToGPS 4
inline constexpr std::size_t kMinVal = 68;        // IEEE-754 single
inline constexpr std::size_t kMaxVal = 72;        // IEEE-754 single
inline constexpr std::size_t kActRele = 76;       // 7 x OutputReaction
inline constexpr std::size_t kPassRele = 83;      // 7 x OutputReaction
}  // namespace input_layout

inline constexpr int kRecoveryTimeMax = 63;  // UpDownRecoveryTime

// What an input section's editor shows. List indexes are -1 when the list
// shows no choice; MinVal/MaxVal are the texts of their edits.
struct InputSettings {
    std::string sensName;    // ComboBoxSensName
    std::string sensActSt;   // ComboBoxSensActSt
    std::string sensPassSt;  // ComboBoxSensPassSt
    int averageTime = -1;    // ComboBoxAverageTime
    int sensActLevel = -1;   // ComboBoxSensActLevel
    bool zone24H = false;    // CheckBox24HZone
    int recoveryTime = 0;    // UpDownRecoveryTime position, 0 .. 63
    int delayTime = -1;      // ComboBoxDelayTime
    int releToAlarm = -1;    // ComboBoxReleToAlarm
    int sensType = -1;       // ComboBoxSensType
    int loBarrier = 0;       // TrackBarLoBarrier, 0 .. 4095
    int hiBarrier = 0;       // TrackBarHiBarrier, 0 .. 4095
    int activeTriggerNum = -1;     // ComboBoxActiveTriggerNum (hidden on this model)
    bool notArmingAsActive = false;  // CheckBoxNotArmingAsActive
    int listenNum = -1;            // ComboBoxListenNum
    int sensorPwrSource = -1;      // ComboBoxSensorPwrSource (hidden on this model)
    int alarmTry = -1;             // ComboBoxAlarmTry
    int actArmDisMode = -1;        // ComboBoxActArmDisMode (never shown on this model)
    int passArmDisMode = -1;       // ComboBoxPassArmDisMode (never shown on this model)
    int alarmDelayTime = -1;       // ComboBoxAlarmDelayTime (hidden on this model)
    bool activeToGps = false;      // CheckBoxActiveToGPS (never shown on this model)
    std::string minVal;            // MaskEditMinVal
    std::string maxVal;            // MaskEditMaxVal
    // ComboBoxActRele1 .. 7 and ComboBoxPassRele1 .. 7: relay 1, relay 2, output 1 .. 5.
    std::array<int, kReactionListLength> actRele{-1, -1, -1, -1, -1, -1, -1};
    std::array<int, kReactionListLength> passRele{-1, -1, -1, -1, -1, -1, -1};

    bool operator==(const InputSettings&) const = default;
};

// Item lists and suggestions of the section.
const std::array<std::string_view, 8>& SensNameSuggestions();
const std::array<std::string_view, 13>& SensStateSuggestions();  // active and passive names
const std::array<std::string_view, 16>& AverageTimeItems();
const std::array<std::string_view, 6>& SensActLevelItems();
const std::vector<std::string_view>& DelayTimeItems();  // "0 Sec." .. "315 Sec."
const std::array<std::string_view, 3>& ReleToAlarmItems();
const std::array<std::string_view, 5>& SensTypeItems();
const std::array<std::string_view, 4>& ActiveTriggerNumItems();
const std::array<std::string_view, 9>& ListenNumItems();
const std::array<std::string_view, 3>& SensorPwrSourceItems();
const std::array<std::string_view, 4>& AlarmTryItems();
const std::array<std::string_view, 4>& ArmDisModeItems();  // ActArmDisMode, PassArmDisMode
const std::vector<std::string_view>& AlarmDelayTimeItems();  // "10 Сек." .. "160 Сек."

// The scale end texts as stored: each read as a decimal number ("," taken
// as "."), held as a single-precision float within its range; when both are
// equal, MinVal moves down by one and MaxVal up by one.
struct StoredScale {
    float minVal = 0.0f;
    float maxVal = 0.0f;
};
StoredScale ScaleFromTexts(std::string_view minText, std::string_view maxText);
// A stored scale end as the editor shows it: general format, 7 significant digits.
std::string ScaleText(float value, char decimalSeparator);

// Input 1 .. 16 (SectionId 14 .. 17 edit inputs 1 .. 4). Only the record's
// edited bytes and bits are written; bit 0 of byte 55 (RestrArmMode) belongs
// to the Arm-In section. An input number outside 1 .. 16 touches nothing.
void StoreInput(int input, const InputSettings& v, ConfigImage& image);
void LoadInput(int input, InputSettings& v, const ConfigImage& image, char decimalSeparator);

// Every setting of the section, under its name, to `visitor`.
void VisitSettings(InputSettings& v, SettingVisitor& visitor);

// Choosing a sensor type: "Термодатчик THX-31" also sets the scale texts to
// "-50" and "150".
void ChangeSensType(InputSettings& v, int sensType);
// The MinVal/MaxVal edits are shown only for analog and THX-31 inputs.
bool ScaleFieldsVisible(int sensType);

}  // namespace krx
