#pragma once
// The factory-reset countdown (`TFormClearConfig`). A controller that guards
// its configuration with a password forgets it only after staying connected
// for about 30 minutes; this dialog counts those seconds down while the
// monitor keeps polling, and ends as completed only when the count reaches 0.
// "Отмена", or a monitor that no longer sees the controller, ends it as
// cancelled.

#include <QDialog>

#include "device/config_operations.h"
#include <QTimer>

#include <functional>
#include <memory>

namespace Ui {
class ClearConfigDialog;
}

namespace krx {

class ClearConfigDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCountDownSeconds = kFactoryCountdownSeconds;
    static constexpr int kTickMs = 1000;

    // `controllerLost` answers, on every tick, whether a running monitor has
    // lost the controller; no function means nothing is watched.
    explicit ClearConfigDialog(std::function<bool()> controllerLost = {},
                               QWidget* parent = nullptr);
    ~ClearConfigDialog() override;

    // Set only when the countdown has run down to 0.
    bool completed() const { return completed_; }
    int remainingSeconds() const;
    QString remainingText() const;
    bool isCounting() const { return timer_.isActive(); }

    // Shows the dialog modally; true only when the countdown completed.
    static bool RunCountDown(std::function<bool()> controllerLost, QWidget* parent);

public slots:
    // One second of the countdown.
    void tick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void showRemaining();

    std::unique_ptr<Ui::ClearConfigDialog> ui_;
    std::function<bool()> controllerLost_;
    QTimer timer_;
    bool completed_ = false;
};

}  // namespace krx
