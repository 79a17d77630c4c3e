#pragma once
// The read-only list of an output section: every reaction in the image that
// acts on that output, one line per reaction, with tabs between the columns
// section, reaction and event.

#include <array>
#include <string>
#include <vector>

#include "config/config_image.h"
#include "config/interface_texts.h"
#include "config/output_reaction_texts.h"

namespace krx {

// Inputs and profiles whose reactions this model lists.
inline constexpr int kListedInputs = 4;
inline constexpr int kListedProfiles = 4;

// Texts the list borrows from the editor: section titles are the texts of
// the section tree nodes, reactions the texts of the reaction lists; the
// language file may replace both.
struct OutputSourceTexts {
    std::string scheduler;
    std::string armIn;
    std::array<std::string, kListedInputs> inputs;
    std::array<std::string, kListedProfiles> profiles;
    std::array<std::string, kOutputReactionCount> reactions;

    // The section titles from `texts`' tree, the reactions from the lists.
    static OutputSourceTexts From(const InterfaceTexts& texts);
};

// The lines for output 1..7 (relay 1, relay 2, output 1..5), in the order
// scheduler, tamper, over- and under-temperature, Arm-In, inputs 1..4,
// profiles 1..4. Empty when nothing acts on the output.
std::vector<std::string> OutputSourcesList(int output, const ConfigImage& image,
                                           const OutputSourceTexts& texts =
                                               OutputSourceTexts::From(BuiltInInterfaceTexts()));

}  // namespace krx
