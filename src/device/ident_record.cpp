#include "device/ident_record.h"

#include "device/record_fields.h"

namespace krx {
namespace {

using namespace record_fields;

constexpr std::size_t kNameChars = ident::kNameWidth - 1;  // the ninth byte is ignored
constexpr std::size_t kDateChars = ident::kDateWidth - 1;
constexpr std::size_t kCountryChars = ident::kCountryWidth - 1;
constexpr std::size_t kImeiChars = ident::kImeiWidth - 1;

QString HexByte(unsigned value) {
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

IdentValues DecodeIdentRecord(std::span<const std::uint8_t, ident::kSize> r) {
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

IdentValues PlaceholderIdentValues() {
    IdentValues v;
    v.deviceName = QStringLiteral("--------");
    v.modification = QStringLiteral("--------");
    v.productionDate = QStringLiteral("-----------");
    v.countryCode = QStringLiteral("---");
    v.imei = QStringLiteral("---------------");
    return v;
}

QString VersionText(std::uint16_t version) {
    if (version == 0) return QStringLiteral("--.--");
    return HexByte(version >> 8) + QLatin1Char('.') + HexByte(version);
}

QString VersionPanelText(const IdentValues& ident) {
    return ident.modification + QLatin1Char('.') + VersionText(ident.softwareVersion);
}

QStringList SupportedVersions() {
    return {QStringLiteral("LT") + QLatin1Char('.') + QStringLiteral("01.01")};
}

bool IsSupportedDevice(const QString& deviceName) { return deviceName == SupportedDeviceName; }

bool IsSupportedVersion(const QString& versionPanelText) {
    return SupportedVersions().contains(versionPanelText, Qt::CaseSensitive);
}

QString DeviceNotSupportedText(const QString& deviceName) {
    return QStringLiteral("Устройство ") + deviceName + QStringLiteral(" не поддерживается");
}

QString VersionNotSupportedText(const QString& versionText) {
    return QStringLiteral("Версия ") + versionText + QStringLiteral(" не поддерживается");
}

QString IdentRejection(const IdentValues& ident) {
    if (!IsSupportedDevice(ident.deviceName)) return DeviceNotSupportedText(ident.deviceName);
    const QString version = VersionPanelText(ident);
    if (!IsSupportedVersion(version)) return VersionNotSupportedText(version);
    return QString();
}

QString IdWordsText(const std::array<std::uint32_t, 4>& words) {
    QStringList parts;
    for (std::uint32_t w : words) parts << QString::asprintf("%08X", w);
    return parts.join(' ');
}

QStringList IdentificationValues(const IdentValues& ident) {
    return {ident.deviceName,
            ident.modification,
            VersionText(ident.hardwareVersion),
            VersionText(ident.softwareVersion),
            VersionText(ident.bootLoaderVersion),
            ident.productionDate,
            ident.imei,
            IdWordsText(ident.uniqueId)};
}

}  // namespace krx
