#pragma once
// The monitor (`TMainPanelControl`): a thread that, while no device operation
// runs, identifies the controller on every cycle, judges whether it is
// supported, and reads the live record the selected section shows. It owns no
// display: every result leaves as a queued signal carrying plain values, in
// the order of the cycle, and the window's display routines show them.

#include <QDateTime>
#include <QMetaType>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <memory>

#include "monitor/monitor_exchange.h"
#include "monitor/monitor_shared.h"
#include "monitor/record_decoders.h"

namespace krx {

// The live value of one input, for the level display of sections 14..17.
struct InputLevel {
    int input = 0;  // 1..4
    int value = 0;  // converter counts; 0 when the record did not carry it
    bool operator==(const InputLevel&) const = default;
};


struct MonitorSettings {
    QString portName;
    QStringList transferMessages;  // the window's translatable job texts
    std::shared_ptr<const MonitorShared> shared;
};

class TMainPanelControl : public QThread {
    Q_OBJECT
public:
    TMainPanelControl(MonitorSettings settings, std::unique_ptr<MonitorExchange> exchange,
                      QObject* parent = nullptr);
    // Stops the loop and waits for the thread.
    ~TMainPanelControl() override;

    // The last identification read succeeded.
    bool deviceConnected() const { return deviceConnected_.load(); }

    // Texts the monitor shows itself.
    static QString PortNotFoundText(const QString& portName);
    static const QString kKeyPasswordRefusedText;

signals:
    // Identification read succeeded: show it; the job's text goes to status
    // bar panel 3 and the port name to panel 1.
    void identified(const krx::IdentValues& ident, const QString& jobMessage,
                    const QString& portName);
    // It failed: reset the GPS panel first when `resetGpsPanel`, then show the
    // placeholder identification, the job's text in panel 3, "NC" in panel 1,
    // and empty `ActionName`.
    void identificationFailed(const QString& jobMessage, bool resetGpsPanel);
    // The controller is not the supported device or version (red `ActionName`).
    void deviceRejected(const QString& text);

    void controllerStatus(const krx::StatusValues& status);      // section 0
    void controllerStatusFailed(const QString& jobMessage);      // section 0
    void pcClockTick(const QDateTime& now);                      // section 10
    void controllerClock(const krx::StatusValues& status);       // section 10
    void powerStatus(const krx::StatusValues& status);           // section 11
    void powerStatusFailed(const QString& jobMessage);           // section 11
    void armInCycleStarted();                                    // section 12
    void keyPasswordRefused(const QString& text);                // section 12
    void keyRead(const krx::KeyCodeValues& key);                 // section 12
    void inputLevel(const krx::InputLevel& level);               // sections 14..17
    // A section exchange failed: its text goes to status bar panel 3.
    void exchangeFailed(const QString& jobMessage);
    // Anything unexpected inside a cycle: the text for status bar panel 3.
    void cycleError(const QString& text);

protected:
    void run() override;

private:
    void runCycle();
    bool identify();
    void sectionStep(SectionId section);
    void pauseAfterUnopenablePort();
    ExchangeOutcome exchange(TransferJobKind job, std::span<std::uint8_t> buffer,
                             const QStringList* messages = nullptr);

    MonitorSettings settings_;
    std::unique_ptr<MonitorExchange> exchange_;
    std::atomic<bool> deviceConnected_{false};
    bool portUnavailable_ = false;
};

}  // namespace krx

Q_DECLARE_METATYPE(krx::IdentValues)
Q_DECLARE_METATYPE(krx::StatusValues)
Q_DECLARE_METATYPE(krx::KeyCodeValues)
Q_DECLARE_METATYPE(krx::InputLevel)
