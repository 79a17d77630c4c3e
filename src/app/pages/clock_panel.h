#pragma once
// The "Часы, планировщик задач" page (section 10, `Panel2`): the controller
// clock beside the computer's, the time zone and summer time, what the info
// message reports, and the eight scheduler tasks in the grid `StringGrid3`.
// The monitor shows both clocks here; while the controller-time field is
// being typed in, it leaves that field alone.

#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "app/live/live_views.h"
#include "app/live/power_clock_display.h"
#include "app/pages/section_panel.h"
#include "config/clock_section.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Ui {
class ClockPanel;
}

namespace krx {

class ClockPanel : public SectionPanel, public ClockLiveView {
    Q_OBJECT
public:
    explicit ClockPanel(QWidget* parent = nullptr);
    ~ClockPanel() override;

    void adaptToModel(SectionId section) override;
    void loadSection(SectionId section, const ConfigImage& image) override;
    void storeSection(SectionId section, ConfigImage& image) override;
    QLabel* headerLabel() const override;

    ClockSettings settings() const;
    void showSettings(const ClockSettings& v);

    // The controller time typed into `MaskEditContrCurTime`, as it was when
    // the field last lost the focus ("Установить" sends it).
    QString pendingControllerTime() const { return pendingControllerTime_; }
    // After the time was set, or refused by its check.
    void clearPendingControllerTime() { pendingControllerTime_.clear(); }
    // The computer's time as the page shows it ("dd.mm.yy hh:mm:ss").
    QString pcTimeText() const;

    // ClockLiveView
    void showPcClock(const QDateTime& now) override;
    void showControllerClock(const StatusValues& status) override;
    void watchControllerTimeEditing(std::function<void(bool editing)> changed) override;

signals:
    // "Синхро.": set the controller's clock to the computer's time.
    void clockSyncRequested();
    // "Установить", on the press of the mouse button: by then the
    // controller-time field has lost the focus and handed over its text.
    void clockSetRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of one scheduler row.
    struct TaskRow {
        QCheckBox* enabled = nullptr;
        QLineEdit* time = nullptr;
        std::array<QCheckBox*, 7> days{};
        QCheckBox* test = nullptr;
        QCheckBox* info = nullptr;
        QComboBox* action = nullptr;
        QComboBox* extra = nullptr;
    };
    void buildSchedulerGrid();
    SchedulerRow taskRow(int row) const;
    void showTaskRow(int row, const SchedulerRow& task);
    void onActionChosen(int row);

    std::unique_ptr<Ui::ClockPanel> ui_;
    std::unique_ptr<ClockDisplay> clocks_;
    std::array<TaskRow, scheduler_layout::kTaskCount> rows_{};
    std::array<QCheckBox*, kInfoInputBoxes> infoIn_{};
    std::array<QCheckBox*, kInfoOutputBoxes> infoR_{};
    std::function<void(bool)> timeEditing_;
    QString pendingControllerTime_;
};

}  // namespace krx
