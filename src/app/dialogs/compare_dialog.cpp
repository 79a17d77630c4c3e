#include "app/dialogs/compare_dialog.h"

#include <QTreeWidget>

#include "ui_compare_dialog.h"

namespace krx {

namespace {

QString Utf8(const std::string& s) { return QString::fromStdString(s); }

QString HexByte(std::uint8_t b) { return QString::asprintf("%02X", b); }

}  // namespace

CompareDialog::CompareDialog(const BodyDifferences& differences, const SettingValueWords& words,
                             const QString& second, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CompareDialog>()) {
    ui_->setupUi(this);
    QTreeWidget* tree = ui_->TreeCompare;
    tree->headerItem()->setText(3, second);
    for (const SettingDifference& d : differences.settings) {
        auto* item = new QTreeWidgetItem(
            tree, {Utf8(d.part), Utf8(d.name), Utf8(ValueInWords(d.a, words)), Utf8(ValueInWords(d.b, words))});
        item->setData(0, Qt::UserRole, d.section.index());
    }
    for (const ByteDifference& b : differences.bytes) {
        auto* item = new QTreeWidgetItem(tree, {Utf8(words.noSetting), Utf8(words.byte) + ' ' + QString::number(b.offset),
                                                HexByte(b.a), HexByte(b.b)});
        item->setData(0, Qt::UserRole, -1);
    }
    for (int c = 0; c < tree->columnCount(); ++c) tree->resizeColumnToContents(c);
    if (differences.empty()) ui_->LabelCompareSummary->setText(Utf8(words.noDifferences));
    connect(tree, &QTreeWidget::itemDoubleClicked, this, &CompareDialog::choose);
    connect(ui_->ButtonCompareClose, &QPushButton::clicked, this, &QDialog::close);
}

CompareDialog::~CompareDialog() = default;

void CompareDialog::choose(QTreeWidgetItem* item) {
    const SectionId section = item ? SectionId::FromIndex(item->data(0, Qt::UserRole).toInt()) : SectionId();
    if (section.isValid()) emit sectionChosen(section);
}

}  // namespace krx
