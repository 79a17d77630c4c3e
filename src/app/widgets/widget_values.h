#pragma once
// Writing a value into a control that may be absent (a page built without
// it): progress bars clamp what they are given, as the window's bars always
// did.

#include <QLabel>
#include <QProgressBar>
#include <QString>

namespace krx {

inline void SetClampedValue(QProgressBar* bar, int value) {
    if (bar) bar->setValue(qBound(bar->minimum(), value, bar->maximum()));
}

inline void SetLabelText(QLabel* label, const QString& text) {
    if (label) label->setText(text);
}

}  // namespace krx
