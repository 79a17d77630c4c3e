#pragma once
// Where the waveform of a scenario row is drawn over its duration cells: a
// pulse train that starts at the row's level and changes level at every
// step, and for a cyclic row a return line from the end of the train back to
// its start. Pure geometry, so the picture can be checked without painting.

#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

#include "config/scenario_grid_rules.h"

namespace krx {

struct WaveformGeometry {
    std::vector<QPointF> train;        // the pulse train, as one polyline
    std::optional<QLineF> returnLine;  // cyclic rows only, right to left
};

// `cells` are the rectangles of the duration cells on screen, first step
// first; `startVisible` tells whether the first duration cell is on screen
// (the return line and its arrow head need its left edge).
WaveformGeometry ComputeWaveform(const ScenarioWaveform& waveform, const std::vector<QRectF>& cells,
                                 bool startVisible);

}  // namespace krx
