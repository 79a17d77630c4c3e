#pragma once
// The simulated controller's memory areas 1..6, moved in blocks.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace krx::sim {

// Sizes of areas 2, 3 and 6, which the configurator never uses.
inline constexpr std::size_t kSpareAreaSize = 4096;

class SimMemory {
public:
    // Area 1 holds the default body, area 4 the default mode memory, area 5
    // zeros (the default system parameters).
    SimMemory();

    static std::size_t AreaSize(int area);

    // A copy of the whole area; empty for an unknown area.
    std::vector<std::uint8_t> area(int area) const;
    // Replaces the area from offset 0; false when `bytes` do not fit.
    bool setArea(int area, std::span<const std::uint8_t> bytes);

    // Block access; nullopt / false when the range leaves the area.
    std::optional<std::vector<std::uint8_t>> read(int area, std::uint32_t address,
                                                  std::size_t count) const;
    bool write(int area, std::uint32_t address, std::span<const std::uint8_t> bytes);

    // Area 1 from a .cnt configuration file; false (area unchanged) when the
    // file cannot be read.
    bool loadConfigFile(const std::string& fileName);

private:
    std::vector<std::uint8_t>* find(int area);
    const std::vector<std::uint8_t>* find(int area) const;

    std::array<std::vector<std::uint8_t>, 6> areas_;
};

}  // namespace krx::sim
