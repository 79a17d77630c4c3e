#include "config/inputs_common_section.h"

#include "config/encoding.h"

namespace krx {

using namespace inputs_common_layout;

const std::array<std::string_view, 2>& PortPwrSensAllOnItems() {
    static constexpr std::array<std::string_view, 2> kItems = {
        "Зависит от режима (Охрана - включен, Наблюдение - выключен)", "Питание всегда подано"};
    return kItems;
}

const std::array<std::string_view, 8>& LoopPwrResetTimeItems() {
    static constexpr std::array<std::string_view, 8> kItems = {
        "10  Sec.", "20  Sec.", "30  Sec.", "40  Sec.",
        "50  Sec.", "60  Sec.", "70  Sec.", "80  Sec."};
    return kItems;
}

const std::array<std::string_view, 16>& NoScaningTimeAftArmItems() {
    static constexpr std::array<std::string_view, 16> kItems = {
        "0  Sec.",   "10  Sec.",  "20  Sec.",  "30  Sec.",  "40  Sec.",  "50  Sec.",
        "60  Sec.",  "70  Sec.",  "80  Sec.",  "90  Sec.",  "100  Sec.", "110  Sec.",
        "120  Sec.", "130  Sec.", "140  Sec.", "150  Sec."};
    return kItems;
}

const std::array<std::string_view, 8>& NoScaningTimeAftResetItems() {
    static constexpr std::array<std::string_view, 8> kItems = {
        "0 Sec.",    "15 Sec.",   "30  Sec.", "45  Sec.",
        "60  Sec.",  "75  Sec.",  "90  Sec.", "105  Sec."};
    return kItems;
}

void StoreInputsCommon(const InputsCommonSettings& v, ConfigImage& image) {
    image.setBits(kSupplyByte, 0, 1, ListIndexToField(v.portPwrSensAllOn, 1));
    image.setBits(kSupplyByte, 1, 3, ListIndexToField(v.loopPwrResetTime, 3));
    image.setBits(kSupplyByte, 4, 4, ListIndexToField(v.noScaningTimeAftArm, 4));
    image.setBits(kStartByte, 0, 3, ListIndexToField(v.noScaningTimeAftReset, 3));
}

void LoadInputsCommon(InputsCommonSettings& v, const ConfigImage& image) {
    v.portPwrSensAllOn =
        FieldToListIndex(image.bits(kSupplyByte, 0, 1), int(PortPwrSensAllOnItems().size()));
    v.loopPwrResetTime =
        FieldToListIndex(image.bits(kSupplyByte, 1, 3), int(LoopPwrResetTimeItems().size()));
    v.noScaningTimeAftArm =
        FieldToListIndex(image.bits(kSupplyByte, 4, 4), int(NoScaningTimeAftArmItems().size()));
    v.noScaningTimeAftReset =
        FieldToListIndex(image.bits(kStartByte, 0, 3), int(NoScaningTimeAftResetItems().size()));
}

}  // namespace krx

namespace krx {

void VisitSettings(InputsCommonSettings& v, SettingVisitor& visitor) {
    visitor.choice("PortPwrSensAllOn", v.portPwrSensAllOn, ItemList(PortPwrSensAllOnItems()));
    visitor.choice("LoopPwrResetTime", v.loopPwrResetTime, ItemList(LoopPwrResetTimeItems()));
    visitor.choice("NoScaningTimeAftArm", v.noScaningTimeAftArm, ItemList(NoScaningTimeAftArmItems()));
    visitor.choice("NoScaningTimeAftReset", v.noScaningTimeAftReset,
                   ItemList(NoScaningTimeAftResetItems()));
}

}  // namespace krx
