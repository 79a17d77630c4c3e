#pragma once
// The modal questions and file choosers the window puts to the user. Every
// command goes through this interface so that tests can answer in place of
// the user without a modal loop.

#include <QString>

class QDialog;
class QWidget;

namespace krx {

struct FileDialogSetup {
    QString title;
    QString filter;         // e.g. "Файлы конфигурации (*.cnt)"
    QString defaultSuffix;  // e.g. "cnt"
    QString directory;      // where the dialog starts
    QString fileName;       // preset file name, may be empty
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A message with a warning icon and an OK button. `details` (the
    // system's own reason, when there is one) goes into the expandable part.
    virtual void warn(QWidget* parent, const QString& title, const QString& text,
                      const QString& details = {});
    // A question with a warning icon and Yes/No buttons; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text);
    // An existing file to open; empty when cancelled.
    virtual QString chooseFileToOpen(QWidget* parent, const FileDialogSetup& setup);
    // A file to save into; the caller asks before replacing one. Empty when
    // cancelled.
    virtual QString chooseFileToSave(QWidget* parent, const FileDialogSetup& setup);
    // Hands a link (mailto:, http:) to the desktop's open handler; its
    // outcome is not reported.
    virtual void openLink(const QString& link);
    // Shows a dialog modally until it is closed.
    virtual void runModal(QDialog& dialog);
};

}  // namespace krx
