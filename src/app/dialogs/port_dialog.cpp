#include "app/dialogs/port_dialog.h"

#include "app/shell/port_access.h"
#include "app/shell/user_dialogs.h"
#include "ui_port_dialog.h"

namespace krx {


TFormCOMPortConfig::TFormCOMPortConfig(PortAccess& port, UserDialogs& dialogs,
                                       const QString& caption, const QString& errorText,
                                       QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::PortDialog>()),
      port_(port),
      dialogs_(dialogs),
      errorText_(errorText) {
    ui_->setupUi(this);
    setWindowTitle(caption);
    ui_->ComComboBox1->addItems(port_.availablePorts());
    ui_->ComComboBox1->setCurrentText(port_.portName());
    connect(ui_->ButtonOK, &QPushButton::clicked, this, &TFormCOMPortConfig::tryChosenPort);
    connect(ui_->ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFormCOMPortConfig::~TFormCOMPortConfig() = default;

void TFormCOMPortConfig::tryChosenPort() {
    port_.setPortName(ui_->ComComboBox1->currentText().trimmed());
    QString reason;
    if (!port_.open(&reason)) {
        dialogs_.warn(this, windowTitle(), errorText_, reason);
    }
    if (!port_.isOpen()) {
        emit linkStateChanged(kLinkDownText);
        return;
    }
    port_.close();
    emit linkStateChanged(port_.portName());
    accept();
}

void TFormCOMPortConfig::done(int result) {
    emit linkStateChanged(ProbePort(port_));
    QDialog::done(result);
}

}  // namespace krx
