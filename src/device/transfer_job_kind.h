#pragma once
// The twelve kinds of transfer job, by the number each has always had.

#include <cstdint>

namespace krx {

enum class TransferJobKind : std::uint8_t {
    AreaRead = 0,
    AreaWriteVerify = 1,
    AreaCompare = 2,
    IdentityRead = 3,
    StatusRead = 4,
    ClockSet = 5,
    KeyCodeRead = 6,
    ConfigApply = 7,
    DeviceRestart = 8,
    PasswordSend = 9,
    ControlCommand = 10,
    SpareRecordRead = 11,
};

// Kinds 0..2 move a memory area in blocks and drive a progress bar.
constexpr bool IsAreaJob(TransferJobKind kind) {
    return kind == TransferJobKind::AreaRead || kind == TransferJobKind::AreaWriteVerify ||
           kind == TransferJobKind::AreaCompare;
}

}  // namespace krx
