#pragma once
// The three commands of the "Файл" menu: the built-in default configuration,
// opening a configuration file and saving the configuration into one. The
// current file name is this module's only state; the window shows it in
// status bar panel 0.

#include <QObject>
#include <QString>

#include "config/config_image.h"

class QWidget;

namespace krx {

class SectionSwitcher;
class UserDialogs;

class FileCommands : public QObject {
    Q_OBJECT
public:
    static const QString kOpenTitle;      // "Открытие файла конфигурации"
    static const QString kSaveTitle;      // "Сохранение конфигурации"
    static const QString kFilter;         // "Файлы конфигурации (*.cnt)"
    static const QString kSuffix;         // "cnt"
    static const QString kReplaceQuestion;

    // `dialogParent` owns the message boxes; `programDirectory` is where the
    // open dialog starts.
    FileCommands(ConfigImage& image, SectionSwitcher& sections, UserDialogs& dialogs,
                 QWidget* dialogParent, QString programDirectory, QObject* parent = nullptr);

    QString fileName() const { return fileName_; }
    void setFileName(const QString& name);

    // Default body, shown at once; no question is asked.
    void newConfiguration();
    // The result code of the read, or -1 when the dialog was cancelled.
    int openConfiguration();
    // The result code of the write, or -1 when cancelled or not replaced.
    int saveConfiguration();
    // "История конфигураций...": a kept copy chosen from the history and
    // opened, or compared with the editor's configuration; the result code
    // of the read, or -1 when none was chosen.
    int openFromHistory();
    // Opens `file` into the editor as "Открыть" does; its result code.
    int openFile(const QString& file);

signals:
    void fileNameChanged(const QString& name);
    // A kept copy chosen to be compared with the editor's configuration
    // (already stored); `time` is the copy's, as the history shows it.
    void compareWithEditorRequested(const krx::ConfigImage& copy, const QString& time);

private:
    ConfigImage& image_;
    SectionSwitcher& sections_;
    UserDialogs& dialogs_;
    QWidget* dialogParent_;
    QString programDirectory_;
    QString fileName_;
};

}  // namespace krx
