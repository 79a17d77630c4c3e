#pragma once
// The program settings file KRXConfig.cfg: 24 bytes holding the serial port
// name between a fixed header and a fixed constant.

#include <QString>

#include <array>
#include <cstdint>

namespace krx {

inline constexpr char kProgramSettingsFileName[] = "KRXConfig.cfg";
inline constexpr std::size_t kProgramSettingsSize = 24;
inline constexpr std::size_t kPortFieldSize = 8;
inline constexpr std::size_t kMaxStoredPortName = 7;  // the eighth byte stays 0
inline constexpr std::uint32_t kProgramSettingsConstant = 0x20B84286;

// The settings file inside `directory` (the working directory at start-up).
QString ProgramSettingsPath(const QString& directory);

// Whether a name read from the settings file may be used. Windows names must
// contain C, O and M; elsewhere names look like ttyUSB0 or pts/3 and any
// non-empty printable ASCII text is taken.
bool IsAcceptablePortName(const QString& name);

// The port used when no settings file says otherwise: "COM1" on Windows, else
// the first port the system lists, else "ttyS0".
QString DefaultPortName();

// The 24 bytes the file holds for `portName` (cut to its first 7 characters).
std::array<std::uint8_t, kProgramSettingsSize> EncodeProgramSettings(const QString& portName);

// True and the stored name in `portName` when the file is sound; false (and
// `portName` untouched) when it is missing, short, foreign or damaged. The
// caller then uses DefaultPortName().
bool ReadProgramSettings(const QString& path, QString& portName);
// Writes the file through a temporary file that replaces the old one only
// when complete, so a crash never leaves a truncated file. False on failure.
bool WriteProgramSettings(const QString& path, const QString& portName);

}  // namespace krx
