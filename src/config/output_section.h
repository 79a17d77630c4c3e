#pragma once
// Sections "Реле 1", "Реле 2", "Выход 1", "Выход 2": the names of an output and
// its states, how a remote command switches it, and its three flags.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "config/config_image.h"
#include "config/setting_visitor.h"
#include "config/interface_texts.h"

namespace krx {

namespace output_layout {
// Seven records in the order relay 1, relay 2, output 1..5; this model edits
// the first four.
inline constexpr std::size_t kFirstRecord = 1832;
inline constexpr std::size_t kRecordSize = 52;
inline constexpr int kRecordCount = 7;
inline constexpr int kEditedOutputs = 4;
// Start of output `output` (1-based).
constexpr std::size_t RecordStart(int output) {
    return kFirstRecord + kRecordSize * static_cast<std::size_t>(output - 1);
}

inline constexpr std::size_t kTextWidth = 17;
inline constexpr std::size_t kReleName = 0;
inline constexpr std::size_t kReleNameAct = 17;
inline constexpr std::size_t kReleNameDeact = 34;
inline constexpr std::size_t kFlags = 51;
inline constexpr unsigned kCommTypeFirst = 0, kCommTypeWidth = 5;
inline constexpr unsigned kReleEnBit = 5;
inline constexpr unsigned kReleInversionBit = 6;
inline constexpr unsigned kRemoteControlEnBit = 7;
}  // namespace output_layout

// What an output section shows.
struct OutputSettings {
    std::string releName;       // ComboBoxReleName
    std::string releNameAct;    // ComboBoxReleNameAct
    std::string releNameDeact;  // ComboBoxReleNameDeact
    int commType = -1;          // ComboBoxCommType: 0 level, 1..14 scenario 1..14
    bool releEn = false;        // CheckBoxReleEn
    bool releInversion = false;     // CheckBoxReleInversion
    bool remoteControlEn = false;   // CheckBoxRemoteControlEn

    bool operator==(const OutputSettings&) const = default;
};

const std::array<std::string_view, 6>& ReleNameSuggestions();
// Suggestions of both state names.
const std::array<std::string_view, 6>& ReleStateNameSuggestions();
// "уровень", then "сценарий 1" .. "сценарий 14".
const std::array<std::string_view, 15>& CommTypeItems();

// Relays are outputs 1 and 2; the captions speak of them differently.
inline bool IsRelay(int output) { return output == 1 || output == 2; }
// Caption of the enable box: "Разрешено" for a relay, "Разрешен" for an output.
std::string_view OutputEnableCaption(int output,
                                     const InterfaceTexts& texts = BuiltInInterfaceTexts());
// Caption of the group listing what drives the output.
std::string_view OutputSourcesCaption(int output,
                                      const InterfaceTexts& texts = BuiltInInterfaceTexts());

// The section of output 1..7 (SectionId 19..22 edit outputs 1..4). An output
// number outside 1..7 touches nothing.
void StoreOutput(int output, const OutputSettings& v, ConfigImage& image);
void LoadOutput(int output, OutputSettings& v, const ConfigImage& image);

// Every setting of the section, under its name, to `visitor`.
void VisitSettings(OutputSettings& v, SettingVisitor& visitor);

}  // namespace krx
