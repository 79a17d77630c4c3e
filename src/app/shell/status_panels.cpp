#include "app/shell/status_panels.h"

#include <QLabel>
#include <QStatusBar>

namespace krx {

namespace {

struct PanelLook {
    int width;
    Qt::Alignment alignment;
};

constexpr PanelLook kLooks[] = {
    {500, Qt::AlignLeft | Qt::AlignVCenter},
    {60, Qt::AlignHCenter | Qt::AlignVCenter},
    {90, Qt::AlignHCenter | Qt::AlignVCenter},
    {250, Qt::AlignLeft | Qt::AlignVCenter},
};

}  // namespace

StatusPanels::StatusPanels(QStatusBar& bar) {
    bar.setObjectName("StatusBar1");
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        auto* label = new QLabel(&bar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFixedWidth(kLooks[i].width);
        label->setAlignment(kLooks[i].alignment);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar.addWidget(label);
        labels_[i] = label;
    }
}

QLabel* StatusPanels::label(int panel) const {
    return panel >= 0 && panel < int(labels_.size()) ? labels_[std::size_t(panel)] : nullptr;
}

void StatusPanels::setText(int panel, const QString& text) {
    if (QLabel* l = label(panel)) l->setText(text);
}

QString StatusPanels::text(int panel) const {
    const QLabel* l = label(panel);
    return l ? l->text() : QString();
}

}  // namespace krx
