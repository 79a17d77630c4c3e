#include "config/default_image.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "config/section_defaults.h"

namespace krx {
namespace {

constexpr std::array<std::uint8_t, kModeMemorySize> kDefaultModeMemory = {
    0x00, 0x00, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00};

ConfigImage BuildDefaultImage() {
    ConfigImage image;  // every byte no section names stays 0
    WriteHeaderDefaults(image);
    WriteGeneralDefaults(image);
    WriteConnectionDefaults(image);
    WriteInputDefaults(image);
    WriteOutputDefaults(image);
    WriteScenarioDefaults(image);
    WriteClockDefaults(image);
    WritePowerDefaults(image);
    WriteArmInDefaults(image);
    WriteProfileDefaults(image);
    std::copy(kDefaultModeMemory.begin(), kDefaultModeMemory.end(), image.modeMemory().begin());
    // System parameters default to all zeros.
    return image;
}

void CopyRegion(ConfigImage& to, std::size_t offset, std::size_t size) {
    const auto& from = DefaultImage().bytes();
    std::copy_n(from.begin() + static_cast<std::ptrdiff_t>(offset), size,
                to.bytes().begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

void WriteHeaderDefaults(ConfigImage& image) {
    image.setU8(kFormatMarkerOffset, kFormatMarker);
    image.setText(kVersionTextOffset, kVersionTextWidth, kVersionText);
    // Bytes 9..11 stay 0.
}

const ConfigImage& DefaultImage() {
    static const ConfigImage image = BuildDefaultImage();
    return image;
}

void ApplyDefaultBody(ConfigImage& image) { CopyRegion(image, kBodyOffset, kBodySize); }

void ApplyDefaultModeMemory(ConfigImage& image) {
    CopyRegion(image, kModeMemoryOffset, kModeMemorySize);
}

void ApplyDefaultSystemParameters(ConfigImage& image) {
    CopyRegion(image, kSystemParametersOffset, kSystemParametersSize);
}

void ApplyDefaults(ConfigImage& image) {
    ApplyDefaultBody(image);
    ApplyDefaultModeMemory(image);
    ApplyDefaultSystemParameters(image);
}

bool IsValidBody(const ConfigImage& image) {
    if (image.u8(kFormatMarkerOffset) != kFormatMarker) return false;
    const auto* mine = reinterpret_cast<const char*>(image.bytes().data() + kVersionTextOffset);
    const auto* def = reinterpret_cast<const char*>(DefaultImage().bytes().data() + kVersionTextOffset);
    return std::strncmp(mine, def, kVersionTextWidth) == 0;
}

}  // namespace krx
