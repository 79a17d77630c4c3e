#include "device/status_sink.h"

namespace krx {

StatusSink::StatusSink(QObject* parent) : QObject(parent) {
    qRegisterMetaType<krx::StatusColour>("krx::StatusColour");
}

void StatusSink::setStatus(const QString& text, StatusColour colour) {
    {
        std::lock_guard lock(mutex_);
        lastText_ = text;
        lastColour_ = colour;
    }
    emit statusChanged(text, colour);
}

void StatusSink::setProgressMaximum(int maximum) { emit progressMaximumChanged(maximum); }

void StatusSink::setProgressPosition(int position) { emit progressPositionChanged(position); }

QString StatusSink::lastText() const {
    std::lock_guard lock(mutex_);
    return lastText_;
}

StatusColour StatusSink::lastColour() const {
    std::lock_guard lock(mutex_);
    return lastColour_;
}

}  // namespace krx
