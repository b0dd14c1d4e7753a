#include "platform/widgets/StatusBar.h"

#include <QEvent>

namespace widgets {

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    if (parent)
        parent->installEventFilter(this);
}

void StatusBar::SetSimpleText(const QString& value)
{
    text = value;
    showMessage(value);
}

void StatusBar::Dock()
{
    if (QWidget* p = parentWidget())
        setGeometry(0, p->height() - height(), p->width(), height());
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        Dock();
    return QStatusBar::eventFilter(watched, event);
}

} // namespace widgets
