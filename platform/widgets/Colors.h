#pragma once
// The colours the windows name.
#include <QColor>
#include <QPalette>

namespace widgets {

enum TColor { clWindow, clBtnFace, clWhite, clBlack };

QColor ToQColor(TColor color);
// Paints the control's background (an edit's field) in `color`.
void SetBackground(QWidget* control, TColor color);

} // namespace widgets
