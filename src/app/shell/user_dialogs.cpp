#include "app/shell/user_dialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace krx {

void UserDialogs::warn(QWidget* parent, const QString& title, const QString& text,
                       const QString& details) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    if (!details.isEmpty()) box.setDetailedText(details);
    box.exec();
}

bool UserDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

namespace {

QString RunFileDialog(QWidget* parent, const FileDialogSetup& setup, bool save) {
    QFileDialog dialog(parent, setup.title, setup.directory, setup.filter);
    dialog.setDefaultSuffix(setup.defaultSuffix);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The replace question is the command's own.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!setup.fileName.isEmpty()) dialog.selectFile(setup.fileName);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString UserDialogs::chooseFileToOpen(QWidget* parent, const FileDialogSetup& setup) {
    return RunFileDialog(parent, setup, false);
}

QString UserDialogs::chooseFileToSave(QWidget* parent, const FileDialogSetup& setup) {
    return RunFileDialog(parent, setup, true);
}

void UserDialogs::openLink(const QString& link) {
    QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
}

void UserDialogs::runModal(QDialog& dialog) {
    dialog.exec();
}

}  // namespace krx
