#pragma once
// The two versions krx-save-loop alternates between, shared with the test
// that kills it.

#include <QString>

#include "config/config_image.h"
#include "config/default_image.h"

namespace krx::test {

inline constexpr const char* kSaveLoopCnt = "site.cnt";
inline constexpr const char* kSaveLoopSerial = "4B52583331304C5400A1B2C30000002A";

// The default body, made different in its first and its last block so that
// a file cut anywhere differs from both versions.
inline ConfigImage SaveLoopImage(int version) {
    ConfigImage image = DefaultImage();
    const std::uint8_t mark = version == 0 ? 0x11 : 0xEE;
    image.bytes()[100] = mark;
    image.bytes()[kBodySize - 1] = mark;
    image.bytes()[2900] = mark;
    return image;
}

inline QString SaveLoopPortName(int version) { return version == 0 ? QStringLiteral("ttyUSB0") : QStringLiteral("pts/17"); }

}  // namespace krx::test
