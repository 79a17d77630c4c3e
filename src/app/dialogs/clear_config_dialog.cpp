#include "app/dialogs/clear_config_dialog.h"

#include <QPushButton>

#include "ui_clear_config_dialog.h"

namespace krx {

ClearConfigDialog::ClearConfigDialog(std::function<bool()> controllerLost, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::ClearConfigDialog>()),
      controllerLost_(std::move(controllerLost)) {
    ui_->setupUi(this);
    // The reset may only end by the countdown or by "Отмена": no close icon.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    ui_->ProgressBarCountDown->setValue(kCountDownSeconds);
    ui_->ProgressBarCountDown->setMaximum(ui_->ProgressBarCountDown->value());
    showRemaining();
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &ClearConfigDialog::tick);
    connect(ui_->ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

ClearConfigDialog::~ClearConfigDialog() = default;

int ClearConfigDialog::remainingSeconds() const { return ui_->ProgressBarCountDown->value(); }

QString ClearConfigDialog::remainingText() const { return ui_->LabelCountDoenSec->text(); }

void ClearConfigDialog::showRemaining() {
    ui_->LabelCountDoenSec->setText(QString::number(remainingSeconds()) +
                                    QStringLiteral(" Сек."));
}

void ClearConfigDialog::tick() {
    if (controllerLost_ && controllerLost_()) {
        // The connection must hold for the whole countdown; once it breaks the
        // reset has to start again. The second is still counted.
        reject();
    }
    if (remainingSeconds() > 0) {
        ui_->ProgressBarCountDown->setValue(remainingSeconds() - 1);
        showRemaining();
    } else {
        completed_ = true;
        accept();
    }
}

void ClearConfigDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    timer_.start();
}

void ClearConfigDialog::done(int result) {
    timer_.stop();
    QDialog::done(result);
}

bool ClearConfigDialog::RunCountDown(std::function<bool()> controllerLost, QWidget* parent) {
    ClearConfigDialog dialog(std::move(controllerLost), parent);
    dialog.exec();
    return dialog.completed();
}

}  // namespace krx
