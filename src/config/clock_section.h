#pragma once
// Section "Часы, планировщик задач": time zone and summer time, what the info
// message reports, and the eight scheduler tasks.

#include <array>
#include <cstddef>
#include <string_view>

#include "config/config_image.h"
#include "config/setting_visitor.h"
#include "config/scheduler_task.h"

namespace krx {

namespace clock_layout {
inline constexpr std::size_t kTimeZone = 2672;  // signed 8, hours from UTC
inline constexpr std::size_t kDst = 2673;       // bit 0; bits 1-7 are the controller's
inline constexpr unsigned kDstEnableBit = 0;
inline constexpr std::size_t kInfoIn = 2676;    // unsigned 16, bit n-1 = input n
inline constexpr std::size_t kInfoR = 2678;     // bits 0-6 relays and outputs, bit 7 = 0
}  // namespace clock_layout

inline constexpr int kTimeZoneCount = 26;
inline constexpr int kLowestTimeZone = -12;  // list index = hours + 12
inline constexpr int kInfoInputBoxes = 16;
inline constexpr int kInfoOutputBoxes = 7;

// What the section shows.
struct ClockSettings {
    int timeZone = -1;                              // ComboBoxTimeZone index; -1 no choice
    bool dstEnable = false;                         // CheckBoxDSTEnable
    std::array<bool, kInfoInputBoxes> infoIn{};     // CheckBoxInfoIn1 .. 16
    std::array<bool, kInfoOutputBoxes> infoR{};     // CheckBoxInfoR1 .. 7
    std::array<SchedulerRow, scheduler_layout::kTaskCount> tasks{};

    bool operator==(const ClockSettings&) const = default;
};

// "(GMT-12:00)" .. "(GMT+13:00)" with the city texts of some zones.
const std::array<std::string_view, kTimeZoneCount>& TimeZoneItems();
int TimeZoneIndex(int hoursFromUtc);  // -1 outside -12..+13
// Captions of the info message boxes: "Вх. 1" .. "Вх. 16"; "Р1", "Р2",
// "Вых.1" .. "Вых.5".
const std::array<std::string_view, kInfoInputBoxes>& InfoInCaptions();
const std::array<std::string_view, kInfoOutputBoxes>& InfoRCaptions();
// This model shows inputs 1..4 and relay 1, relay 2, output 1, output 2; the
// other boxes keep their loaded state.
inline constexpr int kInfoInputsShown = 4;
inline constexpr int kInfoOutputsShown = 4;

// The controller clock edit and the computer clock beside it.
inline constexpr std::string_view kClockEditMask = "!99/99/99 99:99:99;1;-";

// Rows 1..8 in order, then the info masks, the time zone and summer time.
// A time zone with no choice leaves its byte as it was: storing an index
// there would turn into a real, different zone.
void StoreClock(const ClockSettings& v, ConfigImage& image);
void LoadClock(ClockSettings& v, const ConfigImage& image);

// Every setting of the section, under its name, to `visitor`.
void VisitSettings(ClockSettings& v, SettingVisitor& visitor);

}  // namespace krx
