#include "app/shell/close_on_signal.h"

#include <QMetaObject>

#include <csignal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#endif

namespace krx {

#ifdef Q_OS_UNIX
namespace {

int g_signalPipe[2] = {-1, -1};

extern "C" void WriteSignalByte(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[1], &byte, 1);
}

}  // namespace

CloseOnSignal::CloseOnSignal(std::function<void()> closeWindow, QObject* parent)
    : QObject(parent), closeWindow_(std::move(closeWindow)) {
    if (g_signalPipe[0] >= 0) return;  // one handler per process
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return;
    ::fcntl(g_signalPipe[1], F_SETFL, O_NONBLOCK);
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &CloseOnSignal::onSignalByte);
    struct sigaction action = {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

CloseOnSignal::~CloseOnSignal() {
    if (g_signalPipe[0] < 0) return;
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);
    g_signalPipe[0] = g_signalPipe[1] = -1;
}

void CloseOnSignal::onSignalByte() {
    char byte = 0;
    [[maybe_unused]] const auto got = ::read(g_signalPipe[0], &byte, 1);
    handleSignal();
}

void CloseOnSignal::handleSignal() {
    if (closeWindow_) closeWindow_();
}

#else

// Windows: a console interrupt arrives on another thread; hand it over
// through a queued call.
namespace {
CloseOnSignal* g_instance = nullptr;
extern "C" void PostClose(int) {
    if (g_instance) {
        QMetaObject::invokeMethod(
            g_instance, [] { g_instance->handleSignal(); }, Qt::QueuedConnection);
    }
}
}  // namespace

CloseOnSignal::CloseOnSignal(std::function<void()> closeWindow, QObject* parent)
    : QObject(parent), closeWindow_(std::move(closeWindow)) {
    g_instance = this;
    std::signal(SIGTERM, PostClose);
    std::signal(SIGINT, PostClose);
}

CloseOnSignal::~CloseOnSignal() {
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    g_instance = nullptr;
}

void CloseOnSignal::handleSignal() {
    if (closeWindow_) closeWindow_();
}

#endif

}  // namespace krx
