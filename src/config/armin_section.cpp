#include "config/armin_section.h"

#include <algorithm>

#include "config/encoding.h"
#include "config/input_section.h"

namespace krx {

using namespace armin_layout;

namespace {

void StoreChoice(int index, std::size_t at, ConfigImage& image) {
    image.setU8(at, static_cast<std::uint8_t>(ListIndexToField(index, 8)));
}

void StoreReactions(const std::array<int, kReactionListLength>& list, std::size_t at,
                    ConfigImage& image) {
    for (std::size_t i = 0; i < list.size(); ++i) StoreChoice(list[i], at + i, image);
}

void LoadReactions(std::array<int, kReactionListLength>& list, std::size_t at,
                   const ConfigImage& image) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i] = FieldToListIndex(image.u8(at + i), kOutputReactionCount);
    }
}

std::size_t RestrArmModeByte(int input) {
    return input_layout::RecordStart(input) + input_layout::kTypeByte;
}

}  // namespace

const std::array<std::string_view, 5>& ArmInModeItems() {
    static constexpr std::array<std::string_view, 5> kItems = {
        "Смена режима ОХРАНА/НАБЛЮДЕНИЕ импульсом",
        "Замыкание входа - ОХРАНА, размыкание - НАБЛЮДЕНИЕ",
        "Смена режима ОХРАНА/НАБЛЮДЕНИЕ - TouchMemory",
        "ОХРАНА/НАБЛЮД. - TM, ЗАЩИТА/НАБЛЮД. - импульс",
        "ОХРАНА/НАБЛЮДЕНИЕ - TM, ОХРАНА - импульс"};
    return kItems;
}

const std::array<std::string_view, kProfileChoiceCount>& ProfileChoiceItems() {
    static constexpr std::array<std::string_view, kProfileChoiceCount> kItems = {
        "Не применять профиль", "Применить профиль 1", "Применить профиль 2",
        "Применить профиль 3",  "Применить профиль 4", "Применить профиль 5",
        "Применить профиль 6",  "Применить профиль 7", "Применить профиль 8"};
    return kItems;
}

void StoreArmIn(const ArmInSettings& v, ConfigImage& image) {
    image.setU8(kDelayArm, static_cast<std::uint8_t>(std::clamp(v.delayArm, 0, kDelayArmMax)));
    StoreChoice(v.armInMode, kArmInMode, image);
    StoreReactions(v.armToRele, kArmToRele, image);
    StoreReactions(v.disarmToRele, kDisarmToRele, image);
    StoreReactions(v.cdToRele, kCdToRele, image);
    StoreReactions(v.raToRele, kRaToRele, image);
    StoreChoice(v.armToProfile, kArmToProfile, image);
    StoreChoice(v.disarmToProfile, kDisarmToProfile, image);
    StoreChoice(v.cdToProfile, kCdToProfile, image);
    StoreChoice(v.raToProfile, kRaToProfile, image);
    for (int input = 1; input <= kRestrArmModeInputs; ++input) {
        image.setBit(RestrArmModeByte(input), input_layout::kRestrArmModeBit,
                     v.restrArmMode[static_cast<std::size_t>(input - 1)]);
    }
    StoreTouchKeyTable(v.keys, image);
}

void LoadArmIn(ArmInSettings& v, const ConfigImage& image) {
    v.delayArm = std::min<int>(image.u8(kDelayArm), kDelayArmMax);
    v.armInMode = FieldToListIndex(image.u8(kArmInMode), kArmInModesOffered);
    LoadReactions(v.armToRele, kArmToRele, image);
    LoadReactions(v.disarmToRele, kDisarmToRele, image);
    LoadReactions(v.cdToRele, kCdToRele, image);
    LoadReactions(v.raToRele, kRaToRele, image);
    v.armToProfile = FieldToListIndex(image.u8(kArmToProfile), kProfileChoicesOffered);
    v.disarmToProfile = FieldToListIndex(image.u8(kDisarmToProfile), kProfileChoicesOffered);
    v.cdToProfile = FieldToListIndex(image.u8(kCdToProfile), kProfileChoicesOffered);
    v.raToProfile = FieldToListIndex(image.u8(kRaToProfile), kProfileChoiceCount);
    for (int input = 1; input <= kRestrArmModeInputs; ++input) {
        v.restrArmMode[static_cast<std::size_t>(input - 1)] =
            image.bit(RestrArmModeByte(input), input_layout::kRestrArmModeBit);
    }
    LoadTouchKeyTable(v.keys, image);
}

}  // namespace krx

namespace krx {

void VisitSettings(ArmInSettings& v, SettingVisitor& visitor) {
    const ItemList reactions(OutputReactionTexts());
    const ItemList profiles(ProfileChoiceItems());
    const auto reactionList = [&](std::string_view event, std::array<int, kReactionListLength>& list) {
        for (std::size_t i = 0; i < list.size(); ++i)
            visitor.choice(Numbered(std::string(event) + "Rele", int(i) + 1), list[i], reactions);
    };
    visitor.number("DelayARM", v.delayArm, 0, kDelayArmMax);
    visitor.choice("ArmInMode", v.armInMode, ItemList(ArmInModeItems()));
    reactionList("ArmTo", v.armToRele);
    reactionList("DisarmTo", v.disarmToRele);
    reactionList("CDto", v.cdToRele);
    reactionList("RAto", v.raToRele);
    visitor.choice("ArmToProfile", v.armToProfile, profiles);
    visitor.choice("DisarmToProfile", v.disarmToProfile, profiles);
    visitor.choice("CDtoProfile", v.cdToProfile, profiles);
    visitor.choice("RAtoProfile", v.raToProfile, profiles);
    for (std::size_t i = 0; i < v.restrArmMode.size(); ++i)
        visitor.flag(Numbered("RestrArmMode", int(i) + 1), v.restrArmMode[i]);
    VisitSettings(v.keys, visitor);
}

}  // namespace krx
