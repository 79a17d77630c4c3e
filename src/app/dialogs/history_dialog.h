#pragma once
// "История конфигураций": the copies kept from every read and programming,
// by controller and time. Choosing one (double click or "Открыть") closes the
// dialog with that file as its answer.

#include <QDialog>
#include <QString>

#include <memory>
#include <vector>

#include "config/config_history.h"

class QTreeWidgetItem;

namespace Ui {
class HistoryDialog;
}

namespace krx {

class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    explicit HistoryDialog(const std::vector<HistoryEntry>& entries, QWidget* parent = nullptr);
    ~HistoryDialog() override;

    // The file chosen, or empty when the dialog was closed without one.
    QString chosenFile() const { return chosen_; }
    // True when the file was chosen to be compared with the editor's
    // configuration ("Сравнить с редактором") rather than opened.
    bool compareChosen() const { return compare_; }
    // The chosen entry's time as its row shows it: "10.12.2026 21:18:05".
    QString chosenTime() const { return time_; }
    // Chooses the entry shown in `item` (a controller's row chooses nothing).
    void choose(QTreeWidgetItem* item, bool compare = false);

private:
    std::unique_ptr<Ui::HistoryDialog> ui_;
    QString chosen_;
    QString time_;
    bool compare_ = false;
};

// "2026-12-10_21-18-05" as "10.12.2026 21:18:05".
QString HistoryTimeText(const std::string& time);

}  // namespace krx
