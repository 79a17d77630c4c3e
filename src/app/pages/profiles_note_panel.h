#pragma once
// The "Профили" page (section 24, `PanelProfileMain`): a note on what the
// profiles are for. It holds no settings.

#include <memory>

#include "app/pages/section_panel.h"

namespace Ui {
class ProfilesNotePanel;
}

namespace krx {

class ProfilesNotePanel : public SectionPanel {
    Q_OBJECT
public:
    explicit ProfilesNotePanel(QWidget* parent = nullptr);
    ~ProfilesNotePanel() override;

    QLabel* headerLabel() const override;
    bool keepsSettings() const override { return false; }

private:
    std::unique_ptr<Ui::ProfilesNotePanel> ui_;
};

}  // namespace krx
