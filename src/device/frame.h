#pragma once
// Frames spoken with the controller, built and checked as pure functions.
//
// Request and reply share one layout: start byte 0x05, command, payload
// length (u16 little-endian), payload, checksum. The checksum is the two's
// complement of the XOR of every byte after the start byte.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace krx {

inline constexpr std::uint8_t kFrameStart = 0x05;
inline constexpr std::size_t kFrameOverhead = 5;     // start, command, length, checksum
inline constexpr std::size_t kFrameBufferSize = 300;  // largest frame either side builds
inline constexpr std::size_t kMaxFramePayload = kFrameBufferSize - kFrameOverhead;
inline constexpr std::size_t kMaxBlockData = 256;
inline constexpr std::size_t kBlockHeaderSize = 6;  // address u32, count u16
inline constexpr std::size_t kBlockAckSize = 13;
inline constexpr std::size_t kBlockReadRequestSize = 13;
inline constexpr std::size_t kCommandAckSize = 6;

// "BINARY\r": switches the controller from its text console to frames.
inline constexpr std::array<std::uint8_t, 7> kModeEntry = {0x42, 0x49, 0x4E, 0x41,
                                                          0x52, 0x59, 0x0D};

// Command codes.
namespace cmd {
inline constexpr std::uint8_t kWriteArea2 = 1;
inline constexpr std::uint8_t kReadArea2 = 2;
inline constexpr std::uint8_t kWriteArea3 = 3;
inline constexpr std::uint8_t kReadArea3 = 4;
inline constexpr std::uint8_t kReadIdent = 5;
inline constexpr std::uint8_t kWriteArea1 = 6;
inline constexpr std::uint8_t kReadArea1 = 7;
inline constexpr std::uint8_t kWriteArea4 = 8;
inline constexpr std::uint8_t kReadArea4 = 9;
inline constexpr std::uint8_t kWriteArea6 = 10;
inline constexpr std::uint8_t kReadArea6 = 11;
inline constexpr std::uint8_t kReadStatus = 12;
inline constexpr std::uint8_t kSetClock = 13;
inline constexpr std::uint8_t kReadKeyCode = 14;
inline constexpr std::uint8_t kApplyConfig = 15;
inline constexpr std::uint8_t kRestart = 16;
inline constexpr std::uint8_t kPresentPassword = 17;
inline constexpr std::uint8_t kWriteArea5 = 18;
inline constexpr std::uint8_t kReadArea5 = 19;
inline constexpr std::uint8_t kControl = 20;
inline constexpr std::uint8_t kReadSpareRecord = 21;
inline constexpr std::uint8_t kLast = 21;
}  // namespace cmd

// Status byte of acknowledgements.
inline constexpr std::uint8_t kAckAccepted = 0;
inline constexpr std::uint8_t kAckFlashFailure = 1;
inline constexpr std::uint8_t kAckPasswordRequired = 2;

// Memory areas 1..6 and their block commands; nullopt outside 1..6.
inline constexpr std::uint8_t kFirstArea = 1;
inline constexpr std::uint8_t kLastArea = 6;
std::optional<std::uint8_t> WriteCommandForArea(int area);
std::optional<std::uint8_t> ReadCommandForArea(int area);
// The area a block command addresses, and whether it writes; nullopt for
// commands that are not block commands.
struct BlockCommand {
    int area;
    bool write;
};
std::optional<BlockCommand> BlockCommandInfo(std::uint8_t command);

// Two's complement of the XOR of `covered` (the frame without its start byte
// and its checksum).
std::uint8_t FrameChecksum(std::span<const std::uint8_t> covered);
// True when the last byte of `frame` is the checksum of bytes 1..n-2. Frames
// shorter than the overhead never match.
bool FrameChecksumMatches(std::span<const std::uint8_t> frame);

std::uint16_t GetU16(std::span<const std::uint8_t> bytes, std::size_t at);
std::uint32_t GetU32(std::span<const std::uint8_t> bytes, std::size_t at);
void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value);
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value);

// A whole frame: start byte, command, the payload length, payload, checksum.
std::vector<std::uint8_t> BuildFrame(std::uint8_t command, std::span<const std::uint8_t> payload);
// Block write: address, count, data (at most kMaxBlockData bytes).
std::vector<std::uint8_t> BuildBlockWrite(std::uint8_t command, std::uint32_t address,
                                          std::span<const std::uint8_t> data);
// Block read request: address, count, two zero bytes.
std::vector<std::uint8_t> BuildBlockReadRequest(std::uint8_t command, std::uint32_t address,
                                                std::uint16_t count);

// How a transfer of `total` bytes from `start` splits into blocks of at most
// kMaxBlockData bytes.
struct Block {
    std::size_t offset;     // into the caller's data
    std::uint32_t address;  // inside the area
    std::uint16_t count;
};
std::vector<Block> SplitIntoBlocks(std::uint32_t start, std::size_t total);

// Verdict on a reply. `received` holds the bytes that arrived (at most the
// expected count).
enum class ReplyVerdict {
    Accepted,
    Short,          // some bytes, fewer than expected
    Silent,         // no byte at all
    Missing,        // a block read got fewer bytes than expected, or none
    BadChecksum,
    BadEcho,        // start byte, command, address or count wrong, or a generic refusal
    FlashFailure,   // status 1
    NeedsPassword,  // status 2 of a command acknowledgement
};

inline constexpr std::size_t RecordReplySize(std::size_t recordLength) {
    return recordLength + kFrameOverhead;
}
inline constexpr std::size_t BlockDataReplySize(std::size_t count) {
    return count + kFrameOverhead + kBlockHeaderSize;
}

ReplyVerdict CheckRecordReply(std::span<const std::uint8_t> received, std::uint8_t command,
                              std::size_t recordLength);
ReplyVerdict CheckCommandAck(std::span<const std::uint8_t> received, std::uint8_t command);
ReplyVerdict CheckBlockAck(std::span<const std::uint8_t> received, std::uint8_t command,
                           std::uint32_t address, std::uint16_t count);
ReplyVerdict CheckBlockData(std::span<const std::uint8_t> received, std::uint8_t command,
                            std::uint32_t address, std::uint16_t count);

}  // namespace krx
