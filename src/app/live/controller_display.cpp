#include "app/live/controller_display.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include "app/widgets/widget_colours.h"
#include "monitor/status_display_rules.h"
#include "config/output_name_items.h"

namespace krx {
namespace {

constexpr int kIndicatorCount = 16;

// Progress bars clamp what they are given, as the panel's bars always did.
void SetBar(QProgressBar* bar, int value) {
    if (!bar) return;
    bar->setValue(qBound(bar->minimum(), value, bar->maximum()));
}

void SetEditText(QWidget* w, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
    }
}

}  // namespace

ControllerDisplay::ControllerDisplay(QWidget* root, StatusPanelWriter setStatusPanel,
                                     QObject* parent, const InterfaceTexts& texts)
    : QObject(parent),
      root_(root),
      setStatusPanel_(std::move(setStatusPanel)),
      texts_(texts),
      locale_(QLocale::system()) {}

template <typename W>
W* ControllerDisplay::find(const QString& name) const {
    if (!root_) return nullptr;
    if (root_->objectName() == name) return qobject_cast<W*>(root_.data());
    return root_->findChild<W*>(name);
}

void ControllerDisplay::setText(const QString& name, const QString& text) const {
    if (auto* label = find<QLabel>(name)) label->setText(text);
}

void ControllerDisplay::setStatusPanel(int panel, const QString& text) const {
    if (setStatusPanel_) setStatusPanel_(panel, text);
}

void ControllerDisplay::showIdentification(const IdentValues& ident) {
    setText(QStringLiteral("iDeviceNameLabel"), ident.deviceName);
    setText(QStringLiteral("iModificationLabel"), ident.modification);
    setText(QStringLiteral("iHardVerLabel"), VersionText(ident.hardwareVersion));
    setText(QStringLiteral("iSoftVerLabel"), VersionText(ident.softwareVersion));
    setText(QStringLiteral("iBLLabel"), VersionText(ident.bootLoaderVersion));
    setStatusPanel(2, VersionPanelText(ident));
    setText(QStringLiteral("iDateLabel"), ident.productionDate);
    setText(QStringLiteral("iLabelCountryCode"), ident.countryCode);
    setText(QStringLiteral("iLabelDevSNLocked"), IdentifierText(ident.bindingId, kNoBindingIdText));
    setText(QStringLiteral("iGSMIMEILabel"), ident.imei);
    setText(QStringLiteral("iLabelDevSN"), IdentifierText(ident.uniqueId, kNoUniqueIdText));
}

void ControllerDisplay::showPlaceholderIdentification() {
    showIdentification(PlaceholderIdentValues());
}

void ControllerDisplay::showGsmSignal(int level) {
    SetBar(find<QProgressBar>(QStringLiteral("ProgressBarSignalQuality")), level);
}

void ControllerDisplay::showGsmState(std::uint8_t code) {
    const int index = GsmStateTextIndex(code);
    setText(QStringLiteral("LabelGSMState"), QString::fromStdString(TextAt(texts_.gsmStates, index)));
}

void ControllerDisplay::showArmingMode(std::uint8_t code) {
    auto* panel = find<QLabel>(QStringLiteral("PanelArmDisarmStatus"));
    if (!panel) return;
    const QColor now = BackgroundColour(panel);
    const ArmColour current = now == kColourRed     ? ArmColour::Red
                              : now == kColourAmber ? ArmColour::Amber
                                                    : ArmColour::ButtonFace;
    const ArmPanelLook look = ArmPanelLookFor(code, current);
    panel->setText(QString::fromStdString(TextAt(texts_.armStates, look.textIndex)));
    const QColor colour = look.colour == ArmColour::Red     ? kColourRed
                          : look.colour == ArmColour::Amber ? kColourAmber
                                                            : ButtonFaceColour();
    SetBackgroundColour(panel, colour);
}

void ControllerDisplay::showIndicators(std::uint16_t mask) {
    for (int i = 0; i < kIndicatorCount; ++i) {
        SetBackgroundColour(find<QWidget>(QStringLiteral("PanelLed%1").arg(i + 1)),
                            (mask >> i) & 1 ? kColourLime : kColourGreen);
    }
}

void ControllerDisplay::showOutputs(std::uint8_t mask) {
    for (int i = 0; i < kOutputCount; ++i) {
        SetBackgroundColour(find<QWidget>(QStringLiteral("PanelOut%1").arg(i + 1)),
                            (mask >> i) & 1 ? kColourLime : kColourGreen);
    }
}

void ControllerDisplay::showBalance(bool valid, float value) {
    setText(QStringLiteral("LabelBalans"), BalanceText(valid, value, locale_));
}

void ControllerDisplay::showBoardTemperature(std::int8_t value, bool valid) {
    const TemperatureLook look = TemperatureLookFor(value, valid, locale_);
    setText(QStringLiteral("LabelTemperature"), look.caption);
    if (auto* bar = find<QProgressBar>(QStringLiteral("ProgressBarModemTemperature"))) {
        if (look.barVisible) SetBar(bar, look.bar);
        bar->setVisible(look.barVisible);
    }
    setText(QStringLiteral("LabelTempCurVal"), look.valueText);
}

void ControllerDisplay::showBatteryCharge(std::uint8_t raw) {
    const BatteryLook look = BatteryLookFor(raw);
    setText(QStringLiteral("Label17"), look.percentText);
    SetBar(find<QProgressBar>(QStringLiteral("ProgressBarBatCharge")), look.bar);
    setText(QStringLiteral("LabelBatMsg"), look.message);
}

void ControllerDisplay::showMainsVoltage(std::uint8_t raw) {
    const MainsLook look = MainsLookFor(raw, locale_);
    setText(QStringLiteral("LabelMainPower"), look.text);
    SetBar(find<QProgressBar>(QStringLiteral("ProgressBarMainPower")), look.bar);
}

void ControllerDisplay::showControllerClock(const StatusValues& status) {
    SetEditText(find<QWidget>(QStringLiteral("MaskEditContrCurTime")), ControllerClockText(status));
}

void ControllerDisplay::showPcClock(const QDateTime& now) {
    SetEditText(find<QWidget>(QStringLiteral("MaskEditPCTime")), PcClockText(now));
}

void ControllerDisplay::resetGpsPanel() {
    SetBackgroundColour(find<QWidget>(QStringLiteral("PanelValidate")), ButtonFaceColour());
    setText(QStringLiteral("LabelValidate"), QString());
    for (const char* name : {"LabelDateTime", "LabelLat", "LabelLong", "LabelAltitude",
                             "LabelSpeed", "LabelCourse", "LabelSatellitesUsed"}) {
        setText(QLatin1String(name), QStringLiteral("-"));
    }
    if (auto* button = find<QPushButton>(QStringLiteral("ButtonShowOnMap"))) {
        button->setEnabled(false);
    }
}

void ControllerDisplay::showActionName(const QString& text, const QColor& colour) {
    auto* label = find<QLabel>(QStringLiteral("ActionName"));
    if (!label) return;
    label->setText(text);
    SetTextColour(label, colour);
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
    setText(QStringLiteral("LabelGSMState"), QString());
    showArmingMode(kArmingUnknown);
    showIndicators(0);
    showOutputs(0);
}

}  // namespace krx
