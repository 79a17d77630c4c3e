#pragma once
// The encoding rules every editor section follows between what its editor
// shows and the bytes of the image.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "config/config_image.h"

namespace krx {

// Removes blanks (and any other control character) from the ends asked for.
std::string TrimBlanks(std::string_view text, Trim trim = Trim::Both);

// A drop-down list's index as stored in a field of `width` bits: the index
// masked to the width, or all ones when the list shows no choice (-1).
unsigned ListIndexToField(int index, unsigned width);

// The index a list shows for a stored value: the value when the list has that
// many items, otherwise -1 (no choice).
int FieldToListIndex(unsigned value, int itemCount);

// A whole number typed as text, stored in a field whose largest value is
// `maxValue` (2^n - 1): text that is not a number gives 0, a value above the
// range gives `maxValue` (however many digits it has), a negative value keeps
// its low n bits.
std::uint64_t TypedNumberToField(std::string_view text, std::uint64_t maxValue);

// Reads a signed decimal whole number the way the editor's number boxes do:
// optional blanks around it, an optional sign, digits only. Returns false for
// anything else (including an empty text or a number too large to hold).
bool ParseWholeNumber(std::string_view text, std::int64_t& value);

// Removes every blank inside a 16-byte text field: what follows a blank moves
// left and the freed bytes at the end become NUL. Nothing outside the 16 bytes
// is touched.
inline constexpr std::size_t kPhoneFieldWidth = 16;
void RemoveBlanks(std::span<std::uint8_t, kPhoneFieldWidth> field);
void RemoveBlanks(ConfigImage& image, std::size_t offset);

}  // namespace krx
