#include "app/shell/compare_view.h"

#include "app/dialogs/compare_dialog.h"
#include "app/shell/configurator_window.h"
#include "app/shell/file_commands.h"
#include "app/shell/operation_controller.h"
#include "config/body_description.h"

namespace krx {

CompareView::CompareView(ConfiguratorWindow& window, OperationController& operations)
    : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("CompareView"));
    connect(&operations, &OperationController::controllerDiffers, this, [this](const ConfigImage& controller) {
        show(controller, QString::fromStdString(window_.texts().valueWords.controllerColumn));
    });
    connect(&window.fileCommands(), &FileCommands::compareWithEditorRequested, this,
            [this](const ConfigImage& copy, const QString& time) {
                show(copy, QString::fromStdString(window_.texts().valueWords.copyColumn) + ' ' + time);
            });
}

CompareDialog* CompareView::dialog() const { return dialog_.data(); }

void CompareView::show(const ConfigImage& other, const QString& second) {
    if (dialog_) dialog_->close();
    const InterfaceTexts& texts = window_.texts();
    auto* dialog = new CompareDialog(DiffBodies(window_.image(), other, texts), texts.valueWords, second, &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &CompareDialog::sectionChosen, &window_, &ConfiguratorWindow::selectSection);
    dialog_ = dialog;
    dialog->show();
}

}  // namespace krx
