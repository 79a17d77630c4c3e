#include "config/output_section.h"
#include "config/section_defaults.h"

namespace krx {

// Seven output records: their names, "ВКЛ"/"ВЫКЛ" state names, a remote
// command that sets a level, enabled and remotely controllable (flags 0xA0).
void WriteOutputDefaults(ConfigImage& image) {
    using namespace output_layout;
    static constexpr std::array<std::string_view, kRecordCount> kNames = {
        "РЕЛЕ1", "РЕЛЕ2", "ВЫХОД1", "ВЫХОД2", "ВЫХОД3", "ВЫХОД4", "ВЫХОД5"};
    for (int output = 1; output <= kRecordCount; ++output) {
        OutputSettings v;
        v.releName = std::string(kNames[static_cast<std::size_t>(output - 1)]);
        v.releNameAct = "ВКЛ";
        v.releNameDeact = "ВЫКЛ";
        v.commType = 0;
        v.releEn = true;
        v.releInversion = false;
        v.remoteControlEn = true;
        StoreOutput(output, v, image);
    }
}

}  // namespace krx
