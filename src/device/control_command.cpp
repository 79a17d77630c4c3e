#include "device/control_command.h"

namespace krx {
namespace {

constexpr std::uint8_t kActionArm = 0;
constexpr std::uint8_t kActionObserve = 1;
constexpr std::uint8_t kActionOutput = 2;
constexpr std::uint8_t kActionProtect = 3;
constexpr std::uint8_t kActionImitateInput = 4;

// The output reaction codes: 1 switch on, 2 switch off, 3.. the scenarios.
constexpr std::uint8_t kReactionOn = 1;
constexpr std::uint8_t kReactionOff = 2;
constexpr std::uint8_t kFirstScenarioReaction = 3;

bool IsOutput(int output) {
    return output >= 0 && output < control::kOutputs;
}

}  // namespace

ControlPayload ModeChangePayload(SecurityMode mode) {
    switch (mode) {
        case SecurityMode::Armed:
            return {kActionArm, 0, 0};
        case SecurityMode::Observation:
            return {kActionObserve, 0, 0};
        case SecurityMode::Protection:
            break;
    }
    return {kActionProtect, 0, 0};
}

std::optional<ControlPayload> OutputSwitchPayload(int output, bool on) {
    if (!IsOutput(output)) return std::nullopt;
    return ControlPayload{kActionOutput, std::uint8_t(output), on ? kReactionOn : kReactionOff};
}

std::optional<ControlPayload> OutputScenarioPayload(int output, int scenario) {
    if (!IsOutput(output) || scenario < 1 || scenario > control::kScenarios) return std::nullopt;
    return ControlPayload{kActionOutput, std::uint8_t(output),
                          std::uint8_t(kFirstScenarioReaction + scenario - 1)};
}

std::optional<ControlPayload> InputImitationPayload(int input) {
    if (input < 0 || input >= control::kInputs) return std::nullopt;
    return ControlPayload{kActionImitateInput, std::uint8_t(input), 0};
}

}  // namespace krx
