#include "app/widgets/key_grid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QValidator>

namespace krx {
namespace {

constexpr int kMaxCellLength = 16;

// Letters and digits only; optionally turned to upper case as they come.
class KeyCellValidator : public QValidator {
public:
    KeyCellValidator(bool upperCase, QObject* parent) : QValidator(parent), upper_(upperCase) {}

    State validate(QString& input, int& pos) const override {
        Q_UNUSED(pos);
        if (upper_) input = input.toUpper();
        if (input.size() > kMaxCellLength) return Invalid;
        for (const QChar c : input) {
            if (!c.isLetterOrNumber()) return Invalid;
        }
        return Acceptable;
    }

private:
    bool upper_;
};

class KeyCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setMaxLength(kMaxCellLength);
            edit->setValidator(
                new KeyCellValidator(index.column() == KeyGrid::kCodeColumn, edit));
        }
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        // An empty slot shows blanks; the editor starts from the bare text so
        // the validator accepts it.
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setText(index.data(Qt::EditRole).toString().trimmed());
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }
};

}  // namespace

KeyGrid::KeyGrid(QWidget* parent) : QTableWidget(kKeyRows, 3, parent) {
    setHorizontalHeaderLabels({QStringLiteral("№"), QStringLiteral("Код ключа TOUCH"),
                               QStringLiteral("Имя пользователя")});
    verticalHeader()->hide();
    // The arrow keys walk the cells; Tab leaves the table, as on every page.
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    const int rowHeight = qMax(20, fontMetrics().height() + 6);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new KeyCellDelegate(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);

    for (int r = 0; r < kKeyRows; ++r) {
        auto* number = new QTableWidgetItem;
        number->setFlags(Qt::ItemIsEnabled);
        number->setBackground(palette().button());
        setItem(r, 0, number);
        setItem(r, kCodeColumn, new QTableWidgetItem(QString(16, QLatin1Char(' '))));
        setItem(r, kNameColumn, new QTableWidgetItem);
    }
    renumber();
    fitColumns();
}

QString KeyGrid::cellText(int row, int column) const {
    const QTableWidgetItem* it = item(row - 1, column);
    return it ? it->text() : QString();
}

void KeyGrid::setCellText(int row, int column, const QString& text) {
    if (QTableWidgetItem* it = item(row - 1, column)) it->setText(text);
}

void KeyGrid::renumber() {
    for (int r = 1; r <= kKeyRows; ++r) setCellText(r, 0, QStringLiteral(" ") + QString::number(r));
}

void KeyGrid::fitColumns() {
    // The number column is as narrow as " 32" allows; the two text columns
    // share the rest.
    const int numberWidth = qMax(20, fontMetrics().horizontalAdvance(QStringLiteral(" 32")) + 10);
    setColumnWidth(0, numberWidth);
    const int textWidth = qMax(60, (viewport()->width() - numberWidth) / 2);
    setColumnWidth(kCodeColumn, textWidth);
    setColumnWidth(kNameColumn, textWidth);
}

void KeyGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    fitColumns();
}

int KeyGrid::dropRowAt(int y) const {
    const int r = rowAt(y);
    if (r >= 0) return r;
    return y < 0 ? 0 : kKeyRows - 1;
}

void KeyGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && columnAt(p.x()) == 0 && rowAt(p.y()) >= 0) {
        dragRow_ = rowAt(p.y());
        setCursor(Qt::SizeVerCursor);
        setCurrentCell(dragRow_, 0);
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void KeyGrid::mouseMoveEvent(QMouseEvent* event) {
    if (dragRow_ >= 0) {
        setCurrentCell(dropRowAt(event->position().toPoint().y()), 0);
        event->accept();
        return;
    }
    QTableWidget::mouseMoveEvent(event);
}

void KeyGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (dragRow_ >= 0) {
        const int from = dragRow_;
        const int to = dropRowAt(event->position().toPoint().y());
        dragRow_ = -1;
        unsetCursor();
        event->accept();
        if (from != to) emit rowDragged(from + 1, to + 1);
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
}

}  // namespace krx
