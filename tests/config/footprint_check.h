#pragma once
// Test helpers: random images and a check that a load-then-store changed no
// byte or bit outside a section's footprint.

#include <cstddef>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "config/config_image.h"
#include "footprint.h"

namespace krx::test {

inline ConfigImage RandomImage(unsigned seed) {
    ConfigImage image;
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : image.bytes()) b = static_cast<std::uint8_t>(byte(rng));
    return image;
}

// Empty when every changed bit lies in the footprint, else where it did not.
inline std::string ChangesOutsideFootprint(const ConfigImage& before, const ConfigImage& after,
                                           const std::vector<OwnedBits>& footprint) {
    std::vector<std::uint8_t> owned(kImageSize, 0);
    for (const OwnedBits& o : footprint) owned.at(o.offset) |= o.mask;
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const std::uint8_t changed = before.u8(i) ^ after.u8(i);
        if (changed & ~owned[i]) {
            return "byte " + std::to_string(i) + " changed bits " +
                   std::to_string(changed & ~owned[i]);
        }
    }
    return {};
}

// Runs `loadThenStore` (a section's load followed by its store) on random
// images; empty when no run changed anything outside `footprint`.
inline std::string LoadThenStoreStaysInFootprint(
    const std::function<void(ConfigImage&)>& loadThenStore,
    const std::vector<OwnedBits>& footprint, unsigned runs = 20) {
    for (unsigned seed = 1; seed <= runs; ++seed) {
        const ConfigImage before = RandomImage(seed);
        ConfigImage after = before;
        loadThenStore(after);
        std::string where = ChangesOutsideFootprint(before, after, footprint);
        if (!where.empty()) return "seed " + std::to_string(seed) + ": " + where;
    }
    return {};
}

}  // namespace krx::test
