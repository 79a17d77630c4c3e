#include "monitor/record_decoders.h"

#include <cstring>

#include "device/record_fields.h"
#include "device/records.h"

namespace krx {
namespace {

using namespace record_fields;

// Layouts of the records (device/records.h), and the flags of status byte 25
// that tell whether the input values may be shown.
constexpr std::uint8_t kInputValueFlag = 0x20;           // valid as they are
constexpr std::uint8_t kInputValueOnBatteryFlag = 0x40;  // valid while a battery charge shows
static_assert(status::kSize == kStatusRecordSize);
static_assert(keycode::kSize == kKeyCodeRecordSize);

}  // namespace

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

}  // namespace krx
