#include "app/shell/section_switcher.h"

#include <QLabel>
#include <QStackedWidget>

#include "app/pages/section_panel.h"
#include "app/shell/section_tree.h"

namespace krx {

SectionSwitcher::SectionSwitcher(ConfigImage& image, PanelLookup panels, QStackedWidget& stack)
    : image_(image), panels_(std::move(panels)), stack_(stack) {}

bool SectionSwitcher::storesNothing(int sectionId) {
    return sectionId == kNoSection || sectionId == kSectionRoot || sectionId == kSectionOutputs;
}

bool SectionSwitcher::loadsNothing(int sectionId) {
    return sectionId == kSectionRoot || sectionId == kSectionOutputs;
}

SectionPanel* SectionSwitcher::currentPanel() const {
    return current_ < 0 ? nullptr : panels_(current_);
}

void SectionSwitcher::switchTo(int sectionId, const QString& nodeText) {
    if (current_ == kSectionSystemParameters && systemSectionHook_) systemSectionHook_(true);
    storeCurrent();

    current_ = sectionId;
    SectionPanel* panel = panels_(sectionId);
    if (!panel) return;
    if (QLabel* header = panel->headerLabel()) header->setText(nodeText);
    panel->adaptToModel(sectionId);
    if (sectionId == kSectionSystemParameters && systemSectionHook_) systemSectionHook_(false);
    if (!loadsNothing(sectionId)) panel->loadSection(sectionId, image_);
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
    if (storesNothing(current_)) return;
    if (SectionPanel* panel = panels_(current_)) panel->storeSection(current_, image_);
}

void SectionSwitcher::loadCurrent() {
    if (current_ < 0 || loadsNothing(current_)) return;
    if (SectionPanel* panel = panels_(current_)) panel->loadSection(current_, image_);
}

}  // namespace krx
