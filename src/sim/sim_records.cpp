#include "sim/sim_records.h"

#include <algorithm>
#include <bit>
#include <cstddef>

#include "config/cp1251.h"

namespace krx::sim {
namespace {

// A text field: Windows-1251, NUL padded, at most width - 1 characters.
template <std::size_t N>
void PutText(std::array<std::uint8_t, N>& record, std::size_t at, std::size_t width,
             const std::string& utf8) {
    const std::string bytes = Utf8ToCp1251(utf8);
    const std::size_t n = std::min(bytes.size(), width - 1);
    std::fill_n(record.begin() + at, width, 0);
    std::copy_n(bytes.begin(), n, record.begin() + at);
}

template <std::size_t N>
void PutU16(std::array<std::uint8_t, N>& record, std::size_t at, std::uint16_t value) {
    record[at] = static_cast<std::uint8_t>(value & 0xFF);
    record[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

template <std::size_t N>
void PutU32(std::array<std::uint8_t, N>& record, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        record[at + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace

std::array<std::uint8_t, ident::kSize> EncodeIdentRecord(const SimIdentity& id) {
    std::array<std::uint8_t, ident::kSize> record{};
    PutText(record, ident::kDeviceName, ident::kNameWidth, id.deviceName);
    PutText(record, ident::kModification, ident::kNameWidth, id.modification);
    PutU16(record, ident::kHardwareVersion, id.hardwareVersion);
    PutU16(record, ident::kSoftwareVersion, id.softwareVersion);
    PutU16(record, ident::kBootVersion, id.bootVersion);
    PutText(record, ident::kProductionDate, ident::kDateWidth, id.productionDate);
    PutText(record, ident::kCountryCode, ident::kCountryWidth, id.countryCode);
    PutText(record, ident::kImei, ident::kImeiWidth, id.imei);
    for (std::size_t i = 0; i < ident::kIdWords; ++i) {
        PutU32(record, ident::kBindingId + 4 * i, id.bindingId[i]);
        PutU32(record, ident::kUniqueId + 4 * i, id.uniqueId[i]);
    }
    return record;
}

std::array<std::uint8_t, status::kSize> EncodeStatusRecord(const SimLiveStatus& live,
                                                           const ClockFields& clock) {
    std::array<std::uint8_t, status::kSize> record{};
    std::copy(clock.begin(), clock.end(), record.begin() + status::kYear);
    for (std::size_t i = 0; i < status::kInputSlots; ++i) {
        PutU16(record, status::kInputValues + 2 * i, live.inputs[i]);
    }
    record[status::kMains] = live.mains;
    record[status::kBattery] = live.battery;
    record[status::kSignalFlags] = static_cast<std::uint8_t>(
        (live.signalLevel & status::kSignalLevelMask) | (live.inputFlag5 ? 0x20 : 0) |
        (live.inputFlag6 ? 0x40 : 0));
    record[status::kArmingMode] = live.armingMode;
    record[status::kValidity] =
        static_cast<std::uint8_t>((live.temperatureValid ? status::kTemperatureValidBit : 0) |
                                  (live.balanceValid ? status::kBalanceValidBit : 0));
    record[status::kIndicators] = live.indicators;
    record[status::kOutputs] = live.outputs;
    record[status::kGsmState] = live.gsmState;
    record[status::kTemperature] = static_cast<std::uint8_t>(live.temperature);
    PutU32(record, status::kBalance, std::bit_cast<std::uint32_t>(live.balance));
    return record;
}

std::array<std::uint8_t, keycode::kSize> EncodeKeyCodeRecord(
    const std::array<std::uint8_t, keycode::kCodeSize>& code, bool present) {
    std::array<std::uint8_t, keycode::kSize> record{};
    if (present) {
        std::copy(code.begin(), code.end(), record.begin() + keycode::kCode);
        record[keycode::kFlags] = keycode::kPresentBits;
    }
    return record;
}

}  // namespace krx::sim
