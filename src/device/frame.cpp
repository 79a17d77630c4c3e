#include "device/frame.h"

#include <algorithm>
#include <cassert>

namespace krx {
namespace {

struct AreaCommands {
    std::uint8_t write;
    std::uint8_t read;
};

// Index 0 is area 1.
constexpr std::array<AreaCommands, 6> kAreaCommands = {{
    {cmd::kWriteArea1, cmd::kReadArea1},
    {cmd::kWriteArea2, cmd::kReadArea2},
    {cmd::kWriteArea3, cmd::kReadArea3},
    {cmd::kWriteArea4, cmd::kReadArea4},
    {cmd::kWriteArea5, cmd::kReadArea5},
    {cmd::kWriteArea6, cmd::kReadArea6},
}};

bool AreaValid(int area) { return area >= kFirstArea && area <= kLastArea; }

ReplyVerdict ByteCountVerdict(std::size_t received) {
    return received == 0 ? ReplyVerdict::Silent : ReplyVerdict::Short;
}

}  // namespace

std::optional<std::uint8_t> WriteCommandForArea(int area) {
    if (!AreaValid(area)) {
        return std::nullopt;
    }
    return kAreaCommands[static_cast<std::size_t>(area - 1)].write;
}

std::optional<std::uint8_t> ReadCommandForArea(int area) {
    if (!AreaValid(area)) {
        return std::nullopt;
    }
    return kAreaCommands[static_cast<std::size_t>(area - 1)].read;
}

std::optional<BlockCommand> BlockCommandInfo(std::uint8_t command) {
    for (std::size_t i = 0; i < kAreaCommands.size(); ++i) {
        if (kAreaCommands[i].write == command) {
            return BlockCommand{static_cast<int>(i) + 1, true};
        }
        if (kAreaCommands[i].read == command) {
            return BlockCommand{static_cast<int>(i) + 1, false};
        }
    }
    return std::nullopt;
}

std::uint8_t FrameChecksum(std::span<const std::uint8_t> covered) {
    std::uint8_t x = 0;
    for (std::uint8_t b : covered) {
        x ^= b;
    }
    return static_cast<std::uint8_t>((x ^ 0xFFu) + 1u);
}

bool FrameChecksumMatches(std::span<const std::uint8_t> frame) {
    if (frame.size() < kFrameOverhead) {
        return false;
    }
    return FrameChecksum(frame.subspan(1, frame.size() - 2)) == frame.back();
}

std::uint16_t GetU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t GetU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
}

std::vector<std::uint8_t> BuildFrame(std::uint8_t command, std::span<const std::uint8_t> payload) {
    assert(payload.size() <= kMaxFramePayload);
    std::vector<std::uint8_t> frame;
    frame.reserve(payload.size() + kFrameOverhead);
    frame.push_back(kFrameStart);
    frame.push_back(command);
    PutU16(frame, static_cast<std::uint16_t>(payload.size()));
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(FrameChecksum(std::span<const std::uint8_t>(frame).subspan(1)));
    return frame;
}

std::vector<std::uint8_t> BuildBlockWrite(std::uint8_t command, std::uint32_t address,
                                          std::span<const std::uint8_t> data) {
    assert(data.size() <= kMaxBlockData);
    std::vector<std::uint8_t> payload;
    payload.reserve(kBlockHeaderSize + data.size());
    PutU32(payload, address);
    PutU16(payload, static_cast<std::uint16_t>(data.size()));
    payload.insert(payload.end(), data.begin(), data.end());
    return BuildFrame(command, payload);
}

std::vector<std::uint8_t> BuildBlockReadRequest(std::uint8_t command, std::uint32_t address,
                                                std::uint16_t count) {
    std::vector<std::uint8_t> payload;
    PutU32(payload, address);
    PutU16(payload, count);
    payload.push_back(0);
    payload.push_back(0);
    return BuildFrame(command, payload);
}

std::vector<Block> SplitIntoBlocks(std::uint32_t start, std::size_t total) {
    std::vector<Block> blocks;
    for (std::size_t offset = 0; offset < total;) {
        const std::size_t count = std::min(total - offset, kMaxBlockData);
        blocks.push_back(Block{offset, static_cast<std::uint32_t>(start + offset),
                               static_cast<std::uint16_t>(count)});
        offset += count;
    }
    return blocks;
}

ReplyVerdict CheckRecordReply(std::span<const std::uint8_t> received, std::uint8_t command,
                              std::size_t recordLength) {
    if (received.size() != RecordReplySize(recordLength)) {
        return ByteCountVerdict(received.size());
    }
    if (!FrameChecksumMatches(received)) {
        return ReplyVerdict::BadChecksum;
    }
    if (received[0] != kFrameStart || received[1] != command) {
        return ReplyVerdict::BadEcho;
    }
    return ReplyVerdict::Accepted;
}

ReplyVerdict CheckCommandAck(std::span<const std::uint8_t> received, std::uint8_t command) {
    if (received.size() != kCommandAckSize) {
        return ByteCountVerdict(received.size());
    }
    if (!FrameChecksumMatches(received)) {
        return ReplyVerdict::BadChecksum;
    }
    const std::uint8_t status = received[4];
    if (received[0] == kFrameStart && received[1] == command && status == kAckAccepted) {
        return ReplyVerdict::Accepted;
    }
    // The status decides even when the start byte or the command is wrong;
    // a status of 0 with a wrong echo is a generic refusal.
    switch (status) {
        case kAckFlashFailure:
            return ReplyVerdict::FlashFailure;
        case kAckPasswordRequired:
            return ReplyVerdict::NeedsPassword;
        default:
            return ReplyVerdict::BadEcho;
    }
}

ReplyVerdict CheckBlockAck(std::span<const std::uint8_t> received, std::uint8_t command,
                           std::uint32_t address, std::uint16_t count) {
    if (received.size() != kBlockAckSize) {
        return ByteCountVerdict(received.size());
    }
    if (!FrameChecksumMatches(received)) {
        return ReplyVerdict::BadChecksum;
    }
    const bool echoed = received[0] == kFrameStart && received[1] == command &&
                        GetU32(received, 4) == address && GetU16(received, 8) == count;
    const std::uint8_t status = received[10];
    if (echoed && status == kAckAccepted) {
        return ReplyVerdict::Accepted;
    }
    // A block write refused for want of the password is not told apart from
    // other refusals.
    return status == kAckFlashFailure ? ReplyVerdict::FlashFailure : ReplyVerdict::BadEcho;
}

ReplyVerdict CheckBlockData(std::span<const std::uint8_t> received, std::uint8_t command,
                            std::uint32_t address, std::uint16_t count) {
    if (received.size() != BlockDataReplySize(count)) {
        return ReplyVerdict::Missing;
    }
    if (!FrameChecksumMatches(received)) {
        return ReplyVerdict::BadChecksum;
    }
    if (received[0] != kFrameStart || received[1] != command || GetU32(received, 4) != address ||
        GetU16(received, 8) != count) {
        return ReplyVerdict::BadEcho;
    }
    return ReplyVerdict::Accepted;
}

}  // namespace krx
