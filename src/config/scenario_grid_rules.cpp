#include "config/scenario_grid_rules.h"

#include "config/encoding.h"

namespace krx {

namespace {

bool ValidScenarioRow(int row) { return row >= 1 && row < kScenarioGridRows; }

bool IsCyclic(const ScenarioGridRow& row, const ScenarioGridWords& words) {
    return row[kCyclicColumn] == words.cyclic;
}

}  // namespace

bool DurationCellAccepts(std::string_view text) {
    if (text.size() > kDurationCellDigits) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

bool ScenarioCellTypable(const ScenarioGrid& grid, int row, int column,
                         const ScenarioGridWords& words) {
    if (!ValidScenarioRow(row)) return false;
    if (column >= kFirstDurationColumn && column < kScenarioGridColumns) return true;
    if (column == kCountColumn) return IsCyclic(grid.cells[static_cast<std::size_t>(row)], words);
    return false;
}

void ToggleScenarioCell(ScenarioGrid& grid, int row, int column,
                        const ScenarioGridWords& words) {
    if (!ValidScenarioRow(row)) return;
    ScenarioGridRow& r = grid.cells[static_cast<std::size_t>(row)];
    if (column == kCyclicColumn) {
        if (IsCyclic(r, words)) {
            r[kCyclicColumn].clear();
            r[kCountColumn].clear();
        } else {
            r[kCyclicColumn] = words.cyclic;
            r[kCountColumn] = "0";
        }
    } else if (column == kLevelColumn) {
        r[kLevelColumn] = r[kLevelColumn] == words.high ? words.low : words.high;
    }
}

bool ScenarioRowEdited(ScenarioGrid& grid, int row, const ScenarioGridWords& words) {
    if (!ValidScenarioRow(row)) return false;
    ScenarioGridRow& r = grid.cells[static_cast<std::size_t>(row)];
    std::int64_t count = 0;
    const bool countIsOne = ParseWholeNumber(r[kCountColumn], count) && count == 1;
    if (!countIsOne && IsCyclic(r, words)) return false;
    const bool hadAny = !r[kCyclicColumn].empty() || !r[kCountColumn].empty();
    r[kCyclicColumn].clear();
    r[kCountColumn].clear();
    return hadAny;
}

ScenarioWaveform WaveformOfRow(const ScenarioGridRow& row, const ScenarioGridWords& words) {
    ScenarioWaveform w;
    w.initialHigh = row[kLevelColumn] == words.high;
    w.cyclic = IsCyclic(row, words);
    while (w.steps < scenario_layout::kStepCount &&
           DurationOfCell(row[static_cast<std::size_t>(kFirstDurationColumn + w.steps)]) != 0) {
        ++w.steps;
    }
    return w;
}

}  // namespace krx
