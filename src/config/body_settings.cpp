#include "config/body_settings.h"

#include <string_view>

#include "config/output_name_items.h"

namespace krx {

namespace {

// Inputs and profiles read their numbers with a point, whatever the desktop's
// habit: a text file reads the same on every computer.
constexpr char kPoint = '.';

std::size_t At(int index) { return static_cast<std::size_t>(index); }

// "Вход 1" → "Вход 7": the tree's text of the first record with another number.
std::string Renumbered(const std::string& firstTitle, int n) {
    std::string base = firstTitle;
    while (!base.empty() && (base.back() >= '0' && base.back() <= '9')) base.pop_back();
    return base + std::to_string(n);
}

}  // namespace

BodySettings LoadBodySettings(const ConfigImage& image) {
    BodySettings s;
    LoadGeneral(s.general, image);
    for (int c = 1; c <= connection_layout::kConnectionCount; ++c)
        LoadConnection(c, s.connections[At(c - 1)], image);
    LoadClock(s.clock, image);
    LoadPower(s.power, image);
    LoadArmIn(s.armIn, image);
    LoadInputsCommon(s.inputsCommon, image);
    for (int i = 1; i <= kBodyInputRecords; ++i) LoadInput(i, s.inputs[At(i - 1)], image, kPoint);
    for (int o = 1; o <= kBodyOutputRecords; ++o) LoadOutput(o, s.outputs[At(o - 1)], image);
    for (int n = 1; n <= scenario_layout::kScenarioCount; ++n)
        s.scenarios[At(n - 1)] = ReadControlScenario(n, image);
    for (int p = 1; p <= kBodyProfileRecords; ++p) LoadProfile(p, s.profiles[At(p - 1)], image);
    return s;
}

void StoreBodySettings(const BodySettings& settings, ConfigImage& image) {
    BodySettings s = settings;  // the general store writes its normalised texts back
    StoreGeneral(s.general, image);
    for (int c = 1; c <= connection_layout::kConnectionCount; ++c)
        StoreConnection(c, s.connections[At(c - 1)], image);
    StoreClock(s.clock, image);
    StorePower(s.power, image);
    StoreArmIn(s.armIn, image);
    StoreInputsCommon(s.inputsCommon, image);
    for (int i = 1; i <= kBodyInputRecords; ++i) StoreInput(i, s.inputs[At(i - 1)], image);
    for (int o = 1; o <= kBodyOutputRecords; ++o) StoreOutput(o, s.outputs[At(o - 1)], image);
    for (int n = 1; n <= scenario_layout::kScenarioCount; ++n)
        WriteControlScenario(n, s.scenarios[At(n - 1)], image);
    for (int p = 1; p <= kBodyProfileRecords; ++p) StoreProfile(p, s.profiles[At(p - 1)], image);
}

void VisitBodySettings(BodySettings& s, BodyVisitor& visitor, const InterfaceTexts& texts) {
    const auto part = [&](SectionId section, std::string title) {
        visitor.beginPart({section, std::move(title)});
    };
    const auto node = [&](SectionId section) { part(section, SectionNodeTextOf(texts, section)); };

    node(sections::kGeneral);
    VisitSettings(s.general, visitor);
    for (int c = 1; c <= connection_layout::kConnectionCount; ++c) {
        node(SectionId::Connection(c));
        VisitSettings(s.connections[At(c - 1)], visitor);
    }
    node(sections::kClock);
    VisitSettings(s.clock, visitor);
    node(sections::kPower);
    VisitSettings(s.power, visitor);
    node(sections::kArmIn);
    VisitSettings(s.armIn, visitor);
    node(sections::kInputsCommon);
    VisitSettings(s.inputsCommon, visitor);
    const std::string& firstInput = SectionNodeTextOf(texts, SectionId::Input(1));
    for (int i = 1; i <= kBodyInputRecords; ++i) {
        const SectionId shown = SectionId::Input(i);
        if (i <= 4) node(shown);
        else part(SectionId(), Renumbered(firstInput, i));
        VisitSettings(s.inputs[At(i - 1)], visitor);
    }
    for (int o = 1; o <= kBodyOutputRecords; ++o) {
        if (o <= output_layout::kEditedOutputs) node(SectionId::Output(o - 1));
        else part(SectionId(), TextAt(texts.outputNames, o - 1));
        VisitSettings(s.outputs[At(o - 1)], visitor);
    }
    node(sections::kScenarios);
    for (int n = 1; n <= scenario_layout::kScenarioCount; ++n) {
        PrefixedVisitor scenario(Numbered("Scenario", n), visitor);
        VisitSettings(s.scenarios[At(n - 1)], scenario);
    }
    const std::string& firstProfile = SectionNodeTextOf(texts, SectionId::Profile(1));
    for (int p = 1; p <= kBodyProfileRecords; ++p) {
        if (p <= profile_layout::kEditedProfiles) node(SectionId::Profile(p));
        else part(SectionId(), Renumbered(firstProfile, p));
        VisitSettings(s.profiles[At(p - 1)], visitor);
    }
}

namespace {

// The body the settings store onto a base of all zeros and onto one of all
// ones: where the two agree, a setting wrote the bit.
struct StoredForms {
    ConfigImage zeros;
    ConfigImage ones;
    std::uint8_t unmappedBits(std::size_t i) const { return zeros.bytes()[i] ^ ones.bytes()[i]; }
};

StoredForms StoredFormsOf(const BodySettings& settings) {
    StoredForms f;
    for (std::size_t i = 0; i < kBodySize; ++i) f.ones.bytes()[i] = 0xFF;
    StoreBodySettings(settings, f.zeros);
    StoreBodySettings(settings, f.ones);
    return f;
}

ConfigImage WithUnmapped(const StoredForms& forms, const std::vector<ByteRun>& unmapped) {
    ConfigImage image = forms.zeros;
    for (std::size_t i = kBodySize; i < kImageSize; ++i) image.bytes()[i] = 0;
    for (const ByteRun& run : unmapped)
        for (std::size_t k = 0; k < run.bytes.size() && run.offset + k < kBodySize; ++k) {
            const std::size_t i = run.offset + k;
            const std::uint8_t free = forms.unmappedBits(i);
            image.bytes()[i] = static_cast<std::uint8_t>((image.bytes()[i] & ~free) | (run.bytes[k] & free));
        }
    return image;
}

}  // namespace

BodyResidue ResidueOf(const ConfigImage& image, const BodySettings& settings) {
    const StoredForms forms = StoredFormsOf(settings);
    const auto& x = image.bytes();
    BodyResidue r;
    r.unmapped = ByteRunsWhere([&](std::size_t i) { return (x[i] & forms.unmappedBits(i)) != 0; },
                               [&](std::size_t i) { return std::uint8_t(x[i] & forms.unmappedBits(i)); });
    const ConfigImage rebuilt = WithUnmapped(forms, r.unmapped);
    r.verbatim = ByteRunsWhere([&](std::size_t i) { return rebuilt.bytes()[i] != x[i]; },
                               [&](std::size_t i) { return x[i]; });
    return r;
}

ConfigImage BuildBody(const BodySettings& settings, const BodyResidue& residue) {
    ConfigImage image = WithUnmapped(StoredFormsOf(settings), residue.unmapped);
    for (const ByteRun& run : residue.verbatim)
        for (std::size_t k = 0; k < run.bytes.size() && run.offset + k < kBodySize; ++k)
            image.bytes()[run.offset + k] = run.bytes[k];
    return image;
}

}  // namespace krx
