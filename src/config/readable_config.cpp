#include "config/readable_config.h"

#include <cstdint>
#include <cstdio>
#include <set>
#include <sstream>

#include <toml++/toml.h>

#include "config/body_description.h"
#include "config/config_file.h"

namespace krx {

namespace {

constexpr std::int64_t kFormatVersion = 1;
constexpr std::string_view kFormatKey = "format";
constexpr std::string_view kUnmappedKey = "unmapped";
constexpr std::string_view kVerbatimKey = "verbatim";

constexpr std::string_view kHeading =
    "# KRX310-LT configuration as text. \"krxctl load FILE.toml -o FILE.cnt\" turns it\n"
    "# back into a configuration file, byte for byte. Sections and settings follow\n"
    "# the section tree; a list holds the index of its item (-1: no choice), and the\n"
    "# comment beside it gives the item's text.\n";
constexpr std::string_view kResidueHeading =
    "\n# ====================== Bytes that belong to no setting ======================\n"
    "# Body offset (decimal) = bytes in hexadecimal. [unmapped] holds the bits that no\n"
    "# setting uses; [verbatim] the bytes the settings above cannot hold as they\n"
    "# are, written over them last.\n";

// A TOML basic string on one line: quotes, backslashes and every control
// character escaped, so no text can change the line's meaning.
std::string TomlString(const std::string& text) {
    std::string q = "\"";
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            q += '\\';
            q += ch;
        } else if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04X", c);
            q += buf;
        } else {
            q += ch;
        }
    }
    return q + "\"";
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string s;
    char buf[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, s.empty() ? "%02X" : " %02X", b);
        s += buf;
    }
    return s;
}

std::string OffsetKey(std::size_t offset) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04zu", offset);
    return buf;
}

void WriteRuns(std::string& out, std::string_view table, const std::vector<ByteRun>& runs) {
    out += "[" + std::string(table) + "]\n";
    for (const ByteRun& run : runs) out += "\"" + OffsetKey(run.offset) + "\" = \"" + HexBytes(run.bytes) + "\"\n";
}

std::string AsToml(const BodyDescription& d) {
    std::string out(kHeading);
    out += std::string(kFormatKey) + " = " + std::to_string(kFormatVersion) + "\n";
    const std::string* part = nullptr;
    for (const SettingEntry& e : d.settings) {
        if (!part || *part != e.part) {
            part = &e.part;
            out += "\n[" + TomlString(e.part) + "]\n";
        }
        out += e.name + " = ";
        const SettingValue& v = e.value;
        switch (v.kind) {
            case SettingKind::Text:
                out += TomlString(v.text);
                break;
            case SettingKind::Flag:
                out += v.flag ? "true" : "false";
                break;
            case SettingKind::Number:
                out += std::to_string(v.number);
                break;
            case SettingKind::Choice:
                out += std::to_string(v.number) + "  # " + (v.number < 0 ? "no choice" : TomlString(v.listText));
                break;
        }
        out += "\n";
    }
    out += kResidueHeading;
    WriteRuns(out, kUnmappedKey, d.residue.unmapped);
    WriteRuns(out, kVerbatimKey, d.residue.verbatim);
    return out;
}

toml::table RunsTable(const std::vector<ByteRun>& runs) {
    toml::table t;
    for (const ByteRun& run : runs) t.insert(OffsetKey(run.offset), HexBytes(run.bytes));
    return t;
}

// JSON keeps the tree's order in arrays: objects have none.
std::string AsJson(const BodyDescription& d) {
    toml::table root;
    root.insert(kFormatKey, kFormatVersion);
    toml::array parts;
    const std::string* part = nullptr;
    toml::array* settings = nullptr;
    for (const SettingEntry& e : d.settings) {
        if (!part || *part != e.part) {
            part = &e.part;
            toml::table p;
            p.insert("section", e.part);
            p.insert("settings", toml::array());
            parts.push_back(std::move(p));
            settings = parts.back().as_table()->get_as<toml::array>("settings");
        }
        toml::table s;
        s.insert("setting", e.name);
        const SettingValue& v = e.value;
        switch (v.kind) {
            case SettingKind::Text: s.insert("value", v.text); break;
            case SettingKind::Flag: s.insert("value", v.flag); break;
            case SettingKind::Number: s.insert("value", v.number); break;
            case SettingKind::Choice:
                s.insert("value", v.number);
                if (v.number >= 0) s.insert("text", v.listText);
                break;
        }
        settings->push_back(std::move(s));
    }
    root.insert("sections", std::move(parts));
    root.insert(kUnmappedKey, RunsTable(d.residue.unmapped));
    root.insert(kVerbatimKey, RunsTable(d.residue.verbatim));
    std::ostringstream out;
    out << toml::json_formatter(root) << "\n";
    return out.str();
}

// Reads every setting from the parsed text into the value structs; the first
// fault is kept and the rest of the visit does nothing.
class TextReader final : public BodyVisitor {
public:
    explicit TextReader(const toml::table& root) : root_(root) {}

    void beginPart(const BodyPart& part) override {
        part_ = part.title;
        table_ = nullptr;
        if (failed()) return;
        table_ = root_.get_as<toml::table>(part.title);
        if (!table_) fail(0, "", "the section is missing");
        else parts_.insert(part.title);
    }
    void text(const std::string& name, std::string& value) override {
        if (const toml::node* n = find(name)) {
            if (const auto s = n->value_exact<std::string>()) value = *s;
            else fail(line(*n), name, "a text in quotes is expected");
        }
    }
    void flag(const std::string& name, bool& value) override {
        if (const toml::node* n = find(name)) {
            if (const auto b = n->value_exact<bool>()) value = *b;
            else fail(line(*n), name, "true or false is expected");
        }
    }
    void number(const std::string& name, int& value, int min, int max) override {
        if (const toml::node* n = find(name)) {
            const auto v = n->value_exact<std::int64_t>();
            if (v && *v >= min && *v <= max) value = static_cast<int>(*v);
            else fail(line(*n), name, "a whole number from " + std::to_string(min) + " to " + std::to_string(max) + " is expected");
        }
    }
    void choice(const std::string& name, int& index, const ItemList& items) override {
        if (const toml::node* n = find(name)) {
            const auto v = n->value_exact<std::int64_t>();
            if (v && *v >= -1 && *v < items.size()) index = static_cast<int>(*v);
            else fail(line(*n), name, "an item index from -1 to " + std::to_string(items.size() - 1) + " is expected");
        }
    }

    // Every key of the text that no setting read.
    void checkUnknown() {
        for (const auto& [key, node] : root_) {
            const std::string k(key.str());
            if (k == kFormatKey || k == kUnmappedKey || k == kVerbatimKey) continue;
            if (!parts_.count(k)) {
                fail(line(node), "", "no section of this name", k);
                return;
            }
            part_ = k;
            if (const toml::table* t = node.as_table()) unknownIn(*t, "");
            if (failed()) return;
        }
    }

    bool failed() const { return result_.line != 0 || !result_.error.empty(); }
    TextLoadResult& result() { return result_; }

    void fail(int line, const std::string& setting, const std::string& why, std::string part = {}) {
        if (failed()) return;
        if (part.empty()) part = part_;
        result_.line = line;
        result_.error = (line > 0 ? "line " + std::to_string(line) + ": " : std::string()) + "\"" + part + "\"" +
                        (setting.empty() ? "" : " " + setting) + ": " + why;
    }

private:
    static int line(const toml::node& n) { return static_cast<int>(n.source().begin.line); }

    const toml::node* find(const std::string& name) {
        if (failed() || !table_) return nullptr;
        const toml::node* n = toml::at_path(*table_, name).node();
        if (!n || n->is_table()) {
            fail(line(*table_), name, "the setting is missing");
            return nullptr;
        }
        read_.insert(part_ + "\n" + name);
        return n;
    }

    void unknownIn(const toml::table& t, const std::string& prefix) {
        for (const auto& [key, node] : t) {
            const std::string name = prefix + std::string(key.str());
            if (const toml::table* sub = node.as_table()) unknownIn(*sub, name + ".");
            else if (!read_.count(part_ + "\n" + name)) fail(line(node), name, "no setting of this name");
            if (failed()) return;
        }
    }

    const toml::table& root_;
    const toml::table* table_ = nullptr;
    std::string part_;
    std::set<std::string> parts_;
    std::set<std::string> read_;
    TextLoadResult result_;
};

bool ReadRuns(const toml::table& root, std::string_view key, std::vector<ByteRun>& runs, TextReader& reader) {
    const toml::node* n = root.get(key);
    if (!n) return true;
    const toml::table* t = n->as_table();
    if (!t) {
        reader.fail(static_cast<int>(n->source().begin.line), "", "a table is expected", std::string(key));
        return false;
    }
    for (const auto& [k, v] : *t) {
        const int line = static_cast<int>(v.source().begin.line);
        const std::string name(k.str());
        std::size_t offset = 0;
        bool ok = !name.empty() && name.size() <= 4;
        for (char c : name) ok = ok && c >= '0' && c <= '9';
        if (ok) offset = std::stoul(name);
        const auto hex = v.value_exact<std::string>();
        ByteRun run{offset, {}};
        if (ok && hex) {
            std::istringstream in(*hex);
            std::string pair;
            while (ok && in >> pair) {
                ok = pair.size() == 2 && std::isxdigit(static_cast<unsigned char>(pair[0])) &&
                     std::isxdigit(static_cast<unsigned char>(pair[1]));
                if (ok) run.bytes.push_back(static_cast<std::uint8_t>(std::stoul(pair, nullptr, 16)));
            }
        }
        ok = ok && hex && offset + run.bytes.size() <= kBodySize;
        if (!ok) {
            reader.fail(line, name, "a body offset below " + std::to_string(kBodySize) +
                                        " and bytes as hexadecimal pairs are expected",
                        std::string(key));
            return false;
        }
        runs.push_back(std::move(run));
    }
    return true;
}

}  // namespace

std::string BodyAsText(const ConfigImage& image, TextFormat format, const InterfaceTexts& texts) {
    const BodyDescription d = DescribeBody(image, texts);
    return format == TextFormat::Json ? AsJson(d) : AsToml(d);
}

TextLoadResult BodyFromText(std::string_view text, const InterfaceTexts& texts) {
    toml::table root;
    try {
        root = toml::parse(text);
    } catch (const toml::parse_error& e) {
        TextLoadResult r;
        r.line = static_cast<int>(e.source().begin.line);
        r.error = "line " + std::to_string(r.line) + ": " + std::string(e.description());
        return r;
    }
    TextReader reader(root);
    const auto format = root[kFormatKey].value_exact<std::int64_t>();
    if (format != kFormatVersion) {
        reader.fail(0, "", "this is not a configuration text of format " + std::to_string(kFormatVersion),
                    std::string(kFormatKey));
        return std::move(reader.result());
    }
    BodySettings settings = LoadBodySettings(ConfigImage());
    VisitBodySettings(settings, reader, texts);
    reader.checkUnknown();
    BodyResidue residue;
    if (!reader.failed() && ReadRuns(root, kUnmappedKey, residue.unmapped, reader))
        ReadRuns(root, kVerbatimKey, residue.verbatim, reader);
    if (reader.failed()) return std::move(reader.result());
    TextLoadResult result;
    result.ok = true;
    result.image = BuildBody(settings, residue);
    return result;
}

bool LooksLikeConfigFile(std::string_view firstBytes) {
    return firstBytes.substr(0, kConfigFileHeaderPrefixSize) ==
           kConfigFileHeader.substr(0, kConfigFileHeaderPrefixSize);
}

}  // namespace krx
