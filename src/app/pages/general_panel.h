#pragma once
// Section "Общие параметры соединений" (`Panel1`): passwords, PIN, SMS
// centre, the SMS/DTMF control options, the voice notification order and
// balance control. The widgets hold a GeneralSettings; the codec moves it to
// and from the image.

#include <memory>

#include "app/pages/section_panel.h"
#include "config/general_section.h"

namespace Ui {
class GeneralPanel;
}

class QButtonGroup;

namespace krx {

class GeneralPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit GeneralPanel(QWidget* parent = nullptr);
    ~GeneralPanel() override;

    void adaptToModel(SectionId section) override;
    void loadSection(SectionId section, const ConfigImage& image) override;
    void storeSection(SectionId section, ConfigImage& image) override;
    QLabel* headerLabel() const override;

    GeneralSettings settings() const;
    void showSettings(const GeneralSettings& s);

private:
    // The administrative password edit and its label follow the check box;
    // the red warning is shown while it is checked.
    void applySysPasswordBox();
    void applyBalanceTemplate(int index);

    std::unique_ptr<Ui::GeneralPanel> ui_;
    QButtonGroup* templates_ = nullptr;
};

}  // namespace krx
