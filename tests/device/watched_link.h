#pragma once
// A link that passes every call to another link and keeps count of opens and
// closes; it can also make the port fail (as a vanished USB adapter does) on
// the n-th read or write.

#include <atomic>
#include <memory>

#include "device/serial_link.h"

namespace krx::test {

struct LinkWatch {
    std::atomic<int> opens{0};
    std::atomic<int> closes{0};
    std::atomic<int> writes{0};
    // The write or read with this number (counted from 1 over the link's
    // life) raises a port error; 0 = never.
    std::atomic<int> failWriteNumber{0};
    std::atomic<int> failReadNumber{0};
    std::atomic<int> reads{0};
};

class WatchedLink final : public SerialLink {
public:
    WatchedLink(std::unique_ptr<SerialLink> inner, std::shared_ptr<LinkWatch> watch);

    void setPortName(const QString& name) override { inner_->setPortName(name); }
    QString portName() const override { return inner_->portName(); }
    bool open() override;
    bool isOpen() const override { return inner_->isOpen(); }
    void close() override;
    void purge() override { inner_->purge(); }
    void write(std::span<const std::uint8_t> bytes) override;
    std::size_t read(std::span<std::uint8_t> buffer) override;

private:
    std::unique_ptr<SerialLink> inner_;
    std::shared_ptr<LinkWatch> watch_;
};

}  // namespace krx::test
