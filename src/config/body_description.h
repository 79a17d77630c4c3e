#pragma once
// Every setting of a body as a plain value, in the tree's order, with its
// residue: what a text export writes, a diff compares and a report prints.

#include <string>
#include <vector>

#include "config/body_settings.h"

namespace krx {

enum class SettingKind { Text, Flag, Number, Choice };

struct SettingValue {
    SettingKind kind = SettingKind::Text;
    std::string text;      // Text
    bool flag = false;     // Flag
    int number = 0;        // Number, and the item index of a Choice (-1 none)
    std::string listText;  // Choice: the item's text, empty for no choice
    bool operator==(const SettingValue& o) const {
        return kind == o.kind && text == o.text && flag == o.flag && number == o.number;
    }
};

struct SettingEntry {
    std::string part;  // the section's tree text (or the unshown record's name)
    SectionId section;
    std::string name;  // "Phone", "SchedulerTask3.Time", "Scenario2.Step4.Duration"
    SettingValue value;
};

struct BodyDescription {
    std::vector<SettingEntry> settings;
    BodyResidue residue;
};

BodyDescription DescribeBody(const ConfigImage& image,
                             const InterfaceTexts& texts = BuiltInInterfaceTexts());

// The value as a line shows it: a quoted text, true/false, a number, or an
// item index with its text.
std::string PlainValue(const SettingValue& value);

// The value in the window's words: the text itself, "да"/"нет", the number,
// or the chosen item's text.
std::string ValueInWords(const SettingValue& value, const SettingValueWords& words);

// A setting whose value differs between two bodies.
struct SettingDifference {
    std::string part;
    SectionId section;
    std::string name;
    SettingValue a, b;
};
// A body byte outside the settings that differs.
struct ByteDifference {
    std::size_t offset = 0;
    std::uint8_t a = 0, b = 0;
};
struct BodyDifferences {
    std::vector<SettingDifference> settings;
    std::vector<ByteDifference> bytes;
    bool empty() const { return settings.empty() && bytes.empty(); }
};

// Only the bodies are compared: the tails are not part of a configuration.
BodyDifferences DiffBodies(const ConfigImage& a, const ConfigImage& b,
                           const InterfaceTexts& texts = BuiltInInterfaceTexts());

// One line per difference: `"section"  setting: A → B`, then the bytes.
std::string DifferencesText(const BodyDifferences& differences);

}  // namespace krx
