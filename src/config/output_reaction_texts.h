#pragma once
// What an output does on an event (`OutputReaction`): one byte, 0 no reaction,
// 1 switch on, 2 switch off, 3..16 run control scenario 1..14.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/output_name_items.h"

namespace krx {

inline constexpr int kOutputReactionCount = 17;
// Reaction lists hold one byte per output: relay 1, relay 2, output 1..5.
inline constexpr int kReactionListLength = kOutputCount;

// The texts of the reactions, by code: "нет реакции", "включить", "выключить",
// "сценарий 1" .. "сценарий 14".
const std::array<std::string_view, kOutputReactionCount>& OutputReactionTexts();

// The text of a stored reaction code. A code no list offers (a byte from a file
// or the controller) is shown as its decimal number instead of being looked up
// past the end of the list.
std::string OutputReactionText(unsigned code);

}  // namespace krx
