#include "sim/sim_device.h"

#include <algorithm>

#include "config/cp1251.h"
#include "device/frame.h"
#include "config/output_name_items.h"

namespace krx::sim {
namespace {

constexpr std::uint8_t kGenericRefusal = 3;
constexpr std::size_t kPasswordPayload = 9;
constexpr std::size_t kPasswordChars = 8;
constexpr std::size_t kClockPayload = 6;
constexpr std::size_t kControlPayload = 3;

// Control command actions.
constexpr std::uint8_t kActionArm = 0;
constexpr std::uint8_t kActionObserve = 1;
constexpr std::uint8_t kActionOutput = 2;
constexpr std::uint8_t kActionProtect = 3;
constexpr std::uint8_t kActionImitateInput = 4;
constexpr std::uint8_t kReactionOn = 1;
constexpr std::uint8_t kReactionOff = 2;
constexpr std::uint8_t kLastReaction = 16;  // scenario 14

}  // namespace

SimDevice::SimDevice()
    : clockBase_(QDateTime::currentDateTime()), clockBaseAt_(std::chrono::steady_clock::now()) {}

void SimDevice::setPassword(const std::string& password) {
    factoryCountdownFrom_.reset();
    password_ = Utf8ToCp1251(password).substr(0, kPasswordChars);
    presented_ = false;
}

void SimDevice::setClock(const QDateTime& time, SimClockPoint now) {
    clockBase_ = time;
    clockBaseAt_ = now;
}

ClockFields SimDevice::clockAt(SimClockPoint now) const {
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(now - clockBaseAt_).count();
    const QDateTime t = clockBase_.addMSecs(elapsed);
    const QDate d = t.date();
    const QTime tm = t.time();
    return {static_cast<std::uint8_t>(d.year() % 100), static_cast<std::uint8_t>(d.month()),
            static_cast<std::uint8_t>(d.day()),        static_cast<std::uint8_t>(tm.hour()),
            static_cast<std::uint8_t>(tm.minute()),    static_cast<std::uint8_t>(tm.second())};
}

void SimDevice::touchKey(const std::array<std::uint8_t, keycode::kCodeSize>& code) {
    touchedKey_ = code;
}

bool SimDevice::takeRestartRequest() {
    return std::exchange(restartRequested_, false);
}

void SimDevice::restart() {
    presented_ = false;
    ++restarts_;
}

std::vector<std::uint8_t> SimDevice::ack(std::uint8_t command, std::uint8_t status) const {
    const std::uint8_t payload[] = {status};
    return BuildFrame(command, payload);
}

std::vector<std::uint8_t> SimDevice::blockAck(std::uint8_t command, std::uint32_t address,
                                              std::uint16_t count, std::uint8_t status) const {
    std::vector<std::uint8_t> payload;
    PutU32(payload, address);
    PutU16(payload, count);
    payload.push_back(status);
    payload.push_back(0);
    return BuildFrame(command, payload);
}

std::optional<std::vector<std::uint8_t>> SimDevice::handle(std::uint8_t command,
                                                           std::span<const std::uint8_t> payload,
                                                           SimClockPoint now, int forcedAckStatus) {
    // The countdown after a refused empty password has run out while the
    // controller was connected: it forgets its password.
    if (factoryCountdownFrom_ && now - *factoryCountdownFrom_ >= factoryDelay_) {
        factoryCountdownFrom_.reset();
        password_.clear();
    }
    if (const auto block = BlockCommandInfo(command)) {
        return handleBlock(command, block->area, block->write, payload, forcedAckStatus);
    }
    const auto answer = [&](auto&& act) -> std::vector<std::uint8_t> {
        if (forcedAckStatus >= 0) {
            return ack(command, static_cast<std::uint8_t>(forcedAckStatus));
        }
        return ack(command, act());
    };
    switch (command) {
        case cmd::kReadIdent:
            return BuildFrame(command, EncodeIdentRecord(identity_));
        case cmd::kReadStatus:
            return BuildFrame(command, EncodeStatusRecord(live_, clockAt(now)));
        case cmd::kReadKeyCode: {
            const auto record = EncodeKeyCodeRecord(touchedKey_.value_or(decltype(touchedKey_)::value_type{}),
                                                    touchedKey_.has_value());
            touchedKey_.reset();
            return BuildFrame(command, record);
        }
        case cmd::kReadSpareRecord:
            return BuildFrame(command, spareRecord_);
        case cmd::kSetClock:
            return answer([&] { return setClockFrom(payload, now); });
        case cmd::kPresentPassword:
            return answer([&] { return presentPassword(payload, now); });
        case cmd::kApplyConfig:
            return answer([&]() -> std::uint8_t {
                if (locked()) {
                    return kAckPasswordRequired;
                }
                ++applies_;
                return kAckAccepted;
            });
        case cmd::kRestart:
            return answer([&]() -> std::uint8_t {
                if (locked()) {
                    return kAckPasswordRequired;
                }
                restartRequested_ = true;
                return kAckAccepted;
            });
        case cmd::kControl:
            return answer([&]() -> std::uint8_t {
                return locked() ? kAckPasswordRequired : control(payload);
            });
        default:
            return std::nullopt;  // not a command of this controller
    }
}

std::optional<std::vector<std::uint8_t>> SimDevice::handleBlock(std::uint8_t command, int area,
                                                                bool write,
                                                                std::span<const std::uint8_t> payload,
                                                                int forcedAckStatus) {
    if (payload.size() < kBlockHeaderSize) {
        return std::nullopt;
    }
    const std::uint32_t address = GetU32(payload, 0);
    const std::uint16_t count = GetU16(payload, 4);
    if (!write) {
        const auto data = memory_.read(area, address, count);
        if (!data) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> reply;
        PutU32(reply, address);
        PutU16(reply, count);
        reply.insert(reply.end(), data->begin(), data->end());
        return BuildFrame(command, reply);
    }
    if (forcedAckStatus >= 0) {
        return blockAck(command, address, count, static_cast<std::uint8_t>(forcedAckStatus));
    }
    if (locked()) {
        return blockAck(command, address, count, kAckPasswordRequired);
    }
    const auto data = payload.subspan(kBlockHeaderSize);
    const bool stored = data.size() == count && count <= kMaxBlockData &&
                        memory_.write(area, address, data);
    return blockAck(command, address, count, stored ? kAckAccepted : kGenericRefusal);
}

std::uint8_t SimDevice::presentPassword(std::span<const std::uint8_t> payload, SimClockPoint now) {
    if (payload.size() != kPasswordPayload) {
        return kGenericRefusal;
    }
    std::string given;
    for (std::size_t i = 0; i < kPasswordChars && payload[i] != 0; ++i) {
        given.push_back(static_cast<char>(payload[i]));
    }
    if (password_.empty()) {
        presented_ = true;
        return kAckAccepted;
    }
    presented_ = given == password_;
    if (given.empty() && !presented_ && !factoryCountdownFrom_) factoryCountdownFrom_ = now;
    return presented_ ? kAckAccepted : kAckPasswordRequired;
}

std::uint8_t SimDevice::setClockFrom(std::span<const std::uint8_t> payload, SimClockPoint now) {
    if (payload.size() != kClockPayload) {
        return kGenericRefusal;
    }
    const QDate date(2000 + payload[0], payload[1], payload[2]);
    const QTime time(payload[3], payload[4], payload[5]);
    if (!date.isValid() || !time.isValid()) {
        return kGenericRefusal;
    }
    setClock(QDateTime(date, time), now);
    return kAckAccepted;
}

std::uint8_t SimDevice::control(std::span<const std::uint8_t> payload) {
    if (payload.size() != kControlPayload) {
        return kGenericRefusal;
    }
    const std::uint8_t action = payload[0];
    const std::uint8_t target = payload[1];
    const std::uint8_t parameter = payload[2];
    switch (action) {
        case kActionArm:
            live_.armingMode = arming::kArmed;
            break;
        case kActionObserve:
            live_.armingMode = arming::kObservation;
            break;
        case kActionProtect:
            live_.armingMode = arming::kProtection;
            break;
        case kActionOutput: {
            if (target >= kOutputCount || parameter < kReactionOn || parameter > kLastReaction) {
                return kGenericRefusal;
            }
            const auto bit = static_cast<std::uint8_t>(1u << target);
            // Switching off clears the output; switching on and running a
            // scenario leave it on.
            live_.outputs = parameter == kReactionOff ? static_cast<std::uint8_t>(live_.outputs & ~bit)
                                                      : static_cast<std::uint8_t>(live_.outputs | bit);
            break;
        }
        case kActionImitateInput:
            if (target >= status::kInputSlots * 2) {
                return kGenericRefusal;
            }
            break;
        default:
            return kGenericRefusal;
    }
    lastControl_ = std::array<std::uint8_t, 3>{action, target, parameter};
    return kAckAccepted;
}

}  // namespace krx::sim
