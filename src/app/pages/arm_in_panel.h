#pragma once
// The "Вход [Arm In]" page (section 12, `PanelArmIn`): the arming delay and
// mode, what the outputs and profiles do on each mode change, and the
// TouchMemory key table `StringGrid1`, into which the monitor enters the
// keys touched to the controller's reader.

#include <QString>

#include <array>
#include <memory>

#include "app/live/live_views.h"
#include "app/pages/section_panel.h"
#include "config/armin_section.h"

class QComboBox;
class QCheckBox;

namespace Ui {
class ArmInPanel;
}

namespace krx {

class KeyGrid;
class MonitorHost;
struct KeyCodeValues;

class ArmInPanel : public SectionPanel, public ArmInLiveView {
    Q_OBJECT
public:
    explicit ArmInPanel(QWidget* parent = nullptr);
    ~ArmInPanel() override;

    void adaptToModel(SectionId section) override;
    void loadSection(SectionId section, const ConfigImage& image) override;
    void storeSection(SectionId section, ConfigImage& image) override;
    QLabel* headerLabel() const override;

    // Editor values <-> the section's settings.
    ArmInSettings settings() const;
    void showSettings(const ArmInSettings& v);

    KeyGrid* keyGrid() const;
    QString description() const;

    // The key table's description texts come from the catalogue.
    void applyTexts(const InterfaceTexts& texts) override;

    // What the monitor reports while this section is shown.
    void armInCycleStarted() override;
    void keyPasswordRefused(const QString& text) override;
    void keyRead(const KeyCodeValues& key) override;
    // Enters a touched key (16 upper-case hexadecimal digits) into the grid.
    void addTouchedKey(const QString& code);


private:
    TouchKeyTable keyRows() const;
    void showKeyRows(const TouchKeyTable& rows);
    void moveKeyRow(int from, int to);
    void setHeaderAlarm(bool on);

    std::unique_ptr<Ui::ArmInPanel> ui_;
    // ComboBox<Event>Rele1 .. 7 and the profile list of each event.
    std::array<std::array<QComboBox*, kReactionListLength>, 4> reactions_{};
    std::array<std::array<QLabel*, kReactionListLength>, 4> reactionLabels_{};
    std::array<QComboBox*, 4> profiles_{};
    std::array<QCheckBox*, kRestrArmModeInputs> restrArmMode_{};
    KeyTableMessages keyMessages_ = BuiltInInterfaceTexts().keyTable;
};

}  // namespace krx
