#pragma once
// The output page (sections 19..22, `Panel9`): one page for relay 1, relay 2,
// output 1 and output 2. The output's names and states, how it is switched
// remotely, and, read-only, everything in the configuration that drives it,
// rebuilt from the image every time the page is loaded.

#include <memory>

#include "app/pages/section_panel.h"
#include "config/output_section.h"

namespace Ui {
class OutputPanel;
}

namespace krx {

class OutputPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit OutputPanel(QWidget* parent = nullptr);
    ~OutputPanel() override;

    void adaptToModel(SectionId section) override;
    void loadSection(SectionId section, const ConfigImage& image) override;
    void storeSection(SectionId section, ConfigImage& image) override;
    void applyTexts(const InterfaceTexts& texts) override;
    QLabel* headerLabel() const override;

    OutputSettings settings() const;
    void showSettings(const OutputSettings& v);

private:
    // Output 1..7 of the image (relay 1, relay 2, output 1..5) for a section.
    static int OutputOf(SectionId section) { return section.record() + 1; }
    void showSources(int output, const ConfigImage& image);

    std::unique_ptr<Ui::OutputPanel> ui_;
    const InterfaceTexts* texts_ = &BuiltInInterfaceTexts();
};

}  // namespace krx
