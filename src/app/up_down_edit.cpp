#include "app/up_down_edit.h"

#include <QLineEdit>

#include <limits>

namespace krx {

UpDownEdit::UpDownEdit(QWidget* parent) : QSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setKeyboardTracking(true);
}

void UpDownEdit::setEditName(const QString& name) { lineEdit()->setObjectName(name); }

int UpDownEdit::ReadTypedNumber(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
        negative = t.at(i) == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    bool any = false;
    for (; i < t.size() && t.at(i).isDigit() && t.at(i).unicode() < 128; ++i) {
        any = true;
        // Saturate instead of overflowing; the range clamps it afterwards.
        if (value < std::numeric_limits<int>::max()) value = value * 10 + (t.at(i).unicode() - '0');
    }
    if (!any) return 0;
    if (value > std::numeric_limits<int>::max()) value = std::numeric_limits<int>::max();
    return static_cast<int>(negative ? -value : value);
}

QValidator::State UpDownEdit::validate(QString& input, int& pos) const {
    Q_UNUSED(input);
    Q_UNUSED(pos);
    // Every text is taken; valueFromText() reads it and the range clamps it.
    return QValidator::Acceptable;
}

int UpDownEdit::valueFromText(const QString& text) const { return ReadTypedNumber(text); }

}  // namespace krx
