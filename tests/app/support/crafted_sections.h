#pragma once
// Images with a value other than the default in every field of a section,
// hidden settings included, and with bits the section does not own set too:
// what a page must load and store back byte for byte. Written by hand from
// the section tables.

#include <cstddef>

#include "config/config_image.h"

namespace krx::test {

// Connection record starting at `record` (body offset 68 + 36 x (k - 1)).
void PutCraftedConnection(krx::ConfigImage& image, std::size_t record);
// Section "Часы, планировщик задач": the zone, summer time, the info masks
// and tasks 1 and 2.
void PutCraftedClock(krx::ConfigImage& image);
// Section "Питание, температура, индикация, контроль вскрытия".
void PutCraftedPower(krx::ConfigImage& image);
// Profile 2, with the entries of inputs 5..16 and the reactions of outputs
// 3..5 that only the larger model edits.
void PutCraftedProfile(krx::ConfigImage& image);
// Output 2's record (section 22): a name with trailing blanks, other state
// names, "сценарий 7", inverted, not enabled, no remote control.
void PutCraftedOutput(krx::ConfigImage& image);
// Scenario 14: three times, high 7, low 8, the end mark, then hidden steps.
void PutCraftedScenario(krx::ConfigImage& image);

}  // namespace krx::test
