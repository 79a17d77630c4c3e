#include "app/shell/outward_links.h"

#include "app/shell/product_settings.h"

namespace krx {

QString SupportSubject(const IdentificationCaptions& ident) {
    // Before the first identification the caption is still empty.
    if (ident.deviceName.isEmpty() || ident.deviceName == QLatin1String(kUnidentifiedDeviceName)) {
        return QStringLiteral("KRX740, нет информации о версии устройства");
    }
    return ident.deviceName + '-' + ident.modification + "-h" + ident.hardwareVersion + "-s" +
           ident.softwareVersion + '-' + ident.date + '-' + ident.countryCode + "-d" +
           ident.bootLoaderVersion + "-ID:" + ident.uniqueId + "-IMEI:" + ident.imei;
}

QString SupportMailLink(const QString& subject) {
    return QStringLiteral("mailto:") + product::kSupportAddress + "?subject=" + subject;
}

QString AboutMailLink() {
    return SupportMailLink(QStringLiteral("KRX740"));
}

namespace {

QString Coordinate(float value) {
    // QString::number never uses the system's decimal comma; the rule that
    // a comma becomes a point is kept for any other formatting.
    QString text = QString::number(static_cast<double>(value), 'g', 9);
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0) text[comma] = QLatin1Char('.');
    return text;
}

}  // namespace

QString MapLink(const GpsPosition& position) {
    const int mode = position.fixMode & 0x7;
    if (mode < 2 || mode > 4) return {};
    return QStringLiteral("http://") + product::kMapHost + "/maps?&hl=ru&q=" +
           Coordinate(position.latitude) + ',' + Coordinate(position.longitude) +
           "&ie=UTF8&output=html&zoom=0&zp=OO";
}

}  // namespace krx
