#pragma once
// What the simulated controller reports about itself, and the records it
// builds from it: IdentRecord (88 bytes), StatusRecord (36 bytes) and
// KeyCodeRecord (12 bytes).

#include <array>
#include <cstdint>
#include <string>

#include "device/records.h"

namespace krx::sim {

struct SimIdentity {
    std::string deviceName = "KRX310";  // UTF-8; at most 8 characters are sent
    std::string modification = "LT";
    std::uint16_t hardwareVersion = 0x0100;
    std::uint16_t softwareVersion = 0x0101;
    std::uint16_t bootVersion = 0x0102;
    std::string productionDate = "14.03.2013";
    std::string countryCode = "RU";
    std::array<std::uint32_t, 4> bindingId{};  // all zero: not bound
    std::string imei = "356938035643809";
    std::array<std::uint32_t, 4> uniqueId{0x4B525833, 0x31304C54, 0x00A1B2C3, 0x0000002A};
};

// Live values a test can set; the clock is kept apart because it runs.
struct SimLiveStatus {
    std::array<std::uint16_t, status::kInputSlots> inputs{1200, 2048, 3000, 4095, 0, 0, 0, 0};
    std::uint8_t mains = 124;      // 12.4 V
    std::uint8_t battery = 85;     // percent
    std::uint8_t signalLevel = 20; // 0..31
    bool inputFlag5 = false;       // signal byte bit 5
    bool inputFlag6 = true;        // signal byte bit 6
    std::uint8_t armingMode = arming::kObservation;
    std::uint8_t indicators = 0x01;
    std::uint8_t outputs = 0;      // bit i = output i+1
    std::uint8_t gsmState = 8;     // registered, home network
    std::int8_t temperature = 25;
    bool temperatureValid = true;
    float balance = 150.5f;
    bool balanceValid = true;
};

using ClockFields = std::array<std::uint8_t, 6>;  // year, month, day, hour, minute, second

std::array<std::uint8_t, ident::kSize> EncodeIdentRecord(const SimIdentity& identity);
std::array<std::uint8_t, status::kSize> EncodeStatusRecord(const SimLiveStatus& live,
                                                           const ClockFields& clock);
// `present` sets both present bits of the flags byte.
std::array<std::uint8_t, keycode::kSize> EncodeKeyCodeRecord(
    const std::array<std::uint8_t, keycode::kCodeSize>& code, bool present);

}  // namespace krx::sim
