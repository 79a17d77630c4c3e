#pragma once
// Keeps the visible section's controls and the configuration image
// consistent. When the selected tree node changes, the section being left is
// stored, the new page is adapted to this model, loaded and brought to the
// front. What a page stores and whether it allows the controller actions are
// properties of the page itself.

#include <QString>

#include <functional>

#include "config/config_image.h"
#include "config/section_id.h"

class QStackedWidget;

namespace krx {

class SectionPanel;

class SectionSwitcher {
public:
    using PanelLookup = std::function<SectionPanel*(SectionId section)>;
    // Called with false when a page that talks to the controller through its
    // own buttons is entered, and with true right before it is stored on
    // leaving.
    using ControllerActionsHook = std::function<void(bool controllerActionsAllowed)>;

    SectionSwitcher(ConfigImage& image, PanelLookup panels, QStackedWidget& stack);

    void setControllerActionsHook(ControllerActionsHook hook) { actionsHook_ = std::move(hook); }

    // The section switch for the node of `section` whose text is `nodeText`.
    void switchTo(SectionId section, const QString& nodeText);

    // Controls -> image for the current section (save, close, device
    // operations); nothing for no section or a page that keeps no settings.
    void storeCurrent();
    // Image -> controls for the current section (after new, open, read).
    void loadCurrent();

    SectionId current() const { return current_; }
    SectionPanel* currentPanel() const;

private:
    // The stack holds only the page in front: a stacked layout takes its
    // size (height-for-width included) from all of its pages, so every small
    // page would otherwise scroll as far as the largest one. Pages taken out
    // stay children of the stack, which owns them.
    void bringToFront(SectionPanel* panel);

    ConfigImage& image_;
    PanelLookup panels_;
    QStackedWidget& stack_;
    ControllerActionsHook actionsHook_;
    SectionId current_;
};

}  // namespace krx
