#include "config/config_history.h"

#include <algorithm>
#include <system_error>

#include "config/config_file.h"

namespace krx {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHistoryFolder = "history";
constexpr std::string_view kReadSuffix = "-read";
constexpr std::string_view kProgrammedSuffix = "-programmed";
constexpr std::size_t kTimeLength = 19;  // yyyy-mm-dd_hh-mm-ss

std::string_view SuffixOf(HistoryKind kind) { return kind == HistoryKind::Read ? kReadSuffix : kProgrammedSuffix; }

bool IsTime(std::string_view text) {
    static constexpr std::string_view kShape = "dddd-dd-dd_dd-dd-dd";
    if (text.size() != kShape.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) return false;
    }
    return true;
}

// "<time>-read[-N].cnt" -> time and kind.
bool ParseName(const std::string& name, std::string& time, HistoryKind& kind) {
    if (name.size() < kTimeLength + 4 || name.substr(name.size() - 4) != ".cnt") return false;
    time = name.substr(0, kTimeLength);
    if (!IsTime(time)) return false;
    std::string_view rest(name);
    rest = rest.substr(kTimeLength, rest.size() - kTimeLength - 4);
    for (const HistoryKind k : {HistoryKind::Read, HistoryKind::Programmed}) {
        const std::string_view suffix = SuffixOf(k);
        if (rest.substr(0, suffix.size()) != suffix) continue;
        const std::string_view counter = rest.substr(suffix.size());
        const bool counted = counter.empty() || (counter.size() > 1 && counter[0] == '-' &&
                                                 std::all_of(counter.begin() + 1, counter.end(),
                                                             [](char c) { return c >= '0' && c <= '9'; }));
        if (!counted) return false;
        kind = k;
        return true;
    }
    return false;
}

bool IsSerial(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
    });
}

}  // namespace

std::string HistoryFileName(const std::string& time, HistoryKind kind) {
    return time + std::string(SuffixOf(kind)) + ".cnt";
}

fs::path SaveToHistory(const ConfigImage& image, const fs::path& workingDirectory, const std::string& serial,
                       const std::string& time, HistoryKind kind) {
    // The folder name comes from the controller: only hex digits may make it.
    if (!IsSerial(serial) || !IsTime(time)) return {};
    const fs::path folder = workingDirectory / kHistoryFolder / serial;
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return {};
    fs::path file = folder / HistoryFileName(time, kind);
    for (int n = 2; fs::exists(file, error); ++n) {
        file = folder / (time + std::string(SuffixOf(kind)) + "-" + std::to_string(n) + ".cnt");
    }
    if (WriteConfigFile(image, file.string()) != kConfigFileOk) return {};
    return file;
}

std::vector<HistoryEntry> ListHistory(const fs::path& workingDirectory, const std::string& serial) {
    std::vector<HistoryEntry> entries;
    std::error_code error;
    const fs::path root = workingDirectory / kHistoryFolder;
    for (const fs::directory_entry& folder : fs::directory_iterator(root, error)) {
        const std::string name = folder.path().filename().string();
        if (!folder.is_directory(error) || !IsSerial(name) || (!serial.empty() && name != serial)) continue;
        for (const fs::directory_entry& file : fs::directory_iterator(folder.path(), error)) {
            HistoryEntry entry;
            if (!file.is_regular_file(error) || !ParseName(file.path().filename().string(), entry.time, entry.kind)) {
                continue;
            }
            entry.serial = name;
            entry.file = file.path();
            entries.push_back(std::move(entry));
        }
    }
    std::sort(entries.begin(), entries.end(), [](const HistoryEntry& a, const HistoryEntry& b) {
        if (a.serial != b.serial) return a.serial < b.serial;
        if (a.time != b.time) return a.time < b.time;
        return a.file.filename().string() < b.file.filename().string();
    });
    return entries;
}

}  // namespace krx
