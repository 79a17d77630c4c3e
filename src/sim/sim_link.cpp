#include "sim/sim_link.h"

#include <chrono>
#include <thread>

namespace krx::sim {

SimLink::SimLink(std::shared_ptr<SimController> controller) : controller_(std::move(controller)) {}

bool SimLink::open() {
    open_ = name_ == QLatin1String(kSimPortName);
    incoming_.clear();
    return open_;
}

void SimLink::close() {
    open_ = false;
    incoming_.clear();
}

void SimLink::purge() {
    if (!open_) {
        throw SerialLinkError("port not open");
    }
    incoming_.clear();
}

void SimLink::pace(std::size_t bytes) const {
    if (bytes > 0 && controller_->faults().linePacing) {
        std::this_thread::sleep_for(
            std::chrono::microseconds(static_cast<long>(kByteTimeUs * static_cast<double>(bytes))));
    }
}

void SimLink::write(std::span<const std::uint8_t> bytes) {
    if (!open_) {
        throw SerialLinkError("port not open");
    }
    pace(bytes.size());
    const auto reply = controller_->receive(bytes, std::chrono::steady_clock::now());
    incoming_.insert(incoming_.end(), reply.begin(), reply.end());
}

std::size_t SimLink::read(std::span<std::uint8_t> buffer) {
    if (!open_) {
        throw SerialLinkError("port not open");
    }
    const std::size_t n = std::min(buffer.size(), incoming_.size());
    std::copy_n(incoming_.begin(), n, buffer.begin());
    incoming_.erase(incoming_.begin(), incoming_.begin() + static_cast<long>(n));
    pace(n);
    return n;
}

ScopedSimLinks::ScopedSimLinks(std::shared_ptr<SimController> controller) {
    SetSerialLinkFactory(
        [controller]() -> std::unique_ptr<SerialLink> { return std::make_unique<SimLink>(controller); });
}

ScopedSimLinks::~ScopedSimLinks() { SetSerialLinkFactory({}); }

}  // namespace krx::sim
