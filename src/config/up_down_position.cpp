#include "config/up_down_position.h"

#include <algorithm>
#include <cstdint>

#include "config/encoding.h"

namespace krx {

int UpDownPositionFromText(std::string_view text, int maximum) {
    std::int64_t value = 0;
    if (!ParseWholeNumber(text, value)) return 0;
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, std::max(maximum, 0)));
}

}  // namespace krx
