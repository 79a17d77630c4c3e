#pragma once
// Colours of panels, indicators and texts as the controller panel paints them.

#include <QColor>

class QWidget;

namespace krx {

inline const QColor kColourRed(0xFF, 0x00, 0x00);
inline const QColor kColourAmber(0xFF, 0xDC, 0x0E);
inline const QColor kColourLime(0x00, 0xFF, 0x00);
inline const QColor kColourGreen(0x00, 0x80, 0x00);
inline const QColor kColourBlack(0x00, 0x00, 0x00);
inline const QColor kColourBlue(0x00, 0x00, 0xFF);

// The plain face of buttons and panels in the current style.
QColor ButtonFaceColour();

// Fills the widget's background with `colour`.
void SetBackgroundColour(QWidget* widget, const QColor& colour);
QColor BackgroundColour(const QWidget* widget);

// The colour of a label's text.
void SetTextColour(QWidget* widget, const QColor& colour);
QColor TextColour(const QWidget* widget);

}  // namespace krx
