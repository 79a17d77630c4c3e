#include "job_recorder.h"

#include <QByteArray>

namespace krx::test {

JobRecorder::JobRecorder(StatusSink& sink) {
    connect(&sink, &StatusSink::statusChanged, this,
            [this](const QString& text, StatusColour colour) { statuses.push_back({text, colour}); });
    connect(&sink, &StatusSink::progressMaximumChanged, this,
            [this](int maximum) { maxima.push_back(maximum); });
    connect(&sink, &StatusSink::progressPositionChanged, this,
            [this](int position) { positions.push_back(position); });
}

ShownStatus Shown(int index, StatusColour colour) {
    return {TransferMessages().at(index), colour};
}

std::vector<std::uint8_t> Hex(const char* text) {
    const QByteArray bytes = QByteArray::fromHex(QByteArray(text).replace(' ', ""));
    return {bytes.begin(), bytes.end()};
}

}  // namespace krx::test
