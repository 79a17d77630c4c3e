#pragma once
// A control scenario's waveform as a picture for the report: its steps as a
// train of high and low levels over time, each step labelled with its
// duration, and a return arrow for a scenario that repeats.

#include <QImage>
#include <QSize>

#include "config/scenario_section.h"

namespace krx {

// The steps up to the end mark (the first zero duration), their levels and
// durations in 100 ms units.
struct ScenarioTrain {
    struct Step {
        bool high = false;
        int duration = 0;
    };
    std::vector<Step> steps;
    int totalDuration() const;
};
ScenarioTrain TrainOf(const ControlScenario& scenario);

QImage ScenarioPicture(const ControlScenario& scenario, QSize size = {720, 90});

}  // namespace krx
