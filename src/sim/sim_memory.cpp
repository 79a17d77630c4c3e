#include "sim/sim_memory.h"

#include <algorithm>

#include "config/config_file.h"
#include "config/config_image.h"
#include "config/default_image.h"

namespace krx::sim {

SimMemory::SimMemory() {
    for (int a = 1; a <= 6; ++a) {
        areas_[static_cast<std::size_t>(a - 1)].assign(AreaSize(a), 0);
    }
    const ConfigImage& defaults = DefaultImage();
    setArea(1, defaults.body());
    setArea(4, defaults.modeMemory());
    setArea(5, defaults.systemParameters());
}

std::size_t SimMemory::AreaSize(int area) {
    switch (area) {
        case 1:
            return kBodySize;
        case 4:
            return kModeMemorySize;
        case 5:
            return kSystemParametersSize;
        case 2:
        case 3:
        case 6:
            return kSpareAreaSize;
        default:
            return 0;
    }
}

std::vector<std::uint8_t>* SimMemory::find(int area) {
    return area >= 1 && area <= 6 ? &areas_[static_cast<std::size_t>(area - 1)] : nullptr;
}

const std::vector<std::uint8_t>* SimMemory::find(int area) const {
    return area >= 1 && area <= 6 ? &areas_[static_cast<std::size_t>(area - 1)] : nullptr;
}

std::vector<std::uint8_t> SimMemory::area(int area) const {
    const auto* bytes = find(area);
    return bytes != nullptr ? *bytes : std::vector<std::uint8_t>{};
}

bool SimMemory::setArea(int area, std::span<const std::uint8_t> bytes) {
    return write(area, 0, bytes);
}

std::optional<std::vector<std::uint8_t>> SimMemory::read(int area, std::uint32_t address,
                                                         std::size_t count) const {
    const auto* bytes = find(area);
    if (bytes == nullptr || address > bytes->size() || count > bytes->size() - address) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(bytes->begin() + address, bytes->begin() + address + count);
}

bool SimMemory::write(int area, std::uint32_t address, std::span<const std::uint8_t> data) {
    auto* bytes = find(area);
    if (bytes == nullptr || address > bytes->size() || data.size() > bytes->size() - address) {
        return false;
    }
    std::copy(data.begin(), data.end(), bytes->begin() + address);
    return true;
}

bool SimMemory::loadConfigFile(const std::string& fileName) {
    ConfigImage image;
    if (ReadConfigFile(image, fileName) != 0) {
        return false;
    }
    return setArea(1, image.body());
}

}  // namespace krx::sim
