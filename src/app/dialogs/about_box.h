#pragma once
// The about box `TAboutBox`: the window's caption, the supported controller
// version, the program's version and the maker's links.

#include <QDialog>
#include <memory>

class QLabel;

namespace Ui {
class AboutBox;
}

namespace krx {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    // `caption` and `forVersion` are the window's about texts ("О программе",
    // "для версии устройства"); `windowCaption` is the main window's caption.
    AboutBox(const QString& caption, const QString& forVersion, const QString& windowCaption,
             QWidget* parent = nullptr);
    ~AboutBox() override;

    QLabel* label(int number) const;

signals:
    // The web site or the support mailbox was clicked.
    void linkRequested(const QString& link);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::AboutBox> ui_;
};

}  // namespace krx
