#include "app/live/controller_display.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include "app/widgets/widget_colours.h"
#include "app/widgets/widget_values.h"
#include "monitor/status_display_rules.h"

namespace krx {
ControllerDisplay::ControllerDisplay(const ControllerWidgets& widgets, const InterfaceTexts& texts)
    : w_(widgets), texts_(&texts), locale_(QLocale::system()) {}

void ControllerDisplay::showIdentification(const IdentValues& ident) {
    SetLabelText(w_.deviceName, ident.deviceName);
    SetLabelText(w_.modification, ident.modification);
    SetLabelText(w_.hardwareVersion, VersionText(ident.hardwareVersion));
    SetLabelText(w_.softwareVersion, VersionText(ident.softwareVersion));
    SetLabelText(w_.bootLoaderVersion, VersionText(ident.bootLoaderVersion));
    SetLabelText(w_.productionDate, ident.productionDate);
    SetLabelText(w_.countryCode, ident.countryCode);
    SetLabelText(w_.bindingId, IdentifierText(ident.bindingId, kNoBindingIdText));
    SetLabelText(w_.imei, ident.imei);
    SetLabelText(w_.uniqueId, IdentifierText(ident.uniqueId, kNoUniqueIdText));
}

void ControllerDisplay::showGsmSignal(int level) { SetClampedValue(w_.signal, level); }

void ControllerDisplay::showGsmState(std::uint8_t code) {
    SetLabelText(w_.gsmState, QString::fromStdString(TextAt(texts_->gsmStates, GsmStateTextIndex(code))));
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
    SetLabelText(w_.balance, BalanceText(valid, value, locale_));
}

void ControllerDisplay::resetGpsPanel() {
    SetBackgroundColour(w_.gpsValid, ButtonFaceColour());
    SetLabelText(w_.gpsValidText, QString());
    for (QLabel* value : w_.gpsValues) SetLabelText(value, QStringLiteral("-"));
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
}

void ControllerDisplay::showControllerStatusLost() {
    showGsmSignal(0);
    SetLabelText(w_.gsmState, QString());
    showArmingMode(kArmingUnknown);
    showIndicators(0);
    showOutputs(0);
}

}  // namespace krx
