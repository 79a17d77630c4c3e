#pragma once
// A section page that has no controls of its own yet: just the header that
// shows the selected node's text. It stores and loads nothing.

#include "app/pages/section_panel.h"

class QLabel;

namespace krx {

class EmptySectionPanel : public SectionPanel {
    Q_OBJECT
public:
    // `headerName` empty: the page has no header label.
    EmptySectionPanel(const QString& panelName, const QString& headerName,
                      QWidget* parent = nullptr);

    QLabel* headerLabel() const override { return header_; }
    bool keepsSettings() const override { return false; }
    bool allowsControllerActions() const override { return allowsControllerActions_; }
    // The system parameters page reads and writes the controller through
    // buttons of its own.
    void setAllowsControllerActions(bool allowed) { allowsControllerActions_ = allowed; }

private:
    bool allowsControllerActions_ = true;
    QLabel* header_ = nullptr;
};

}  // namespace krx
