#pragma once
// Every setting of a configuration body at once, as the sections' value
// structs, in the order of the section tree. The records the tree does not
// show (inputs 5..16, outputs 3..5, profiles 5..8) are described by the same
// codecs, after the shown ones of their kind.
//
// What the settings cannot say about a body is its residue: the bits that
// belong to no setting, and the bytes whose stored form the settings cannot
// reproduce. Settings and residue together give back the body byte for byte.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "config/armin_section.h"
#include "config/clock_section.h"
#include "config/config_image.h"
#include "config/connection_section.h"
#include "config/general_section.h"
#include "config/input_section.h"
#include "config/inputs_common_section.h"
#include "config/interface_texts.h"
#include "config/output_section.h"
#include "config/power_section.h"
#include "config/profile_section.h"
#include "config/scenario_section.h"
#include "config/setting_visitor.h"

namespace krx {

inline constexpr int kBodyInputRecords = 16;
inline constexpr int kBodyOutputRecords = 7;
inline constexpr int kBodyProfileRecords = 8;

struct BodySettings {
    GeneralSettings general;
    std::array<ConnectionSettings, connection_layout::kConnectionCount> connections;
    ClockSettings clock;
    PowerSettings power;
    ArmInSettings armIn;
    InputsCommonSettings inputsCommon;
    std::array<InputSettings, kBodyInputRecords> inputs;
    std::array<OutputSettings, kBodyOutputRecords> outputs;
    std::array<ControlScenario, scenario_layout::kScenarioCount> scenarios;
    std::array<ProfileSettings, kBodyProfileRecords> profiles;
};

BodySettings LoadBodySettings(const ConfigImage& image);
// Stores every part, in tree order; bits of no setting keep what `image` held.
void StoreBodySettings(const BodySettings& settings, ConfigImage& image);

// One described part of the body: a tree node, or a record the tree does not show.
struct BodyPart {
    SectionId section;  // the tree node; no section for a record the tree does not show
    std::string title;  // the node's text, or the record's name in the same words
};

// Visits the settings part by part; `beginPart` is called before each part's settings.
class BodyVisitor : public SettingVisitor {
public:
    virtual void beginPart(const BodyPart& part) = 0;
};
void VisitBodySettings(BodySettings& settings, BodyVisitor& visitor,
                       const InterfaceTexts& texts = BuiltInInterfaceTexts());

// Consecutive body bytes from `offset`.
struct ByteRun {
    std::size_t offset = 0;
    std::vector<std::uint8_t> bytes;
    bool operator==(const ByteRun&) const = default;
};

struct BodyResidue {
    // The bits that belong to no setting, set ones only (bits of settings are 0).
    std::vector<ByteRun> unmapped;
    // Bytes the settings cannot hold as they are (a text after its end mark,
    // a list value the editor shows as no choice, ...); they win over the settings.
    std::vector<ByteRun> verbatim;
    bool operator==(const BodyResidue&) const = default;
};

// The residue of `image` beside `settings` (LoadBodySettings of the same image).
BodyResidue ResidueOf(const ConfigImage& image, const BodySettings& settings);
// The body the settings and the residue describe; the tails are zero.
ConfigImage BuildBody(const BodySettings& settings, const BodyResidue& residue);

// Runs of at most `width` bytes over the body where `wanted` holds for the byte index.
template <class Predicate, class Value>
std::vector<ByteRun> ByteRunsWhere(Predicate wanted, Value value, std::size_t width = 16) {
    std::vector<ByteRun> runs;
    for (std::size_t i = 0; i < kBodySize; ++i) {
        if (!wanted(i)) continue;
        if (runs.empty() || runs.back().offset + runs.back().bytes.size() != i ||
            runs.back().bytes.size() >= width)
            runs.push_back({i, {}});
        runs.back().bytes.push_back(value(i));
    }
    return runs;
}

}  // namespace krx
