#pragma once
// How the power section's borders hold together while the user edits them:
// the two battery discharge borders, the two temperature alarm borders and
// the two reaction levels.

#include <string>

#include "config/power_section.h"

namespace krx {

// Battery (group " Аккумулятор "). A scale position p shows 100 - p percent.
inline constexpr int kDischargeScaleMax = 100;
inline constexpr int kFirstBorderMaxPercent = 90;
int DischargeBorderPercent(int position);
int DischargeBorderPosition(int percent);  // clamped to the scale
std::string DischargeBorderText(int position);  // "40%"
// The first border ("Первая граница разряда") never exceeds 90 %; moving it
// below the second pulls the second down with it.
void MoveFirstDischargeBorder(PowerSettings& s, int position);
// The second border ("Вторая граница разряда") never exceeds the first;
// moving it above the first pushes the first up with it (and the first's own
// limit then holds both).
void MoveSecondDischargeBorder(PowerSettings& s, int position);

// Board temperature (group " Температура системной платы ").
inline constexpr int kLowBorderMin = -32, kLowBorderMax = 80;
inline constexpr int kHiBorderMin = -30, kHiBorderMax = 82;
inline constexpr int kTemperatureGap = 2;
std::string TemperatureText(int degrees);  // "-25° C"
// The lower border stays within -32..80; raising it above upper - 2 drags the
// upper border to lower + 2.
void MoveTemperatLowBorder(PowerSettings& s, int degrees);
// The upper border stays within -30..82; lowering it below lower + 2 drags
// the lower border to upper - 2.
void MoveTemperatHiBorder(PowerSettings& s, int degrees);

// Reaction levels: a high level chosen below the low level lowers the low
// level to it; a low level chosen above the high level raises the high level
// to it. A list with no choice does not take part.
void ChooseHiBorderLevel(PowerSettings& s, int index);
void ChooseLoBorderLevel(PowerSettings& s, int index);

}  // namespace krx
