#pragma once
// The "Выходы" page (section 18, `Panel8`): the picture of the output
// terminal block. It holds no settings of its own.

#include <memory>

#include "app/pages/section_panel.h"

namespace Ui {
class OutputsPanel;
}

namespace krx {

class OutputsPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit OutputsPanel(QWidget* parent = nullptr);
    ~OutputsPanel() override;

    void adaptToModel(SectionId section) override;
    QLabel* headerLabel() const override;
    bool keepsSettings() const override { return false; }

private:
    std::unique_ptr<Ui::OutputsPanel> ui_;
};

}  // namespace krx
