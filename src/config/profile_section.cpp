#include "config/profile_section.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "config/barrier_rules.h"
#include "config/encoding.h"
#include "config/input_section.h"

namespace krx {

using namespace profile_layout;

namespace {

bool ValidProfile(int profile) { return profile >= 1 && profile <= kRecordCount; }

int SliderPosition(int code) { return std::clamp(code, 0, kConverterCodeMax); }

float FloatAt(const ConfigImage& image, std::size_t offset) {
    return std::bit_cast<float>(image.u32(offset));
}

}  // namespace

const std::array<std::string_view, 2>& ProfileNameSuggestions() {
    static constexpr std::array<std::string_view, 2> kItems = {"КОМФОРТ", "ЭКОНОМ"};
    return kItems;
}

void MoveProfileHiBarrier(ProfileInputRow& row, int code) {
    MoveHiBarrier(code, row.hiBarrier, row.loBarrier);
}

void MoveProfileLoBarrier(ProfileInputRow& row, int code) {
    MoveLoBarrier(code, row.loBarrier, row.hiBarrier);
}

ProfileBarrierLabels ProfileRowLabels(int input, const ProfileInputRow& row,
                                      const ConfigImage& image, char decimalSeparator) {
    namespace in = input_layout;
    if (input < 1 || input > in::kRecordCount) return {};
    const std::size_t r = in::RecordStart(input);
    const int type = static_cast<int>(image.bits(r + in::kTypeByte, 1, 3));  // SensType
    const double minVal = FloatAt(image, r + in::kMinVal);
    const double maxVal = FloatAt(image, r + in::kMaxVal);
    return {BarrierReading(row.hiBarrier, type, minVal, maxVal, decimalSeparator),
            BarrierReading(row.loBarrier, type, minVal, maxVal, decimalSeparator)};
}

void StoreProfile(int profile, const ProfileSettings& v, ConfigImage& image) {
    if (!ValidProfile(profile)) return;
    const std::size_t r = RecordStart(profile);
    image.setText(r + kName, kNameWidth, v.profileName, Trim::None);
    for (int i = 1; i <= kProfileInputRows; ++i) {
        const ProfileInputRow& row = v.inputs[static_cast<std::size_t>(i - 1)];
        const std::size_t e = r + EntryStart(i);
        image.setBit(e + kEntryFlags, kProfInputBit, row.enabled);
        image.setU16(e + kEntryLoBarrier, static_cast<std::uint16_t>(SliderPosition(row.loBarrier)));
        image.setU16(e + kEntryHiBarrier, static_cast<std::uint16_t>(SliderPosition(row.hiBarrier)));
    }
    for (std::size_t o = 0; o < v.reactions.size(); ++o) {
        image.setU8(r + kReactions + o, static_cast<std::uint8_t>(ListIndexToField(v.reactions[o], 8)));
    }
}

void LoadProfile(int profile, ProfileSettings& v, const ConfigImage& image) {
    if (!ValidProfile(profile)) return;
    const std::size_t r = RecordStart(profile);
    // The name never runs into the field's last byte, which a store leaves 0.
    v.profileName = image.text(r + kName, kNameWidth - 1);
    for (int i = 1; i <= kProfileInputRows; ++i) {
        ProfileInputRow& row = v.inputs[static_cast<std::size_t>(i - 1)];
        const std::size_t e = r + EntryStart(i);
        row.enabled = image.bit(e + kEntryFlags, kProfInputBit);
        row.loBarrier = SliderPosition(image.u16(e + kEntryLoBarrier));
        row.hiBarrier = SliderPosition(image.u16(e + kEntryHiBarrier));
    }
    for (std::size_t o = 0; o < v.reactions.size(); ++o) {
        v.reactions[o] = FieldToListIndex(image.u8(r + kReactions + o), kOutputReactionCount);
    }
}

}  // namespace krx

namespace krx {

void VisitSettings(ProfileSettings& v, SettingVisitor& visitor) {
    visitor.text("ProfileName", v.profileName);
    for (std::size_t i = 0; i < v.inputs.size(); ++i) {
        PrefixedVisitor row(Numbered("Input", int(i) + 1), visitor);
        row.flag("ProfInput", v.inputs[i].enabled);
        row.number("ProfHiBarrier", v.inputs[i].hiBarrier, 0, kConverterCodeMax);
        row.number("ProfLoBarrier", v.inputs[i].loBarrier, 0, kConverterCodeMax);
    }
    const ItemList reactions(OutputReactionTexts());
    for (std::size_t i = 0; i < v.reactions.size(); ++i)
        visitor.choice(Numbered("ProfileToR", int(i) + 1), v.reactions[i], reactions);
}

}  // namespace krx
