#include "app/widgets/scenario_waveform.h"

#include <algorithm>

namespace krx {
namespace {

// The high and low levels sit a quarter of the cell height from its edges.
double HighY(const QRectF& cell) { return cell.top() + cell.height() / 4; }
double LowY(const QRectF& cell) { return cell.bottom() - cell.height() / 4; }

}  // namespace

WaveformGeometry ComputeWaveform(const ScenarioWaveform& waveform, const std::vector<QRectF>& cells,
                                 bool startVisible) {
    WaveformGeometry g;
    const int steps = std::min<int>(waveform.steps, static_cast<int>(cells.size()));
    if (steps <= 0) return g;
    bool high = waveform.initialHigh;
    for (int i = 0; i < steps; ++i) {
        const QRectF& cell = cells[std::size_t(i)];
        const double y = high ? HighY(cell) : LowY(cell);
        // A level change is a vertical edge at the cell's left border.
        if (!g.train.empty() && g.train.back().y() != y) g.train.push_back({cell.left(), y});
        if (g.train.empty()) g.train.push_back({cell.left(), y});
        g.train.push_back({cell.right(), y});
        high = !high;
    }
    if (waveform.cyclic && startVisible) {
        const QRectF& first = cells.front();
        const QRectF& last = cells[std::size_t(steps - 1)];
        // Below the train, near the bottom of the cells.
        const double y = first.bottom() - first.height() / 10;
        g.returnLine = QLineF(last.right(), y, first.left(), y);
    }
    return g;
}

}  // namespace krx
