#pragma once
// The simulated controller's state and what it does with each command: the
// memory areas, the records, the clock, the touched key, the administrative
// password, outputs and arming mode driven by control commands. One request
// frame in, one reply frame (or none) out; the byte stream, mode entry and
// faults are the SimController's business.

#include <QDateTime>

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "sim/sim_memory.h"
#include "sim/sim_records.h"

namespace krx::sim {

using SimClockPoint = std::chrono::steady_clock::time_point;

class SimDevice {
public:
    SimDevice();

    SimMemory& memory() { return memory_; }
    const SimMemory& memory() const { return memory_; }
    SimIdentity& identity() { return identity_; }
    const SimIdentity& identity() const { return identity_; }
    SimLiveStatus& live() { return live_; }
    const SimLiveStatus& live() const { return live_; }

    // The administrative password (UTF-8, at most 8 characters count). Empty:
    // everything is allowed. Setting it forgets a presented password.
    void setPassword(const std::string& password);
    const std::string& password() const { return password_; }
    bool passwordPresented() const { return presented_; }
    // How long the controller keeps a password after an empty one was refused
    // before it forgets it (the factory countdown, 30 minutes).
    void setFactoryResetDelay(std::chrono::milliseconds delay) { factoryDelay_ = delay; }

    // The running clock.
    void setClock(const QDateTime& time, SimClockPoint now);
    ClockFields clockAt(SimClockPoint now) const;

    // A key touched on the reader; reported by the next key-code read.
    void touchKey(const std::array<std::uint8_t, keycode::kCodeSize>& code);

    void setSpareRecord(std::vector<std::uint8_t> record) { spareRecord_ = std::move(record); }

    // Handles one sound request. Returns the reply frame, or nothing when the
    // controller does not answer. A non-negative `forcedAckStatus` answers
    // acknowledged requests with that status without carrying them out.
    std::optional<std::vector<std::uint8_t>> handle(std::uint8_t command,
                                                    std::span<const std::uint8_t> payload,
                                                    SimClockPoint now, int forcedAckStatus);

    // Set by an accepted restart command; the controller takes it and clears it.
    bool takeRestartRequest();
    // What the restart does inside the device: the presented password is
    // forgotten.
    void restart();

    int applyCount() const { return applies_; }
    int restartCount() const { return restarts_; }
    // The last accepted control command payload (action, target, parameter).
    std::optional<std::array<std::uint8_t, 3>> lastControl() const { return lastControl_; }

private:
    std::vector<std::uint8_t> ack(std::uint8_t command, std::uint8_t status) const;
    std::vector<std::uint8_t> blockAck(std::uint8_t command, std::uint32_t address,
                                       std::uint16_t count, std::uint8_t status) const;
    std::optional<std::vector<std::uint8_t>> handleBlock(std::uint8_t command, int area, bool write,
                                                         std::span<const std::uint8_t> payload,
                                                         int forcedAckStatus);
    std::uint8_t presentPassword(std::span<const std::uint8_t> payload, SimClockPoint now);
    std::uint8_t setClockFrom(std::span<const std::uint8_t> payload, SimClockPoint now);
    std::uint8_t control(std::span<const std::uint8_t> payload);
    bool locked() const { return !password_.empty() && !presented_; }

    SimMemory memory_;
    SimIdentity identity_;
    SimLiveStatus live_;
    std::string password_;  // Windows-1251 bytes
    bool presented_ = false;
    std::chrono::milliseconds factoryDelay_ = std::chrono::minutes(30);
    // When an empty password was refused; the countdown runs from there.
    std::optional<SimClockPoint> factoryCountdownFrom_;
    QDateTime clockBase_;
    SimClockPoint clockBaseAt_;
    std::optional<std::array<std::uint8_t, keycode::kCodeSize>> touchedKey_;
    std::vector<std::uint8_t> spareRecord_ = std::vector<std::uint8_t>(16, 0xA5);
    bool restartRequested_ = false;
    int applies_ = 0;
    int restarts_ = 0;
    std::optional<std::array<std::uint8_t, 3>> lastControl_;
};

}  // namespace krx::sim
