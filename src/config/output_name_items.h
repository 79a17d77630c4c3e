#pragma once
// The names of the outputs as the reaction lists offer them, in the order of
// every reaction list: relay 1, relay 2, output 1..5.

#include <array>
#include <string_view>

namespace krx {

// Relay 1, relay 2, output 1..5: the outputs the configuration holds.
inline constexpr int kOutputCount = 7;
// This model has two relays and two outputs; lists cut to them offer the
// first four names.
inline constexpr int kModelOutputCount = 4;

// "Реле 1", "Реле 2", "Выход 1" .. "Выход 5".
const std::array<std::string_view, kOutputCount>& OutputNameItems();

}  // namespace krx
