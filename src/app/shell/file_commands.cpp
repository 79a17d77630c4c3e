#include "app/shell/file_commands.h"

#include "app/dialogs/history_dialog.h"
#include "config/config_history.h"

#include <QFile>
#include <QFileInfo>

#include "app/shell/section_switcher.h"
#include "app/shell/user_dialogs.h"
#include "config/config_file.h"
#include "config/default_image.h"
#include "app/widgets/list_binding.h"

namespace krx {

const QString FileCommands::kOpenTitle = QStringLiteral("Открытие файла конфигурации");
const QString FileCommands::kSaveTitle = QStringLiteral("Сохранение конфигурации");
const QString FileCommands::kFilter = QStringLiteral("Файлы конфигурации (*.cnt)");
const QString FileCommands::kSuffix = QStringLiteral("cnt");
const QString FileCommands::kReplaceQuestion = QStringLiteral("Файл уже существует, заменить?");

namespace {

std::string NativePath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

}  // namespace

FileCommands::FileCommands(ConfigImage& image, SectionSwitcher& sections, UserDialogs& dialogs,
                           QWidget* dialogParent, QString programDirectory, QObject* parent)
    : QObject(parent),
      image_(image),
      sections_(sections),
      dialogs_(dialogs),
      dialogParent_(dialogParent),
      programDirectory_(std::move(programDirectory)),
      fileName_(FromUtf8(kWorkingFileName)) {}

void FileCommands::setFileName(const QString& name) {
    if (name == fileName_) return;
    fileName_ = name;
    emit fileNameChanged(fileName_);
}

void FileCommands::newConfiguration() {
    ApplyDefaultBody(image_);
    sections_.loadCurrent();
    setFileName(FromUtf8(kWorkingFileName));
}

int FileCommands::openConfiguration() {
    const FileDialogSetup setup{kOpenTitle, kFilter, kSuffix, programDirectory_, {}};
    const QString chosen = dialogs_.chooseFileToOpen(dialogParent_, setup);
    if (chosen.isEmpty()) return -1;
    return openFile(chosen);
}

int FileCommands::openFile(const QString& file) {
    // The shown section is not stored first: opening replaces its edits.
    const int result = ReadConfigFile(image_, NativePath(file));
    if (result != kConfigFileOk) {
        dialogs_.warn(dialogParent_, kOpenTitle, FromUtf8(OpenResultMessage(result)));
        return result;
    }
    sections_.loadCurrent();
    setFileName(file);
    return result;
}

int FileCommands::openFromHistory() {
    HistoryDialog dialog(ListHistory(std::filesystem::path(NativePath(programDirectory_))), dialogParent_);
    dialogs_.runModal(dialog);
    if (dialog.chosenFile().isEmpty()) return -1;
    if (!dialog.compareChosen()) return openFile(dialog.chosenFile());
    ConfigImage copy;
    const int result = ReadConfigFile(copy, NativePath(dialog.chosenFile()));
    if (result != kConfigFileOk) {
        dialogs_.warn(dialogParent_, kOpenTitle, FromUtf8(OpenResultMessage(result)));
        return result;
    }
    // The editor's configuration complete, as for every comparison.
    sections_.storeCurrent();
    sections_.loadCurrent();
    emit compareWithEditorRequested(copy, dialog.chosenTime());
    return result;
}

int FileCommands::saveConfiguration() {
    // Complete the image and show the normalised values before anything is
    // written.
    sections_.storeCurrent();
    sections_.loadCurrent();

    const FileDialogSetup setup{kSaveTitle, kFilter, kSuffix, programDirectory_, fileName_};
    const QString chosen = dialogs_.chooseFileToSave(dialogParent_, setup);
    if (chosen.isEmpty()) return -1;
    if (QFileInfo::exists(chosen) &&
        !dialogs_.askYesNo(dialogParent_, kSaveTitle, kReplaceQuestion)) {
        return -1;
    }
    const int result = WriteConfigFile(image_, NativePath(chosen));
    if (result != kConfigFileOk) {
        dialogs_.warn(dialogParent_, kSaveTitle, FromUtf8(kSaveFailedMessage));
        return result;
    }
    setFileName(chosen);
    return result;
}

}  // namespace krx
