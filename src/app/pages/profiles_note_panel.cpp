#include "app/pages/profiles_note_panel.h"

#include "ui_profiles_note_panel.h"

namespace krx {

ProfilesNotePanel::ProfilesNotePanel(QWidget* parent)
    : SectionPanel(parent), ui_(std::make_unique<Ui::ProfilesNotePanel>()) {
    ui_->setupUi(this);
}

ProfilesNotePanel::~ProfilesNotePanel() = default;

QLabel* ProfilesNotePanel::headerLabel() const { return ui_->Label66; }

}  // namespace krx
