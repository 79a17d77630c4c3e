#include "sim/sim_request_parser.h"

namespace krx::sim {

namespace {

// The frame layout: start byte, command, payload length (low byte first),
// payload, checksum.
constexpr std::uint8_t kStart = 0x05;
constexpr std::size_t kHead = 4;
constexpr std::size_t kLargestBlock = 256;

std::uint16_t Word(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

// The two's complement of the XOR of the command, length and payload bytes.
std::uint8_t Checksum(std::span<const std::uint8_t> frame) {
    std::uint8_t x = 0;
    for (std::size_t i = 1; i + 1 < frame.size(); ++i) x ^= frame[i];
    return static_cast<std::uint8_t>((x ^ 0xFF) + 1);
}

enum class Shape { BlockWrite, BlockRead, Query, Command, Unknown };

Shape ShapeOf(std::uint8_t command) {
    switch (command) {
        case 1: case 3: case 6: case 8: case 10: case 18: return Shape::BlockWrite;
        case 2: case 4: case 7: case 9: case 11: case 19: return Shape::BlockRead;
        case 5: case 12: case 14: case 21: return Shape::Query;
        case 13: case 15: case 16: case 17: case 20: return Shape::Command;
        default: return Shape::Unknown;
    }
}

// The payload each command carries: the clock 6 bytes, apply and restart one
// zero byte, the password 8 bytes and a closing zero, a control command 3.
std::string CommandPayloadFault(std::uint8_t command, std::span<const std::uint8_t> p) {
    switch (command) {
        case 13:
            return p.size() == 6 ? "" : "the clock set carries 6 bytes";
        case 15:
        case 16:
            return p.size() == 1 && p[0] == 0 ? "" : "apply and restart carry one zero byte";
        case 17:
            if (p.size() != 9) return "the password carries 9 bytes";
            return p[8] == 0 ? "" : "the password's ninth byte is 0";
        case 20:
            return p.size() == 3 ? "" : "a control command carries 3 bytes";
        default:
            return "not a command";
    }
}

}  // namespace

std::string RequestFault(std::span<const std::uint8_t> frame) {
    if (frame.size() < kHead + 1) return "shorter than a frame";
    if (frame[0] != kStart) return "no start byte";
    const std::size_t length = Word(frame, 2);
    if (frame.size() != kHead + length + 1) return "the length field does not match the frame";
    if (frame.back() != Checksum(frame)) return "bad checksum";
    const std::uint8_t command = frame[1];
    const std::span<const std::uint8_t> p = frame.subspan(kHead, length);
    switch (ShapeOf(command)) {
        case Shape::BlockWrite: {
            if (p.size() < 6) return "a block write lacks its address and count";
            const std::size_t count = Word(p, 4);
            if (count == 0 || count > kLargestBlock) return "a block count outside 1..256";
            return p.size() == 6 + count ? "" : "a block write's data does not match its count";
        }
        case Shape::BlockRead: {
            if (p.size() != 8) return "a block read request carries 8 bytes";
            const std::size_t count = Word(p, 4);
            if (count == 0 || count > kLargestBlock) return "a block count outside 1..256";
            return p[6] == 0 && p[7] == 0 ? "" : "a block read request ends with two zero bytes";
        }
        case Shape::Query:
            return p.empty() ? "" : "a query carries no payload";
        case Shape::Command:
            return CommandPayloadFault(command, p);
        case Shape::Unknown:
            break;
    }
    return "no command of this controller";
}

std::optional<SimRequest> ParseRequest(std::span<const std::uint8_t> frame) {
    if (!RequestFault(frame).empty()) return std::nullopt;
    return SimRequest{frame[1], std::vector<std::uint8_t>(frame.begin() + kHead, frame.end() - 1)};
}

}  // namespace krx::sim
