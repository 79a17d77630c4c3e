#pragma once
// The pseudo-terminal transport: the simulated controller behind the master
// side of a pty, so a real serial port object can open the slave side (for
// example pts/4). With line pacing on, bytes are taken in and given out at
// 19200 baud 8N1, one byte every 0.52 ms, as a UART would.

#include <QString>

#include <atomic>
#include <memory>
#include <string>

#include "sim/sim_controller.h"

namespace krx::sim {

class PtyServer {
public:
    explicit PtyServer(std::shared_ptr<SimController> controller);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Opens the pty in raw mode; false with a reason in `error`.
    bool open(std::string& error);
    // The name a serial port opens, relative to /dev (for example "pts/4").
    QString portName() const { return portName_; }
    // Serves until `stop` becomes true (checked at least every 50 ms).
    void serve(const std::atomic<bool>& stop);

private:
    std::shared_ptr<SimController> controller_;
    int master_ = -1;
    // Kept open so the master never sees a hang-up while no client has the
    // port open.
    int slave_ = -1;
    QString portName_;
};

}  // namespace krx::sim
