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

bool ParseWholeNumber(std::string_view text, std::int64_t& value) {
    const std::string t = TrimBlanks(text);
    if (t.empty()) return false;
    std::size_t i = 0;
    bool negative = false;
    if (t[0] == '+' || t[0] == '-') {
        negative = t[0] == '-';
        i = 1;
    }
    if (i >= t.size()) return false;
    std::uint64_t magnitude = 0;
    constexpr std::uint64_t kLimit = std::numeric_limits<std::int64_t>::max();
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return false;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(t[i] - '0');
        if (magnitude > kLimit) return false;
    }
    value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

std::uint64_t TypedNumberToField(std::string_view text, std::uint64_t maxValue) {
    std::int64_t v = 0;
    if (!ParseWholeNumber(text, v)) return 0;
    if (v >= 0) return std::min<std::uint64_t>(static_cast<std::uint64_t>(v), maxValue);
    return static_cast<std::uint64_t>(v) & maxValue;
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
