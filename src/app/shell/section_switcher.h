#pragma once
// Keeps the visible section's controls and the configuration image
// consistent. When the selected tree node changes, the section being left is
// stored, the new panel is adapted to this model, loaded and brought to the
// front. The root node (0), "Выходы" (18) and "no section yet" (-1) store
// nothing; 0 and 18 load nothing.

#include <QString>

#include <functional>

#include "config/config_image.h"

class QStackedWidget;

namespace krx {

class SectionPanel;

class SectionSwitcher {
public:
    using PanelLookup = std::function<SectionPanel*(int sectionId)>;
    // Called with false when the system parameters section is entered and
    // with true right before it is stored on leaving: that section reads and
    // writes the controller through its own buttons.
    using SystemSectionHook = std::function<void(bool controllerActionsAllowed)>;

    SectionSwitcher(ConfigImage& image, PanelLookup panels, QStackedWidget& stack);

    void setSystemSectionHook(SystemSectionHook hook) { systemSectionHook_ = std::move(hook); }

    // The section switch for the node `sectionId` whose text is `nodeText`.
    void switchTo(int sectionId, const QString& nodeText);

    // Controls -> image for the current section (save, close, device
    // operations); nothing for -1, 0 and 18.
    void storeCurrent();
    // Image -> controls for the current section (after new, open, read).
    void loadCurrent();

    int current() const { return current_; }
    SectionPanel* currentPanel() const;

private:
    // The stack holds only the page in front: a stacked layout takes its
    // size (height-for-width included) from all of its pages, so every small
    // page would otherwise scroll as far as the largest one. Pages taken out
    // stay children of the stack, which owns them.
    void bringToFront(SectionPanel* panel);
    static bool storesNothing(int sectionId);
    static bool loadsNothing(int sectionId);

    ConfigImage& image_;
    PanelLookup panels_;
    QStackedWidget& stack_;
    SystemSectionHook systemSectionHook_;
    int current_ = -1;
};

}  // namespace krx
