#pragma once
// The "Питание, температура, индикация, контроль вскрытия" page (section 11,
// `Panel3`): main power and battery messages with the two discharge borders,
// the indication, the board temperature borders with their reactions, and
// the case-opening sensor. The battery charge and mains voltage the monitor
// reads are shown here too. The GPS options of the larger model stay hidden
// but are loaded and stored.

#include <QStringList>
#include <memory>

#include "app/live/live_views.h"
#include "app/live/power_clock_display.h"
#include "app/pages/section_panel.h"
#include "config/power_section.h"

namespace Ui {
class PowerPanel;
}

namespace krx {

class PowerPanel : public SectionPanel, public PowerLiveView {
    Q_OBJECT
public:
    explicit PowerPanel(QWidget* parent = nullptr);
    ~PowerPanel() override;

    void adaptToModel(SectionId section) override;
    // The indicator list offers this model's functions in the catalogue's words.
    void applyTexts(const InterfaceTexts& texts) override;
    void loadSection(SectionId section, const ConfigImage& image) override;
    void storeSection(SectionId section, ConfigImage& image) override;
    QLabel* headerLabel() const override;

    PowerSettings settings() const;
    void showSettings(const PowerSettings& v);

    // PowerLiveView
    void showBatteryCharge(std::uint8_t raw) override;
    void showMainsVoltage(std::uint8_t raw) override;
    void showBoardTemperature(std::int8_t value, bool valid) override;
    void setLocale(const QLocale& locale) { live_->setLocale(locale); }

private:
    // The editing rules of the borders and levels: the edited control's new
    // value goes through the rule, and the page shows the pair it leaves.
    template <typename Rule>
    void applyRule(Rule rule);
    void showBorders(const PowerSettings& v);

    std::unique_ptr<Ui::PowerPanel> ui_;
    QStringList indicatorFunctions_;
    std::unique_ptr<PowerDisplay> live_;
};

}  // namespace krx
