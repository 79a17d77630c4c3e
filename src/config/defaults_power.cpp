#include <cstdint>

#include "config/power_section.h"
#include "config/section_defaults.h"

namespace krx {

using namespace power_layout;

void WritePowerDefaults(ConfigImage& image) {
    image.setBits(kPower, kSignAverTimeFirst, kSignAverTimeWidth, 1);   // "4 Sec."
    image.setBit(kPower, kExtPowerFaultBit, true);
    image.setBits(kPower, kRecoveryTimeFirst, kRecoveryTimeWidth, 4);   // "32 Min."
    image.setBit(kPower, kExtPowerRecBit, true);

    image.setBits(kDischargeAlarm, 0, kPercentWidth, 20);  // second border, %
    image.setBit(kDischargeAlarm, kBorderEventBit, true);
    image.setBits(kDischargeWarn, 0, kPercentWidth, 40);   // first border, %
    image.setBit(kDischargeWarn, kBorderEventBit, true);

    image.setBit(kIndication, kAlarmBlinkingBit, true);  // indicator function 0

    image.setBit(kTemperatureEvent, 0, true);
    image.setU8(kTemperatLowBorder, static_cast<std::uint8_t>(std::int8_t{-25}));
    image.setU8(kTemperatHiBorder, 60);
    image.setU8(kLoBorderLevel, static_cast<std::uint8_t>(std::int8_t{-20}));
    image.setU8(kHiBorderLevel, static_cast<std::uint8_t>(std::int8_t{-15}));
    // Both level reactions: relay 1, no reaction.

    image.setBit(kTamperEnable, 0, true);  // tamper reaction: relay 1, no reaction
}

}  // namespace krx
