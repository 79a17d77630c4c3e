#include "sim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <thread>
#include <vector>

namespace krx::sim {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kStopCheck{50};

struct PendingByte {
    std::uint8_t value;
    Clock::time_point arrival;  // when its stop bit has been received
};

}  // namespace

PtyServer::PtyServer(std::shared_ptr<SimController> controller)
    : controller_(std::move(controller)) {}

PtyServer::~PtyServer() {
    if (master_ >= 0) {
        ::close(master_);
    }
    if (slave_ >= 0) {
        ::close(slave_);
    }
}

bool PtyServer::open(std::string& error) {
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B19200);
    cfsetospeed(&raw, B19200);
    std::array<char, 256> name{};
    if (::openpty(&master_, &slave_, name.data(), &raw, nullptr) != 0) {
        error = std::strerror(errno);
        return false;
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    std::string path(name.data());
    constexpr std::string_view kDev = "/dev/";
    if (path.starts_with(kDev)) {
        path.erase(0, kDev.size());
    }
    portName_ = QString::fromStdString(path);
    return true;
}

void PtyServer::serve(const std::atomic<bool>& stop) {
    std::deque<PendingByte> incoming;
    std::deque<std::uint8_t> outgoing;
    Clock::time_point rxLineFree{};  // when the receive line is idle again
    Clock::time_point txNext{};      // when the next outgoing byte is on the wire
    std::array<std::uint8_t, 4096> chunk{};

    while (!stop.load()) {
        const bool paced = controller_->faults().linePacing;
        const auto byteTime = paced ? std::chrono::duration_cast<Clock::duration>(
                                          std::chrono::duration<double, std::micro>(kByteTimeUs))
                                    : Clock::duration::zero();
        Clock::time_point now = Clock::now();

        // Hand every byte that has fully arrived to the controller.
        while (!incoming.empty() && incoming.front().arrival <= now) {
            const Clock::time_point at = incoming.front().arrival;
            std::vector<std::uint8_t> bytes;
            while (!incoming.empty() && incoming.front().arrival <= now) {
                bytes.push_back(incoming.front().value);
                incoming.pop_front();
            }
            const auto reply = controller_->receive(bytes, at);
            if (!reply.empty()) {
                if (outgoing.empty()) {
                    txNext = std::max(txNext, at + byteTime);
                }
                outgoing.insert(outgoing.end(), reply.begin(), reply.end());
            }
        }

        // Give out every byte whose time has come.
        std::vector<std::uint8_t> due;
        while (!outgoing.empty() && txNext <= now) {
            due.push_back(outgoing.front());
            outgoing.pop_front();
            txNext += byteTime;
        }
        std::size_t written = 0;
        while (written < due.size()) {
            const ssize_t n = ::write(master_, due.data() + written, due.size() - written);
            if (n > 0) {
                written += static_cast<std::size_t>(n);
            } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                break;  // nobody listening: the bytes are lost, as on a line
            } else {
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        }

        // Sleep until the next byte is due, input arrives or the stop check.
        Clock::time_point wake = now + kStopCheck;
        if (!incoming.empty()) {
            wake = std::min(wake, incoming.front().arrival);
        }
        if (!outgoing.empty()) {
            wake = std::min(wake, txNext);
        }
        const auto wait = std::max(Clock::duration::zero(), wake - Clock::now());
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
        timespec timeout{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
        pollfd fd{master_, POLLIN, 0};
        const int ready = ::ppoll(&fd, 1, &timeout, nullptr);
        if (ready <= 0) {
            continue;
        }
        if ((fd.revents & POLLIN) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        const ssize_t n = ::read(master_, chunk.data(), chunk.size());
        if (n <= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        now = Clock::now();
        for (ssize_t i = 0; i < n; ++i) {
            rxLineFree = std::max(rxLineFree, now) + byteTime;
            incoming.push_back(PendingByte{chunk[static_cast<std::size_t>(i)], rxLineFree});
        }
    }
}

}  // namespace krx::sim
