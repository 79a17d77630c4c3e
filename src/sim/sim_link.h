#pragma once
// The in-process transport: a SerialLink wired straight to a SimController,
// for fast tests. Reads never wait: what the controller has answered is
// there at once, and a read that asks for more returns short at once, as if
// the time-out had run out. With line pacing switched on, writes and reads
// take the line time of their bytes.

#include <QString>

#include <deque>
#include <memory>

#include "device/serial_link.h"
#include "sim/sim_controller.h"

namespace krx::sim {

class SimLink final : public SerialLink {
public:
    explicit SimLink(std::shared_ptr<SimController> controller);

    void setPortName(const QString& name) override { name_ = name; }
    QString portName() const override { return name_; }
    bool open() override;
    bool isOpen() const override { return open_; }
    void close() override;
    void purge() override;
    void write(std::span<const std::uint8_t> bytes) override;
    std::size_t read(std::span<std::uint8_t> buffer) override;

private:
    void pace(std::size_t bytes) const;

    std::shared_ptr<SimController> controller_;
    QString name_;
    bool open_ = false;
    std::deque<std::uint8_t> incoming_;
};

// The port name under which the simulated controller answers; every other
// name cannot be opened.
inline constexpr char kSimPortName[] = "SIM1";

// Makes every transfer job talk to `controller` (through SimLinks) while the
// guard lives; the previous factory returns with the QSerialPort link.
class ScopedSimLinks {
public:
    explicit ScopedSimLinks(std::shared_ptr<SimController> controller);
    ~ScopedSimLinks();
    ScopedSimLinks(const ScopedSimLinks&) = delete;
    ScopedSimLinks& operator=(const ScopedSimLinks&) = delete;
};

}  // namespace krx::sim
