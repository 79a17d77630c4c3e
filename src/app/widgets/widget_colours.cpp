#include "app/widgets/widget_colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace krx {

QColor ButtonFaceColour() { return QApplication::palette().color(QPalette::Button); }

void SetBackgroundColour(QWidget* widget, const QColor& colour) {
    if (!widget) return;
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QColor BackgroundColour(const QWidget* widget) {
    return widget ? widget->palette().color(QPalette::Window) : QColor();
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    if (!widget) return;
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    widget->setPalette(p);
}

QColor TextColour(const QWidget* widget) {
    return widget ? widget->palette().color(QPalette::WindowText) : QColor();
}

}  // namespace krx
