#include <iterator>

#include "config/armin_section.h"
#include "config/section_defaults.h"

namespace krx {

void WriteArmInDefaults(ConfigImage& image) {
    using namespace armin_layout;
    // No arming delay, mode "pulse toggles", no reactions, no profiles and no
    // keys: all zero. Only the perimeter names of the larger model are set.
    const char* const kPerimeterNames[] = {"ПЕРИМЕТР2", "ПЕРИМЕТР3", "ПЕРИМЕТР4"};
    for (std::size_t i = 0; i < std::size(kPerimeterTexts); ++i) {
        image.setText(kPerimeterTexts[i], kPerimeterTextWidth, kPerimeterNames[i]);
    }
}

}  // namespace krx
