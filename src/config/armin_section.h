#pragma once
// Section "Вход [Arm In]": the dedicated arming input, what the outputs and
// profiles do on each change of the security mode, the inputs watched in
// mode "ЗАЩИТА" and the TouchMemory key table.

#include <array>
#include <cstddef>
#include <string_view>

#include "config/config_image.h"
#include "config/setting_visitor.h"
#include "config/output_reaction_texts.h"
#include "config/touch_key_table.h"

namespace krx {

namespace armin_layout {
inline constexpr std::size_t kDelayArm = 3104;      // seconds, 0 .. 240
inline constexpr std::size_t kArmInMode = 3105;
// Reaction lists, 7 x OutputReaction each: relay 1, relay 2, output 1 .. 5.
inline constexpr std::size_t kArmToRele = 3106;
inline constexpr std::size_t kDisarmToRele = 3113;
inline constexpr std::size_t kCdToRele = 3120;
inline constexpr std::size_t kRaToRele = 3127;
// ProfileChoice bytes.
inline constexpr std::size_t kArmToProfile = 3134;
inline constexpr std::size_t kDisarmToProfile = 3135;
inline constexpr std::size_t kCdToProfile = 3136;
inline constexpr std::size_t kRaToProfile = 3137;
// Carried unchanged: settings of the larger model's perimeter inputs. The
// default holds the texts "ПЕРИМЕТР2" .. "ПЕРИМЕТР4" at these places.
inline constexpr std::size_t kPerimeterTexts[] = {3138, 3189, 3240};
inline constexpr std::size_t kPerimeterTextWidth = 17;
}  // namespace armin_layout

inline constexpr int kDelayArmMax = 240;     // UpDownDelayARM
inline constexpr int kRestrArmModeInputs = 8;  // "Вх. 1" .. "Вх. 8"
inline constexpr int kProfileChoiceCount = 9;  // no profile, profiles 1 .. 8
inline constexpr int kProfileChoicesOffered = 5;  // this model: no profile, profiles 1 .. 4
inline constexpr int kArmInModesOffered = 3;      // this model offers the first three modes

struct ArmInSettings {
    int delayArm = 0;     // UpDownDelayARM position, 0 .. 240
    int armInMode = -1;   // ComboBoxArmInMode; -1 = no choice
    // ComboBox<Event>Rele1 .. 7 (relay 1, relay 2, output 1 .. 5); -1 = no choice.
    std::array<int, kReactionListLength> armToRele{-1, -1, -1, -1, -1, -1, -1};
    std::array<int, kReactionListLength> disarmToRele{-1, -1, -1, -1, -1, -1, -1};
    std::array<int, kReactionListLength> cdToRele{-1, -1, -1, -1, -1, -1, -1};
    std::array<int, kReactionListLength> raToRele{-1, -1, -1, -1, -1, -1, -1};
    int armToProfile = -1;     // ComboBoxArmToProfile
    int disarmToProfile = -1;  // ComboBoxDisarmToProfile
    int cdToProfile = -1;      // ComboBoxCDtoProfile
    int raToProfile = -1;      // ComboBoxRAtoProfile (not shown on this model)
    // CheckBoxRestrArmMode1 .. 8 (not shown on this model).
    std::array<bool, kRestrArmModeInputs> restrArmMode{};
    TouchKeyTable keys;  // StringGrid1 rows 1 .. 32

    bool operator==(const ArmInSettings&) const = default;
};

// All five modes; this model offers the first three.
const std::array<std::string_view, 5>& ArmInModeItems();
// "Не применять профиль", "Применить профиль 1" .. "Применить профиль 8".
const std::array<std::string_view, kProfileChoiceCount>& ProfileChoiceItems();

// Editor to image: the delay, mode, reaction lists and profile choices, bit 0
// of byte 55 of input records 1 .. 8, then the 32 key rows.
void StoreArmIn(const ArmInSettings& v, ConfigImage& image);
// Image to editor. The mode and the three shown profile choices beyond what
// this model offers load with no choice.
void LoadArmIn(ArmInSettings& v, const ConfigImage& image);

// Every setting of the section, under its name, to `visitor`.
void VisitSettings(ArmInSettings& v, SettingVisitor& visitor);

}  // namespace krx
