#pragma once
// One editor panel of the section tree. Each panel owns its own binding:
// widgets <-> the section's value struct <-> the configuration image through
// the section codec. No offsets or bit masks live in panel code.

#include <QWidget>

#include "config/config_image.h"
#include "config/interface_texts.h"
#include "config/section_id.h"

class QLabel;

namespace krx {

class SectionPanel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Hides or trims the controls that only the larger model uses; called
    // every time the panel is brought to the front for `sectionId`.
    virtual void adaptToModel(SectionId section) { Q_UNUSED(section); }
    // Image -> widgets for `section`.
    virtual void loadSection(SectionId section, const ConfigImage& image) {
        Q_UNUSED(section);
        Q_UNUSED(image);
    }
    // Widgets -> image for `section`; also shows the normalised values.
    virtual void storeSection(SectionId section, ConfigImage& image) {
        Q_UNUSED(section);
        Q_UNUSED(image);
    }
    // False for a page that shows no settings of the image (the controller,
    // the outputs picture, the note on profiles): the section switch then
    // neither stores nor loads it.
    virtual bool keepsSettings() const { return true; }
    // False for a page that talks to the controller through buttons of its
    // own: the configuration actions are disabled while it is shown.
    virtual bool allowsControllerActions() const { return true; }
    // Refills the page's lists and captions from the window's catalogue,
    // keeping what each list has selected. The window calls it when it is
    // built and whenever it substitutes its texts.
    virtual void applyTexts(const InterfaceTexts& texts) { Q_UNUSED(texts); }
    // While a command holds the device the page accepts no edits.
    virtual void setEditable(bool editable) { setEnabled(editable); }
    // The label that shows the selected tree node's text, if the panel has one.
    virtual QLabel* headerLabel() const { return nullptr; }
};

}  // namespace krx
