#include "platform/widgets/Colors.h"

#include <QApplication>
#include <QWidget>

namespace widgets {

QColor ToQColor(TColor color)
{
    const QPalette palette = QApplication::palette();
    switch (color) {
    case clWindow:
        return palette.color(QPalette::Base);
    case clBtnFace:
        return palette.color(QPalette::Button);
    case clWhite:
        return Qt::white;
    case clBlack:
        return Qt::black;
    }
    return Qt::white;
}

void SetBackground(QWidget* control, TColor color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    control->setPalette(palette);
}

} // namespace widgets
