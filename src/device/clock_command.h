#pragma once
// The controller clock as the clock commands send it: six bytes (year
// within the century, month, day, hour, minute, second), taken from a text
// "dd.mm.yy hh:mm:ss" by fixed positions, and the check of a typed time
// before anything is sent.

#include <QStringView>
#include <array>
#include <cstdint>

namespace krx {

using ClockPayload = std::array<std::uint8_t, 6>;

// The six numbers of a clock text, each read from its two characters as a
// decimal number (reading stops at the first non-digit; no digit gives 0).
struct ClockTextFields {
    int day = 0;
    int month = 0;
    int year = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

ClockTextFields ReadClockText(QStringView text);
ClockPayload ClockPayloadOf(const ClockTextFields& fields);
inline ClockPayload ClockPayloadFromText(QStringView text) {
    return ClockPayloadOf(ReadClockText(text));
}

// The first field of a typed time that no calendar has, in the order day,
// month, year, hour, minute. The second is sent as typed.
enum class ClockTextFault : std::uint8_t { None, Day, Month, Year, Hour, Minute };
ClockTextFault CheckClockText(const ClockTextFields& fields);

}  // namespace krx
