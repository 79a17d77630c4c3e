#pragma once
// Sections "Профиль 1" .. "Профиль 4": a named set of alarm-zone barriers for
// chosen inputs and of output reactions that the controller applies at once.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "config/config_image.h"
#include "config/setting_visitor.h"
#include "config/output_reaction_texts.h"

namespace krx {

namespace profile_layout {
// Eight records; this model edits the first four.
inline constexpr std::size_t kFirstRecord = 4316;
inline constexpr std::size_t kRecordSize = 122;
inline constexpr int kRecordCount = 8;
inline constexpr int kEditedProfiles = 4;
// Start of profile `profile` (1-based).
constexpr std::size_t RecordStart(int profile) {
    return kFirstRecord + kRecordSize * static_cast<std::size_t>(profile - 1);
}

inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kNameWidth = 17;
// Entry of input n (1..16), relative to the record.
inline constexpr std::size_t kFirstEntry = 18;
inline constexpr std::size_t kEntrySize = 6;
inline constexpr int kEntryCount = 16;
constexpr std::size_t EntryStart(int input) {
    return kFirstEntry + kEntrySize * static_cast<std::size_t>(input - 1);
}
inline constexpr std::size_t kEntryFlags = 0;   // bit 0: ProfInput
inline constexpr unsigned kProfInputBit = 0;
inline constexpr std::size_t kEntryLoBarrier = 2;  // unsigned 16
inline constexpr std::size_t kEntryHiBarrier = 4;  // unsigned 16
// ProfileToR1 .. ProfileToR7, one OutputReaction each.
inline constexpr std::size_t kReactions = 114;
}  // namespace profile_layout

inline constexpr int kProfileInputRows = 4;  // inputs 1..4 are edited

// One input row of a profile: its check box and the two sliders.
struct ProfileInputRow {
    bool enabled = false;  // ProfInput
    int hiBarrier = 0;     // upper slider "В", ProfHiBarrier
    int loBarrier = 0;     // lower slider "Н", ProfLoBarrier

    bool operator==(const ProfileInputRow&) const = default;
};

struct ProfileSettings {
    std::string profileName;  // ComboBoxProfileName
    std::array<ProfileInputRow, kProfileInputRows> inputs{};
    // ComboBoxProfileToR1 .. 7: relay 1, relay 2, output 1..5; -1 = no choice.
    std::array<int, kReactionListLength> reactions{-1, -1, -1, -1, -1, -1, -1};

    bool operator==(const ProfileSettings&) const = default;
};

const std::array<std::string_view, 2>& ProfileNameSuggestions();

// Slider coupling: the upper barrier moved below the lower one drags the
// lower one down with it; the lower moved above the upper one pushes the
// upper one up. Positions are kept within the slider range 0..4095.
void MoveProfileHiBarrier(ProfileInputRow& row, int code);
void MoveProfileLoBarrier(ProfileInputRow& row, int code);

// The two labels of row `input` (1..4): the barrier codes read the way the
// input reads them, with the type and range taken from its record in the
// image at the time of the refresh. A label is empty for a type that has no
// reading; it then keeps its text.
struct ProfileBarrierLabels {
    std::optional<std::string> hi;
    std::optional<std::string> lo;
};
ProfileBarrierLabels ProfileRowLabels(int input, const ProfileInputRow& row,
                                      const ConfigImage& image, char decimalSeparator);

// Profile 1..8 (SectionId 25..28 edit profiles 1..4). Only bit 0 of each
// shown entry's first byte and its two barrier words, the name and the seven
// reactions are written. A profile number outside 1..8 touches nothing.
void StoreProfile(int profile, const ProfileSettings& v, ConfigImage& image);
void LoadProfile(int profile, ProfileSettings& v, const ConfigImage& image);

// Every setting of the section, under its name, to `visitor`.
void VisitSettings(ProfileSettings& v, SettingVisitor& visitor);

}  // namespace krx
