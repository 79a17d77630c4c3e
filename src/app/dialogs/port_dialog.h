#pragma once
// The port selection dialog `TFormCOMPortConfig`. "OK" takes the chosen or
// typed name and keeps the dialog open while that port cannot be opened;
// "Cancel" keeps the last name tried. Whichever way it closes, the port is
// tried once more and left closed, and the link state goes to panel 1.

#include <QDialog>

#include <memory>

namespace Ui {
class PortDialog;
}

namespace krx {

class PortAccess;
class UserDialogs;

class TFormCOMPortConfig : public QDialog {
    Q_OBJECT
public:

    TFormCOMPortConfig(PortAccess& port, UserDialogs& dialogs, const QString& caption,
                       const QString& errorText, QWidget* parent = nullptr);
    ~TFormCOMPortConfig() override;

    void done(int result) override;

signals:
    // The text for status bar panel 1: the port name or "NC".
    void linkStateChanged(const QString& text);

private:
    void tryChosenPort();

    std::unique_ptr<Ui::PortDialog> ui_;
    PortAccess& port_;
    UserDialogs& dialogs_;
    QString errorText_;
};

}  // namespace krx
