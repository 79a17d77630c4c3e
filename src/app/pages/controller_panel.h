#pragma once
// The controller page (section 0, `Panel10`): identification, GSM signal and
// state, arming mode, indicators, outputs, balance and the
// operation status line `ActionName`. The page shows the monitor's live
// values through its ControllerLiveView, with the display routines of
// ControllerDisplay on its own controls.

#include <QStringList>
#include <memory>

#include "app/live/controller_display.h"
#include "app/live/live_views.h"
#include "app/pages/section_panel.h"
#include "app/shell/outward_links.h"
#include "device/control_command.h"

class QCheckBox;
class QPushButton;
class QProgressBar;

namespace Ui {
class ControllerPanel;
}

namespace krx {

class ControllerPanel : public SectionPanel, public ControllerLiveView {
    Q_OBJECT
public:
    explicit ControllerPanel(QWidget* parent = nullptr);
    ~ControllerPanel() override;

    void adaptToModel(SectionId section) override;
    QLabel* headerLabel() const override;
    bool keepsSettings() const override { return false; }
    // The page shows the operation's progress and stays as it is, apart
    // from the option box.
    void setEditable(bool editable) override;

    // The test lists take this model's output names and the scenario names
    // ("сценарий 1" .. "сценарий 14" of the output actions).
    void applyTexts(const InterfaceTexts& texts) override;

    // ControllerLiveView
    void showIdentification(const IdentValues& ident) override;
    void showControllerStatus(const StatusValues& status) override;
    void showControllerStatusLost() override;
    void resetGpsPanel() override;
    void showActionName(const QString& text, const QColor& colour) override;
    // Numbers in the format of `locale` (the system's by default).
    void setLocale(const QLocale& locale) { display_->setLocale(locale); }

    // Where the configuration operations report: the visible status line,
    // the progress of area transfers, the hidden label of jobs nobody reads,
    // and the option to clear the mode memory when programming.
    QLabel* actionName() const;
    QProgressBar* progressBar() const;
    QLabel* tmpLabel() const;
    QCheckBox* clearSaveArea() const;

    // The identification as its captions read now.
    IdentificationCaptions identificationCaptions() const;
    // The GPS position the map button shows (this model reports none).
    void setGpsPosition(const GpsPosition& position) { gps_ = position; }

signals:
    // The direct-command buttons, by what they ask for. Outputs by index
    // (0 "Реле 1" .. 6 "Выход 5"), scenarios 1..14, inputs 0..15.
    void outputSwitchRequested(int output, bool on);
    void scenarioRunRequested(int output, int scenario);
    void modeChangeRequested(krx::SecurityMode mode);
    void inputImitationRequested(int input);
    // "Написать в техническую поддержку" and "Показать на карте": the link
    // to hand to the desktop.
    void linkRequested(const QString& link);

private:
    void wireCommandButtons();
    QList<QPushButton*> commandButtons() const;

    std::unique_ptr<Ui::ControllerPanel> ui_;
    std::unique_ptr<ControllerDisplay> display_;
    QStringList outputNames_;
    QStringList scenarioNames_;
    GpsPosition gps_;
};

}  // namespace krx
