#include "config/encoding.h"

#include <algorithm>
#include <limits>

namespace krx {
namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

std::string TrimBlanks(std::string_view text, Trim trim) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    if (trim != Trim::None) {
        while (begin < end && IsBlank(text[begin])) ++begin;
    }
    if (trim == Trim::Both) {
        while (end > begin && IsBlank(text[end - 1])) --end;
    }
    return std::string(text.substr(begin, end - begin));
}

unsigned ListIndexToField(int index, unsigned width) {
    const unsigned mask = width >= 32 ? ~0u : (1u << width) - 1u;
    if (index < 0) return mask;
    return static_cast<unsigned>(index) & mask;
}

int FieldToListIndex(unsigned value, int itemCount) {
    if (itemCount > 0 && value < static_cast<unsigned>(itemCount)) return static_cast<int>(value);
    return -1;
}

namespace {

// A signed decimal as typed: its magnitude modulo 2^64 (which still gives
// the exact low bits of any value) and whether it exceeds the int64 range.
struct TypedWhole {
    bool number = false;
    bool negative = false;
    bool overflow = false;
    std::uint64_t magnitude = 0;
};

TypedWhole ReadTypedWhole(std::string_view text) {
    TypedWhole out;
    const std::string t = TrimBlanks(text);
    std::size_t i = 0;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        out.negative = t[0] == '-';
        i = 1;
    }
    if (i >= t.size()) return out;
    constexpr std::uint64_t kLimit = std::numeric_limits<std::int64_t>::max();
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return out;
        const auto digit = static_cast<std::uint64_t>(t[i] - '0');
        // Checked before the multiplication: a wrapped product could look
        // small again (20 digits reading as 100).
        if (out.magnitude > (kLimit - digit) / 10) out.overflow = true;
        out.magnitude = out.magnitude * 10 + digit;  // modulo 2^64 by design
    }
    out.number = true;
    return out;
}

}  // namespace

bool ParseWholeNumber(std::string_view text, std::int64_t& value) {
    const TypedWhole typed = ReadTypedWhole(text);
    if (!typed.number || typed.overflow) return false;
    value = typed.negative ? -static_cast<std::int64_t>(typed.magnitude)
                           : static_cast<std::int64_t>(typed.magnitude);
    return true;
}

std::uint64_t TypedNumberToField(std::string_view text, std::uint64_t maxValue) {
    const TypedWhole typed = ReadTypedWhole(text);
    if (!typed.number) return 0;
    if (!typed.negative) return typed.overflow ? maxValue : std::min(typed.magnitude, maxValue);
    // Two's complement of the magnitude: exact low bits, however long the text.
    return (~typed.magnitude + 1) & maxValue;
}

void RemoveBlanks(std::span<std::uint8_t, kPhoneFieldWidth> field) {
    std::size_t out = 0;
    for (std::size_t in = 0; in < field.size(); ++in) {
        if (field[in] != ' ') field[out++] = field[in];
    }
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(out), field.end(), 0);
}

void RemoveBlanks(ConfigImage& image, std::size_t offset) {
    if (offset > kImageSize || kImageSize - offset < kPhoneFieldWidth) return;
    RemoveBlanks(std::span<std::uint8_t, kPhoneFieldWidth>(image.bytes().data() + offset,
                                                           kPhoneFieldWidth));
}

}  // namespace krx
