#pragma once
// The three bytes of a control command (action, target, parameter): change
// the security mode, drive an output, or imitate the activation of an input.
// Bytes an action does not use are 0.

#include <array>
#include <cstdint>
#include <optional>

namespace krx {

using ControlPayload = std::array<std::uint8_t, 3>;

enum class SecurityMode : std::uint8_t {
    Armed,        // "Охрана"
    Observation,  // "Наблюдение"
    Protection,   // "Защита"
};

namespace control {
// Outputs by index: 0 "Реле 1", 1 "Реле 2", 2..6 "Выход 1".."Выход 5".
inline constexpr int kOutputs = 7;
inline constexpr int kScenarios = 14;
inline constexpr int kInputs = 16;
}  // namespace control

ControlPayload ModeChangePayload(SecurityMode mode);
// Nothing for an output index outside 0..6.
std::optional<ControlPayload> OutputSwitchPayload(int output, bool on);
// `scenario` 1..14 runs "сценарий N" on the output.
std::optional<ControlPayload> OutputScenarioPayload(int output, int scenario);
// `input` 0..15.
std::optional<ControlPayload> InputImitationPayload(int input);

}  // namespace krx
