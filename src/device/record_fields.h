#pragma once
// Reading the fields of a controller record: little-endian integers and
// Windows-1251 texts that end at their first zero byte or at their width.

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "config/cp1251.h"

namespace krx::record_fields {

template <std::size_t N>
std::uint16_t U16(std::span<const std::uint8_t, N> r, std::size_t at) {
    return static_cast<std::uint16_t>(r[at] | (r[at + 1] << 8));
}

template <std::size_t N>
std::uint32_t U32(std::span<const std::uint8_t, N> r, std::size_t at) {
    return static_cast<std::uint32_t>(r[at]) | (static_cast<std::uint32_t>(r[at + 1]) << 8) |
           (static_cast<std::uint32_t>(r[at + 2]) << 16) |
           (static_cast<std::uint32_t>(r[at + 3]) << 24);
}

// A text that ends at its first zero byte or after `maxChars`.
template <std::size_t N>
QString Text(std::span<const std::uint8_t, N> r, std::size_t at, std::size_t maxChars) {
    std::string bytes;
    for (std::size_t i = 0; i < maxChars && r[at + i] != 0; ++i) {
        bytes.push_back(static_cast<char>(r[at + i]));
    }
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

template <std::size_t N>
std::array<std::uint32_t, 4> Words(std::span<const std::uint8_t, N> r, std::size_t at) {
    return {U32(r, at), U32(r, at + 4), U32(r, at + 8), U32(r, at + 12)};
}

}  // namespace krx::record_fields
