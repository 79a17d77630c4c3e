#pragma once
// The texts the support button, the map button and the about box hand to
// the desktop's open handler. Pure: built from captions and numbers only.

#include <QString>

namespace krx {

// The identification captions as the controller page shows them.
struct IdentificationCaptions {
    QString deviceName;
    QString modification;
    QString hardwareVersion;
    QString softwareVersion;
    QString date;
    QString countryCode;
    QString bootLoaderVersion;
    QString uniqueId;
    QString imei;
};

// What `iDeviceNameLabel` shows while no controller is identified.
inline constexpr char kUnidentifiedDeviceName[] = "--------";

// "KRX310-LT-h01.00-s01.01-...-ID:...-IMEI:...", or the fixed text when no
// controller is identified.
QString SupportSubject(const IdentificationCaptions& ident);
// "mailto:" + support address + "?subject=" + subject, unencoded.
QString SupportMailLink(const QString& subject);
// The about box's e-mail link.
QString AboutMailLink();

// The GPS position the window keeps: a 3-bit fix mode and the coordinates
// as the controller's single-precision numbers.
struct GpsPosition {
    int fixMode = 0;
    float latitude = 0;
    float longitude = 0;
};

// The web map at the position, or empty unless the fix mode is 2, 3 or 4.
// Nine significant digits, points as decimal separators whatever the locale.
QString MapLink(const GpsPosition& position);

}  // namespace krx
