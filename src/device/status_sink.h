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
#include <QMutex>
#include <QObject>
#include <QString>

#include <vector>

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
    // One report as a job made it.
    struct Report {
        enum class Kind { Status, ProgressMaximum, ProgressPosition, PortOpened } kind;
        QString text;
        StatusColour colour = StatusColour::Black;
        int number = 0;
    };
    // Queues `report` and, in the sink's own thread, emits what is queued
    // at once; from another thread it asks the sink's thread to.
    void add(Report report);
    // In the sink's thread: emits the queued reports in order.
    Q_INVOKABLE void emitQueued();
    void emitReport(const Report& report);

    // The reports travel in this queue, under the sink's own lock, rather
    // than inside the queued calls: what a job wrote is then ordered by a
    // lock this program takes, not only by Qt's event queue.
    QMutex mutex_;
    std::vector<Report> queued_;
    bool emitting_ = false;  // the sink's thread only
};

}  // namespace krx

Q_DECLARE_METATYPE(krx::StatusColour)
