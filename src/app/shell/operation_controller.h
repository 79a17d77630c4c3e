#pragma once
// Runs the configuration operations (read, program, reconfigure, compare,
// restart, factory reset) from the main window: the window's thin caller of
// the controller session. It is the window side of the operations: their
// status lines and progress bar on the controller page, the identification
// display, the section tree, the restart timer and the factory-reset
// dialog. The sequencing lives in ConfigOperations, the monitor and the lock
// in the window's device gate.
//
// Each job runs on its own thread; the window keeps processing events while
// it waits, so the progress bar moves and the texts change. Because the
// window stays live, everything that could edit the image or start another
// exchange is disabled until the operation has ended.

#include <QObject>
#include <functional>
#include <memory>

#include "device/controller_session.h"
#include "device/operation_host.h"

namespace krx {

class ConfiguratorWindow;
class MonitorPresenter;
class ControllerPanel;
class SystemParametersPanel;
class MonitorHost;

class OperationController : public QObject, private OperationHost {
    Q_OBJECT
public:
    // Shows the factory-reset countdown modally; `controllerLost` tells on
    // every tick whether the running monitor has lost the controller. True
    // only when the countdown ran to its end.
    using CountdownRunner =
        std::function<bool(const std::function<bool()>& controllerLost, QWidget* parent)>;

    // Owned by the window. `presenter` and `monitor` are the window's monitor
    // wiring (MonitorWiring): the identification and the status line are
    // shown the way the monitor shows them. The countdown defaults to the
    // real dialog.
    OperationController(ConfiguratorWindow& window, MonitorPresenter& presenter,
                        MonitorHost& monitor, CountdownRunner countdown = {});
    ~OperationController() override;

    // True from the start of an operation until it has ended, including the
    // restart delay and the factory-reset countdown.
    bool busy() const;
    ControllerSession& session() { return session_; }
    // How the last operation that ran has ended.
    const OperationOutcome& lastOutcome() const { return lastOutcome_; }

    // Runs one of the session's commands unless another command holds the
    // device (a queued key press, a second click): the direct commands come
    // through here as well.
    using Command = std::function<OperationOutcome(ControllerSession&)>;
    OperationOutcome launch(const Command& command);

signals:
    // An operation has ended and handed the window back to the user.
    void operationFinished();
    // "Сравнить" found that the controller holds another body: `controller` holds it.
    void controllerDiffers(const krx::ConfigImage& controller);

private:
    OperationOutcome launch(OperationOutcome (ControllerSession::*operation)());
    // The system-parameter page's two buttons.
    void wireSystemParametersPage();
    void onDelayedStart();

    // OperationHost
    ConfigImage& image() override;
    void selectRootNode() override;
    void storeSection() override;
    void loadSection() override;
    void showIdentification(std::span<const std::uint8_t> record) override;
    void showPlaceholderIdentification() override;
    void replaceActionNameText(const QString& text) override;
    void replacePageLineText(const QString& text) override;
    void showActionNameError(const QString& text) override;
    void showCommandResult(const QString& text) override;
    void setConfigurationName(const QString& name) override;
    bool clearModeMemoryChecked() const override;
    void armRestartTimer(int ms) override;
    bool runFactoryCountdown() override;

    ConfiguratorWindow& window_;
    MonitorPresenter& presenter_;
    MonitorHost& monitor_;
    ControllerPanel* panel_;
    SystemParametersPanel* systemPage_ = nullptr;
    CountdownRunner countdown_;
    ControllerSession session_;
    OperationOutcome lastOutcome_;
    bool restartPending_ = false;
};

}  // namespace krx
