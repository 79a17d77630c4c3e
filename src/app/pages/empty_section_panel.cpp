#include "app/pages/empty_section_panel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace krx {

EmptySectionPanel::EmptySectionPanel(const QString& panelName, const QString& headerName,
                                     QWidget* parent)
    : SectionPanel(parent) {
    setObjectName(panelName);
    auto* layout = new QVBoxLayout(this);
    if (!headerName.isEmpty()) {
        header_ = new QLabel(this);
        header_->setObjectName(headerName);
        QFont font = header_->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.25);
        header_->setFont(font);
        layout->addWidget(header_);
    }
    layout->addStretch(1);
}

}  // namespace krx
