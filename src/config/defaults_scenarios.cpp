#include "config/scenario_section.h"
#include "config/section_defaults.h"

namespace krx {

namespace {

using namespace scenario_layout;

constexpr std::uint16_t kEndless = 0;

constexpr std::uint16_t High(std::uint16_t tenthsOfSecond) {
    return static_cast<std::uint16_t>(kHighLevel | tenthsOfSecond);
}
constexpr std::uint16_t Low(std::uint16_t tenthsOfSecond) { return tenthsOfSecond; }
constexpr std::uint16_t kEndLow = 0;
constexpr std::uint16_t kEndHigh = kHighLevel;

ControlScenario Scenario(std::uint16_t repeatCount, std::initializer_list<std::uint16_t> steps) {
    ControlScenario record;
    record.repeatCount = repeatCount;
    std::size_t j = 0;
    for (std::uint16_t step : steps) record.steps[j++] = step;
    return record;
}

}  // namespace

// The fourteen factory scenarios; each step list ends with its end mark.
void WriteScenarioDefaults(ConfigImage& image) {
    WriteControlScenario(1, Scenario(kEndless, {High(1), Low(1), kEndLow}), image);
    WriteControlScenario(2, Scenario(kEndless, {High(2), Low(2), High(2), Low(2), kEndLow}), image);
    WriteControlScenario(3, Scenario(kEndless, {High(5), Low(5), High(10), Low(10), kEndLow}),
                         image);
    WriteControlScenario(4, Scenario(kPlayedOnce, {High(2), Low(2), High(2), kEndLow}), image);
    WriteControlScenario(5, Scenario(kPlayedOnce, {Low(1), High(1), Low(2), kEndHigh}), image);
    WriteControlScenario(6, Scenario(kEndless, {High(2), Low(3), kEndLow}), image);
    WriteControlScenario(7, Scenario(kPlayedOnce, {High(5), kEndLow}), image);
    // Scenarios 8..14 carry a high word after their end mark, which is never read.
    for (int s = 8; s <= kScenarioCount; ++s) {
        WriteControlScenario(s, Scenario(kPlayedOnce, {High(1), kEndLow, kHighLevel}), image);
    }
}

}  // namespace krx
