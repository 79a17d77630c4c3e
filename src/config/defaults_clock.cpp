#include "config/clock_section.h"
#include "config/section_defaults.h"

namespace krx {

void WriteClockDefaults(ConfigImage& image) {
    image.setU8(clock_layout::kTimeZone, 4);  // GMT+4, Moscow
    // Summer time off, empty info message, all eight tasks off and empty.
}

}  // namespace krx
