#pragma once
// The alarm zone of an input: how a 12-bit converter code reads for each
// sensor type, when a code counts as active, and how the two barriers push
// each other. Shared by the input sections and the profiles.

#include <optional>
#include <string>
#include <string_view>

namespace krx {

// Converter codes, and so both barriers, run 0 .. 4095.
inline constexpr int kConverterCodeMax = 4095;

// `SensType` values.
enum SensorType : int {
    kSensTypeDisabled = 0,
    kSensTypeDiscrete = 1,
    kSensTypeAnalog = 2,
    kSensTypeThx21 = 3,
    kSensTypeThx31 = 4,
};

// Disabled and discrete inputs read in volts or, in the input section, in
// percent of the converter range.
enum class LevelUnit { Volts, Percent };

// THX-21 thermistor: hundredths of a degree Celsius for a code, in the
// controller's whole-number arithmetic (truncated towards zero).
int Thx21Hundredths(int code);

// The text shown beside a barrier (or the live value) for code `code`:
// volts or percent for types 0 and 1, the linear scale `minVal` .. `maxVal`
// for types 2 and 4, the THX-21 curve for type 3. Numbers in general format
// with the given decimal separator. Nothing for a type outside 0 .. 4 (no
// type selected): the label keeps its text.
std::optional<std::string> BarrierReading(int code, int sensType, double minVal, double maxVal,
                                          char decimalSeparator,
                                          LevelUnit unit = LevelUnit::Volts);

// `SensActLevel` 0 .. 5: whether code `code` reads active, given the barriers
// and the state read before (the hysteresis levels keep it between the
// barriers). A level outside 0 .. 5 keeps the previous state.
bool ZoneActive(int sensActLevel, int code, int loBarrier, int hiBarrier, bool wasActive);

// Barrier coupling. The moved barrier takes `code` (kept within 0 .. 4095);
// the other one follows when needed so that lo <= hi.
void MoveHiBarrier(int code, int& hiBarrier, int& loBarrier);
void MoveLoBarrier(int code, int& loBarrier, int& hiBarrier);

// A decimal number typed by the user: every "," reads as "."; the value is
// the longest leading decimal number (optional blanks, sign, digits with an
// optional point, optional exponent); a text without one reads as 0. Never
// infinite or NaN: a value beyond the range of double is the largest double
// of its sign.
double ReadDecimalNumber(std::string_view text);

}  // namespace krx
