#pragma once
// The history of every controller: a copy of each configuration read from
// or programmed into a controller, kept as
// history/<serial number>/<yyyy-mm-dd_hh-mm-ss>-read.cnt (or -programmed.cnt)
// under the working directory, written as safely as every other file.

#include <filesystem>
#include <string>
#include <vector>

#include "config/config_image.h"

namespace krx {

enum class HistoryKind { Read, Programmed };

struct HistoryEntry {
    std::string serial;  // the folder: the unique identifier's 32 hex digits
    std::string time;    // "yyyy-mm-dd_hh-mm-ss"
    HistoryKind kind = HistoryKind::Read;
    std::filesystem::path file;
};

// "2026-12-10_21-18-05-read.cnt".
std::string HistoryFileName(const std::string& time, HistoryKind kind);

// Writes a copy of `image` (as a configuration file, without the password)
// for the controller `serial` at `time`. A second copy of the same kind in
// the same second gets "-2", "-3" ... appended. Returns the file written,
// or an empty path when it could not be written.
std::filesystem::path SaveToHistory(const ConfigImage& image, const std::filesystem::path& workingDirectory,
                                    const std::string& serial, const std::string& time, HistoryKind kind);

// Every copy kept, by serial number and then time; only `serial`'s when it
// is not empty. Files that do not follow the naming are left out.
std::vector<HistoryEntry> ListHistory(const std::filesystem::path& workingDirectory, const std::string& serial = {});

}  // namespace krx
