#include "config/config_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#include <vector>

#include "config/default_image.h"
#include "config/general_section.h"

namespace krx {
namespace {

constexpr std::string_view kWriterHeaderTemplate = "[KRXControllerConfiguration_v01.00]";
constexpr std::string_view kReaderPreset = "[KRXControllerConfiguration_v--.--]";
constexpr std::size_t kHeaderVersionOffset = 29;
constexpr std::size_t kHeaderVersionSize = 5;
constexpr std::size_t kBodyVersionOffset = 3;  // the "01.02" of "v.01.02"

std::filesystem::path TempNameBeside(const std::filesystem::path& target) {
    std::random_device rd;
    const auto tag = std::to_string(rd()) + std::to_string(rd());
    auto name = target.filename().string();
    if (name.empty()) name = "config";
    return target.parent_path() / ("." + name + "." + tag + ".tmp");
}

}  // namespace

std::uint8_t ConfigFileChecksum(const std::uint8_t* body, std::size_t size) {
    std::uint8_t x = 0;
    for (std::size_t i = 0; i < size; ++i) x ^= body[i];
    return static_cast<std::uint8_t>((x ^ 0xFF) + 1);
}

int WriteConfigFile(const ConfigImage& image, const std::string& fileName) {
    namespace fs = std::filesystem;
    if (fileName.empty()) return kConfigFileCannotOpen;

    std::string header(kWriterHeaderTemplate);
    for (std::size_t i = 0; i < kHeaderVersionSize; ++i) {
        header[kHeaderVersionOffset + i] = static_cast<char>(image.u8(kBodyVersionOffset + i));
    }

    // The administrative password never goes into a file.
    std::vector<std::uint8_t> body(image.body().begin(), image.body().end());
    for (std::size_t i = 0; i < general_layout::kSysPasswordWidth; ++i) {
        body[general_layout::kSysPassword + i] = 0;
    }
    const std::uint8_t checksum = ConfigFileChecksum(body.data(), body.size());

    const fs::path target(fileName);
    const fs::path temp = TempNameBeside(target);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return kConfigFileCannotOpen;
        out.write(header.data(), static_cast<std::streamsize>(header.size()));
        out.write(reinterpret_cast<const char*>(body.data()), static_cast<std::streamsize>(body.size()));
        out.put(static_cast<char>(checksum));
        out.flush();
        const bool ok = static_cast<bool>(out);
        out.close();
        if (!ok || out.fail()) {
            std::error_code ec;
            fs::remove(temp, ec);
            return kConfigFileCannotOpen;
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return kConfigFileCannotOpen;
    }
    return kConfigFileOk;
}

int ReadConfigFile(ConfigImage& image, const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in.is_open()) return kConfigFileCannotOpen;

    std::array<char, kConfigFileHeaderSize> header{};
    std::copy(kReaderPreset.begin(), kReaderPreset.end(), header.begin());
    in.read(header.data(), static_cast<std::streamsize>(header.size()));
    if (in.bad()) return kConfigFileCannotOpen;
    in.clear();  // a short header still compares, with the preset in the missing places

    const std::string_view got(header.data(), header.size());
    if (got.substr(0, kConfigFileHeaderPrefixSize) !=
        kConfigFileHeader.substr(0, kConfigFileHeaderPrefixSize)) {
        return kConfigFileUnknownFormat;
    }
    if (got != kConfigFileHeader) return kConfigFileWrongVersion;

    std::vector<std::uint8_t> rest(kBodySize + 1);
    in.read(reinterpret_cast<char*>(rest.data()), static_cast<std::streamsize>(rest.size()));
    if (in.bad()) return kConfigFileCannotOpen;
    if (static_cast<std::size_t>(in.gcount()) != rest.size()) return kConfigFileUnknownFormat;

    std::uint8_t x = 0;
    for (std::size_t i = 0; i < kBodySize; ++i) x ^= rest[i];
    if (static_cast<std::uint8_t>(x + rest[kBodySize]) != 0) return kConfigFileUnknownFormat;

    std::copy_n(rest.begin(), kBodySize, image.body().begin());
    return kConfigFileOk;
}

void ReadWorkingFile(ConfigImage& image, const std::string& fileName) {
    if (ReadConfigFile(image, fileName) != kConfigFileOk) ApplyDefaultBody(image);
}

int WriteWorkingFile(const ConfigImage& image, const std::string& fileName) {
    return WriteConfigFile(image, fileName);
}

std::string_view OpenResultMessage(int result) {
    switch (result) {
        case kConfigFileCannotOpen:
            return "Невозможно открыть файл";
        case kConfigFileUnknownFormat:
            return "Неизвестный формат файла";
        case kConfigFileWrongVersion:
            return "Несоответствие версий! Файл не может быть использован для "
                   "конфигурирования этого устройства.";
        default:
            return {};
    }
}

}  // namespace krx
