#include "app/live/power_clock_display.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "app/widgets/widget_values.h"
#include "monitor/status_display_rules.h"

namespace krx {
void PowerDisplay::showBatteryCharge(std::uint8_t raw) {
    const BatteryLook look = BatteryLookFor(raw);
    SetLabelText(w_.batteryPercent, look.percentText);
    SetClampedValue(w_.batteryBar, look.bar);
    SetLabelText(w_.batteryMessage, look.message);
}

void PowerDisplay::showMainsVoltage(std::uint8_t raw) {
    const MainsLook look = MainsLookFor(raw, locale_);
    SetLabelText(w_.mains, look.text);
    SetClampedValue(w_.mainsBar, look.bar);
}

void PowerDisplay::showBoardTemperature(std::int8_t value, bool valid) {
    const TemperatureLook look = TemperatureLookFor(value, valid, locale_, temperatureCaption_);
    SetLabelText(w_.temperatureCaption, look.caption);
    if (QProgressBar* bar = w_.temperatureBar) {
        if (look.barVisible) SetClampedValue(bar, look.bar);
        bar->setVisible(look.barVisible);
    }
    SetLabelText(w_.temperatureValue, look.valueText);
}

void ClockDisplay::showPcClock(const QDateTime& now) {
    if (w_.pcTime) w_.pcTime->setText(PcClockText(now));
}

void ClockDisplay::showControllerClock(const StatusValues& status) {
    if (w_.controllerTime) w_.controllerTime->setText(ControllerClockText(status));
}

}  // namespace krx
