#include "sim/sim_faults.h"

#include <charconv>

namespace krx::sim {
namespace {

struct NamedReplyFault {
    std::string_view name;
    ReplyFault fault;
};

constexpr NamedReplyFault kReplyFaults[] = {
    {"silence", ReplyFault::Silence},        {"short", ReplyFault::ShortReply},
    {"checksum", ReplyFault::BadChecksum},   {"address", ReplyFault::WrongAddress},
    {"count", ReplyFault::WrongCount},       {"command", ReplyFault::WrongCommand},
    {"length", ReplyFault::WrongLength},
};

bool ParseNumber(std::string_view text, long& value) {
    if (text.empty()) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::vector<std::string> FaultSwitchNames() {
    std::vector<std::string> names;
    for (const auto& named : kReplyFaults) {
        names.emplace_back(named.name);
    }
    for (const char* name : {"status=N", "corrupt=OFFSET", "silent-after=N", "only=COMMAND",
                             "limit=N", "pace"}) {
        names.emplace_back(name);
    }
    return names;
}

bool ApplyFaultSwitch(SimFaults& faults, std::string_view name) {
    for (const auto& named : kReplyFaults) {
        if (name == named.name) {
            faults.reply = named.fault;
            return true;
        }
    }
    if (name == "pace") {
        faults.linePacing = true;
        return true;
    }
    const std::size_t eq = name.find('=');
    if (eq == std::string_view::npos) {
        return false;
    }
    const std::string_view key = name.substr(0, eq);
    long value = 0;
    if (!ParseNumber(name.substr(eq + 1), value)) {
        return false;
    }
    if (key == "status" && value >= 0 && value <= 255) {
        faults.ackStatus = static_cast<int>(value);
    } else if (key == "corrupt" && value >= 0) {
        faults.corruptReadOffset = value;
    } else if (key == "silent-after" && value >= 0) {
        faults.silentAfterBlocks = static_cast<int>(value);
    } else if (key == "only" && value >= 0 && value <= 255) {
        faults.onlyCommand = static_cast<std::uint8_t>(value);
    } else if (key == "limit" && value >= 0) {
        faults.limit = static_cast<int>(value);
    } else {
        return false;
    }
    return true;
}

}  // namespace krx::sim

#include "device/frame.h"

namespace krx::sim {
namespace {

void ResealChecksum(std::vector<std::uint8_t>& frame) {
    frame.back() = FrameChecksum(std::span<const std::uint8_t>(frame).subspan(1, frame.size() - 2));
}

}  // namespace

bool SpoilReply(std::vector<std::uint8_t>& reply, ReplyFault fault, bool blockReply) {
    if (reply.size() < kFrameOverhead) {
        return false;
    }
    switch (fault) {
        case ReplyFault::ShortReply:
            reply.pop_back();
            return true;
        case ReplyFault::BadChecksum:
            reply.back() = static_cast<std::uint8_t>(reply.back() ^ 0x5A);
            return true;
        case ReplyFault::WrongAddress:
        case ReplyFault::WrongCount:
            if (!blockReply || reply.size() < kFrameOverhead + kBlockHeaderSize) {
                return false;
            }
            // Address field starts at byte 4, count at byte 8.
            reply[fault == ReplyFault::WrongAddress ? 4 : 8] ^= 0x01;
            ResealChecksum(reply);
            return true;
        case ReplyFault::WrongCommand:
            reply[1] = static_cast<std::uint8_t>(reply[1] + 1);
            ResealChecksum(reply);
            return true;
        case ReplyFault::WrongLength:
            // The receiver knows the length it expects and never reads this
            // field; only the checksum covers it.
            reply[2] = static_cast<std::uint8_t>(reply[2] ^ 0x40);
            ResealChecksum(reply);
            return true;
        case ReplyFault::None:
        case ReplyFault::Silence:
            break;
    }
    return false;
}

bool CorruptBlockData(std::vector<std::uint8_t>& reply, std::uint32_t address, long offset) {
    constexpr std::size_t kDataStart = 4 + kBlockHeaderSize;
    if (offset < 0 || reply.size() < kDataStart + 1) {
        return false;
    }
    const std::size_t count = reply.size() - kDataStart - 1;
    const auto at = static_cast<unsigned long>(offset);
    if (at < address || at >= address + count) {
        return false;
    }
    reply[kDataStart + (at - address)] ^= 0xFF;
    ResealChecksum(reply);
    return true;
}

}  // namespace krx::sim
