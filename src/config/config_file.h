#pragma once
// Configuration files (*.cnt): a 35-byte header, the 5292-byte body and a
// checksum byte. The working file "default.cnt" keeps the last configuration
// between runs.

#include <string>
#include <string_view>

#include "config/config_image.h"

namespace krx {

inline constexpr std::string_view kConfigFileHeader = "[KRXControllerConfiguration_v01.02]";
inline constexpr std::size_t kConfigFileHeaderSize = 35;
inline constexpr std::size_t kConfigFileHeaderPrefixSize = 29;  // "[KRXControllerConfiguration_v"
inline constexpr std::size_t kConfigFileSize = kConfigFileHeaderSize + kBodySize + 1;
inline constexpr std::string_view kWorkingFileName = "default.cnt";

enum ConfigFileResult : int {
    kConfigFileOk = 0,
    kConfigFileCannotOpen = 1,     // "Невозможно открыть файл" / "Невозможно сохранить файл"
    kConfigFileUnknownFormat = 2,  // "Неизвестный формат файла"
    kConfigFileWrongVersion = 3,   // "Несоответствие версий! ..."
};

// The checksum byte: the two's complement of the XOR of the body bytes.
std::uint8_t ConfigFileChecksum(const std::uint8_t* body, std::size_t size);

// Writes the body with the administrative password cleared in the file (the
// image keeps it). The file is written beside the target under a temporary
// name and renamed over it only when complete, so a failure never destroys the
// file it would replace. 0 = written, 1 = failed.
int WriteConfigFile(const ConfigImage& image, const std::string& fileName);

// 0 = body replaced; 1 = cannot open or read; 2 = unknown format, short file
// or bad checksum; 3 = another version. Any failure leaves the image as it was.
int ReadConfigFile(ConfigImage& image, const std::string& fileName);

// Start-up: the working file, or the default body on any failure.
void ReadWorkingFile(ConfigImage& image, const std::string& fileName = std::string(kWorkingFileName));
// Close: the working file; its result is not reported to the user.
int WriteWorkingFile(const ConfigImage& image,
                     const std::string& fileName = std::string(kWorkingFileName));

// The message the open and save commands show for a result, empty for 0.
std::string_view OpenResultMessage(int result);
inline constexpr std::string_view kSaveFailedMessage = "Невозможно сохранить файл";

}  // namespace krx
