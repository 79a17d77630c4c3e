#pragma once
// How a configuration operation or a direct command ended, as a value.

#include <QString>

#include <cstdint>
#include <vector>

#include "device/transfer_messages.h"

namespace krx {

struct OperationOutcome {
    // False when the command did not run: another command held the device.
    bool started = false;
    // Every step whose result the command examines succeeded; for the
    // comparison, the controller holds the same body.
    bool ok = false;
    // The status line the command left, with its colour.
    QString message;
    StatusColour colour = StatusColour::Black;
    // A direct command got past its identification and password and sent
    // its own job, whatever the controller answered.
    bool sent = false;
    // What a reading command brought back as text (the IMEI).
    QString value;
    // Programming only what changed: how many blocks were written (0 when
    // the controller already held the body).
    int blocksWritten = 0;
    // The comparison: the body the controller holds, when it was read whole
    // (empty when the comparison failed before that).
    std::vector<std::uint8_t> controllerBody;
};

}  // namespace krx
