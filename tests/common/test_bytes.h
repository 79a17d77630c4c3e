#pragma once
// Byte helpers every layer's tests share: a stretch of a configuration
// image, and any byte span as a vector for comparisons.

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "config/config_image.h"

namespace krx::test {

// `size` bytes of the image from `offset`.
inline QByteArray ImageBytes(const krx::ConfigImage& image, std::size_t offset, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(image.bytes().data() + offset),
                      qsizetype(size));
}

inline std::vector<std::uint8_t> ToVector(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

}  // namespace krx::test
