#pragma once
// One editor panel of the section tree. Each panel owns its own binding:
// widgets <-> the section's value struct <-> the configuration image through
// the section codec. No offsets or bit masks live in panel code.

#include <QWidget>

#include "config/config_image.h"

class QLabel;

namespace krx {

class SectionPanel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Hides or trims the controls that only the larger model uses; called
    // every time the panel is brought to the front for `sectionId`.
    virtual void adaptToModel(int sectionId) { Q_UNUSED(sectionId); }
    // Image -> widgets for `sectionId`.
    virtual void loadSection(int sectionId, const ConfigImage& image) {
        Q_UNUSED(sectionId);
        Q_UNUSED(image);
    }
    // Widgets -> image for `sectionId`; also shows the normalised values.
    virtual void storeSection(int sectionId, ConfigImage& image) {
        Q_UNUSED(sectionId);
        Q_UNUSED(image);
    }
    // The label that shows the selected tree node's text, if the panel has one.
    virtual QLabel* headerLabel() const { return nullptr; }
};

}  // namespace krx
