#pragma once
// The "Системные параметры" page (section 29, `Panel11`): the per-device
// values of the configuration's tail (clock calibration, battery type, two
// options), read from and programmed into the controller with the page's own
// buttons, message line and progress bar. A warning panel covers the fields
// until "Разрешить редактирование" is pressed. While the page is shown the
// window's configuration commands are disabled.

#include <QColor>

#include <memory>

#include "app/pages/section_panel.h"
#include "config/system_parameters_section.h"

class QLabel;
class QProgressBar;

namespace Ui {
class SystemParametersPanel;
}

namespace krx {

class SystemParametersPanel : public SectionPanel {
    Q_OBJECT
public:
    explicit SystemParametersPanel(QWidget* parent = nullptr);
    ~SystemParametersPanel() override;

    void loadSection(SectionId section, const ConfigImage& image) override;
    void storeSection(SectionId section, ConfigImage& image) override;
    QLabel* headerLabel() const override;
    bool allowsControllerActions() const override { return false; }

    SystemParameters settings() const;
    void showSettings(const SystemParameters& v);

    // Where the page's two operations report.
    QLabel* messageLine() const;
    QProgressBar* progressBar() const;
    // "Программировать" becomes available after the first successful read
    // and stays so.
    void allowProgramming();

signals:
    void readRequested();
    void programRequested();

private:
    std::unique_ptr<Ui::SystemParametersPanel> ui_;
};

}  // namespace krx
