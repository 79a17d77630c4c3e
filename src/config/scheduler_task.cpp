#include "config/scheduler_task.h"

#include <algorithm>
#include <cstdint>

#include "config/encoding.h"
#include "config/output_reaction_texts.h"

namespace krx {

using namespace scheduler_layout;

const std::array<std::string_view, kSchedulerColumns>& SchedulerHeaders() {
    static constexpr std::array<std::string_view, kSchedulerColumns> kHeaders = {
        " №", "",   "Время", "Пн",   "Вт",   "Ср", "Чт", "Пт", "Сб", "Вс",
        "Тест", "Инфо", "                Действие", "  Доп. параметр"};
    return kHeaders;
}

std::string SchedulerRowNumber(int task) { return " " + std::to_string(task); }

const std::array<std::string_view, kSchedulerActionCount>& SchedulerActionItems() {
    static constexpr std::array<std::string_view, kSchedulerActionCount> kItems = {
        "Нет действия",         "Перейти в реж. Охрана", "Перейти в реж. Наблюдение",
        "Управление Реле 1",    "Управление Реле 2",     "Управление Выходом 1",
        "Управление Выходом 2", "Применить профиль 1",   "Применить профиль 2",
        "Применить профиль 3",  "Применить профиль 4"};
    return kItems;
}

bool SchedulerExtraVisible(int action) {
    return action >= kFirstOutputAction && action <= kLastOutputAction;
}

void SelectSchedulerAction(SchedulerRow& row, int action) {
    row.action = action;
    if (!SchedulerExtraVisible(action)) row.extra = 0;
}

namespace {

bool ValidTask(int task) { return task >= 1 && task <= kTaskCount; }

// The two digits on one side of the colon of "HH:MM", taken the way the grid
// always has: the hour is the text without its characters 3..5, the minute
// the text without its characters 1..3. Anything that is not a number is 0;
// the field keeps the low bits of what was typed.
unsigned TimePart(std::string_view text, std::size_t removeFrom, std::size_t removeCount,
                  unsigned width) {
    std::string rest(text.substr(0, std::min(removeFrom, text.size())));
    if (removeFrom + removeCount < text.size()) rest += text.substr(removeFrom + removeCount);
    std::int64_t value = 0;
    if (!ParseWholeNumber(rest, value)) value = 0;
    return static_cast<unsigned>(static_cast<std::uint64_t>(value) & ((1u << width) - 1u));
}

std::string TwoDigits(unsigned value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

void StoreSchedulerTask(int task, const SchedulerRow& row, ConfigImage& image) {
    if (!ValidTask(task)) return;
    const std::size_t t = TaskStart(task);

    image.setU8(t + kEnabled, row.enabled ? 1 : 0);
    image.setBits(t + kHour, 0, kHourWidth, TimePart(row.time, 2, 3, kHourWidth));
    image.setBits(t + kMinute, 0, kMinuteWidth, TimePart(row.time, 0, 3, kMinuteWidth));
    for (unsigned d = 0; d < 7; ++d) image.setBit(t + kDays, d, row.days[d]);
    image.setBit(t + kAction, kTestBit, row.test);
    image.setBit(t + kAction, kInfoBit, row.info);

    const int a = row.action;
    if (a >= 0 && a < kFirstOutputAction) {
        image.setBits(t + kAction, kKindFirst, kKindWidth, unsigned(a));
        image.setU8(t + kParameter, static_cast<std::uint8_t>(ListIndexToField(row.extra, 8)));
    } else if (a >= kFirstOutputAction && a <= kLastOutputAction) {
        image.setBits(t + kAction, kKindFirst, kKindWidth, kKindOutput);
        image.setBits(t + kParameter, 0, kOutputWidth, unsigned(a - kFirstOutputAction));
        image.setU8(t + kReaction, static_cast<std::uint8_t>(ListIndexToField(row.extra, 8)));
    } else if (a >= kFirstProfileAction && a < kSchedulerActionCount) {
        image.setBits(t + kAction, kKindFirst, kKindWidth, kKindProfile);
        image.setU8(t + kParameter, static_cast<std::uint8_t>(a - kFirstProfileAction));
    }
    // No choice: the task drives an output or profile this model does not
    // have; its action is kept as it came.
}

void LoadSchedulerTask(int task, SchedulerRow& row, const ConfigImage& image) {
    if (!ValidTask(task)) return;
    const std::size_t t = TaskStart(task);

    row.enabled = image.bit(t + kEnabled, 0);
    row.time = TwoDigits(image.bits(t + kHour, 0, kHourWidth)) + ":" +
               TwoDigits(image.bits(t + kMinute, 0, kMinuteWidth));
    for (unsigned d = 0; d < 7; ++d) row.days[d] = image.bit(t + kDays, d);
    row.test = image.bit(t + kAction, kTestBit);
    row.info = image.bit(t + kAction, kInfoBit);

    const unsigned kind = image.bits(t + kAction, kKindFirst, kKindWidth);
    const unsigned parameter = image.u8(t + kParameter);
    switch (kind) {
        case kKindNone:
        case kKindArm:
        case kKindDisarm:
            SelectSchedulerAction(row, int(kind));
            row.extra = FieldToListIndex(parameter, kOutputReactionCount);
            break;
        case kKindOutput: {
            // An output beyond relay 1, relay 2, output 1, output 2 has no item
            // here: it must not read as one of the profile items behind them.
            const unsigned output = image.bits(t + kParameter, 0, kOutputWidth);
            const int outputItems = kLastOutputAction - kFirstOutputAction + 1;
            const int item = FieldToListIndex(output, outputItems);
            SelectSchedulerAction(row, item < 0 ? -1 : item + kFirstOutputAction);
            if (item >= 0) {
                row.extra = FieldToListIndex(image.u8(t + kReaction), kOutputReactionCount);
            }
            break;
        }
        case kKindProfile: {
            const int item = FieldToListIndex(parameter, kSchedulerActionCount - kFirstProfileAction);
            SelectSchedulerAction(row, item < 0 ? -1 : item + kFirstProfileAction);
            break;
        }
        default:
            SelectSchedulerAction(row, 0);
            row.extra = 0;
            break;
    }
}

}  // namespace krx

namespace krx {

void VisitSettings(SchedulerRow& row, SettingVisitor& visitor) {
    static constexpr std::string_view kDays[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    visitor.flag("Enabled", row.enabled);
    visitor.text("Time", row.time);
    for (std::size_t d = 0; d < row.days.size(); ++d) visitor.flag(std::string(kDays[d]), row.days[d]);
    visitor.flag("Test", row.test);
    visitor.flag("Info", row.info);
    visitor.choice("Action", row.action, ItemList(SchedulerActionItems()));
    visitor.choice("Extra", row.extra, ItemList(OutputReactionTexts()));
}

}  // namespace krx
