#include "config/up_down_position.h"

#include <algorithm>
#include <cstdint>

namespace krx {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int UpDownPositionFromText(std::string_view text, int maximum) {
    const int top = std::max(maximum, 0);
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Any position beyond `top` clamps to it, so the digits need not be read
    // further once the value has passed it; this also keeps a long run of
    // digits from overflowing.
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (value <= top) value = value * 10 + (text[i] - '0');
    }
    if (negative) return 0;
    return static_cast<int>(std::min<std::int64_t>(value, top));
}

}  // namespace krx
