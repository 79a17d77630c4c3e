#pragma once
// How one transfer job ended, as a value: success or failure, the status
// text it left last with its colour, whether it could open the port, and the
// bytes a read brought.

#include <QString>

#include <cstdint>
#include <vector>

#include "device/transfer_messages.h"

namespace krx {

struct JobOutcome {
    bool ok = false;
    QString message;  // the last status text the job reported; empty if none
    StatusColour colour = StatusColour::Black;
    bool portOpened = false;
    // What a successful read kind copied into the caller's buffer.
    std::vector<std::uint8_t> bytes;
    // What a comparison read whole from the controller, equal or not.
    std::vector<std::uint8_t> held;
};

}  // namespace krx
