#pragma once
// Records what a StatusSink receives, in the receiving thread, so a test sees
// exactly what a window would see.

#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

#include "device/status_sink.h"

namespace krx::test {

struct ShownStatus {
    QString text;
    StatusColour colour;
    bool operator==(const ShownStatus&) const = default;
};

class JobRecorder : public QObject {
public:
    explicit JobRecorder(StatusSink& sink);

    std::vector<ShownStatus> statuses;
    std::vector<int> maxima;
    std::vector<int> positions;
};

// The default text at `index` shown in `colour`.
ShownStatus Shown(int index, StatusColour colour);

// Bytes from a hex text such as "05 0C 00 00 F4".
std::vector<std::uint8_t> Hex(const char* text);

}  // namespace krx::test
