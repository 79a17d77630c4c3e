#include "config/config_image.h"

#include <stdexcept>

#include "config/cp1251.h"
#include "config/encoding.h"

namespace krx {
namespace {

void CheckRange(std::size_t offset, std::size_t size) {
    if (offset > kImageSize || size > kImageSize - offset) {
        throw std::out_of_range("ConfigImage: field outside the image");
    }
}

}  // namespace

std::uint16_t ConfigImage::u16(std::size_t offset) const {
    CheckRange(offset, 2);
    return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
}

void ConfigImage::setU16(std::size_t offset, std::uint16_t value) {
    CheckRange(offset, 2);
    bytes_[offset] = static_cast<std::uint8_t>(value);
    bytes_[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint32_t ConfigImage::u32(std::size_t offset) const {
    CheckRange(offset, 4);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | bytes_[offset + i];
    return v;
}

void ConfigImage::setU32(std::size_t offset, std::uint32_t value) {
    CheckRange(offset, 4);
    for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t ConfigImage::u64(std::size_t offset) const {
    CheckRange(offset, 8);
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | bytes_[offset + i];
    return v;
}

void ConfigImage::setU64(std::size_t offset, std::uint64_t value) {
    CheckRange(offset, 8);
    for (int i = 0; i < 8; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

unsigned ConfigImage::bits(std::size_t offset, unsigned first, unsigned width) const {
    CheckRange(offset, 1);
    if (first + width > 8) throw std::out_of_range("ConfigImage: bit field outside its byte");
    const unsigned mask = (1u << width) - 1u;
    return (bytes_[offset] >> first) & mask;
}

void ConfigImage::setBits(std::size_t offset, unsigned first, unsigned width, unsigned value) {
    CheckRange(offset, 1);
    if (first + width > 8) throw std::out_of_range("ConfigImage: bit field outside its byte");
    const unsigned mask = ((1u << width) - 1u) << first;
    bytes_[offset] = static_cast<std::uint8_t>((bytes_[offset] & ~mask) | ((value << first) & mask));
}

std::string ConfigImage::text(std::size_t offset, std::size_t width) const {
    CheckRange(offset, width);
    std::size_t len = 0;
    while (len < width && bytes_[offset + len] != 0) ++len;
    return Cp1251ToUtf8(
        std::string_view(reinterpret_cast<const char*>(bytes_.data() + offset), len));
}

void ConfigImage::setText(std::size_t offset, std::size_t width, std::string_view utf8, Trim trim) {
    CheckRange(offset, width);
    if (width == 0) return;
    std::string raw = Utf8ToCp1251(TrimBlanks(utf8, trim));
    if (raw.size() > width - 1) raw.resize(width - 1);
    for (std::size_t i = 0; i < width; ++i) {
        bytes_[offset + i] = i < raw.size() ? static_cast<std::uint8_t>(raw[i]) : 0;
    }
}

}  // namespace krx
