#include "monitor/status_display_rules.h"

#include <cmath>

#include "config/number_format.h"

namespace krx {
namespace {

constexpr std::uint8_t kBatteryFull = 100;
constexpr std::uint8_t kBatteryTesting = 254;
constexpr std::uint8_t kMainsNoise = 5;  // readings below this are noise of a dead input
constexpr int kBalanceSignificantDigits = 7;
constexpr int kBalanceDecimals = 2;


}  // namespace

const QString kNoBindingIdText = QString(48, QLatin1Char(' ')) + QLatin1Char('-');
const QString kNoUniqueIdText = QStringLiteral(
    "- - - - - - - -  - - - - - - - -  - - - - - - - -  - - - - - - - -");

QString IdentifierText(const std::array<std::uint32_t, 4>& words, const QString& whenZero) {
    if (words == std::array<std::uint32_t, 4>{}) return whenZero;
    QStringList parts;
    for (std::uint32_t w : words) {
        parts << QStringLiteral("%1").arg(w, 8, 16, QLatin1Char('0')).toUpper();
    }
    return parts.join(QLatin1Char(' '));
}

int GsmStateTextIndex(std::uint8_t code) {
    return code < kGsmStateTextCount - 1 ? code : kGsmStateTextCount - 1;
}

ArmPanelLook ArmPanelLookFor(std::uint8_t code, ArmColour current) {
    switch (code) {
        case 0:
            return {1, ArmColour::ButtonFace};
        case 1:
            return {3, current == ArmColour::ButtonFace ? ArmColour::Red : ArmColour::ButtonFace};
        case 2:
            return {0, ArmColour::Red};
        case 3:
            return {2, ArmColour::Amber};
        default:
            return {-1, ArmColour::ButtonFace};
    }
}

BatteryLook BatteryLookFor(std::uint8_t raw) {
    if (raw <= kBatteryFull) {
        return {QString::number(raw) + QLatin1Char('%'), raw,
                QStringLiteral("\nАккумулятор подключен")};
    }
    if (raw == kBatteryTesting) {
        return {QStringLiteral("0%"), 0,
                QStringLiteral("Тестирование АКБ,\nподождите (не более 1 мин.)")};
    }
    return {QStringLiteral("0%"), 0, QStringLiteral("\nАккумулятор не подключен")};
}

MainsLook MainsLookFor(std::uint8_t raw, const QLocale& locale) {
    const int v = raw < kMainsNoise ? 0 : raw;
    const std::string volts = FormatFixed(v / 10.0, 1, DecimalSeparator(locale));
    return {QString::fromStdString(volts) + QStringLiteral(" В"), v};
}

TemperatureLook TemperatureLookFor(std::int8_t value, bool valid, const QLocale& locale,
                                   const QString& shownCaption) {
    if (!valid) {
        return {QStringLiteral("Текущее значение температуры не доступно"), false, 0, QString()};
    }
    const std::string number = FormatGeneral(value, 3, DecimalSeparator(locale));
    return {shownCaption, true, value,
            QString::fromStdString(number) + QStringLiteral("° C")};
}

QString BalanceText(bool valid, float value, const QLocale& locale) {
    if (!valid) return QString();
    double amount = value;
    if (std::isfinite(amount) && amount != 0.0) {
        // Keep no more significant digits than the controller's single float
        // can carry, so that noise in the last bits never shows as kopecks.
        const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(amount))));
        const double scale = std::pow(10.0, kBalanceSignificantDigits - 1 - magnitude);
        amount = std::round(amount * scale) / scale;
    }
    return QStringLiteral("Баланс лицевого счета: ") +
           locale.toCurrencyString(amount, QString(), kBalanceDecimals);
}

QString ControllerClockText(const StatusValues& s) {
    auto two = [](std::uint8_t v) { return QString::number(v / 10) + QString::number(v % 10); };
    return two(s.day) + QLatin1Char('.') + two(s.month) + QLatin1Char('.') + two(s.year) +
           QLatin1Char(' ') + two(s.hour) + QLatin1Char(':') + two(s.minute) + QLatin1Char(':') +
           two(s.second);
}

QString PcClockText(const QDateTime& now) {
    return now.toString(QStringLiteral("dd.MM.yy hh:mm:ss"));
}

char DecimalSeparator(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80) return point.at(0).toLatin1();
    return '.';
}

}  // namespace krx
