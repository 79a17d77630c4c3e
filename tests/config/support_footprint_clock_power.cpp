// Footprints of the clock/scheduler section and the power, temperature,
// indication and tamper section, from their field tables.

#include "footprint.h"

namespace krx::test {

std::vector<OwnedBits> ClockFootprint() {
    std::vector<OwnedBits> out;
    out.push_back({2672, 0xFF});  // TimeZone
    out.push_back({2673, 0x01});  // DSTEnable; bits 1-7 the controller's
    AddBytes(out, 2676, 2);       // InfoIn
    out.push_back({2678, 0xFF});  // InfoR, bit 7 written 0
    for (std::size_t t = 0; t < 8; ++t) {
        const std::size_t r = 2680 + 16 * t;
        out.push_back({r + 0, 0xFF});   // enabled; bits 1-7 written 0
        out.push_back({r + 4, 0x7F});   // days; bit 7 unchanged
        out.push_back({r + 5, 0x1F});   // hour
        out.push_back({r + 6, 0x3F});   // minute
        out.push_back({r + 12, 0xFF});  // test, info, action kind
        out.push_back({r + 13, 0xFF});  // action parameter
        out.push_back({r + 14, 0xFF});  // output reaction
    }
    return out;
}

std::vector<OwnedBits> PowerFootprint() {
    std::vector<OwnedBits> out;
    out.push_back({2808, 0xFF});  // averaging, fault, recovery time, restore
    out.push_back({2809, 0x01});  // AsFaultSendGPSPos
    out.push_back({2812, 0xFF});  // DischargeAlarm and its message
    out.push_back({2813, 0xFF});  // DischargeWarn and its message
    out.push_back({2814, 0x01});  // AsDischargeSendGPSPos
    out.push_back({2817, 0x8F});  // IndFunction, blinking, LEDs off, ArmOut; bits 4-6 kept
    out.push_back({2842, 0x01});  // TemperatureEvent
    AddBytes(out, 2843, 6);       // borders, levels and their reactions
    out.push_back({2849, 0x01});  // TamperEnable
    out.push_back({2850, 0xFF});  // tamper reaction
    return out;
}

}  // namespace krx::test
