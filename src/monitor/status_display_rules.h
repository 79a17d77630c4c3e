#pragma once
// How decoded record values read on screen: the texts, bar positions and
// colour choices of the controller panel, kept free of widgets so that the
// monitor can judge the identification and tests can pin every rule.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

#include "monitor/record_decoders.h"

namespace krx {


// Four identifier words as 8 hex digits each separated by blanks, or
// `whenZero` when all four are 0.
QString IdentifierText(const std::array<std::uint32_t, 4>& words, const QString& whenZero);
extern const QString kNoBindingIdText;  // 48 blanks and a dash
extern const QString kNoUniqueIdText;


// Index into the window's GSM state texts: the code itself for 0..10, else 11.
int GsmStateTextIndex(std::uint8_t code);
inline constexpr int kGsmStateTextCount = 12;

// Arming panel. `textIndex` selects from the arm state texts; -1 is empty.
enum class ArmColour { ButtonFace, Red, Amber };
struct ArmPanelLook {
    int textIndex = -1;
    ArmColour colour = ArmColour::ButtonFace;
    bool operator==(const ArmPanelLook&) const = default;
};
// Code 1 ("mode change") blinks: it flips between red and button face on
// every call, so it needs the colour the panel has now.
ArmPanelLook ArmPanelLookFor(std::uint8_t code, ArmColour current);
inline constexpr std::uint8_t kArmingUnknown = 255;  // shown after a failed read

struct BatteryLook {
    QString percentText;
    int bar = 0;
    QString message;
    bool operator==(const BatteryLook&) const = default;
};
BatteryLook BatteryLookFor(std::uint8_t raw);

struct MainsLook {
    QString text;  // "12,4 В" with the locale's decimal separator
    int bar = 0;   // 0.1 V units, 0..165 on the bar
    bool operator==(const MainsLook&) const = default;
};
MainsLook MainsLookFor(std::uint8_t raw, const QLocale& locale);

struct TemperatureLook {
    QString caption;
    bool barVisible = false;
    int bar = 0;
    QString valueText;  // "25° C", "-5° C", or empty
    bool operator==(const TemperatureLook&) const = default;
};
// `shownCaption` is the caption while a temperature is reported (the
// catalogue's words).
TemperatureLook TemperatureLookFor(std::int8_t value, bool valid, const QLocale& locale,
                                   const QString& shownCaption);

// "Баланс лицевого счета: " and the amount in the locale's currency format
// (2 decimals, 7 significant digits), or empty when the balance is not valid.
QString BalanceText(bool valid, float value, const QLocale& locale);

// DD.MO.YY HH:MI:SS of the controller clock; every value is written as value
// / 10 followed by its last digit, so 7 reads "07" and 123 reads "123".
QString ControllerClockText(const StatusValues& status);
// The PC's local time as "dd.mm.yy hh:mm:ss".
QString PcClockText(const QDateTime& now);

// The locale's decimal separator as the one character number formatting uses.
char DecimalSeparator(const QLocale& locale);

}  // namespace krx
