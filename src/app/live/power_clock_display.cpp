#include "app/live/power_clock_display.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "monitor/status_display_rules.h"

namespace krx {
namespace {

void SetBar(QProgressBar* bar, int value) {
    if (!bar) return;
    bar->setValue(qBound(bar->minimum(), value, bar->maximum()));
}

void SetText(QLabel* label, const QString& text) {
    if (label) label->setText(text);
}

}  // namespace

void PowerDisplay::showBatteryCharge(std::uint8_t raw) {
    const BatteryLook look = BatteryLookFor(raw);
    SetText(w_.batteryPercent, look.percentText);
    SetBar(w_.batteryBar, look.bar);
    SetText(w_.batteryMessage, look.message);
}

void PowerDisplay::showMainsVoltage(std::uint8_t raw) {
    const MainsLook look = MainsLookFor(raw, locale_);
    SetText(w_.mains, look.text);
    SetBar(w_.mainsBar, look.bar);
}

void ClockDisplay::showPcClock(const QDateTime& now) {
    if (w_.pcTime) w_.pcTime->setText(PcClockText(now));
}

void ClockDisplay::showControllerClock(const StatusValues& status) {
    if (w_.controllerTime) w_.controllerTime->setText(ControllerClockText(status));
}

}  // namespace krx
