#pragma once
// `GroupBoxMaunPerimInfo`, below the section tree: the security mode can be
// changed from every page, not only from the controller's.

#include <QGroupBox>

#include "device/control_command.h"

class QPushButton;

namespace krx {

class ModePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ModePanel(QWidget* parent = nullptr);

    QPushButton* armButton() const { return arm_; }          // `Button23` "Охрана"
    QPushButton* observeButton() const { return observe_; }  // `Button24` "Наблюдение"

signals:
    void modeChangeRequested(krx::SecurityMode mode);

private:
    QPushButton* arm_ = nullptr;
    QPushButton* observe_ = nullptr;
};

}  // namespace krx
