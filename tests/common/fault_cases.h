#pragma once
// The cases of the fault matrix, shared by its headless run (the controller
// session) and its window run: every operation, each fault switch of the
// simulated controller, and where the fault strikes (the identification,
// the password, the first, a middle or the last block, or the operation's
// own command).

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/operation_frames.h"
#include "sim/sim_faults.h"

namespace krx::test {

enum class FaultOp {
    ReadConf,
    Programm,
    Reconfigurate,
    ProgramChanged,
    CompareConf,
    Reset,
    FactoryConfig,
    ReadSystemParameters,
    ProgramSystemParameters,
    Control,
    Clock,
};

struct FaultOpInfo {
    FaultOp op;
    const char* name;
    std::vector<std::uint8_t> examined;  // the commands whose answers the operation examines
    bool writesBody;
    bool writesSystemParameters;
    bool clearModeMemory = false;  // "При программировании очистить память режимов"
};

inline const std::vector<FaultOpInfo>& FaultOps() {
    using namespace code;
    static const std::vector<FaultOpInfo> ops = {
        {FaultOp::ReadConf, "ReadConf", {kIdent, kPassword, kReadArea1}, false, false},
        {FaultOp::Programm, "Programm", {kIdent, kPassword, kWriteArea1, kReadArea1}, true, false},
        {FaultOp::Reconfigurate, "Reconfigurate", {kIdent, kPassword, kWriteArea1, kReadArea1}, true, false},
        {FaultOp::Programm, "Programm clearing the mode memory",
         {kIdent, kPassword, kWriteArea1, kReadArea1, kWriteArea4, kReadArea4}, true, false, true},
        {FaultOp::Reconfigurate, "Reconfigurate clearing the mode memory",
         {kIdent, kPassword, kWriteArea1, kReadArea1, kWriteArea4, kReadArea4}, true, false, true},
        {FaultOp::ProgramChanged, "program --changed-only", {kIdent, kPassword, kReadArea1, kWriteArea1}, true,
         false},
        {FaultOp::CompareConf, "CompareConf", {kIdent, kReadArea1}, false, false},
        {FaultOp::Reset, "Reset", {kIdent, kPassword}, false, false},
        // A refused empty password leads to the countdown, not to a failure.
        {FaultOp::FactoryConfig, "FactoryConfig", {kIdent, kWriteArea1, kReadArea1, kWriteArea4, kReadArea4}, true,
         false},
        {FaultOp::ReadSystemParameters, "system parameters read", {kIdent, kPassword, kReadArea5}, false, false},
        {FaultOp::ProgramSystemParameters, "system parameters program", {kIdent, kPassword, kWriteArea5, kReadArea5},
         false, true},
        {FaultOp::Control, "control command", {kIdent, kPassword, kControl}, false, false},
        {FaultOp::Clock, "clock set", {kIdent, kClock}, false, false},
    };
    return ops;
}

struct FaultInfo {
    const char* name;
    std::function<void(sim::SimFaults&)> apply;
};

// The reply faults and acknowledgement statuses, each to be aimed at one command.
inline std::vector<FaultInfo> ReplyFaults() {
    using sim::ReplyFault;
    std::vector<FaultInfo> f;
    const std::pair<const char*, ReplyFault> kinds[] = {{"silence", ReplyFault::Silence},
                                                        {"one byte short", ReplyFault::ShortReply},
                                                        {"bad checksum", ReplyFault::BadChecksum},
                                                        {"wrong echo", ReplyFault::WrongCommand},
                                                        {"wrong length", ReplyFault::WrongLength}};
    for (const auto& [name, kind] : kinds) {
        f.push_back({name, [kind = kind](sim::SimFaults& s) { s.reply = kind; }});
    }
    static const char* names[] = {"", "status 1", "status 2", "status 3"};
    for (int status : {1, 2, 3}) {
        f.push_back({names[status], [status](sim::SimFaults& s) { s.ackStatus = status; }});
    }
    return f;
}

// The commands answered by an acknowledgement with a status.
inline bool IsAck(std::uint8_t command) {
    using namespace code;
    return command == kPassword || command == kWriteArea1 || command == kWriteArea4 || command == kWriteArea5 ||
           command == kControl || command == kClock || command == kRestart || command == kApply;
}

inline bool Contains(const std::vector<std::uint8_t>& codes, std::uint8_t c) {
    return std::find(codes.begin(), codes.end(), c) != codes.end();
}

struct FaultCase {
    const FaultOpInfo* op;
    std::string name;
    sim::SimFaults faults;
    std::uint8_t target = 0;  // the command the fault is aimed at, 0 for a block position
    // The operation must fail once the spoiled answer has been heard.
    bool expectFailure = false;
};

// Whether the case's fault struck: a block position always does, a spoiled
// command only when the operation sent it among `heard` (request frames).
inline bool Struck(const FaultCase& c, const std::vector<std::vector<std::uint8_t>>& heard) {
    if (c.target == 0) return true;
    return std::any_of(heard.begin(), heard.end(), [&](const auto& f) { return f.size() > 1 && f[1] == c.target; });
}

inline std::vector<FaultCase> FaultCases() {
    using namespace code;
    std::vector<FaultCase> cases;
    for (const FaultOpInfo& op : FaultOps()) {
        // Reply faults and statuses at the identification, the password, the
        // first block of each kind and the operation's own command.
        std::vector<std::uint8_t> targets = {kIdent, kPassword};
        for (std::uint8_t c : op.examined)
            if (!Contains(targets, c)) targets.push_back(c);
        for (std::uint8_t target : targets) {
            for (const FaultInfo& f : ReplyFaults()) {
                sim::SimFaults s;
                f.apply(s);
                s.onlyCommand = target;
                const bool statusFault = s.ackStatus >= 0;
                if (statusFault && !IsAck(target)) continue;
                // A reply whose length field is wrong but whose size and
                // checksum are right is accepted by the protocol.
                const bool accepted = s.reply == sim::ReplyFault::WrongLength;
                cases.push_back({&op, std::string(op.name) + ", " + f.name + " at command " + std::to_string(target),
                                 s, target, Contains(op.examined, target) && !accepted});
            }
        }
        // The cable pulled at the first, a middle and the last block.
        if (Contains(op.examined, kReadArea1) || Contains(op.examined, kReadArea5)) {
            const int blockCount = Contains(op.examined, kReadArea5) ? 1 : kBodyBlocks;
            for (int after : {0, blockCount / 2, blockCount - 1}) {
                sim::SimFaults s;
                s.silentAfterBlocks = after;
                cases.push_back(
                    {&op, std::string(op.name) + ", silent after " + std::to_string(after) + " blocks", s, 0, true});
            }
        }
        // A byte of the read-back corrupted: first, middle, last block.
        if (op.writesBody || op.writesSystemParameters) {
            const std::vector<long> offsets =
                op.writesSystemParameters ? std::vector<long>{0, 7} : std::vector<long>{0, 2600, 5291};
            for (long offset : offsets) {
                sim::SimFaults s;
                s.corruptReadOffset = offset;
                cases.push_back({&op, std::string(op.name) + ", read-back byte " + std::to_string(offset) + " corrupted",
                                 s, 0, true});
            }
        }
    }
    return cases;
}

}  // namespace krx::test
