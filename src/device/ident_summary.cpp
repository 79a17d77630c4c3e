#include "device/ident_summary.h"

#include <string>

#include "config/cp1251.h"

namespace krx {
namespace {

// The ninth byte of each name field is ignored.
constexpr std::size_t kNameChars = ident::kNameWidth - 1;

QString NameField(std::span<const std::uint8_t, ident::kSize> record, std::size_t at) {
    std::string bytes;
    for (std::size_t i = 0; i < kNameChars && record[at + i] != 0; ++i) {
        bytes.push_back(static_cast<char>(record[at + i]));
    }
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

QString HexByte(unsigned value) {
    return QStringLiteral("%1").arg(value & 0xFFu, 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

IdentSummary SummarizeIdentRecord(std::span<const std::uint8_t, ident::kSize> record) {
    const auto software = static_cast<std::uint16_t>(record[ident::kSoftwareVersion] |
                                                     (record[ident::kSoftwareVersion + 1] << 8));
    IdentSummary summary;
    summary.deviceName = NameField(record, ident::kDeviceName);
    summary.versionText =
        NameField(record, ident::kModification) + QLatin1Char('.') + IdentVersionText(software);
    return summary;
}

QString IdentVersionText(std::uint16_t version) {
    if (version == 0) {
        return QStringLiteral("--.--");
    }
    return HexByte(version >> 8) + QLatin1Char('.') + HexByte(version);
}

QString SupportedIdentDeviceName() { return QStringLiteral("KRX310"); }

QStringList SupportedIdentVersions() {
    return {QStringLiteral("LT") + QLatin1Char('.') + QStringLiteral("01.01")};
}

QString DeviceNotSupportedMessage(const QString& deviceName) {
    return QStringLiteral("Устройство ") + deviceName + QStringLiteral(" не поддерживается");
}

QString VersionNotSupportedMessage(const QString& versionText) {
    return QStringLiteral("Версия ") + versionText + QStringLiteral(" не поддерживается");
}

}  // namespace krx
