#pragma once
// Where a transfer job reports: a status text with a colour, and a progress
// bar's maximum and position. Jobs call the setters from their worker thread;
// the signals reach receivers in other threads through queued connections
// (Qt picks them automatically), so a window connects its label and progress
// bar and never blocks the job. The last text is also kept for callers that
// read it after the job (the window's status bar panel copies it).

#include <QMetaType>
#include <QObject>
#include <QString>

#include <mutex>

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

    QString lastText() const;
    StatusColour lastColour() const;

signals:
    void statusChanged(const QString& text, krx::StatusColour colour);
    void progressMaximumChanged(int maximum);
    void progressPositionChanged(int position);

private:
    mutable std::mutex mutex_;
    QString lastText_;
    StatusColour lastColour_ = StatusColour::Black;
};

}  // namespace krx

Q_DECLARE_METATYPE(krx::StatusColour)
