#include "app/shell/application.h"

#include <QMessageBox>

#include <exception>

namespace krx {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kApplicationTitle);
    setApplicationDisplayName(kApplicationTitle);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        QMessageBox::critical(activeWindow(), kApplicationTitle, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), kApplicationTitle, QStringLiteral("Unknown error"));
    }
    return false;
}

}  // namespace krx
