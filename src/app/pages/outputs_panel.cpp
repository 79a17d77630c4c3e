#include "app/pages/outputs_panel.h"

#include "app/widgets/terminal_picture.h"
#include "ui_outputs_panel.h"

namespace krx {

OutputsPanel::OutputsPanel(QWidget* parent)
    : SectionPanel(parent), ui_(std::make_unique<Ui::OutputsPanel>()) {
    ui_->setupUi(this);
    ui_->ImageKRX310Outs->setPixmap(LoadTerminalPicture(TerminalBlock::Outputs, QDir::current()));
}

OutputsPanel::~OutputsPanel() = default;

void OutputsPanel::adaptToModel(SectionId section) {
    Q_UNUSED(section);
    ui_->ImageKRX310Outs->show();
}

QLabel* OutputsPanel::headerLabel() const { return ui_->Label1; }

}  // namespace krx
