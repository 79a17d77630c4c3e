#pragma once
// The application object: title "KRX Configurator"; an exception that
// escapes an event handler is shown in a message box and the program goes on.

#include <QApplication>

namespace krx {

inline const QString kApplicationTitle = QStringLiteral("KRX Configurator");

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace krx
