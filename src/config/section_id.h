#pragma once
// A node of the section tree, by its absolute index 0..29, and what it edits:
// its kind and, for the sections that repeat, which record. This is the one
// mapping from a node to its settings; pages, the section switch and the
// monitor never compute a record from a raw index.

#include <cstdint>

namespace krx {

enum class SectionKind : std::uint8_t {
    None,              // no section (before the first switch)
    Controller,        // 0: the tree root, the controller's live state
    General,           // 1
    Connection,        // 2..9: connection 1..8
    Clock,             // 10: clock and scheduler
    Power,             // 11: power, temperature, indication, tamper
    ArmIn,             // 12
    InputsCommon,      // 13
    Input,             // 14..17: input 1..4
    Outputs,           // 18: the outputs picture
    Output,            // 19..22: output record 0..3 (relay 1, relay 2, output 1, output 2)
    Scenarios,         // 23
    Profiles,          // 24
    Profile,           // 25..28: profile 1..4
    SystemParameters,  // 29
};

class SectionId {
public:
    static constexpr int kCount = 30;

    // No section.
    constexpr SectionId() = default;
    // The node at `index`; an index outside 0..29 is no section.
    static constexpr SectionId FromIndex(int index) {
        return index >= 0 && index < kCount ? SectionId(index) : SectionId();
    }
    static constexpr SectionId Connection(int connection) { return FromIndex(1 + connection); }
    static constexpr SectionId Input(int input) { return FromIndex(13 + input); }
    static constexpr SectionId Output(int record) { return FromIndex(19 + record); }
    static constexpr SectionId Profile(int profile) { return FromIndex(24 + profile); }

    constexpr bool isValid() const { return index_ >= 0; }
    // The absolute node index, -1 for no section.
    constexpr int index() const { return index_; }

    constexpr SectionKind kind() const {
        if (index_ < 0) return SectionKind::None;
        if (index_ == 0) return SectionKind::Controller;
        if (index_ == 1) return SectionKind::General;
        if (index_ <= 9) return SectionKind::Connection;
        if (index_ == 10) return SectionKind::Clock;
        if (index_ == 11) return SectionKind::Power;
        if (index_ == 12) return SectionKind::ArmIn;
        if (index_ == 13) return SectionKind::InputsCommon;
        if (index_ <= 17) return SectionKind::Input;
        if (index_ == 18) return SectionKind::Outputs;
        if (index_ <= 22) return SectionKind::Output;
        if (index_ == 23) return SectionKind::Scenarios;
        if (index_ == 24) return SectionKind::Profiles;
        if (index_ <= 28) return SectionKind::Profile;
        return SectionKind::SystemParameters;
    }

    // Which record a repeating section edits: connection 1..8, input 1..4,
    // output record 0..3, profile 1..4; 0 for every other section.
    constexpr int record() const {
        switch (kind()) {
            case SectionKind::Connection:
                return index_ - 1;
            case SectionKind::Input:
                return index_ - 13;
            case SectionKind::Output:
                return index_ - 19;
            case SectionKind::Profile:
                return index_ - 24;
            default:
                return 0;
        }
    }

    constexpr bool operator==(const SectionId&) const = default;

private:
    constexpr explicit SectionId(int index) : index_(index) {}
    int index_ = -1;
};

// The sections that stand alone.
namespace sections {
inline constexpr SectionId kController = SectionId::FromIndex(0);
inline constexpr SectionId kGeneral = SectionId::FromIndex(1);
inline constexpr SectionId kClock = SectionId::FromIndex(10);
inline constexpr SectionId kPower = SectionId::FromIndex(11);
inline constexpr SectionId kArmIn = SectionId::FromIndex(12);
inline constexpr SectionId kInputsCommon = SectionId::FromIndex(13);
inline constexpr SectionId kOutputs = SectionId::FromIndex(18);
inline constexpr SectionId kScenarios = SectionId::FromIndex(23);
inline constexpr SectionId kProfiles = SectionId::FromIndex(24);
inline constexpr SectionId kSystemParameters = SectionId::FromIndex(29);
}  // namespace sections

}  // namespace krx
