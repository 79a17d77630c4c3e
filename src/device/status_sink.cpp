#include "device/status_sink.h"

#include <QCoreApplication>
#include <QThread>

namespace krx {

StatusSink::StatusSink(QObject* parent) : QObject(parent) {
    qRegisterMetaType<krx::StatusColour>("krx::StatusColour");
}

template <typename Emitter>
void StatusSink::inOwnThread(Emitter emitter) {
    if (QThread::currentThread() == thread()) {
        emitter();
    } else {
        QMetaObject::invokeMethod(this, std::move(emitter), Qt::QueuedConnection);
    }
}

void StatusSink::setStatus(const QString& text, StatusColour colour) {
    inOwnThread([this, text, colour] { emit statusChanged(text, colour); });
}

void StatusSink::setProgressMaximum(int maximum) {
    inOwnThread([this, maximum] { emit progressMaximumChanged(maximum); });
}

void StatusSink::setProgressPosition(int position) {
    inOwnThread([this, position] { emit progressPositionChanged(position); });
}

void StatusSink::notifyPortOpened(const QString& portName) {
    inOwnThread([this, portName] { emit portOpened(portName); });
}

void StatusSink::deliverPending() {
    if (QThread::currentThread() != thread()) return;
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

}  // namespace krx
