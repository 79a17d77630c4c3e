#include "app/shell/section_switcher.h"

#include <QLabel>
#include <QStackedWidget>

#include "app/pages/section_panel.h"

namespace krx {

SectionSwitcher::SectionSwitcher(ConfigImage& image, PanelLookup panels, QStackedWidget& stack)
    : image_(image), panels_(std::move(panels)), stack_(stack) {}

SectionPanel* SectionSwitcher::currentPanel() const { return panels_(current_); }

void SectionSwitcher::switchTo(SectionId section, const QString& nodeText) {
    if (SectionPanel* leaving = currentPanel()) {
        if (!leaving->allowsControllerActions() && actionsHook_) actionsHook_(true);
    }
    storeCurrent();

    current_ = section;
    SectionPanel* panel = panels_(section);
    if (!panel) return;
    if (QLabel* header = panel->headerLabel()) header->setText(nodeText);
    panel->adaptToModel(section);
    if (!panel->allowsControllerActions() && actionsHook_) actionsHook_(false);
    if (panel->keepsSettings()) panel->loadSection(section, image_);
    bringToFront(panel);
}

void SectionSwitcher::bringToFront(SectionPanel* panel) {
    for (int i = stack_.count() - 1; i >= 0; --i) {
        QWidget* page = stack_.widget(i);
        if (page != panel) stack_.removeWidget(page);
    }
    if (stack_.indexOf(panel) < 0) stack_.addWidget(panel);
    stack_.setCurrentWidget(panel);
}

void SectionSwitcher::storeCurrent() {
    SectionPanel* panel = currentPanel();
    if (panel && panel->keepsSettings()) panel->storeSection(current_, image_);
}

void SectionSwitcher::loadCurrent() {
    SectionPanel* panel = currentPanel();
    if (panel && panel->keepsSettings()) panel->loadSection(current_, image_);
}

}  // namespace krx
