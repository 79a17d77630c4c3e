#pragma once
// The display routines of the live records: they write decoded values into
// the window's controls, found by their object names under one root widget
// (the main window, or a single panel in tests). A control that is not there
// is skipped, so each page can be built on its own.

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

#include "config/interface_texts.h"
#include "monitor/record_decoders.h"

class QWidget;

namespace krx {

class ControllerDisplay : public QObject {
    Q_OBJECT
public:
    // `setStatusPanel(index, text)` writes one panel of the status bar.
    using StatusPanelWriter = std::function<void(int panel, const QString& text)>;

    // The GSM and arming texts are read from `texts`, the window's
    // catalogue, every time they are shown.
    ControllerDisplay(QWidget* root, StatusPanelWriter setStatusPanel, QObject* parent = nullptr,
                      const InterfaceTexts& texts = BuiltInInterfaceTexts());

    void setLocale(const QLocale& locale) { locale_ = locale; }

    void showIdentification(const IdentValues& ident);
    void showPlaceholderIdentification();
    void showGsmSignal(int level);
    void showGsmState(std::uint8_t code);
    void showArmingMode(std::uint8_t code);
    void showIndicators(std::uint16_t mask);
    void showOutputs(std::uint8_t mask);
    void showBalance(bool valid, float value);
    void showBoardTemperature(std::int8_t value, bool valid);
    void showBatteryCharge(std::uint8_t raw);
    void showMainsVoltage(std::uint8_t raw);
    void showControllerClock(const StatusValues& status);
    void showPcClock(const QDateTime& now);
    void resetGpsPanel();
    // The operation status line `ActionName` of the controller page.
    void showActionName(const QString& text, const QColor& colour);

    // All of the controller page's live values of one status record.
    void showControllerStatus(const StatusValues& status);
    // What the controller page shows after a failed status read.
    void showControllerStatusLost();

    void setStatusPanel(int panel, const QString& text) const;

private:
    template <typename W>
    W* find(const QString& name) const;
    void setText(const QString& name, const QString& text) const;

    QPointer<QWidget> root_;
    StatusPanelWriter setStatusPanel_;
    const InterfaceTexts& texts_;
    QLocale locale_;
};

}  // namespace krx
