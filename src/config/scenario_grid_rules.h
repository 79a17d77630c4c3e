#pragma once
// How the scenario grid reacts to the user: which cells take typing, the
// double-click toggles, the clean-up after an edit, and the waveform drawn for
// the selected row.

#include <string_view>

#include "config/scenario_section.h"

namespace krx {

// Duration cells take up to five decimal digits.
inline constexpr std::size_t kDurationCellDigits = 5;
bool DurationCellAccepts(std::string_view text);

// Whether a cell can be typed into: the duration cells always, the count only
// while the row is marked cyclic; the title, cyclic and level cells never.
bool ScenarioCellTypable(const ScenarioGrid& grid, int row, int column,
                         const ScenarioGridWords& words = BuiltInInterfaceTexts().scenarioGrid);

// Double click. The cyclic cell toggles between the cyclic word (count "0")
// and empty (count cleared); the level cell turns high into low and anything
// else into high. Other cells do not change.
void ToggleScenarioCell(ScenarioGrid& grid, int row, int column,
                        const ScenarioGridWords& words = BuiltInInterfaceTexts().scenarioGrid);

// After a cell of `row` was changed by typing: a row whose count reads 1, or
// which is not marked cyclic, loses its cyclic mark and count. Returns true
// when that cleared something, so that the editor stops typing until another
// cell is selected; a row that already had neither keeps taking keystrokes.
bool ScenarioRowEdited(ScenarioGrid& grid, int row, const ScenarioGridWords& words = BuiltInInterfaceTexts().scenarioGrid);

// What the waveform of a row shows: the initial level, how many steps the
// train has before the first empty or zero duration, and whether a return
// line runs back to its start.
struct ScenarioWaveform {
    bool initialHigh = false;
    int steps = 0;
    bool cyclic = false;

    bool operator==(const ScenarioWaveform&) const = default;
};
ScenarioWaveform WaveformOfRow(const ScenarioGridRow& row, const ScenarioGridWords& words = BuiltInInterfaceTexts().scenarioGrid);

}  // namespace krx
