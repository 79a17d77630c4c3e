#include "config/profile_section.h"
#include "config/section_defaults.h"

namespace krx {

// Eight profiles: their names, no input taking part, every input's barriers
// at the thirds of the range (1365 / 2730), no output reactions.
void WriteProfileDefaults(ConfigImage& image) {
    using namespace profile_layout;
    static constexpr std::array<std::string_view, kRecordCount> kNames = {
        "КОМФОРТ", "ЭКОНОМ", "ПРОФИЛЬ3", "ПРОФИЛЬ4", "ПРОФИЛЬ5", "ПРОФИЛЬ6", "ПРОФИЛЬ7", "ПРОФИЛЬ8"};
    constexpr std::uint16_t kLoBarrierDefault = 1365;
    constexpr std::uint16_t kHiBarrierDefault = 2730;
    for (int p = 1; p <= kRecordCount; ++p) {
        const std::size_t r = RecordStart(p);
        image.setText(r + kName, kNameWidth, kNames[static_cast<std::size_t>(p - 1)], Trim::None);
        for (int input = 1; input <= kEntryCount; ++input) {
            const std::size_t e = r + EntryStart(input);
            image.setBit(e + kEntryFlags, kProfInputBit, false);
            image.setU16(e + kEntryLoBarrier, kLoBarrierDefault);
            image.setU16(e + kEntryHiBarrier, kHiBarrierDefault);
        }
        for (int o = 0; o < kReactionListLength; ++o) {
            image.setU8(r + kReactions + static_cast<std::size_t>(o), 0);  // no reaction
        }
    }
}

}  // namespace krx
