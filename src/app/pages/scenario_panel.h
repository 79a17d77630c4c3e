#pragma once
// The "Сценарии управления" page (section 23, `Panel12`): the fourteen
// control scenarios in the grid `StringGrid2`, one row each: cyclic mark,
// repeat count, initial level and up to 16 step durations. The grid's
// editing rules hold while the user types and double-clicks, and the
// waveform of the selected row is drawn over its duration cells.

#include <memory>

#include "app/pages/section_panel.h"
#include "config/scenario_section.h"

class QTableWidget;

namespace Ui {
class ScenarioPanel;
}

namespace krx {

class ScenarioPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit ScenarioPanel(QWidget* parent = nullptr);
    ~ScenarioPanel() override;

    void adaptToModel(SectionId section) override;
    void loadSection(SectionId section, const ConfigImage& image) override;
    void storeSection(SectionId section, ConfigImage& image) override;
    void applyTexts(const InterfaceTexts& texts) override;
    QLabel* headerLabel() const override;

    ScenarioGrid grid() const;
    void showGrid(const ScenarioGrid& grid);
    QTableWidget* table() const;

private:
    class Waveform;
    class CellDelegate;
    void onCellChanged(int row, int column);
    void onDoubleClicked(int row, int column);
    void showRow(int row, const ScenarioGrid& grid);

    std::unique_ptr<Ui::ScenarioPanel> ui_;
    Waveform* waveform_ = nullptr;
    const InterfaceTexts* texts_ = &BuiltInInterfaceTexts();
    bool filling_ = false;
};

}  // namespace krx
