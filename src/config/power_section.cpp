#include "config/power_section.h"

#include "config/interface_texts.h"

#include <algorithm>
#include <cstdint>

#include "config/encoding.h"
#include "config/output_name_items.h"
#include "config/output_reaction_texts.h"
#include "config/power_editing_rules.h"

namespace krx {

using namespace power_layout;

const std::array<std::string_view, 8>& PowerSignAverTimeItems() {
    static constexpr std::array<std::string_view, 8> kItems = {
        "2 Sec.", "4 Sec.", "8 Sec.", "16 Sec.", "32 Sec.", "64 Sec.", "128 Sec.", "256 Sec."};
    return kItems;
}

const std::array<std::string_view, 8>& PowerRecoveryTimeItems() {
    static constexpr std::array<std::string_view, 8> kItems = {
        "2 Min.", "4 Min.", "8 Min.", "16 Min.", "32 Min.", "64 Min.", "128 Min.", "256 Min."};
    return kItems;
}

const std::array<std::string_view, 4>& IndFunctionItems() {
    // This model offers indicator functions 4 to 7 of the window's list.
    static const std::array<std::string_view, 4> kItems = [] {
        const auto& all = BuiltInInterfaceTexts().indicatorFunctions;
        return std::array<std::string_view, 4>{TextAt(all, 3), TextAt(all, 4), TextAt(all, 5),
                                               TextAt(all, 6)};
    }();
    return kItems;
}

const std::vector<std::string>& BorderLevelItems() {
    static const std::vector<std::string> kItems = [] {
        std::vector<std::string> items;
        for (int i = 0; i < kBorderLevelCount; ++i) items.push_back(TemperatureText(BorderLevelDegrees(i)));
        return items;
    }();
    return kItems;
}

int BorderLevelIndex(int degrees) {
    const int index = kHighestBorderLevel - degrees;
    return index >= 0 && index < kBorderLevelCount ? index : -1;
}

int BorderLevelDegrees(int index) { return kHighestBorderLevel - index; }

namespace {

std::uint8_t SignedByte(int value) { return static_cast<std::uint8_t>(static_cast<std::int8_t>(value)); }
int SignedValue(std::uint8_t byte) { return static_cast<std::int8_t>(byte); }

void StoreLevel(std::size_t offset, int index, ConfigImage& image) {
    if (index >= 0 && index < kBorderLevelCount) {
        image.setU8(offset, SignedByte(BorderLevelDegrees(index)));
    }
}

void StoreReaction(std::size_t offset, int out, int scn, ConfigImage& image) {
    image.setBits(offset, kReactionOutFirst, kReactionOutWidth,
                  ListIndexToField(out, kReactionOutWidth));
    image.setBits(offset, kReactionScnFirst, kReactionScnWidth,
                  ListIndexToField(scn, kReactionScnWidth));
}

void LoadReaction(std::size_t offset, int& out, int& scn, const ConfigImage& image) {
    out = FieldToListIndex(image.bits(offset, kReactionOutFirst, kReactionOutWidth),
                           kModelOutputCount);
    scn = FieldToListIndex(image.bits(offset, kReactionScnFirst, kReactionScnWidth),
                           kOutputReactionCount);
}

unsigned BorderPercentField(int position) {
    return unsigned(DischargeBorderPercent(std::clamp(position, 0, kDischargeScaleMax)));
}

}  // namespace

void StorePower(const PowerSettings& v, ConfigImage& image) {
    image.setBits(kPower, kSignAverTimeFirst, kSignAverTimeWidth,
                  ListIndexToField(v.powerSignAverTime, kSignAverTimeWidth));
    image.setBit(kPower, kExtPowerFaultBit, v.extPowerFault);
    image.setBits(kPower, kRecoveryTimeFirst, kRecoveryTimeWidth,
                  ListIndexToField(v.powerRecoveryTime, kRecoveryTimeWidth));
    image.setBit(kPower, kExtPowerRecBit, v.extPowerRec);
    image.setBit(kPowerGps, 0, v.asFaultSendGpsPos);

    image.setBits(kDischargeAlarm, 0, kPercentWidth, BorderPercentField(v.dischargeAlarmPosition));
    image.setBit(kDischargeAlarm, kBorderEventBit, v.batteryDischargeAlarmEventEn);
    image.setBits(kDischargeWarn, 0, kPercentWidth, BorderPercentField(v.dischargeWarnPosition));
    image.setBit(kDischargeWarn, kBorderEventBit, v.batteryDischargeWarnEventEn);
    image.setBit(kDischargeGps, 0, v.asDischargeSendGpsPos);

    image.setBits(kIndication, kIndFunctionFirst, kIndFunctionWidth,
                  ListIndexToField(v.indFunction, kIndFunctionWidth));
    image.setBit(kIndication, kAlarmBlinkingBit, v.alarmBlinking);
    image.setBit(kIndication, kDisableLedsAtCoverCloseBit, v.disableLedsAtCoverClose);
    image.setBit(kIndication, kShowActiveInsToArmOutBit, v.showActiveInsToArmOut);

    image.setBit(kTemperatureEvent, 0, v.temperatureEvent);
    // The scales cannot leave their ranges; holding the bytes to them as well
    // keeps a stray value from wrapping round into a different signed byte.
    image.setU8(kTemperatLowBorder,
                SignedByte(std::clamp(v.temperatLowBorder, kLowBorderMin, kLowBorderMax)));
    image.setU8(kTemperatHiBorder,
                SignedByte(std::clamp(v.temperatHiBorder, kHiBorderMin, kHiBorderMax)));
    StoreLevel(kLoBorderLevel, v.loBorderLevel, image);
    StoreReaction(kLoBorderReaction, v.loBorderOut, v.loBorderScn, image);
    StoreLevel(kHiBorderLevel, v.hiBorderLevel, image);
    StoreReaction(kHiBorderReaction, v.hiBorderOut, v.hiBorderScn, image);

    image.setBit(kTamperEnable, 0, v.tamperEnable);
    StoreReaction(kTamperReaction, v.tamperActOutN, v.tamperActScnN, image);
}

void LoadPower(PowerSettings& v, const ConfigImage& image) {
    v.powerSignAverTime =
        FieldToListIndex(image.bits(kPower, kSignAverTimeFirst, kSignAverTimeWidth),
                         int(PowerSignAverTimeItems().size()));
    v.extPowerFault = image.bit(kPower, kExtPowerFaultBit);
    v.powerRecoveryTime =
        FieldToListIndex(image.bits(kPower, kRecoveryTimeFirst, kRecoveryTimeWidth),
                         int(PowerRecoveryTimeItems().size()));
    v.extPowerRec = image.bit(kPower, kExtPowerRecBit);
    v.asFaultSendGpsPos = image.bit(kPowerGps, 0);

    // The first border with its rules, then the second with its rules.
    MoveFirstDischargeBorder(
        v, DischargeBorderPosition(int(image.bits(kDischargeWarn, 0, kPercentWidth))));
    MoveSecondDischargeBorder(
        v, DischargeBorderPosition(int(image.bits(kDischargeAlarm, 0, kPercentWidth))));
    v.batteryDischargeAlarmEventEn = image.bit(kDischargeAlarm, kBorderEventBit);
    v.batteryDischargeWarnEventEn = image.bit(kDischargeWarn, kBorderEventBit);
    v.asDischargeSendGpsPos = image.bit(kDischargeGps, 0);

    v.indFunction = FieldToListIndex(image.bits(kIndication, kIndFunctionFirst, kIndFunctionWidth),
                                     int(IndFunctionItems().size()));
    v.alarmBlinking = image.bit(kIndication, kAlarmBlinkingBit);
    v.disableLedsAtCoverClose = image.bit(kIndication, kDisableLedsAtCoverCloseBit);
    v.showActiveInsToArmOut = image.bit(kIndication, kShowActiveInsToArmOutBit);

    v.temperatureEvent = image.bit(kTemperatureEvent, 0);
    MoveTemperatLowBorder(v, SignedValue(image.u8(kTemperatLowBorder)));
    MoveTemperatHiBorder(v, SignedValue(image.u8(kTemperatHiBorder)));
    // Loading a level list does not run its coupling with the other one.
    v.loBorderLevel = BorderLevelIndex(SignedValue(image.u8(kLoBorderLevel)));
    LoadReaction(kLoBorderReaction, v.loBorderOut, v.loBorderScn, image);
    v.hiBorderLevel = BorderLevelIndex(SignedValue(image.u8(kHiBorderLevel)));
    LoadReaction(kHiBorderReaction, v.hiBorderOut, v.hiBorderScn, image);

    v.tamperEnable = image.bit(kTamperEnable, 0);
    LoadReaction(kTamperReaction, v.tamperActOutN, v.tamperActScnN, image);
}

}  // namespace krx

namespace krx {

void VisitSettings(PowerSettings& v, SettingVisitor& visitor) {
    // The battery borders are listed in percent, as their labels show them;
    // the editor's scales run the other way.
    const auto percentOf = [](int position) { return kDischargeScaleMax - position; };
    visitor.choice("PowerSignAverTime", v.powerSignAverTime, ItemList(PowerSignAverTimeItems()));
    visitor.flag("ExtPowerFault", v.extPowerFault);
    visitor.choice("PowerRecoveryTime", v.powerRecoveryTime, ItemList(PowerRecoveryTimeItems()));
    visitor.flag("ExtPowerRec", v.extPowerRec);
    visitor.flag("AsFaultSendGPSPos", v.asFaultSendGpsPos);
    int alarm = percentOf(v.dischargeAlarmPosition);
    visitor.number("DischargeAlarm", alarm, 0, kDischargeScaleMax);
    v.dischargeAlarmPosition = percentOf(alarm);
    visitor.flag("BatteryDischargeAlarmEventEn", v.batteryDischargeAlarmEventEn);
    int warn = percentOf(v.dischargeWarnPosition);
    visitor.number("DischargeWarn", warn, 0, kDischargeScaleMax);
    v.dischargeWarnPosition = percentOf(warn);
    visitor.flag("BatteryDischargeWarnEventEn", v.batteryDischargeWarnEventEn);
    visitor.flag("AsDischargeSendGPSPos", v.asDischargeSendGpsPos);
    visitor.choice("IndFunction", v.indFunction, ItemList(IndFunctionItems()));
    visitor.flag("AlarmBlinking", v.alarmBlinking);
    visitor.flag("DisableLedsAtCoverClose", v.disableLedsAtCoverClose);
    visitor.flag("ShowActiveInsToArmOut", v.showActiveInsToArmOut);
    visitor.flag("TemperatureEvent", v.temperatureEvent);
    visitor.number("TemperatLowBorder", v.temperatLowBorder, kLowBorderMin, kLowBorderMax);
    visitor.number("TemperatHiBorder", v.temperatHiBorder, kHiBorderMin, kHiBorderMax);
    visitor.choice("LoBorderLevel", v.loBorderLevel, ItemList(BorderLevelItems()));
    visitor.choice("LoBorderOut", v.loBorderOut, ItemList(OutputNameItems()));
    visitor.choice("LoBorderScn", v.loBorderScn, ItemList(OutputReactionTexts()));
    visitor.choice("HiBorderLevel", v.hiBorderLevel, ItemList(BorderLevelItems()));
    visitor.choice("HiBorderOut", v.hiBorderOut, ItemList(OutputNameItems()));
    visitor.choice("HiBorderScn", v.hiBorderScn, ItemList(OutputReactionTexts()));
    visitor.flag("TamperEnable", v.tamperEnable);
    visitor.choice("TamperActOutN", v.tamperActOutN, ItemList(OutputNameItems()));
    visitor.choice("TamperActScnN", v.tamperActScnN, ItemList(OutputReactionTexts()));
}

}  // namespace krx
