// The readers of typed texts: touch-key codes, whole numbers, up-down
// positions, scenario durations. Never a crash, and every result within the
// range its field holds.
#include <cstdint>
#include <string>
#include <string_view>

#include "config/encoding.h"
#include "config/scenario_section.h"
#include "config/touch_key_table.h"
#include "config/up_down_position.h"
#include "fuzz_support.h"

using namespace krx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::uint64_t code = KeyCodeFromCell(text);
    if (code != 0 && KeyCodeFromCell(KeyCodeCellText(code)) != code) fuzz::Broken("a key code does not read back");
    const std::string typed = KeyCodeCellInput(text);
    if (typed.size() > kKeyCodeDigits) fuzz::Broken("a key cell keeps more than 16 characters");
    for (std::uint64_t max : {0xFFull, 0xFFFFull, 0xFFFFFFFFull}) {
        if (TypedNumberToField(text, max) > max) fuzz::Broken("a typed number beyond its field");
    }
    std::int64_t whole = 0;
    (void)ParseWholeNumber(text, whole);
    for (int maximum : {63, 240}) {
        const int p = UpDownPositionFromText(text, maximum);
        if (p < 0 || p > maximum) fuzz::Broken("an up-down position outside its range");
    }
    if (DurationOfCell(std::string(text)) > scenario_layout::kDurationMask) fuzz::Broken("a duration beyond 15 bits");
    return 0;
}
