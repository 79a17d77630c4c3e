#pragma once
// The calibration dialog of analogue inputs (`TFormCalibration`): asks for
// the value the live input should read. A new dialog is made for every use.

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class CalibrationDialog;
}

namespace krx {

class CalibrationDialog : public QDialog {
    Q_OBJECT
public:
    explicit CalibrationDialog(QWidget* parent = nullptr);
    ~CalibrationDialog() override;

    // The typed value: "," reads as ".", the leading number counts, no
    // number reads as 0.
    double wantedValue() const;

    // Runs the dialog modally; the wanted value on OK, nothing on Cancel.
    static std::optional<double> AskWantedValue(QWidget* parent);

private:
    std::unique_ptr<Ui::CalibrationDialog> ui_;
};

}  // namespace krx
