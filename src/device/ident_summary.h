#pragma once
// What a device operation needs to know of the controller's identification
// before it may touch its configuration: the device name and the
// modification-and-version text ("LT.01.01") exactly as the window shows them,
// and whether this configurator supports them.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <span>

#include "device/records.h"

namespace krx {

struct IdentSummary {
    QString deviceName;   // at most 8 characters
    QString versionText;  // modification + "." + software version, e.g. "LT.01.01"
};

// Pure: reads the two texts out of an 88-byte identification record.
IdentSummary SummarizeIdentRecord(std::span<const std::uint8_t, ident::kSize> record);

// A version word as the window shows it: "--.--" for 0, else "HH.LL" in
// upper-case hexadecimal (0x0101 gives "01.01").
QString IdentVersionText(std::uint16_t version);

QString SupportedIdentDeviceName();       // "KRX310"
QStringList SupportedIdentVersions();     // {"LT.01.01"}

// The texts an operation leaves in its status label when it refuses the
// controller.
QString DeviceNotSupportedMessage(const QString& deviceName);
QString VersionNotSupportedMessage(const QString& versionText);

}  // namespace krx
