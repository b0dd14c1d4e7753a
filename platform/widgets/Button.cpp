#include "platform/widgets/Button.h"

#include "platform/widgets/Form.h"

#include <QPainter>

namespace widgets {

Button::Button(QWidget* parent) : QPushButton(parent)
{
    // Enter is the window's business (Form): a focused button is clicked there.
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (modalResult != 0)
            if (auto* form = qobject_cast<Form*>(window()))
                form->SetModalResult(modalResult);
    });
}

void Button::setDefault(bool value)
{
    isDefaultButton = value;
    QPushButton::setDefault(value); // the look only
}

static QIcon CalendarGlyph()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(1, 2, 13, 12);
    p.fillRect(2, 3, 12, 3, QColor(0, 0, 160));
    for (int y = 8; y <= 12; y += 2)
        for (int x = 3; x <= 12; x += 3)
            p.fillRect(x, y, 2, 1, Qt::black);
    return QIcon(pixmap);
}

BitBtn::BitBtn(QWidget* parent) : Button(parent)
{
    setIcon(CalendarGlyph());
}

} // namespace widgets
