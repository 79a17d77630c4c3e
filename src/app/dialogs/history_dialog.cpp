#include "app/dialogs/history_dialog.h"

#include <QTreeWidget>

#include "ui_history_dialog.h"

namespace krx {

QString HistoryTimeText(const std::string& time) {
    const QString t = QString::fromStdString(time);
    if (t.size() != 19) return t;
    return t.mid(8, 2) + '.' + t.mid(5, 2) + '.' + t.mid(0, 4) + ' ' + t.mid(11, 2) + ':' + t.mid(14, 2) + ':' +
           t.mid(17, 2);
}

HistoryDialog::HistoryDialog(const std::vector<HistoryEntry>& entries, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::HistoryDialog>()) {
    ui_->setupUi(this);
    QTreeWidgetItem* controller = nullptr;
    for (const HistoryEntry& entry : entries) {
        const QString serial = QString::fromStdString(entry.serial);
        if (!controller || controller->text(0) != serial) {
            controller = new QTreeWidgetItem(ui_->TreeHistory, {serial});
        }
        auto* item = new QTreeWidgetItem(
            controller, {HistoryTimeText(entry.time),
                         entry.kind == HistoryKind::Read ? QStringLiteral("чтение") : QStringLiteral("программирование")});
        item->setData(0, Qt::UserRole, QString::fromStdString(entry.file.string()));
        item->setToolTip(0, QString::fromStdString(entry.file.string()));
    }
    ui_->TreeHistory->expandAll();
    ui_->TreeHistory->resizeColumnToContents(0);
    ui_->LabelHistoryEmpty->setVisible(entries.empty());
    ui_->ButtonHistoryOpen->setEnabled(false);
    ui_->ButtonHistoryCompare->setEnabled(false);
    connect(ui_->TreeHistory, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const bool entry = item && !item->data(0, Qt::UserRole).toString().isEmpty();
        ui_->ButtonHistoryOpen->setEnabled(entry);
        ui_->ButtonHistoryCompare->setEnabled(entry);
    });
    connect(ui_->TreeHistory, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { choose(item); });
    connect(ui_->ButtonHistoryOpen, &QPushButton::clicked, this,
            [this] { choose(ui_->TreeHistory->currentItem()); });
    connect(ui_->ButtonHistoryCompare, &QPushButton::clicked, this,
            [this] { choose(ui_->TreeHistory->currentItem(), true); });
    connect(ui_->ButtonHistoryClose, &QPushButton::clicked, this, &QDialog::reject);
}

HistoryDialog::~HistoryDialog() = default;

void HistoryDialog::choose(QTreeWidgetItem* item, bool compare) {
    const QString file = item ? item->data(0, Qt::UserRole).toString() : QString();
    if (file.isEmpty()) return;
    chosen_ = file;
    compare_ = compare;
    time_ = item->text(0);
    accept();
}

}  // namespace krx
