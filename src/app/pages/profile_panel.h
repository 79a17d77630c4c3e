#pragma once
// The profile page (sections 25..28, `PanelProfile`): one page for "Профиль
// 1" .. "Профиль 4". The profile's name, the alarm-zone barriers it gives
// inputs 1..4 (two coupled sliders per input, their values read in the
// units of the input's current sensor type), and what it does to the
// outputs. The larger model's outputs and inputs stay hidden but are kept.

#include <array>
#include <memory>

#include "app/pages/section_panel.h"
#include "config/profile_section.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace Ui {
class ProfilePanel;
}

namespace krx {

class ProfilePanel : public SectionPanel {
    Q_OBJECT
public:
    explicit ProfilePanel(QWidget* parent = nullptr);
    ~ProfilePanel() override;

    void adaptToModel(SectionId section) override;
    void loadSection(SectionId section, const ConfigImage& image) override;
    void storeSection(SectionId section, ConfigImage& image) override;
    QLabel* headerLabel() const override;

    ProfileSettings settings() const;
    void showSettings(const ProfileSettings& v);

private:
    struct InputRow {
        QCheckBox* enabled = nullptr;
        QSlider* hi = nullptr;
        QSlider* lo = nullptr;
        QLabel* hiText = nullptr;
        QLabel* loText = nullptr;
    };
    ProfileInputRow rowValues(int row) const;
    void showRow(int row, const ProfileInputRow& values);
    void showRowLabels(int row);

    std::unique_ptr<Ui::ProfilePanel> ui_;
    std::array<InputRow, kProfileInputRows> rows_{};
    std::array<QComboBox*, kReactionListLength> reactions_{};
    // The image the page was loaded from: the labels read each input's
    // sensor type and range in it.
    const ConfigImage* image_ = nullptr;
};

}  // namespace krx
