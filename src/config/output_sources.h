#pragma once
// The read-only list of an output section: every reaction in the image that
// acts on that output, one line per reaction, with tabs between the columns
// section, reaction and event.

#include <array>
#include <string>
#include <vector>

#include "config/config_image.h"
#include "config/output_reaction_texts.h"

namespace krx {

// Inputs and profiles whose reactions this model lists.
inline constexpr int kListedInputs = 4;
inline constexpr int kListedProfiles = 4;

// Texts the list borrows from the editor: section titles are the texts of
// the section tree nodes, reactions the texts of the reaction lists; the
// language file may replace both.
struct OutputSourceTexts {
    std::string scheduler = "Часы, планировщик задач";
    std::string armIn = "Вход [Arm In]";
    std::array<std::string, kListedInputs> inputs = {"Вход 1", "Вход 2", "Вход 3", "Вход 4"};
    std::array<std::string, kListedProfiles> profiles = {"Профиль 1", "Профиль 2", "Профиль 3",
                                                         "Профиль 4"};
    std::array<std::string, kOutputReactionCount> reactions = DefaultReactions();

    static std::array<std::string, kOutputReactionCount> DefaultReactions();
};

// The lines for output 1..7 (relay 1, relay 2, output 1..5), in the order
// scheduler, tamper, over- and under-temperature, Arm-In, inputs 1..4,
// profiles 1..4. Empty when nothing acts on the output.
std::vector<std::string> OutputSourcesList(int output, const ConfigImage& image,
                                           const OutputSourceTexts& texts = {});

}  // namespace krx
