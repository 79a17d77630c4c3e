#pragma once
// The one place that turns a section tree node into its codec: the editor
// holds one EditorValues, and StoreSection/LoadSection move the node's part
// of it to and from the image.

#include <array>

#include "config/armin_section.h"
#include "config/clock_section.h"
#include "config/config_image.h"
#include "config/connection_section.h"
#include "config/general_section.h"
#include "config/input_section.h"
#include "config/inputs_common_section.h"
#include "config/output_section.h"
#include "config/power_section.h"
#include "config/profile_section.h"
#include "config/scenario_section.h"
#include "config/system_parameters_section.h"

namespace krx {

// Absolute index of a node of the section tree.
using SectionId = int;

namespace section_ids {
inline constexpr SectionId kController = 0;
inline constexpr SectionId kGeneral = 1;
inline constexpr SectionId kFirstConnection = 2;   // .. 9
inline constexpr SectionId kLastConnection = 9;
inline constexpr SectionId kClock = 10;
inline constexpr SectionId kPower = 11;
inline constexpr SectionId kArmIn = 12;
inline constexpr SectionId kInputs = 13;
inline constexpr SectionId kFirstInput = 14;       // .. 17
inline constexpr SectionId kLastInput = 17;
inline constexpr SectionId kOutputs = 18;
inline constexpr SectionId kFirstOutput = 19;      // .. 22
inline constexpr SectionId kLastOutput = 22;
inline constexpr SectionId kScenarios = 23;
inline constexpr SectionId kProfiles = 24;
inline constexpr SectionId kFirstProfile = 25;     // .. 28
inline constexpr SectionId kLastProfile = 28;
inline constexpr SectionId kSystemParameters = 29;
inline constexpr int kSectionCount = 30;
}  // namespace section_ids

// Everything the editor shows, section by section.
struct EditorValues {
    GeneralSettings general;
    std::array<ConnectionSettings, 8> connections{};
    ClockSettings clock;
    PowerSettings power;
    ArmInSettings armIn;
    InputsCommonSettings inputsCommon;
    std::array<InputSettings, 4> inputs{};
    std::array<OutputSettings, 4> outputs{};
    ScenarioGrid scenarios;
    std::array<ProfileSettings, 4> profiles{};
    SystemParameters systemParameters;
};

// Editor -> image for one section. 0, 18, 24 and anything outside 1..29 do
// nothing.
void StoreSection(SectionId id, EditorValues& values, ConfigImage& image);
// Image -> editor for one section; same range rules. `decimalSeparator` is
// the system's, for the number texts the editor shows.
void LoadSection(SectionId id, EditorValues& values, const ConfigImage& image,
                 char decimalSeparator = ',');

// True for the sections that have settings of their own.
bool SectionHasSettings(SectionId id);

}  // namespace krx
