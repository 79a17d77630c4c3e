#include "config/scenario_section.h"

#include "config/encoding.h"

namespace krx {

using namespace scenario_layout;

namespace {

bool ValidScenario(int scenario) { return scenario >= 1 && scenario <= kScenarioCount; }

// A cell read as a decimal whole number; empty or not a number reads 0.
std::int64_t CellNumber(const std::string& text) {
    std::int64_t value = 0;
    return ParseWholeNumber(text, value) ? value : 0;
}

std::string ScenarioTitle(int scenario, const ScenarioGridWords& words) {
    return words.scenario + " " + std::to_string(scenario);
}

}  // namespace

std::uint16_t DurationOfCell(const std::string& text) {
    return static_cast<std::uint16_t>(CellNumber(text) & kDurationMask);
}

ControlScenario ReadControlScenario(int scenario, const ConfigImage& image) {
    ControlScenario record;
    if (!ValidScenario(scenario)) return record;
    const std::size_t r = RecordStart(scenario);
    record.repeatCount = image.u16(r + kRepeatCount);
    for (int j = 0; j < kStepCount; ++j) {
        record.steps[static_cast<std::size_t>(j)] = image.u16(r + StepOffset(j));
    }
    return record;
}

void WriteControlScenario(int scenario, const ControlScenario& record, ConfigImage& image) {
    if (!ValidScenario(scenario)) return;
    const std::size_t r = RecordStart(scenario);
    image.setU16(r + kRepeatCount, record.repeatCount);
    for (int j = 0; j < kStepCount; ++j) {
        image.setU16(r + StepOffset(j), record.steps[static_cast<std::size_t>(j)]);
    }
}

void ScenarioRowToRecord(const ScenarioGridRow& row, ControlScenario& record,
                         const ScenarioGridWords& words) {
    bool high = row[kLevelColumn] == words.high;
    int endMark = -1;
    for (int j = 0; j < kStepCount; ++j) {
        const std::uint16_t duration =
            DurationOfCell(row[static_cast<std::size_t>(kFirstDurationColumn + j)]);
        const std::uint16_t level = high ? kHighLevel : 0;
        record.steps[static_cast<std::size_t>(j)] = static_cast<std::uint16_t>(level | duration);
        // A duration whose low 15 bits are all zero (32768, 65536 ...) is an
        // end mark to the controller as well, so it ends the scenario here and
        // gets the end mark's level; the cells behind it are not stored.
        if (duration == 0) {
            endMark = j;
            break;
        }
        high = !high;
    }

    if (row[kCyclicColumn] == words.cyclic) {
        // A repeated train ends on the level of its last real step.
        if (endMark >= 0) record.steps[static_cast<std::size_t>(endMark)] ^= kHighLevel;
        record.repeatCount = static_cast<std::uint16_t>(CellNumber(row[kCountColumn]) & 0xFFFF);
    } else {
        record.repeatCount = kPlayedOnce;
    }
}

ScenarioGridRow RecordToScenarioRow(int scenario, const ControlScenario& record,
                                    const ScenarioGridWords& words) {
    ScenarioGridRow row;
    row[0] = ScenarioTitle(scenario, words);
    if (record.repeatCount != kPlayedOnce) {
        row[kCyclicColumn] = words.cyclic;
        row[kCountColumn] = std::to_string(static_cast<std::int16_t>(record.repeatCount));
    }
    for (int j = 0; j < kStepCount; ++j) {
        const std::uint16_t step = record.steps[static_cast<std::size_t>(j)];
        const unsigned duration = step & kDurationMask;
        if (duration == 0) break;
        if (j == 0) row[kLevelColumn] = (step & kHighLevel) ? words.high : words.low;
        row[static_cast<std::size_t>(kFirstDurationColumn + j)] = std::to_string(duration);
    }
    return row;
}

void StoreScenarios(const ScenarioGrid& grid, ConfigImage& image,
                    const ScenarioGridWords& words) {
    for (int s = 1; s <= kScenarioCount; ++s) {
        ControlScenario record = ReadControlScenario(s, image);
        ScenarioRowToRecord(grid.cells[static_cast<std::size_t>(s)], record, words);
        WriteControlScenario(s, record, image);
    }
}

void LoadScenarios(ScenarioGrid& grid, const ConfigImage& image,
                   const ScenarioGridWords& words) {
    grid.cells[0] = ScenarioGridRow{};
    grid.cells[0][0] = words.header;
    for (int s = 1; s <= kScenarioCount; ++s) {
        grid.cells[static_cast<std::size_t>(s)] =
            RecordToScenarioRow(s, ReadControlScenario(s, image), words);
    }
}

}  // namespace krx

namespace krx {

void VisitSettings(ControlScenario& v, SettingVisitor& visitor) {
    using namespace scenario_layout;
    int repeat = v.repeatCount;
    visitor.number("RepeatCount", repeat, 0, 0xFFFF);
    v.repeatCount = static_cast<std::uint16_t>(repeat);
    for (int j = 0; j < kStepCount; ++j) {
        std::uint16_t& word = v.steps[static_cast<std::size_t>(j)];
        PrefixedVisitor step(Numbered("Step", j + 1), visitor);
        bool high = (word & kHighLevel) != 0;
        int duration = word & kDurationMask;
        step.flag("High", high);
        step.number("Duration", duration, 0, kDurationMask);
        word = static_cast<std::uint16_t>((high ? kHighLevel : 0) | (duration & kDurationMask));
    }
}

}  // namespace krx
