#include "app/dialogs/calibration_dialog.h"

#include "monitor/input_level_rules.h"
#include "ui_calibration_dialog.h"

namespace krx {

CalibrationDialog::CalibrationDialog(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CalibrationDialog>()) {
    ui_->setupUi(this);
    connect(ui_->ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in the edit confirms, as the default button does.
    connect(ui_->MaskEditNeedVal, &QLineEdit::returnPressed, this, &QDialog::accept);
    ui_->MaskEditNeedVal->setFocus();
    ui_->MaskEditNeedVal->selectAll();
}

CalibrationDialog::~CalibrationDialog() = default;

double CalibrationDialog::wantedValue() const { return ReadScaleNumber(ui_->MaskEditNeedVal->text()); }

std::optional<double> CalibrationDialog::AskWantedValue(QWidget* parent) {
    CalibrationDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.wantedValue();
}

}  // namespace krx
