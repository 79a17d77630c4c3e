#pragma once
// Byte layouts of the records the controller returns to queries. All
// multi-byte integers are little-endian.

#include <cstddef>

namespace krx {

// IdentRecord, the reply to command 5.
namespace ident {
inline constexpr std::size_t kSize = 88;
inline constexpr std::size_t kDeviceName = 0;  // 9 bytes, text of at most 8 characters
inline constexpr std::size_t kNameWidth = 9;
inline constexpr std::size_t kModification = 9;  // 9 bytes, at most 8 characters
inline constexpr std::size_t kHardwareVersion = 18;  // u16, high byte major
inline constexpr std::size_t kSoftwareVersion = 20;  // u16
inline constexpr std::size_t kBootVersion = 22;      // u16
inline constexpr std::size_t kProductionDate = 24;   // 12 bytes, at most 11 characters
inline constexpr std::size_t kDateWidth = 12;
inline constexpr std::size_t kCountryCode = 36;  // 4 bytes, at most 3 characters
inline constexpr std::size_t kCountryWidth = 4;
inline constexpr std::size_t kBindingId = 40;  // four u32
inline constexpr std::size_t kImei = 56;       // 16 bytes, at most 15 characters
inline constexpr std::size_t kImeiWidth = 16;
inline constexpr std::size_t kUniqueId = 72;  // four u32
inline constexpr std::size_t kIdWords = 4;
}  // namespace ident

// StatusRecord, the reply to command 12.
namespace status {
inline constexpr std::size_t kSize = 36;
inline constexpr std::size_t kYear = 0;  // 0..99, plain numbers
inline constexpr std::size_t kMonth = 1;
inline constexpr std::size_t kDay = 2;
inline constexpr std::size_t kHour = 3;
inline constexpr std::size_t kMinute = 4;
inline constexpr std::size_t kSecond = 5;
inline constexpr std::size_t kInputValues = 6;  // u16 per input, 8 slots, 0..4095
inline constexpr std::size_t kInputSlots = 8;
inline constexpr std::size_t kMains = 22;          // units of 0.1 V
inline constexpr std::size_t kBattery = 24;        // 0..100 %, 254 test, other: none
inline constexpr std::size_t kSignalFlags = 25;    // bits 0..4 GSM level, bits 5 and 6 flags
inline constexpr std::size_t kArmingMode = 26;
inline constexpr std::size_t kValidity = 27;       // bit 0 temperature, bit 1 balance
inline constexpr std::size_t kIndicators = 28;
inline constexpr std::size_t kOutputs = 29;        // bit i = output i+1
inline constexpr std::size_t kGsmState = 30;
inline constexpr std::size_t kTemperature = 31;    // signed °C
inline constexpr std::size_t kBalance = 32;        // IEEE-754 single
inline constexpr unsigned kSignalLevelMask = 0x1F;
inline constexpr unsigned kTemperatureValidBit = 0x01;
inline constexpr unsigned kBalanceValidBit = 0x02;
inline constexpr unsigned kBatteryTest = 254;
}  // namespace status

// KeyCodeRecord, the reply to command 14.
namespace keycode {
inline constexpr std::size_t kSize = 12;
inline constexpr std::size_t kCode = 0;  // 8 bytes
inline constexpr std::size_t kCodeSize = 8;
inline constexpr std::size_t kFlags = 8;  // a key is present when bits 0 and 1 are set
inline constexpr unsigned kPresentBits = 0x03;
}  // namespace keycode

// The arming mode codes of StatusRecord byte 26.
namespace arming {
inline constexpr unsigned kObservation = 0;
inline constexpr unsigned kChanging = 1;
inline constexpr unsigned kArmed = 2;
inline constexpr unsigned kProtection = 3;
}  // namespace arming

}  // namespace krx
