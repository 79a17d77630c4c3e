#pragma once
// Stand-ins for the user and the serial port, so window tests run offscreen
// without modal loops or hardware.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

#include "app/shell/port_access.h"
#include "app/shell/user_dialogs.h"

namespace krx::test {

struct ShownMessage {
    QString title;
    QString text;
    QString details;
    bool question = false;
};

// Answers every dialog from preset replies and records what was shown.
class FakeDialogs : public UserDialogs {
public:
    void warn(QWidget*, const QString& title, const QString& text,
              const QString& details) override {
        shown.push_back({title, text, details, false});
    }
    bool askYesNo(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({title, text, {}, true});
        return answerYes;
    }
    QString chooseFileToOpen(QWidget*, const FileDialogSetup& setup) override {
        lastSetup = setup;
        ++fileDialogs;
        return fileToChoose;
    }
    QString chooseFileToSave(QWidget*, const FileDialogSetup& setup) override {
        lastSetup = setup;
        ++fileDialogs;
        return fileToChoose;
    }

    void openLink(const QString& link) override { links << link; }
    void runModal(QDialog& dialog) override {
        ++modals;
        if (onModal) onModal(dialog);
    }

    std::vector<ShownMessage> shown;
    QStringList links;  // what was handed to the desktop, in order
    int modals = 0;
    std::function<void(QDialog&)> onModal;  // looks at a modal dialog while it is up
    std::optional<FileDialogSetup> lastSetup;
    int fileDialogs = 0;
    QString fileToChoose;  // empty: the user cancels
    bool answerYes = true;
};

// A port that opens exactly when its name is in `openable`.
class FakePort : public PortAccess {
public:
    explicit FakePort(QStringList openableNames = {}, QStringList present = {})
        : openable(std::move(openableNames)), ports(std::move(present)) {}

    QString portName() const override { return name; }
    void setPortName(const QString& n) override { name = n; }
    bool open(QString* reason) override {
        ++opens;
        open_ = openable.contains(name);
        if (!open_ && reason) *reason = failureReason;
        return open_;
    }
    bool isOpen() const override { return open_; }
    void close() override { open_ = false; }
    QStringList availablePorts() const override { return ports; }

    QString name = kDefaultPortName;
    QStringList openable;
    QStringList ports;
    QString failureReason = QStringLiteral("Permission denied");
    int opens = 0;

private:
    bool open_ = false;
};

}  // namespace krx::test
