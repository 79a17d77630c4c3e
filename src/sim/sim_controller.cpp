#include "sim/sim_controller.h"

#include <algorithm>

#include "device/frame.h"
#include "sim/sim_request_parser.h"

namespace krx::sim {
namespace {

// Requests answered with a status acknowledgement.
bool Acknowledged(std::uint8_t command, const std::optional<BlockCommand>& block) {
    if (block) {
        return block->write;
    }
    return command == cmd::kSetClock || command == cmd::kApplyConfig ||
           command == cmd::kRestart || command == cmd::kPresentPassword ||
           command == cmd::kControl;
}

}  // namespace

std::vector<std::uint8_t> SimController::receive(std::span<const std::uint8_t> bytes,
                                                 SimClockPoint now) {
    std::lock_guard lock(mutex_);
    std::vector<std::uint8_t> out;
    for (std::uint8_t b : bytes) {
        take(b, now, out);
    }
    return out;
}

void SimController::setFaults(const SimFaults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
    blockFrames_ = 0;
}

SimFaults SimController::faults() const {
    std::lock_guard lock(mutex_);
    return faults_;
}

void SimController::setRestartSilence(std::chrono::milliseconds silence) {
    std::lock_guard lock(mutex_);
    restartSilence_ = silence;
}

std::vector<std::vector<std::uint8_t>> SimController::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::vector<std::string> SimController::refusedRequests() const {
    std::lock_guard lock(mutex_);
    return refused_;
}

void SimController::clearRequests() {
    std::lock_guard lock(mutex_);
    requests_.clear();
    refused_.clear();
}

int SimController::modeEntries() const {
    std::lock_guard lock(mutex_);
    return modeEntries_;
}

bool SimController::inFrameMode() const {
    std::lock_guard lock(mutex_);
    return frameMode_;
}

void SimController::take(std::uint8_t byte, SimClockPoint now, std::vector<std::uint8_t>& out) {
    if (now < deafUntil_) {
        frame_.clear();
        text_.clear();
        return;
    }
    if (!frame_.empty() && now - lastByteAt_ > kFrameGapLimit) {
        frame_.clear();
    }
    lastByteAt_ = now;
    if (!frame_.empty()) {
        frame_.push_back(byte);
        if (frame_.size() == 4 && GetU16(frame_, 2) > kMaxFramePayload) {
            frame_.clear();  // no frame of this controller is that long: resynchronise
        } else if (frame_.size() >= 4 && frame_.size() == GetU16(frame_, 2) + kFrameOverhead) {
            completeFrame(now, out);
        }
        return;
    }
    if (frameMode_ && byte == kFrameStart) {
        frame_.push_back(byte);
        text_.clear();
        return;
    }
    text_.push_back(byte);
    if (text_.size() > kModeEntry.size()) {
        text_.erase(text_.begin());
    }
    if (std::equal(text_.begin(), text_.end(), kModeEntry.begin(), kModeEntry.end())) {
        frameMode_ = true;
        ++modeEntries_;
        text_.clear();
        out.push_back(kModeEntryAnswer);
    }
}

bool SimController::faultEligible(std::uint8_t command) const {
    return faults_.limit != 0 && (faults_.onlyCommand == 0 || faults_.onlyCommand == command);
}

void SimController::consumeFault() {
    if (faults_.limit > 0) {
        --faults_.limit;
    }
}

void SimController::completeFrame(SimClockPoint now, std::vector<std::uint8_t>& out) {
    std::vector<std::uint8_t> frame;
    frame.swap(frame_);
    requests_.push_back(frame);
    const std::uint8_t command = frame[1];
    const auto block = BlockCommandInfo(command);
    if (block) {
        if (faults_.silentAfterBlocks >= 0 && blockFrames_ >= faults_.silentAfterBlocks) {
            return;  // the cable is out: nothing reaches the controller any more
        }
        ++blockFrames_;
    }
    // Read by the controller's own rules: a frame that breaks one is ignored.
    if (const std::string fault = RequestFault(frame); !fault.empty()) {
        if (FrameChecksumMatches(frame)) refused_.push_back(fault);
        return;
    }
    const bool eligible = faultEligible(command);
    if (eligible && faults_.reply == ReplyFault::Silence) {
        consumeFault();
        return;
    }
    const int forcedStatus = eligible && Acknowledged(command, block) ? faults_.ackStatus : -1;
    const std::span<const std::uint8_t> payload(frame.data() + 4, frame.size() - kFrameOverhead);
    auto reply = device_.handle(command, payload, now, forcedStatus);
    if (!reply) {
        return;
    }
    bool spoiled = forcedStatus >= 0;
    if (eligible) {
        if (block && !block->write && faults_.corruptReadOffset >= 0) {
            spoiled |= CorruptBlockData(*reply, GetU32(payload, 0), faults_.corruptReadOffset);
        }
        spoiled |= SpoilReply(*reply, faults_.reply, block.has_value());
        if (spoiled) {
            consumeFault();
        }
    }
    out.insert(out.end(), reply->begin(), reply->end());
    if (device_.takeRestartRequest()) {
        device_.restart();
        frameMode_ = false;
        text_.clear();
        deafUntil_ = now + restartSilence_;
    }
}

}  // namespace krx::sim
