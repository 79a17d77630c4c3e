#pragma once
// Where a transfer job reports: a status text with a colour, a progress
// bar's maximum and position, and the port's after-open notice (the link
// state the status bar shows). Jobs call the setters from their worker
// thread; the sink hands every report over to the thread it lives in and
// emits its signals there, in the order of the reports, so receivers in that
// thread are called directly and never block the job.
//
// deliverPending() emits, at once, whatever a job reported that has not
// been emitted yet: a caller that has waited for its job calls it before it
// goes on, so no late text of an ended job can overwrite what the caller
// shows next. How a job ended is its outcome (TReadData::waitOutcome), not
// the sink's.

#include <QMetaType>
#include <QObject>
#include <QString>

#include "device/transfer_messages.h"

namespace krx {

class StatusSink : public QObject {
    Q_OBJECT
public:
    explicit StatusSink(QObject* parent = nullptr);

    // Safe from any thread.
    void setStatus(const QString& text, StatusColour colour);
    void setProgressMaximum(int maximum);
    void setProgressPosition(int position);
    // The port `portName` has just been opened.
    void notifyPortOpened(const QString& portName);

    // In the sink's own thread: emits every report still on its way.
    void deliverPending();

signals:
    void statusChanged(const QString& text, krx::StatusColour colour);
    void progressMaximumChanged(int maximum);
    void progressPositionChanged(int position);
    void portOpened(const QString& portName);

private:
    // Runs `emitter` in the sink's thread: now when called there, else
    // queued to it.
    template <typename Emitter>
    void inOwnThread(Emitter emitter);
};

}  // namespace krx

Q_DECLARE_METATYPE(krx::StatusColour)
