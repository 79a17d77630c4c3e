#include "device/status_sink.h"

#include <QMutexLocker>
#include <QScopeGuard>
#include <QThread>

#include <utility>

namespace krx {

StatusSink::StatusSink(QObject* parent) : QObject(parent) {
    qRegisterMetaType<krx::StatusColour>("krx::StatusColour");
}

void StatusSink::add(Report report) {
    bool wasEmpty = false;
    {
        QMutexLocker lock(&mutex_);
        wasEmpty = queued_.empty();
        queued_.push_back(std::move(report));
    }
    if (QThread::currentThread() == thread()) {
        emitQueued();
    } else if (wasEmpty) {
        // One call carries everything queued until it runs.
        QMetaObject::invokeMethod(this, "emitQueued", Qt::QueuedConnection);
    }
}

void StatusSink::emitQueued() {
    // A receiver that lets events in while it handles a report does not
    // overtake the reports queued before its own: the outer loop goes on.
    if (emitting_) return;
    emitting_ = true;
    const auto done = qScopeGuard([this] { emitting_ = false; });
    for (;;) {
        std::vector<Report> reports;
        {
            QMutexLocker lock(&mutex_);
            reports.swap(queued_);
        }
        if (reports.empty()) return;
        for (const Report& report : reports) emitReport(report);
    }
}

void StatusSink::emitReport(const Report& report) {
    switch (report.kind) {
        case Report::Kind::Status: emit statusChanged(report.text, report.colour); break;
        case Report::Kind::ProgressMaximum: emit progressMaximumChanged(report.number); break;
        case Report::Kind::ProgressPosition: emit progressPositionChanged(report.number); break;
        case Report::Kind::PortOpened: emit portOpened(report.text); break;
    }
}

void StatusSink::setStatus(const QString& text, StatusColour colour) {
    add({Report::Kind::Status, text, colour, 0});
}

void StatusSink::setProgressMaximum(int maximum) {
    add({Report::Kind::ProgressMaximum, {}, StatusColour::Black, maximum});
}

void StatusSink::setProgressPosition(int position) {
    add({Report::Kind::ProgressPosition, {}, StatusColour::Black, position});
}

void StatusSink::notifyPortOpened(const QString& portName) {
    add({Report::Kind::PortOpened, portName, StatusColour::Black, 0});
}

void StatusSink::deliverPending() {
    if (QThread::currentThread() != thread()) return;
    emitQueued();
}

}  // namespace krx
