#pragma once
// SIGTERM and SIGINT close the main window through its ordinary close path
// (settings and "default.cnt" are written), so the process ends normally.
// The signal handler only writes a byte into a pipe; the window's thread
// reads it through a socket notifier.

#include <QObject>

#include <functional>

namespace krx {

class CloseOnSignal : public QObject {
    Q_OBJECT
public:
    // `closeWindow` runs on the window's thread when a signal arrives.
    explicit CloseOnSignal(std::function<void()> closeWindow, QObject* parent = nullptr);
    ~CloseOnSignal() override;

    // Runs the close request; called on the window's thread.
    void handleSignal();

private:
    void onSignalByte();
    std::function<void()> closeWindow_;
};

}  // namespace krx
