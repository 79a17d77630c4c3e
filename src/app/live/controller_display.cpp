#include "app/live/controller_display.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include "app/widgets/widget_colours.h"
#include "monitor/status_display_rules.h"

namespace krx {
namespace {

// Progress bars clamp what they are given, as the panel's bars always did.
void SetBar(QProgressBar* bar, int value) {
    if (!bar) return;
    bar->setValue(qBound(bar->minimum(), value, bar->maximum()));
}

void SetText(QLabel* label, const QString& text) {
    if (label) label->setText(text);
}

}  // namespace

ControllerDisplay::ControllerDisplay(const ControllerWidgets& widgets, const InterfaceTexts& texts)
    : w_(widgets), texts_(&texts), locale_(QLocale::system()) {}

void ControllerDisplay::showIdentification(const IdentValues& ident) {
    SetText(w_.deviceName, ident.deviceName);
    SetText(w_.modification, ident.modification);
    SetText(w_.hardwareVersion, VersionText(ident.hardwareVersion));
    SetText(w_.softwareVersion, VersionText(ident.softwareVersion));
    SetText(w_.bootLoaderVersion, VersionText(ident.bootLoaderVersion));
    SetText(w_.productionDate, ident.productionDate);
    SetText(w_.countryCode, ident.countryCode);
    SetText(w_.bindingId, IdentifierText(ident.bindingId, kNoBindingIdText));
    SetText(w_.imei, ident.imei);
    SetText(w_.uniqueId, IdentifierText(ident.uniqueId, kNoUniqueIdText));
}

void ControllerDisplay::showGsmSignal(int level) { SetBar(w_.signal, level); }

void ControllerDisplay::showGsmState(std::uint8_t code) {
    SetText(w_.gsmState, QString::fromStdString(TextAt(texts_->gsmStates, GsmStateTextIndex(code))));
}

void ControllerDisplay::showArmingMode(std::uint8_t code) {
    QLabel* panel = w_.armingMode;
    if (!panel) return;
    const QColor now = BackgroundColour(panel);
    const ArmColour current = now == kColourRed     ? ArmColour::Red
                              : now == kColourAmber ? ArmColour::Amber
                                                    : ArmColour::ButtonFace;
    const ArmPanelLook look = ArmPanelLookFor(code, current);
    panel->setText(QString::fromStdString(TextAt(texts_->armStates, look.textIndex)));
    const QColor colour = look.colour == ArmColour::Red     ? kColourRed
                          : look.colour == ArmColour::Amber ? kColourAmber
                                                            : ButtonFaceColour();
    SetBackgroundColour(panel, colour);
}

void ControllerDisplay::showIndicators(std::uint16_t mask) {
    for (std::size_t i = 0; i < w_.indicators.size(); ++i) {
        SetBackgroundColour(w_.indicators[i], (mask >> i) & 1 ? kColourLime : kColourGreen);
    }
}

void ControllerDisplay::showOutputs(std::uint8_t mask) {
    for (std::size_t i = 0; i < w_.outputs.size(); ++i) {
        SetBackgroundColour(w_.outputs[i], (mask >> i) & 1 ? kColourLime : kColourGreen);
    }
}

void ControllerDisplay::showBalance(bool valid, float value) {
    SetText(w_.balance, BalanceText(valid, value, locale_));
}

void ControllerDisplay::showBoardTemperature(std::int8_t value, bool valid) {
    const TemperatureLook look = TemperatureLookFor(value, valid, locale_);
    SetText(w_.temperatureCaption, look.caption);
    if (QProgressBar* bar = w_.temperatureBar) {
        if (look.barVisible) SetBar(bar, look.bar);
        bar->setVisible(look.barVisible);
    }
    SetText(w_.temperatureValue, look.valueText);
}

void ControllerDisplay::resetGpsPanel() {
    SetBackgroundColour(w_.gpsValid, ButtonFaceColour());
    SetText(w_.gpsValidText, QString());
    for (QLabel* value : w_.gpsValues) SetText(value, QStringLiteral("-"));
    if (w_.showOnMap) w_.showOnMap->setEnabled(false);
}

void ControllerDisplay::showActionName(const QString& text, const QColor& colour) {
    if (!w_.actionName) return;
    w_.actionName->setText(text);
    SetTextColour(w_.actionName, colour);
}

void ControllerDisplay::showControllerStatus(const StatusValues& s) {
    showGsmSignal(s.gsmSignal);
    showGsmState(s.gsmState);
    showArmingMode(s.armingMode);
    showIndicators(s.indicators);
    showOutputs(s.outputs);
    showBalance(s.balanceValid, s.balance);
    showBoardTemperature(s.boardTemperature, s.temperatureValid);
}

void ControllerDisplay::showControllerStatusLost() {
    showGsmSignal(0);
    SetText(w_.gsmState, QString());
    showArmingMode(kArmingUnknown);
    showIndicators(0);
    showOutputs(0);
}

}  // namespace krx
