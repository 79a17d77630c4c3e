#pragma once
// The controller's whole configuration as one fixed-layout byte record.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace krx {

inline constexpr std::size_t kImageSize = 5312;

// Regions of the image.
inline constexpr std::size_t kBodyOffset = 0;
inline constexpr std::size_t kBodySize = 5292;  // area 1, and the body of a .cnt file
inline constexpr std::size_t kModeMemoryOffset = 5292;
inline constexpr std::size_t kModeMemorySize = 10;  // area 4
inline constexpr std::size_t kGapOffset = 5302;
inline constexpr std::size_t kGapSize = 2;  // never written, read or transferred
inline constexpr std::size_t kSystemParametersOffset = 5304;
inline constexpr std::size_t kSystemParametersSize = 8;  // area 5

// Body header.
inline constexpr std::size_t kFormatMarkerOffset = 0;
inline constexpr std::uint8_t kFormatMarker = 1;
inline constexpr std::size_t kVersionTextOffset = 1;
inline constexpr std::size_t kVersionTextWidth = 8;
inline constexpr std::string_view kVersionText = "v.01.02";

// How a text taken from an edit box is trimmed of blanks before it is stored.
enum class Trim { Both, Leading, None };

// A plain value holding the 5312 bytes. All multi-byte integers are
// little-endian; bit fields count from the lowest bit; text fields are
// Windows-1251, NUL-padded, and the accessors speak UTF-8.
class ConfigImage {
public:
    using Bytes = std::array<std::uint8_t, kImageSize>;

    ConfigImage() { bytes_.fill(0); }

    const Bytes& bytes() const { return bytes_; }
    Bytes& bytes() { return bytes_; }

    std::span<std::uint8_t> body() { return {bytes_.data() + kBodyOffset, kBodySize}; }
    std::span<const std::uint8_t> body() const { return {bytes_.data() + kBodyOffset, kBodySize}; }
    std::span<std::uint8_t> modeMemory() { return {bytes_.data() + kModeMemoryOffset, kModeMemorySize}; }
    std::span<const std::uint8_t> modeMemory() const {
        return {bytes_.data() + kModeMemoryOffset, kModeMemorySize};
    }
    std::span<std::uint8_t> systemParameters() {
        return {bytes_.data() + kSystemParametersOffset, kSystemParametersSize};
    }
    std::span<const std::uint8_t> systemParameters() const {
        return {bytes_.data() + kSystemParametersOffset, kSystemParametersSize};
    }

    std::uint8_t u8(std::size_t offset) const { return bytes_.at(offset); }
    void setU8(std::size_t offset, std::uint8_t value) { bytes_.at(offset) = value; }
    std::uint16_t u16(std::size_t offset) const;
    void setU16(std::size_t offset, std::uint16_t value);
    std::uint32_t u32(std::size_t offset) const;
    void setU32(std::size_t offset, std::uint32_t value);
    std::uint64_t u64(std::size_t offset) const;
    void setU64(std::size_t offset, std::uint64_t value);

    // A bit field of `width` bits starting at bit `first` of one byte.
    unsigned bits(std::size_t offset, unsigned first, unsigned width) const;
    // Read-modify-write: only the field's own bits change; the value is masked
    // to the field width.
    void setBits(std::size_t offset, unsigned first, unsigned width, unsigned value);
    bool bit(std::size_t offset, unsigned n) const { return bits(offset, n, 1) != 0; }
    void setBit(std::size_t offset, unsigned n, bool on) { setBits(offset, n, 1, on ? 1u : 0u); }

    // A text field of `width` bytes: loading stops at the first NUL and never
    // runs past the field.
    std::string text(std::size_t offset, std::size_t width) const;
    // Storing trims as asked, converts to Windows-1251, cuts to width - 1
    // characters and fills the rest of the field with NUL.
    void setText(std::size_t offset, std::size_t width, std::string_view utf8,
                 Trim trim = Trim::Both);

    bool operator==(const ConfigImage&) const = default;

private:
    Bytes bytes_;
};

}  // namespace krx
