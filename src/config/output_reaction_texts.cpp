#include "config/output_reaction_texts.h"

namespace krx {

const std::array<std::string_view, kOutputReactionCount>& OutputReactionTexts() {
    static constexpr std::array<std::string_view, kOutputReactionCount> kTexts = {
        "нет реакции", "включить",    "выключить",   "сценарий 1",  "сценарий 2",
        "сценарий 3",  "сценарий 4",  "сценарий 5",  "сценарий 6",  "сценарий 7",
        "сценарий 8",  "сценарий 9",  "сценарий 10", "сценарий 11", "сценарий 12",
        "сценарий 13", "сценарий 14"};
    return kTexts;
}

std::string OutputReactionText(unsigned code) {
    if (code < OutputReactionTexts().size()) return std::string(OutputReactionTexts()[code]);
    return std::to_string(code);
}

}  // namespace krx
