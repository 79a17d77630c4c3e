#include "config/body_description.h"

#include <cstdio>

namespace krx {

namespace {

// Collects the plain values, part by part.
class Collector final : public BodyVisitor {
public:
    explicit Collector(std::vector<SettingEntry>& out) : out_(out) {}
    void beginPart(const BodyPart& part) override { part_ = part; }
    void text(const std::string& name, std::string& value) override {
        add(name).text = value;
    }
    void flag(const std::string& name, bool& value) override {
        SettingValue& v = add(name);
        v.kind = SettingKind::Flag;
        v.flag = value;
    }
    void number(const std::string& name, int& value, int, int) override {
        SettingValue& v = add(name);
        v.kind = SettingKind::Number;
        v.number = value;
    }
    void choice(const std::string& name, int& index, const ItemList& items) override {
        SettingValue& v = add(name);
        v.kind = SettingKind::Choice;
        v.number = index;
        v.listText = std::string(items.at(index));
    }

private:
    SettingValue& add(const std::string& name) {
        out_.push_back({part_.title, part_.section, name, {}});
        return out_.back().value;
    }
    std::vector<SettingEntry>& out_;
    BodyPart part_;
};

std::string Quoted(const std::string& text) {
    std::string q = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') q += '\\';
        q += c;
    }
    return q + "\"";
}

std::string Hex(std::uint8_t b) {
    char buf[3];
    std::snprintf(buf, sizeof buf, "%02X", b);
    return buf;
}

// Whether the residue speaks for body byte `i`.
bool InResidue(const BodyResidue& r, std::size_t i) {
    for (const auto* runs : {&r.unmapped, &r.verbatim})
        for (const ByteRun& run : *runs)
            if (i >= run.offset && i < run.offset + run.bytes.size()) return true;
    return false;
}

}  // namespace

BodyDescription DescribeBody(const ConfigImage& image, const InterfaceTexts& texts) {
    BodyDescription d;
    BodySettings settings = LoadBodySettings(image);
    d.residue = ResidueOf(image, settings);
    Collector collector(d.settings);
    VisitBodySettings(settings, collector, texts);
    return d;
}

std::string PlainValue(const SettingValue& v) {
    switch (v.kind) {
        case SettingKind::Text:
            return Quoted(v.text);
        case SettingKind::Flag:
            return v.flag ? "true" : "false";
        case SettingKind::Number:
            return std::to_string(v.number);
        case SettingKind::Choice:
            return v.number < 0 ? "-1 (no choice)" : std::to_string(v.number) + " " + Quoted(v.listText);
    }
    return {};
}

std::string ValueInWords(const SettingValue& v, const SettingValueWords& words) {
    switch (v.kind) {
        case SettingKind::Text:
            return v.text;
        case SettingKind::Flag:
            return v.flag ? words.yes : words.no;
        case SettingKind::Number:
            return std::to_string(v.number);
        case SettingKind::Choice:
            return v.number < 0 ? words.noChoice : v.listText;
    }
    return {};
}

BodyDifferences DiffBodies(const ConfigImage& a, const ConfigImage& b, const InterfaceTexts& texts) {
    const BodyDescription da = DescribeBody(a, texts);
    const BodyDescription db = DescribeBody(b, texts);
    BodyDifferences out;
    // Both lists come from the same visit, entry by entry.
    for (std::size_t i = 0; i < da.settings.size() && i < db.settings.size(); ++i) {
        const SettingEntry& x = da.settings[i];
        const SettingEntry& y = db.settings[i];
        if (!(x.value == y.value)) out.settings.push_back({x.part, x.section, x.name, x.value, y.value});
    }
    for (std::size_t i = 0; i < kBodySize; ++i) {
        if (a.bytes()[i] == b.bytes()[i]) continue;
        if (InResidue(da.residue, i) || InResidue(db.residue, i))
            out.bytes.push_back({i, a.bytes()[i], b.bytes()[i]});
    }
    return out;
}

std::string DifferencesText(const BodyDifferences& d) {
    std::string text;
    for (const SettingDifference& s : d.settings)
        text += Quoted(s.part) + "  " + s.name + ": " + PlainValue(s.a) + " -> " + PlainValue(s.b) + "\n";
    for (const ByteDifference& b : d.bytes)
        text += "unmapped byte " + std::to_string(b.offset) + ": " + Hex(b.a) + " -> " + Hex(b.b) + "\n";
    return text;
}

}  // namespace krx
