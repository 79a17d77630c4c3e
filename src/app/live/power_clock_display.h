#pragma once
// The display routines of the power page's battery and mains values and of
// the clock page's two clocks, on typed controls. The pages that own these
// controls implement PowerLiveView and ClockLiveView with them.

#include <QDateTime>
#include <QLocale>

#include <cstdint>

#include "monitor/record_decoders.h"

class QLabel;
class QLineEdit;
class QProgressBar;

namespace krx {

struct PowerWidgets {
    QLabel* batteryPercent = nullptr;  // Label17
    QProgressBar* batteryBar = nullptr;
    QLabel* batteryMessage = nullptr;
    QLabel* mains = nullptr;
    QProgressBar* mainsBar = nullptr;
    QLabel* temperatureCaption = nullptr;  // LabelTemperature
    QProgressBar* temperatureBar = nullptr;
    QLabel* temperatureValue = nullptr;    // LabelTempCurVal
};

class PowerDisplay {
public:
    explicit PowerDisplay(const PowerWidgets& widgets) : w_(widgets), locale_(QLocale::system()) {}
    void setLocale(const QLocale& locale) { locale_ = locale; }
    // The temperature caption in the catalogue's words.
    void setTemperatureCaption(const QString& caption) { temperatureCaption_ = caption; }
    void showBatteryCharge(std::uint8_t raw);
    void showMainsVoltage(std::uint8_t raw);
    void showBoardTemperature(std::int8_t value, bool valid);

private:
    PowerWidgets w_;
    QLocale locale_;
    QString temperatureCaption_;
};

struct ClockWidgets {
    QLineEdit* pcTime = nullptr;          // MaskEditPCTime
    QLineEdit* controllerTime = nullptr;  // MaskEditContrCurTime
};

class ClockDisplay {
public:
    explicit ClockDisplay(const ClockWidgets& widgets) : w_(widgets) {}
    void showPcClock(const QDateTime& now);
    void showControllerClock(const StatusValues& status);

private:
    ClockWidgets w_;
};

}  // namespace krx
