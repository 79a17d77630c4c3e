#pragma once
// The page of "Вход 1" .. "Вход 4" (sections 14 .. 17, `Panel6`): one page
// serves the four inputs; the section switch tells it which record to show.
// It binds the controls to the input's settings, drives the level diagram
// (barriers, live value, unit button and calibration of analogue scales)
// and trims the controls of the larger model away.

#include <QString>

#include <array>
#include <memory>

#include "app/live/live_views.h"
#include "app/pages/section_panel.h"
#include "config/input_section.h"

class QComboBox;

namespace Ui {
class InputPanel;
}

namespace krx {

class InputLevelDiagram;
class MonitorHost;
struct InputLevel;

class InputPanel : public SectionPanel, public InputLiveView {
    Q_OBJECT
public:
    explicit InputPanel(QWidget* parent = nullptr);
    ~InputPanel() override;

    void adaptToModel(SectionId section) override;
    void loadSection(SectionId section, const ConfigImage& image) override;
    void storeSection(SectionId section, ConfigImage& image) override;
    QLabel* headerLabel() const override;

    // Editor values <-> the input's settings.
    InputSettings settings() const;
    void showSettings(const InputSettings& v);

    // Input 1 .. 4 on screen; 0 before the first load.
    int shownInput() const { return shownInput_; }
    InputLevelDiagram* levelDiagram() const;

    // A live value read by the monitor. It is shown only when it belongs to
    // the input on screen: a read still under way when the user switched to
    // another input must not land on it.
    void showInputLevel(const InputLevel& level) override;

private:
    void sensorTypeChosen(int index);
    void unitButtonClicked();
    void applyUnitControls(bool unitButtonVisible, const QString& caption,
                           bool analoguePanelVisible);
    // Hands the diagram what it reads from the other controls.
    void feedDiagram();
    char decimalSeparator() const;

    std::unique_ptr<Ui::InputPanel> ui_;
    std::array<QComboBox*, kReactionListLength> actRele_{};
    std::array<QComboBox*, kReactionListLength> passRele_{};
    std::array<QWidget*, kReactionListLength> actLabels_{};
    std::array<QWidget*, kReactionListLength> passLabels_{};
    int shownInput_ = 0;
    bool showing_ = false;  // controls are being filled from settings, not edited
};

}  // namespace krx
