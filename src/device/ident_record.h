#pragma once
// Who the controller says it is: the identification record decoded into
// plain values, and the one judgement of whether this configurator supports
// it. The monitor and every device operation use the same decoding, checks
// and refusal texts.

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <span>

#include "device/records.h"

namespace krx {

using IdentRecordBytes = std::array<std::uint8_t, ident::kSize>;

// `IdentRecord`, decoded.
struct IdentValues {
    QString deviceName;
    QString modification;
    std::uint16_t hardwareVersion = 0;  // high byte major, low byte minor
    std::uint16_t softwareVersion = 0;
    std::uint16_t bootLoaderVersion = 0;
    QString productionDate;
    QString countryCode;
    std::array<std::uint32_t, 4> bindingId{};
    QString imei;
    std::array<std::uint32_t, 4> uniqueId{};

    bool operator==(const IdentValues&) const = default;
};

IdentValues DecodeIdentRecord(std::span<const std::uint8_t, ident::kSize> record);

// What the window shows while no controller answers: dashes and zeros.
IdentValues PlaceholderIdentValues();

// "--.--" for 0, else two upper-case hex digits of the high byte, a point and
// two of the low byte (0x0A10 gives "0A.10").
QString VersionText(std::uint16_t version);
// A 128-bit number (unique or binding id) as four groups of eight hex digits.
QString IdWordsText(const std::array<std::uint32_t, 4>& words);
// Device, modification, the three versions, production date, IMEI and
// unique number, in the order of the report's labels.
QStringList IdentificationValues(const IdentValues& ident);
// Modification, a point and the software version: the text of status bar
// panel 2 that the version check compares ("LT.01.01").
QString VersionPanelText(const IdentValues& ident);

// The one controller model this configurator accepts, and its firmware.
inline const QString SupportedDeviceName = QStringLiteral("KRX310");
QStringList SupportedVersions();  // "LT.01.01"

// Exact, case-sensitive comparisons.
bool IsSupportedDevice(const QString& deviceName);
bool IsSupportedVersion(const QString& versionPanelText);

// "Устройство … не поддерживается" and "Версия … не поддерживается".
QString DeviceNotSupportedText(const QString& deviceName);
QString VersionNotSupportedText(const QString& versionText);

// Empty when the controller is supported; otherwise the text that refuses
// it (the device is judged before the version).
QString IdentRejection(const IdentValues& ident);

}  // namespace krx
