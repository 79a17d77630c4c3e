#pragma once
// Section "Сценарии управления": the fourteen control scenarios, each a train
// of up to 16 timed high/low steps played once, n times or endlessly, and
// their grid in the editor.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/config_image.h"
#include "config/setting_visitor.h"
#include "config/interface_texts.h"

namespace krx {

namespace scenario_layout {
inline constexpr std::size_t kFirstRecord = 2196;
inline constexpr std::size_t kRecordSize = 34;  // 17 unsigned 16-bit words
inline constexpr int kScenarioCount = 14;
inline constexpr int kStepCount = 16;
// Start of scenario `scenario` (1-based).
constexpr std::size_t RecordStart(int scenario) {
    return kFirstRecord + kRecordSize * static_cast<std::size_t>(scenario - 1);
}
inline constexpr std::size_t kRepeatCount = 0;  // word 0
// Word 1 + j is step j (0-based).
constexpr std::size_t StepOffset(int step) { return 2 + 2 * static_cast<std::size_t>(step); }

inline constexpr std::uint16_t kHighLevel = 0x8000;     // level bit of a step
inline constexpr std::uint16_t kDurationMask = 0x7FFF;  // duration in 100 ms units
inline constexpr std::uint16_t kPlayedOnce = 1;         // repeat count of a non-cyclic scenario
}  // namespace scenario_layout

// One scenario as the controller keeps it.
struct ControlScenario {
    std::uint16_t repeatCount = scenario_layout::kPlayedOnce;
    std::array<std::uint16_t, scenario_layout::kStepCount> steps{};

    bool operator==(const ControlScenario&) const = default;
};

ControlScenario ReadControlScenario(int scenario, const ConfigImage& image);
void WriteControlScenario(int scenario, const ControlScenario& record, ConfigImage& image);

// Every setting of the section, under its name, to `visitor`.
void VisitSettings(ControlScenario& v, SettingVisitor& visitor);


inline constexpr int kScenarioGridRows = 15;     // header + 14 scenarios
inline constexpr int kScenarioGridColumns = 20;  // title, cyclic, count, level, 16 durations
inline constexpr int kCyclicColumn = 1;
inline constexpr int kCountColumn = 2;
inline constexpr int kLevelColumn = 3;
inline constexpr int kFirstDurationColumn = 4;

using ScenarioGridRow = std::array<std::string, kScenarioGridColumns>;

// What the section shows: the texts of the grid cells, row 0 the header.
struct ScenarioGrid {
    std::array<ScenarioGridRow, kScenarioGridRows> cells;

    std::string& at(int row, int column) {
        return cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    }
    const std::string& at(int row, int column) const {
        return cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    }
    bool operator==(const ScenarioGrid&) const = default;
};

// A duration cell as stored: read as a decimal whole number (empty or not a
// number reads 0), low 15 bits kept. 0 ends the scenario.
std::uint16_t DurationOfCell(const std::string& text);

// A grid row into a scenario record. Steps after the end mark keep what
// `record` held.
void ScenarioRowToRecord(const ScenarioGridRow& row, ControlScenario& record,
                         const ScenarioGridWords& words = BuiltInInterfaceTexts().scenarioGrid);
// A scenario record as grid row `scenario`.
ScenarioGridRow RecordToScenarioRow(int scenario, const ControlScenario& record,
                                    const ScenarioGridWords& words = BuiltInInterfaceTexts().scenarioGrid);

// The whole table. Storing reads rows 1..14; loading fills the header and
// every row.
void StoreScenarios(const ScenarioGrid& grid, ConfigImage& image,
                    const ScenarioGridWords& words = BuiltInInterfaceTexts().scenarioGrid);
void LoadScenarios(ScenarioGrid& grid, const ConfigImage& image,
                   const ScenarioGridWords& words = BuiltInInterfaceTexts().scenarioGrid);

}  // namespace krx
