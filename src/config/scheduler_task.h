#pragma once
// One row of the task scheduler (group " Планировщик задач "): a timed task
// that sends a test or info message, arms, disarms, controls an output or
// applies a profile on the chosen days.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "config/config_image.h"
#include "config/setting_visitor.h"

namespace krx {

namespace scheduler_layout {
inline constexpr std::size_t kFirstTask = 2680;
inline constexpr std::size_t kTaskSize = 16;
inline constexpr int kTaskCount = 8;
// Start of task `task` (1-based).
constexpr std::size_t TaskStart(int task) {
    return kFirstTask + kTaskSize * static_cast<std::size_t>(task - 1);
}

// Offsets inside a task.
inline constexpr std::size_t kEnabled = 0;  // bit 0; the rest of the byte is written 0
inline constexpr std::size_t kDays = 4;     // bits 0-6 Monday .. Sunday
inline constexpr std::size_t kHour = 5;     // bits 0-4
inline constexpr unsigned kHourWidth = 5;
inline constexpr std::size_t kMinute = 6;   // bits 0-5
inline constexpr unsigned kMinuteWidth = 6;
inline constexpr std::size_t kAction = 12;  // bit 0 test, bit 1 info, bits 2-7 action kind
inline constexpr unsigned kTestBit = 0, kInfoBit = 1;
inline constexpr unsigned kKindFirst = 2, kKindWidth = 6;
inline constexpr std::size_t kParameter = 13;  // extra item, output (bits 0-3) or profile
inline constexpr unsigned kOutputWidth = 4;
inline constexpr std::size_t kReaction = 14;  // output reaction of an output task

// Action kinds.
inline constexpr unsigned kKindNone = 0;
inline constexpr unsigned kKindArm = 1;
inline constexpr unsigned kKindDisarm = 2;
inline constexpr unsigned kKindOutput = 3;
inline constexpr unsigned kKindProfile = 4;
}  // namespace scheduler_layout

// The grid row as the editor shows it.
struct SchedulerRow {
    bool enabled = false;         // column 1
    std::string time = "00:00";   // column 2, "HH:MM"
    std::array<bool, 7> days{};   // columns 3..9, Monday .. Sunday
    bool test = false;            // column 10
    bool info = false;            // column 11
    int action = 0;               // column 12, SchedulerActionItems() index; -1 no choice
    int extra = 0;                // column 13, OutputReactionTexts() index; -1 no choice

    bool operator==(const SchedulerRow&) const = default;
};

inline constexpr int kSchedulerColumns = 14;
// " №", "", "Время", "Пн" .. "Вс", "Тест", "Инфо", "                Действие",
// "  Доп. параметр".
const std::array<std::string_view, kSchedulerColumns>& SchedulerHeaders();
// Column 0 of row `task` (1..8): " 1" .. " 8".
std::string SchedulerRowNumber(int task);
inline constexpr std::string_view kSchedulerTimeMask = "!99:99;1;-";

// "Нет действия", "Перейти в реж. Охрана", "Перейти в реж. Наблюдение",
// "Управление Реле 1", "Управление Реле 2", "Управление Выходом 1",
// "Управление Выходом 2", "Применить профиль 1" .. "Применить профиль 4".
inline constexpr int kSchedulerActionCount = 11;
const std::array<std::string_view, kSchedulerActionCount>& SchedulerActionItems();
inline constexpr int kFirstOutputAction = 3;   // "Управление Реле 1"
inline constexpr int kLastOutputAction = 6;    // "Управление Выходом 2"
inline constexpr int kFirstProfileAction = 7;  // "Применить профиль 1"
// The extra-parameter list offers OutputReactionTexts().

// The extra-parameter list is shown only for the output actions.
bool SchedulerExtraVisible(int action);
// Choosing an action: hiding the extra list also selects its first item.
void SelectSchedulerAction(SchedulerRow& row, int action);

// The row of task 1..8 to and from the image. A task number outside 1..8
// touches nothing.
void StoreSchedulerTask(int task, const SchedulerRow& row, ConfigImage& image);
void LoadSchedulerTask(int task, SchedulerRow& row, const ConfigImage& image);

// Every cell of the row that is a setting, under its name.
void VisitSettings(SchedulerRow& row, SettingVisitor& visitor);

}  // namespace krx
