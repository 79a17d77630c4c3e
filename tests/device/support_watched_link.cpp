#include "watched_link.h"

namespace krx::test {

WatchedLink::WatchedLink(std::unique_ptr<SerialLink> inner, std::shared_ptr<LinkWatch> watch)
    : inner_(std::move(inner)), watch_(std::move(watch)) {}

bool WatchedLink::open() {
    ++watch_->opens;
    return inner_->open();
}

void WatchedLink::close() {
    ++watch_->closes;
    inner_->close();
}

void WatchedLink::write(std::span<const std::uint8_t> bytes) {
    const int number = ++watch_->writes;
    if (number == watch_->failWriteNumber.load()) {
        throw SerialLinkError("write: device vanished");
    }
    inner_->write(bytes);
}

std::size_t WatchedLink::read(std::span<std::uint8_t> buffer) {
    const int number = ++watch_->reads;
    if (number == watch_->failReadNumber.load()) {
        throw SerialLinkError("read: device vanished");
    }
    return inner_->read(buffer);
}

}  // namespace krx::test
