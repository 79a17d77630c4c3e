#pragma once
// The "Входы" page (section 13, `Panel7`): what all inputs share. This model
// shows only the input scan delay after power-up, and the picture of the
// input terminal block; the sensor-supply settings of the larger model stay
// hidden but are still loaded and stored.

#include <memory>

#include "app/pages/section_panel.h"
#include "config/inputs_common_section.h"

namespace Ui {
class InputsCommonPanel;
}

namespace krx {

class InputsCommonPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit InputsCommonPanel(QWidget* parent = nullptr);
    ~InputsCommonPanel() override;

    void adaptToModel(SectionId section) override;
    void loadSection(SectionId section, const ConfigImage& image) override;
    void storeSection(SectionId section, ConfigImage& image) override;

    InputsCommonSettings settings() const;
    void showSettings(const InputsCommonSettings& v);

private:
    std::unique_ptr<Ui::InputsCommonPanel> ui_;
};

}  // namespace krx
