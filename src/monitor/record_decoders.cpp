#include "monitor/record_decoders.h"

#include <cstring>
#include <string>

#include "config/cp1251.h"
#include "device/records.h"

namespace krx {
namespace {

// Layouts of the records (device/records.h), and the flags of status byte 25
// that tell whether the input values may be shown.
constexpr std::uint8_t kInputValueFlag = 0x20;           // valid as they are
constexpr std::uint8_t kInputValueOnBatteryFlag = 0x40;  // valid while a battery charge shows
constexpr std::size_t kNameChars = ident::kNameWidth - 1;
constexpr std::size_t kDateChars = ident::kDateWidth - 1;
constexpr std::size_t kCountryChars = ident::kCountryWidth - 1;
constexpr std::size_t kImeiChars = ident::kImeiWidth - 1;

static_assert(ident::kSize == kIdentRecordSize);
static_assert(status::kSize == kStatusRecordSize);
static_assert(keycode::kSize == kKeyCodeRecordSize);

template <std::size_t N>
std::uint16_t U16(std::span<const std::uint8_t, N> r, std::size_t at) {
    return static_cast<std::uint16_t>(r[at] | (r[at + 1] << 8));
}

template <std::size_t N>
std::uint32_t U32(std::span<const std::uint8_t, N> r, std::size_t at) {
    return static_cast<std::uint32_t>(r[at]) | (static_cast<std::uint32_t>(r[at + 1]) << 8) |
           (static_cast<std::uint32_t>(r[at + 2]) << 16) |
           (static_cast<std::uint32_t>(r[at + 3]) << 24);
}

// A Windows-1251 text that ends at its first zero byte or after `maxChars`.
template <std::size_t N>
QString Text(std::span<const std::uint8_t, N> r, std::size_t at, std::size_t maxChars) {
    std::string bytes;
    for (std::size_t i = 0; i < maxChars && r[at + i] != 0; ++i) {
        bytes.push_back(static_cast<char>(r[at + i]));
    }
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

template <std::size_t N>
std::array<std::uint32_t, 4> Words(std::span<const std::uint8_t, N> r, std::size_t at) {
    return {U32(r, at), U32(r, at + 4), U32(r, at + 8), U32(r, at + 12)};
}

}  // namespace

IdentValues DecodeIdentRecord(std::span<const std::uint8_t, kIdentRecordSize> r) {
    IdentValues v;
    v.deviceName = Text(r, ident::kDeviceName, kNameChars);
    v.modification = Text(r, ident::kModification, kNameChars);
    v.hardwareVersion = U16(r, ident::kHardwareVersion);
    v.softwareVersion = U16(r, ident::kSoftwareVersion);
    v.bootLoaderVersion = U16(r, ident::kBootVersion);
    v.productionDate = Text(r, ident::kProductionDate, kDateChars);
    v.countryCode = Text(r, ident::kCountryCode, kCountryChars);
    v.bindingId = Words(r, ident::kBindingId);
    v.imei = Text(r, ident::kImei, kImeiChars);
    v.uniqueId = Words(r, ident::kUniqueId);
    return v;
}

StatusValues DecodeStatusRecord(std::span<const std::uint8_t, kStatusRecordSize> r) {
    StatusValues v;
    v.year = r[status::kYear];
    v.month = r[status::kMonth];
    v.day = r[status::kDay];
    v.hour = r[status::kHour];
    v.minute = r[status::kMinute];
    v.second = r[status::kSecond];
    for (std::size_t i = 0; i < v.inputValues.size(); ++i) {
        v.inputValues[i] = U16(r, status::kInputValues + 2 * i);
    }
    v.mainsVoltage = r[status::kMains];
    v.batteryCharge = r[status::kBattery];
    const std::uint8_t flags = r[status::kSignalFlags];
    v.gsmSignal = flags & status::kSignalLevelMask;
    v.inputValueValid = ((flags & kInputValueOnBatteryFlag) != 0 && v.batteryCharge != 0) ||
                        (flags & kInputValueFlag) != 0;
    v.armingMode = r[status::kArmingMode];
    v.temperatureValid = (r[status::kValidity] & status::kTemperatureValidBit) != 0;
    v.balanceValid = (r[status::kValidity] & status::kBalanceValidBit) != 0;
    v.indicators = r[status::kIndicators];
    v.outputs = r[status::kOutputs];
    v.gsmState = r[status::kGsmState];
    v.boardTemperature = static_cast<std::int8_t>(r[status::kTemperature]);
    const std::uint32_t bits = U32(r, status::kBalance);
    static_assert(sizeof(float) == sizeof(std::uint32_t));
    std::memcpy(&v.balance, &bits, sizeof bits);
    return v;
}

KeyCodeValues DecodeKeyCodeRecord(std::span<const std::uint8_t, kKeyCodeRecordSize> r) {
    KeyCodeValues v;
    v.present = (r[keycode::kFlags] & keycode::kPresentBits) == keycode::kPresentBits;
    static const char kHex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < keycode::kCodeSize; ++i) {
        v.code.append(QLatin1Char(kHex[r[keycode::kCode + i] >> 4]));
        v.code.append(QLatin1Char(kHex[r[keycode::kCode + i] & 0x0F]));
    }
    return v;
}

IdentValues PlaceholderIdentValues() {
    IdentValues v;
    v.deviceName = QStringLiteral("--------");
    v.modification = QStringLiteral("--------");
    v.productionDate = QStringLiteral("-----------");
    v.countryCode = QStringLiteral("---");
    v.imei = QStringLiteral("---------------");
    return v;
}

}  // namespace krx
