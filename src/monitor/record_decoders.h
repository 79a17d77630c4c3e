#pragma once
// The identification record (decoded in device/ident_record.h) and the
// two live records; the two the controller answers live queries with, decoded into
// plain values. Decoding is pure: no widgets, no threads; the display side
// turns these values into texts and colours.

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/ident_record.h"

namespace krx {

inline constexpr std::size_t kStatusRecordSize = 36;
inline constexpr std::size_t kKeyCodeRecordSize = 12;

using StatusRecordBytes = std::array<std::uint8_t, kStatusRecordSize>;
using KeyCodeRecordBytes = std::array<std::uint8_t, kKeyCodeRecordSize>;

// The controller's live state (`StatusRecord`).
struct StatusValues {
    // Controller clock, plain numbers (not BCD).
    std::uint8_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t second = 0;
    std::array<std::uint16_t, 4> inputValues{};  // converter counts of inputs 1..4
    std::uint8_t mainsVoltage = 0;               // units of 0.1 V, raw
    std::uint8_t batteryCharge = 0;              // raw: 0..100 %, 254 test, else none
    std::uint8_t gsmSignal = 0;                  // 0..31
    bool inputValueValid = false;                // the live input values may be shown
    std::uint8_t armingMode = 0;
    bool temperatureValid = false;
    bool balanceValid = false;
    std::uint8_t indicators = 0;  // bit i = indicator i+1 lit
    std::uint8_t outputs = 0;     // bit i = relay 1, relay 2, outputs 1..5
    std::uint8_t gsmState = 0;
    std::int8_t boardTemperature = 0;  // degrees Celsius
    float balance = 0.0f;

    bool operator==(const StatusValues&) const = default;
};

// The last touch key held to the reader (`KeyCodeRecord`).
struct KeyCodeValues {
    bool present = false;
    QString code;  // 16 upper-case hexadecimal digits, byte 0 first

    bool operator==(const KeyCodeValues&) const = default;
};

StatusValues DecodeStatusRecord(std::span<const std::uint8_t, kStatusRecordSize> record);
KeyCodeValues DecodeKeyCodeRecord(std::span<const std::uint8_t, kKeyCodeRecordSize> record);

}  // namespace krx
