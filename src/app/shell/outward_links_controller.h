#pragma once
// Wires the three outward features to the window: the support and map
// buttons of the controller page and the about box of "О программе...".
// Links go to the desktop through the window's UserDialogs.

#include <QObject>

namespace krx {

class ConfiguratorWindow;

class OutwardLinksController : public QObject {
    Q_OBJECT
public:
    explicit OutwardLinksController(ConfiguratorWindow& window);

    // Shows `TAboutBox` modally.
    void showAboutBox();

private:
    ConfiguratorWindow& window_;
};

}  // namespace krx
