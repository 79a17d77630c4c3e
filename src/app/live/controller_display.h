#pragma once
// The display routines of the controller page's live values: they write
// decoded values into the page's own controls, handed over as typed
// pointers. Texts come from the window's catalogue at every use.

#include <QColor>
#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>

#include "config/interface_texts.h"
#include "monitor/record_decoders.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace krx {

struct ControllerWidgets {
    QLabel* deviceName = nullptr;    // iDeviceNameLabel
    QLabel* modification = nullptr;  // iModificationLabel
    QLabel* hardwareVersion = nullptr;
    QLabel* softwareVersion = nullptr;
    QLabel* bootLoaderVersion = nullptr;
    QLabel* productionDate = nullptr;
    QLabel* countryCode = nullptr;
    QLabel* bindingId = nullptr;  // iLabelDevSNLocked
    QLabel* imei = nullptr;
    QLabel* uniqueId = nullptr;  // iLabelDevSN
    QProgressBar* signal = nullptr;
    QLabel* gsmState = nullptr;
    QLabel* armingMode = nullptr;  // PanelArmDisarmStatus
    std::array<QWidget*, 16> indicators{};
    std::array<QWidget*, 7> outputs{};
    QLabel* balance = nullptr;
    QWidget* gpsValid = nullptr;  // PanelValidate
    QLabel* gpsValidText = nullptr;
    std::array<QLabel*, 7> gpsValues{};  // date and time .. satellites used
    QPushButton* showOnMap = nullptr;
    QLabel* actionName = nullptr;
};

class ControllerDisplay {
public:
    ControllerDisplay(const ControllerWidgets& widgets, const InterfaceTexts& texts);

    void setTexts(const InterfaceTexts& texts) { texts_ = &texts; }
    void setLocale(const QLocale& locale) { locale_ = locale; }

    void showIdentification(const IdentValues& ident);
    void showGsmSignal(int level);
    void showGsmState(std::uint8_t code);
    void showArmingMode(std::uint8_t code);
    void showIndicators(std::uint16_t mask);
    void showOutputs(std::uint8_t mask);
    void showBalance(bool valid, float value);
    void resetGpsPanel();
    void showActionName(const QString& text, const QColor& colour);

    // All of the page's live values of one status record.
    void showControllerStatus(const StatusValues& status);
    // What the page shows after a failed status read.
    void showControllerStatusLost();

private:
    ControllerWidgets w_;
    const InterfaceTexts* texts_;
    QLocale locale_;
};

}  // namespace krx
