#include "device/clock_command.h"

namespace krx {
namespace {

int FieldAt(QStringView text, qsizetype at) {
    int value = 0;
    for (qsizetype i = at; i < at + 2 && i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') break;
        value = value * 10 + (c - u'0');
    }
    return value;
}

}  // namespace

ClockTextFields ReadClockText(QStringView text) {
    ClockTextFields f;
    f.day = FieldAt(text, 0);
    f.month = FieldAt(text, 3);
    f.year = FieldAt(text, 6);
    f.hour = FieldAt(text, 9);
    f.minute = FieldAt(text, 12);
    f.second = FieldAt(text, 15);
    return f;
}

ClockPayload ClockPayloadOf(const ClockTextFields& f) {
    return {std::uint8_t(f.year), std::uint8_t(f.month),  std::uint8_t(f.day),
            std::uint8_t(f.hour), std::uint8_t(f.minute), std::uint8_t(f.second)};
}

ClockTextFault CheckClockText(const ClockTextFields& f) {
    // A day or month of 0 names no date: the controller would run its
    // scheduler on a calendar that does not exist.
    if (f.day < 1 || f.day > 31) return ClockTextFault::Day;
    if (f.month < 1 || f.month > 12) return ClockTextFault::Month;
    if (f.year > 99) return ClockTextFault::Year;
    if (f.hour > 23) return ClockTextFault::Hour;
    if (f.minute > 59) return ClockTextFault::Minute;
    return ClockTextFault::None;
}

}  // namespace krx
