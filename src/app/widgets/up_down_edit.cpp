#include "app/widgets/up_down_edit.h"

#include <QLineEdit>

#include "config/up_down_position.h"

namespace krx {

UpDownEdit::UpDownEdit(QWidget* parent) : QSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setKeyboardTracking(true);
}

void UpDownEdit::setEditName(const QString& name) { lineEdit()->setObjectName(name); }

QValidator::State UpDownEdit::validate(QString& input, int& pos) const {
    Q_UNUSED(input);
    Q_UNUSED(pos);
    // Every text is taken; valueFromText() reads it and the range clamps it.
    return QValidator::Acceptable;
}

int UpDownEdit::valueFromText(const QString& text) const {
    // The arrows of these edits always start at 0.
    return UpDownPositionFromText(text.toStdString(), maximum());
}

}  // namespace krx
