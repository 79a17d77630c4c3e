#pragma once
// The simulated controller as the serial line sees it: bytes in, bytes out.
// It waits in its text console for "BINARY\r", answers it with one byte and
// then takes frames, hands each sound one to the SimDevice and returns the
// reply, spoiled as the fault switches say. A restart answers, then leaves
// the controller deaf for a moment and back in its text console.
//
// Thread-safe: a transport feeds it from one thread while a test sets its
// state from another.

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "sim/sim_device.h"
#include "sim/sim_faults.h"

namespace krx::sim {

// The byte the controller answers the mode entry with.
inline constexpr std::uint8_t kModeEntryAnswer = 0x0D;
inline constexpr std::chrono::milliseconds kDefaultRestartSilence{1500};
// A frame left incomplete this long is dropped.
inline constexpr std::chrono::milliseconds kFrameGapLimit{500};

class SimController {
public:
    SimController() = default;
    SimController(const SimController&) = delete;
    SimController& operator=(const SimController&) = delete;

    // Bytes that arrived on the line at `now`; returns the bytes to send back.
    std::vector<std::uint8_t> receive(std::span<const std::uint8_t> bytes, SimClockPoint now);

    void setFaults(const SimFaults& faults);
    SimFaults faults() const;
    void setRestartSilence(std::chrono::milliseconds silence);

    // Runs `f` on the device state under the controller's lock.
    template <typename F>
    auto withDevice(F&& f) {
        std::lock_guard lock(mutex_);
        return f(device_);
    }
    template <typename F>
    auto withDevice(F&& f) const {
        std::lock_guard lock(mutex_);
        return f(std::as_const(device_));
    }

    // Shortcuts for what tests set and check most: a memory area's bytes and
    // the administrative password.
    std::vector<std::uint8_t> area(int n) const {
        return withDevice([n](const SimDevice& d) { return d.memory().area(n); });
    }
    void setArea(int n, std::span<const std::uint8_t> bytes) {
        withDevice([&](SimDevice& d) { return d.memory().setArea(n, bytes); });
    }
    void setFactoryResetDelay(std::chrono::milliseconds delay) {
        withDevice([&](SimDevice& d) {
            d.setFactoryResetDelay(delay);
            return 0;
        });
    }
    void setPassword(const std::string& password) {
        withDevice([&](SimDevice& d) {
            d.setPassword(password);
            return 0;
        });
    }

    // Every complete frame heard (sound or not), in order.
    std::vector<std::vector<std::uint8_t>> requests() const;
    // The frames heard that are no request of this controller (a wrong
    // payload for the command, a bad checksum ...), each with why; the
    // controller ignored them. Cleared with the requests.
    std::vector<std::string> refusedRequests() const;
    void clearRequests();
    int modeEntries() const;
    bool inFrameMode() const;

private:
    void take(std::uint8_t byte, SimClockPoint now, std::vector<std::uint8_t>& out);
    void completeFrame(SimClockPoint now, std::vector<std::uint8_t>& out);
    bool faultEligible(std::uint8_t command) const;
    void consumeFault();

    mutable std::mutex mutex_;
    SimDevice device_;
    SimFaults faults_;
    std::chrono::milliseconds restartSilence_ = kDefaultRestartSilence;
    SimClockPoint deafUntil_{};
    SimClockPoint lastByteAt_{};
    bool frameMode_ = false;
    std::vector<std::uint8_t> frame_;
    std::vector<std::uint8_t> text_;
    int blockFrames_ = 0;
    int modeEntries_ = 0;
    std::vector<std::vector<std::uint8_t>> requests_;
    std::vector<std::string> refused_;
};

}  // namespace krx::sim
