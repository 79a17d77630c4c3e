#include "app/shell/mode_panel.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace krx {

ModePanel::ModePanel(QWidget* parent) : QGroupBox(QStringLiteral(" Режим "), parent) {
    setObjectName(QStringLiteral("GroupBoxMaunPerimInfo"));
    auto* layout = new QHBoxLayout(this);
    arm_ = new QPushButton(QStringLiteral("Охрана"), this);
    arm_->setObjectName(QStringLiteral("Button23"));
    observe_ = new QPushButton(QStringLiteral("Наблюдение"), this);
    observe_->setObjectName(QStringLiteral("Button24"));
    layout->addWidget(arm_);
    layout->addWidget(observe_);
    layout->addStretch(1);
    connect(arm_, &QPushButton::clicked, this,
            [this] { emit modeChangeRequested(SecurityMode::Armed); });
    connect(observe_, &QPushButton::clicked, this,
            [this] { emit modeChangeRequested(SecurityMode::Observation); });
}

}  // namespace krx
