#include "app/shell/outward_links_controller.h"

#include <QAction>

#include "app/dialogs/about_box.h"
#include "app/pages/controller_panel.h"
#include "app/shell/configurator_window.h"

namespace krx {

OutwardLinksController::OutwardLinksController(ConfiguratorWindow& window)
    : QObject(&window), window_(window) {
    if (auto* page = dynamic_cast<ControllerPanel*>(window.page(sections::kController))) {
        connect(page, &ControllerPanel::linkRequested, this,
                [this](const QString& link) { window_.dialogs().openLink(link); });
    }
    connect(window.actions().Abaut, &QAction::triggered, this, &OutwardLinksController::showAboutBox);
}

void OutwardLinksController::showAboutBox() {
    const InterfaceTexts& texts = window_.texts();
    AboutBox box(QString::fromStdString(texts.aboutCaption), QString::fromStdString(texts.aboutForVersion),
                 window_.windowTitle(), &window_);
    connect(&box, &AboutBox::linkRequested, this,
            [this](const QString& link) { window_.dialogs().openLink(link); });
    window_.dialogs().runModal(box);
}

}  // namespace krx
