#pragma once
// Fault switches of the simulated controller. Tests set them directly; the
// krx-sim program takes the same switches by name on its command line
// ("--fault short", "--fault status=2", ...).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace krx::sim {

// How a reply is spoiled.
enum class ReplyFault : std::uint8_t {
    None,
    Silence,       // the request is lost: no reply at all
    ShortReply,    // the reply lacks its last byte
    BadChecksum,   // the checksum byte is wrong
    WrongAddress,  // a block reply echoes another address (checksum right)
    WrongCount,    // a block reply echoes another count (checksum right)
    WrongCommand,  // the reply carries another command code (checksum right)
    WrongLength,   // the length field holds another value (checksum right)
};

struct SimFaults {
    ReplyFault reply = ReplyFault::None;
    // Only replies to this command are spoiled; 0 = every command.
    std::uint8_t onlyCommand = 0;
    // How many replies are spoiled before the controller answers soundly
    // again; negative = all of them.
    int limit = -1;
    // Acknowledgements (commands and block writes) carry this status and the
    // request is not carried out; negative = answer normally.
    int ackStatus = -1;
    // A byte of every block read reply that covers this offset of the area is
    // inverted (the checksum is right): read-back data corrupted on the way.
    long corruptReadOffset = -1;
    // After this many block frames the controller hears nothing more (cable
    // pulled); negative = never.
    int silentAfterBlocks = -1;
    // Bytes are taken in and given out at the line rate (19200 baud, 8N1).
    bool linePacing = false;
};

// The names ApplyFaultSwitch understands, for help texts.
std::vector<std::string> FaultSwitchNames();

// Applies one named switch: "silence", "short", "checksum", "address",
// "count", "command", "length", "status=N", "corrupt=OFFSET", "silent-after=N",
// "only=COMMAND", "limit=N", "pace". False (faults unchanged) for an
// unknown name or a bad number.
bool ApplyFaultSwitch(SimFaults& faults, std::string_view name);

// Line time of one byte at 19200 baud, 8N1: 10 bits.
inline constexpr double kByteTimeUs = 10.0 * 1'000'000.0 / 19200.0;

}  // namespace krx::sim

namespace krx::sim {

// Spoils a reply frame as `fault` says (Silence and None leave it alone).
// Address and count faults touch block replies only. Returns whether the
// reply was changed.
bool SpoilReply(std::vector<std::uint8_t>& reply, ReplyFault fault, bool blockReply);

// Inverts the byte of a block read reply (address `address`) that carries
// area offset `offset`, keeping the checksum right. Returns whether the
// block covers the offset.
bool CorruptBlockData(std::vector<std::uint8_t>& reply, std::uint32_t address, long offset);

}  // namespace krx::sim
